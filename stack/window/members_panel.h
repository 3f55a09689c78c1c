// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class MemberTable;
class QLabel;
class QPushButton;
class QTableView;

// The chain's members in a table edited in place: a member a row, its limits shown beside its
// tolerance as it is typed, a cell that does not read in red with the reason under the table.
// Buttons (and the window's menu) add, remove and move members.
class MembersPanel : public QWidget
{
    Q_OBJECT

public:
    explicit MembersPanel(MemberTable& table, QWidget* parent = nullptr);

    QTableView* view() const { return m_view; }
    // The row the cursor is on, -1 with none.
    int currentRow() const;
    // Puts the cursor on a cell and, for a cell to type in, the focus on the table.
    void goTo(int row, int column);
    // Adds a member after the cursor's row and starts typing its name.
    void addMember();
    void removeMember();
    void moveMember(int by);

Q_SIGNALS:
    // The current row's problem, empty when it has none: said once the typing rests.
    void problemShown(const QString& problem);

private:
    void showProblem();

    MemberTable& m_table;
    QTableView* m_view;
    QLabel* m_problem;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_up;
    QPushButton* m_down;
};
