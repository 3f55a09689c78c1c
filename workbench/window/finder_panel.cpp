// SPDX-License-Identifier: MIT
#include "finder_panel.h"

#include "fit_texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace workbench;

namespace {

enum Column
{
    FitColumn,
    KindColumn,
    MaximumColumn,
    MinimumColumn,
    ToleranceColumn,
    ColumnCount
};

} // namespace

void FoundPairsModel::setPairs(FoundPairs pairs)
{
    beginResetModel();
    m_found = std::move(pairs);
    endResetModel();
}

QString FoundPairsModel::holeAt(int row) const
{
    return m_found.holes[m_found.pairs[std::size_t(row)].hole];
}

QString FoundPairsModel::shaftAt(int row) const
{
    return m_found.shafts[m_found.pairs[std::size_t(row)].shaft];
}

int FoundPairsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_found.pairs.size());
}

int FoundPairsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FoundPairsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= MaximumColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                               : int(Qt::AlignLeft | Qt::AlignVCenter);
    const FoundPair& found = m_found.pairs[std::size_t(index.row())];
    // Clearances as the finder's bounds are typed: negative for an interference.
    switch (index.column()) {
    case FitColumn:
        return m_found.fitText(std::size_t(index.row()));
    case KindColumn:
        return fitTexts::kindName(found.pair.kind);
    case MaximumColumn:
        return fitTexts::millimetres(found.pair.maximumClearance, false);
    case MinimumColumn:
        return fitTexts::millimetres(found.pair.minimumClearance, false);
    default:
        return fitTexts::millimetres(found.pair.maximumClearance - found.pair.minimumClearance,
                                     false);
    }
}

QVariant FoundPairsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList headers = {QStringLiteral("はめあい"), QStringLiteral("種類"),
                                        QStringLiteral("最大すきま"), QStringLiteral("最小すきま"),
                                        QStringLiteral("変動量")};
    return headers.value(section);
}

