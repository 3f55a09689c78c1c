// SPDX-License-Identifier: MIT
#include "window/finder_panel.h"

#include "model/pair_search.h"
#include "window/fit_texts.h"
#include "window/label_kinds.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace workbench;
using tolerance::Basis;
using tolerance::ClassScope;
using tolerance::FitType;

namespace {

enum Column
{
    FitColumn,
    TypeColumn,
    MaximumColumn,
    MinimumColumn,
    ToleranceColumn,
    // Last in the model, so the other columns keep their numbers; shown first.
    PreferredColumn,
    ColumnCount
};

const QString kPreferredHint =
    QStringLiteral("★: JIS B 0401 で常用するはめあい（一覧の先に並びます）");

// Rows enough to choose from where the window has the room; two where it gives way to the answer.
class FoundList : public QTableView
{
public:
    using QTableView::QTableView;

    QSize sizeHint() const override { return {QTableView::sizeHint().width(), heightOf(8)}; }
    QSize minimumSizeHint() const override
    {
        return {QTableView::minimumSizeHint().width(), heightOf(2)};
    }

private:
    int heightOf(int rows) const
    {
        return horizontalHeader()->sizeHint().height() +
               rows * verticalHeader()->defaultSectionSize() + 2 * frameWidth();
    }
};

template <typename T> void addChoice(QComboBox* combo, const QString& text, T value)
{
    combo->addItem(text, QVariant::fromValue(value));
}

} // namespace

void FoundPairsModel::setPairs(FoundPairs pairs)
{
    beginResetModel();
    m_found = std::move(pairs);
    endResetModel();
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
    if (index.isValid() && index.column() == PreferredColumn)
        return preferredData(index.row(), role);
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= MaximumColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                               : int(Qt::AlignLeft | Qt::AlignVCenter);
    const std::size_t row = std::size_t(index.row());
    const tolerance::Fit& fit = m_found.pairs[row].fit;
    // Clearances as the finder's bounds are typed: negative for an interference.
    switch (index.column()) {
    case FitColumn:
        return m_found.fitText(row);
    case TypeColumn:
        return fitTexts::typeName(fit.type);
    case MaximumColumn:
        return fitTexts::millimetres(fit.maximumClearance);
    case MinimumColumn:
        return fitTexts::millimetres(fit.minimumClearance);
    default:
        return fitTexts::millimetres(tolerance::fitTolerance(fit));
    }
}

