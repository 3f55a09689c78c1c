#pragma once

#include "fit_query.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

// The pairs found, one a row: the fit, its type, its two clearance figures and its tolerance.
class FoundPairsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setPairs(std::vector<workbench::FoundPair> pairs);
    const workbench::FoundPair& pairAt(int row) const { return m_pairs[std::size_t(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<workbench::FoundPair> m_pairs;
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
    void setSize(std::optional<workbench::Nanometres> diameter, workbench::Edition edition);

    QLineEdit* minimumField() const { return m_minimum; }
    QLineEdit* maximumField() const { return m_maximum; }

Q_SIGNALS:
    void pairChosen(const QString& hole, const QString& shaft);

private:
    void addFilters(class QGridLayout* grid);
    void search();
    void rowChosen(const QModelIndex& current);

    QLineEdit* m_minimum;
    QLineEdit* m_maximum;
    QComboBox* m_kind;
    QComboBox* m_basis;
    QComboBox* m_classes;
    QLabel* m_message;
    QTableView* m_list;
    FoundPairsModel* m_model;
    std::optional<workbench::Nanometres> m_diameter;
    workbench::Edition m_edition = workbench::Edition::Jis1984;
};
