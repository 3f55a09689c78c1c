// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/stack/member.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

// The chain's members as the table edits them: every cell as typed, each row read by the core as
// it changes (its limits shown beside its tolerance, or what is wrong), and every change undone
// and redone in turn.
class MemberTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Name,
        Direction,
        Nominal,
        Tolerance,
        Limits, // read only: the tolerance's limit deviations at the nominal, or its problem
        Material,
        Temperature,
        ColumnCount
    };
    // The cell's problem, empty when it has none.
    static constexpr int ProblemRole = Qt::UserRole + 1;

    explicit MemberTable(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The members as typed, as a file or the store keeps them; replacing them forgets the undo.
    std::vector<tolerance::stack::MemberText> texts() const;
    void setTexts(const std::vector<tolerance::stack::MemberText>& texts);

    // An empty member after row (at the end for -1); its row.
    int insertMember(int after);
    void removeMember(int row);
    // Moves the member by one row up (-1) or down (+1); false at an end.
    bool moveMember(int row, int by);

    // Typing in one cell is one change, however many keys it takes: it ends when its editor
    // closes, or with any other change.
    void endTyping();
    // Takes back what was typed into the cell since its editor opened (Esc).
    void cancelTyping();

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The cell the change was made in, for the cursor to go back to; invalid when there was none.
    QModelIndex undo();
    QModelIndex redo();

    // Every member read, or nothing while one does not read (or there are none). A row with
    // nothing typed in it is no member yet.
    std::optional<std::vector<tolerance::stack::Member>> members() const;
    // The first row that does not read and what is wrong with it.
    std::optional<std::pair<int, QString>> firstProblem() const;
    QString problemOf(int row) const;

    // Every row's limits and problems, and the heads, in the new words; nothing else changes.
    void retranslate();

    // Nothing typed in any field: a row added and not yet filled in.
    static bool blank(const tolerance::stack::MemberText& text);

Q_SIGNALS:
    // Any change to the members, by an edit, an undo or a new set.
    void membersChanged();
    void undoChanged();

private:
    struct Row
    {
        tolerance::stack::MemberText text;
        std::variant<tolerance::stack::Member, tolerance::stack::MemberFault> read;
        QString limits; // the limits as read, or the tolerance's problem
        bool limitsRead = false;
        QString problem; // the row's first problem
        int problemColumn = -1;
        bool blank = false; // nothing typed yet: left out of the chain, no problem
    };
    struct Snapshot
    {
        std::vector<tolerance::stack::MemberText> texts;
        int row;
        int column;
    };

    static Row readRow(tolerance::stack::MemberText text);
    void remember(int row, int column);
    QModelIndex restore(std::vector<Snapshot>& from, std::vector<Snapshot>& to);
    void changed();

    std::vector<Row> m_rows;
    std::vector<Snapshot> m_undo;
    std::vector<Snapshot> m_redo;
    std::optional<std::pair<int, int>> m_typing; // the cell being typed into
};
