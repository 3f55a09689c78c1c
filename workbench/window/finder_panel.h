// SPDX-License-Identifier: MIT
#pragma once

#include "model/pair_finder.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class LanguageTexts;
class PairSearch;

// The pairs found, one a row: the fit, its type, its two clearance figures and its tolerance,
// ★ where it is a commonly used pair and ◎ where a class of it is one a bearing's table
// recommends.
class FoundPairsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The whole list at once: one reset, however many pairs.
    void setPairs(workbench::FoundPairs pairs);
    const workbench::FoundPairs& pairs() const { return m_found; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The heads and the types in the new words.
    void retranslate();

private:
    QVariant preferredData(int row, int role) const;
    QVariant recommendedData(int row, int role) const;

    workbench::FoundPairs m_found;
};

// The finder: a required clearance band (either bound may stay empty; negative is interference),
// the type and basis filters and the choice of our 65 classes or every class; the list of pairs
// that qualify at the workbench's size, widest fit tolerance first.
class FinderPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FinderPanel(QWidget* parent = nullptr);

    // The size and edition to search at; nothing while the size field has no usable size.
    void setSize(std::optional<tolerance::Length> diameter, tolerance::Edition edition);
    // A load the pairs must hold in service, or none.
    void setService(const std::optional<tolerance::service::ServiceSearch>& service);
    // A bearing's ring in the fit above: the side searched against, and the classes its table
    // recommends, marked and first.
    void setRing(const workbench::RingSearch& ring);

Q_SIGNALS:
    // Only ever at the user's word (Enter, a double click, the button): moving through the rows
    // only looks at them.
    void pairChosen(const QString& hole, const QString& shaft);

private:
    void addFilters(QGridLayout* grid);
    workbench::FinderFields fields() const;
    // Searches once the events of the moment are done: never within a keystroke's own paint,
    // and once for any number of changes.
    void searchSoon();
    void search();
    void showFound(workbench::FoundPairs found);
    void useRow(const QModelIndex& index);
    // The line above the list: worked out again in the new words when the language changes.
    void say(std::function<QString()> message, bool fault = false);
    void showMessage();

    QLineEdit* m_minimum;
    QLineEdit* m_maximum;
    QComboBox* m_type;
    QComboBox* m_basis;
    QComboBox* m_scope;
    QLabel* m_message;
    QTableView* m_list;
    QPushButton* m_use;
    FoundPairsModel* m_model;
    QTimer* m_searchTimer;
    PairSearch* m_search;
    std::optional<tolerance::Length> m_diameter;
    tolerance::Edition m_edition = tolerance::Edition::Jis1984;
    std::optional<tolerance::service::ServiceSearch> m_service;
    workbench::RingSearch m_ring;
    LanguageTexts* m_texts = nullptr;
    std::function<QString()> m_say;
    bool m_fault = false;
};