FinderPanel::FinderPanel(QWidget* parent)
    : QWidget(parent), m_minimum(new QLineEdit), m_maximum(new QLineEdit), m_kind(new QComboBox),
      m_basis(new QComboBox), m_classes(new QComboBox), m_message(new QLabel),
      m_list(new QTableView), m_model(new FoundPairsModel(this)), m_searchTimer(new QTimer(this))
{
    m_searchTimer->setSingleShot(true);
    m_searchTimer->setInterval(0);
    connect(m_searchTimer, &QTimer::timeout, this, &FinderPanel::search);
    auto* grid = new QGridLayout;
    addFilters(grid);
    m_message->setObjectName(QStringLiteral("finderMessage"));
    // One line that keeps its width, so a new count never moves the list.
    m_message->setMinimumWidth(m_message->fontMetrics().horizontalAdvance(
        QStringLiteral("最小すきまが最大すきまより大きくなっています")));
    m_message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_list->setObjectName(QStringLiteral("finderList"));
    m_list->setAccessibleName(QStringLiteral("条件に合うはめあい"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    // A few rows are enough to choose from; the window stays within a 200 % laptop screen.
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 6);
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_list->setStatusTip(QStringLiteral("行を選ぶと、そのはめあいを上に表示します"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addWidget(m_message);
    layout->addWidget(m_list, 1);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FinderPanel::rowChosen);
    searchSoon();
}

void FinderPanel::addFilters(QGridLayout* grid)
{
    struct Field
    {
        QWidget* widget;
        const char* name;
        QString label;
        QString hint;
    };
    m_kind->addItems({QStringLiteral("すべて"), QStringLiteral("すきまばめ"),
                      QStringLiteral("中間ばめ"), QStringLiteral("しまりばめ")});
    m_basis->addItems(
        {QStringLiteral("すべて"), QStringLiteral("穴基準 (H)"), QStringLiteral("軸基準 (h)")});
    m_classes->addItems({QStringLiteral("よく使う 65 クラス"), QStringLiteral("すべてのクラス")});
    for (QLineEdit* field : {m_minimum, m_maximum}) {
        field->setPlaceholderText(QStringLiteral("制限なし"));
        connect(field, &QLineEdit::textChanged, this, &FinderPanel::searchSoon);
    }
    for (QComboBox* combo : {m_kind, m_basis, m_classes})
        connect(combo, &QComboBox::currentIndexChanged, this, &FinderPanel::searchSoon);
    const QString band = QStringLiteral("mm、負の値はしめしろ。空欄なら制限なし");
    const Field fields[] = {
        {m_minimum, "finderMinimum", QStringLiteral("最小すきま(&N)"),
         QStringLiteral("必要な最小すきま（") + band + u'）'},
        {m_maximum, "finderMaximum", QStringLiteral("最大すきま(&X)"),
         QStringLiteral("許される最大すきま（") + band + u'）'},
        {m_kind, "finderKind", QStringLiteral("種類(&T)"),
         QStringLiteral("すきまばめ・中間ばめ・しまりばめのどれに限るか")},
        {m_basis, "finderBasis", QStringLiteral("基準(&B)"),
         QStringLiteral("穴基準（H の穴）か軸基準（h の軸）に限るか")},
        {m_classes, "finderClasses", QStringLiteral("対象(&L)"),
         QStringLiteral("よく使う 65 クラスから探すか、すべてのクラスから探すか")},
    };
    int column = 0;
    for (const Field& field : fields) {
        auto* label = new QLabel(field.label);
        label->setBuddy(field.widget);
        field.widget->setObjectName(QString::fromLatin1(field.name));
        field.widget->setAccessibleName(
            QString(field.label).remove(QStringLiteral("(&")).chopped(2));
        field.widget->setToolTip(field.hint);
        field.widget->setStatusTip(field.hint);
        grid->addWidget(label, 0, column);
        grid->addWidget(field.widget, 1, column);
        ++column;
    }
}

void FinderPanel::setSize(std::optional<Nanometres> diameter, Edition edition)
{
    if (diameter == m_diameter && edition == m_edition)
        return;
    m_diameter = diameter;
    m_edition = edition;
    searchSoon();
}

void FinderPanel::searchSoon()
{
    m_searchTimer->start();
}

void FinderPanel::search()
{
    const BoundReading minimum = readBound(m_minimum->text());
    const BoundReading maximum = readBound(m_maximum->text());
    QString problem = !minimum.problem.isEmpty() ? QStringLiteral("最小すきま: ") + minimum.problem
                      : !maximum.problem.isEmpty()
                          ? QStringLiteral("最大すきま: ") + maximum.problem
                      : !m_diameter ? QStringLiteral("上の寸法が入ると探します")
                                    : QString();
    if (problem.isEmpty() && minimum.value && maximum.value && *minimum.value > *maximum.value)
        problem = QStringLiteral("最小すきまが最大すきまより大きくなっています");
    if (!problem.isEmpty()) {
        m_model->setPairs({});
        m_message->setText(problem);
        return;
    }
    FinderQuery query{*m_diameter,
                      m_edition,
                      minimum.value,
                      maximum.value,
                      std::nullopt,
                      Basis(m_basis->currentIndex()),
                      m_classes->currentIndex() == 1};
    if (m_kind->currentIndex() > 0)
        query.kind = FitKind(m_kind->currentIndex() - 1);
    FoundPairs found = findPairs(query);
    m_message->setText(found.pairs.empty() ? QStringLiteral("φ%1 で条件に合うはめあいはありません")
                                                 .arg(fitTexts::sizeText(*m_diameter))
                                           : QStringLiteral("φ%1 で %2 組（変動量の大きい順）")
                                                 .arg(fitTexts::sizeText(*m_diameter))
                                                 .arg(found.pairs.size()));
    m_model->setPairs(std::move(found));
}

void FinderPanel::rowChosen(const QModelIndex& current)
{
    if (!current.isValid())
        return;
    Q_EMIT pairChosen(m_model->holeAt(current.row()), m_model->shaftAt(current.row()));
}