QVariant FoundPairsModel::preferredData(int row, int role) const
{
    const bool preferred = m_found.pairs[std::size_t(row)].preferred;
    switch (role) {
    case Qt::DisplayRole:
        return preferred ? QStringLiteral("★") : QString();
    case Qt::AccessibleTextRole: // a screen reader hears the word, not "black star"
        return preferred ? QStringLiteral("常用") : QString();
    case Qt::ToolTipRole:
        return preferred ? kPreferredHint : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant FoundPairsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The rows' headers are hidden, yet a screen reader's table still has them: each is named by
    // its pair rather than left empty.
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole && section < rowCount()
                   ? QVariant(m_found.fitText(std::size_t(section)))
                   : QVariant();
    if (section == PreferredColumn && role == Qt::ToolTipRole)
        return kPreferredHint;
    if (section == PreferredColumn && role == Qt::AccessibleTextRole)
        return QStringLiteral("常用");
    if (role != Qt::DisplayRole)
        return {};
    static const QStringList headers = {QStringLiteral("はめあい"),   QStringLiteral("種類"),
                                        QStringLiteral("最大すきま"), QStringLiteral("最小すきま"),
                                        QStringLiteral("変動量"),     QStringLiteral("★")};
    return headers.value(section);
}

FinderPanel::FinderPanel(QWidget* parent)
    : QWidget(parent), m_minimum(new QLineEdit), m_maximum(new QLineEdit), m_type(new QComboBox),
      m_basis(new QComboBox), m_scope(new QComboBox), m_message(new QLabel), m_list(new FoundList),
      m_use(new QPushButton(QStringLiteral("この組を使う(&U)"))),
      m_model(new FoundPairsModel(this)), m_searchTimer(new QTimer(this)),
      m_search(new PairSearch(this))
{
    connect(m_search, &PairSearch::found, this, &FinderPanel::showFound);
    m_searchTimer->setSingleShot(true);
    m_searchTimer->setInterval(0);
    connect(m_searchTimer, &QTimer::timeout, this, &FinderPanel::search);
    auto* grid = new QGridLayout;
    addFilters(grid);
    m_message->setObjectName(QStringLiteral("finderMessage"));
    m_message->setTextFormat(Qt::PlainText);
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
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_list->horizontalHeader()->setSectionResizeMode(PreferredColumn,
                                                     QHeaderView::ResizeToContents);
    // Its rows hold a ★ or nothing, so the rows in view tell its width as well as a thousand:
    // measured over a thousand, each new list of every class cost the window's thread 5 ms.
    m_list->horizontalHeader()->setResizeContentsPrecision(0);
    m_list->horizontalHeader()->moveSection(PreferredColumn, 0);
    const QString useHint =
        QStringLiteral("Enter、ダブルクリックか「この組を使う」で、行の組を上の穴と"
                       "軸に入れます (Ctrl+Z で戻す)。★ は常用するはめあい");
    m_list->setStatusTip(useHint);
    m_use->setObjectName(QStringLiteral("usePairButton"));
    m_use->setToolTip(useHint);
    m_use->setStatusTip(useHint);
    m_use->setEnabled(false);
    auto* status = new QHBoxLayout;
    status->addWidget(m_message, 1);
    status->addWidget(m_use);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addLayout(status);
    layout->addWidget(m_list, 1);
    // Tab into the list makes its first row current: that must change nothing above.
    connect(m_list, &QTableView::activated, this, &FinderPanel::useRow);
    connect(m_use, &QPushButton::clicked, this, [this] { useRow(m_list->currentIndex()); });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { m_use->setEnabled(current.isValid()); });
    connect(m_model, &QAbstractItemModel::modelReset, this,
            [this] { m_use->setEnabled(m_list->currentIndex().isValid()); });
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
    m_type->addItem(QStringLiteral("すべて")); // no value: any type
    for (const FitType type : {FitType::Clearance, FitType::Transition, FitType::Interference})
        addChoice(m_type, fitTexts::typeName(type), type);
    addChoice(m_basis, QStringLiteral("すべて"), Basis::Any);
    addChoice(m_basis, QStringLiteral("穴基準 (H)"), Basis::Hole);
    addChoice(m_basis, QStringLiteral("軸基準 (h)"), Basis::Shaft);
    addChoice(m_scope, QStringLiteral("よく使う 65 クラス"), ClassScope::Table);
    addChoice(m_scope, QStringLiteral("すべてのクラス"), ClassScope::Every);
    for (QLineEdit* field : {m_minimum, m_maximum}) {
        field->setPlaceholderText(QStringLiteral("制限なし"));
        connect(field, &QLineEdit::textChanged, this, &FinderPanel::searchSoon);
    }
    for (QComboBox* combo : {m_type, m_basis, m_scope})
        connect(combo, &QComboBox::currentIndexChanged, this, &FinderPanel::searchSoon);
    const QString band = QStringLiteral("mm、負の値はしめしろ。空欄なら制限なし");
    const Field fields[] = {
        {m_minimum, "finderMinimum", QStringLiteral("最小すきま(&N)"),
         QStringLiteral("必要な最小すきま（") + band + u'）'},
        {m_maximum, "finderMaximum", QStringLiteral("最大すきま(&X)"),
         QStringLiteral("許される最大すきま（") + band + u'）'},
        {m_type, "finderKind", QStringLiteral("種類(&T)"),
         QStringLiteral("すきまばめ・中間ばめ・しまりばめのどれに限るか")},
        {m_basis, "finderBasis", QStringLiteral("基準(&B)"),
         QStringLiteral("穴基準（H の穴）か軸基準（h の軸）に限るか")},
        {m_scope, "finderClasses", QStringLiteral("対象(&L)"),
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

void FinderPanel::setSize(std::optional<tolerance::Length> diameter, tolerance::Edition edition)
{
    if (diameter == m_diameter && edition == m_edition)
        return;
    m_diameter = diameter;
    m_edition = edition;
    searchSoon();
}

void FinderPanel::setService(const std::optional<tolerance::service::ServiceSearch>& service)
{
    if (!service && !m_service)
        return;
    m_service = service;
    searchSoon();
}

FinderFields FinderPanel::fields() const
{
    const QVariant type = m_type->currentData();
    return {m_minimum->text(), m_maximum->text(),
            type.isValid() ? std::optional(type.value<FitType>()) : std::nullopt,
            m_basis->currentData().value<Basis>(), m_scope->currentData().value<ClassScope>()};
}

void FinderPanel::searchSoon()
{
    m_searchTimer->start();
}

void FinderPanel::search()
{
    FinderPlan plan = planSearch(fields(), m_diameter, m_edition);
    if (plan.query)
        plan.query->service = m_service;
    // The pairs of older fields are no answer to these: none to choose while the new are found.
    m_model->setPairs({});
    if (!plan.query) {
        m_search->cancel();
        showPlanProblem(plan.problem, plan.fault);
        return;
    }
    showPlanProblem(
        QStringLiteral("φ%1 で探しています…").arg(fitTexts::sizeText(plan.query->diameter)), false);
    m_search->start(*plan.query);
}

void FinderPanel::showFound(FoundPairs found)
{
    const QString size = fitTexts::sizeText(found.diameter);
    m_message->setText(
        found.pairs.empty()
            ? QStringLiteral("φ%1 で条件に合うはめあいはありません").arg(size)
            : QStringLiteral("φ%1 で %2 組（%3★ 常用を先に、変動量の大きい順）")
                  .arg(size)
                  .arg(found.pairs.size())
                  .arg(m_service ? QStringLiteral("使用条件の荷重を保つもの、") : QString()));
    m_model->setPairs(std::move(found));
}

void FinderPanel::showPlanProblem(const QString& text, bool fault)
{
    QPalette colours = palette();
    if (fault)
        colours.setColor(QPalette::WindowText, problemColour(colours));
    m_message->setPalette(colours);
    m_message->setText(text);
}

void FinderPanel::useRow(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const std::size_t row = std::size_t(index.row());
    Q_EMIT pairChosen(m_model->pairs().holeAt(row), m_model->pairs().shaftAt(row));
}
