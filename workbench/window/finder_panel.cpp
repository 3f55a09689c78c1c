// SPDX-License-Identifier: MIT
#include "window/finder_panel.h"

#include "desktop/access_keys.h"
#include "desktop/language_texts.h"
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
    RecommendedColumn,
    ColumnCount
};

QString preferredHint()
{
    return FinderPanel::tr("★: JIS B 0401 で常用するはめあい（一覧の先に並びます）");
}
const QString kRecommendedMark = QStringLiteral("◎");
QString recommendedWord() // what a screen reader says for ◎
{
    return FinderPanel::tr("推奨");
}
QString recommendedHint()
{
    return FinderPanel::tr(
        "◎: 軸受の荷重条件で推奨される公差クラス（JIS B 1566。一覧の先に並びます）");
}

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
    if (index.isValid() && index.column() == RecommendedColumn)
        return recommendedData(index.row(), role);
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
        return preferred ? FinderPanel::tr("常用") : QString();
    case Qt::ToolTipRole:
        return preferred ? preferredHint() : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant FoundPairsModel::recommendedData(int row, int role) const
{
    const bool recommended = m_found.recommended(std::size_t(row));
    switch (role) {
    case Qt::DisplayRole:
        return recommended ? kRecommendedMark : QString();
    case Qt::AccessibleTextRole: // a word, not "bullseye"
        return recommended ? recommendedWord() : QString();
    case Qt::ToolTipRole:
        return recommended ? recommendedHint() : QVariant();
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
        return preferredHint();
    if (section == PreferredColumn && role == Qt::AccessibleTextRole)
        return FinderPanel::tr("常用");
    if (section == RecommendedColumn && role == Qt::ToolTipRole)
        return recommendedHint();
    if (section == RecommendedColumn && role == Qt::AccessibleTextRole)
        return recommendedWord();
    if (role != Qt::DisplayRole)
        return {};
    const QStringList headers = {FinderPanel::tr("はめあい"),
                                 FinderPanel::tr("種類"),
                                 FinderPanel::tr("最大すきま"),
                                 FinderPanel::tr("最小すきま"),
                                 FinderPanel::tr("変動量"),
                                 QStringLiteral("★"),
                                 kRecommendedMark};
    return headers.value(section);
}

void FoundPairsModel::retranslate()
{
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

FinderPanel::FinderPanel(QWidget* parent)
    : QWidget(parent), m_minimum(new QLineEdit), m_maximum(new QLineEdit), m_type(new QComboBox),
      m_basis(new QComboBox), m_scope(new QComboBox), m_message(new QLabel), m_list(new FoundList),
      m_use(new QPushButton), m_model(new FoundPairsModel(this)), m_searchTimer(new QTimer(this)),
      m_search(new PairSearch(this))
{
    connect(m_search, &PairSearch::found, this, &FinderPanel::showFound);
    m_searchTimer->setSingleShot(true);
    m_searchTimer->setInterval(0);
    connect(m_searchTimer, &QTimer::timeout, this, &FinderPanel::search);
    auto* grid = new QGridLayout;
    m_texts = new LanguageTexts(*this);
    addFilters(grid);
    m_message->setObjectName(QStringLiteral("finderMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_list->setObjectName(QStringLiteral("finderList"));
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
    m_list->horizontalHeader()->setSectionResizeMode(RecommendedColumn,
                                                     QHeaderView::ResizeToContents);
    m_list->horizontalHeader()->moveSection(PreferredColumn, 0);
    // ◎ beside ★, shown only while a bearing's table recommends classes.
    m_list->horizontalHeader()->moveSection(RecommendedColumn, 1);
    m_list->setColumnHidden(RecommendedColumn, true);
    m_use->setObjectName(QStringLiteral("usePairButton"));
    m_use->setEnabled(false);
    m_texts->add([this] {
        m_use->setText(tr("この組を使う(&U)"));
        // One line that keeps its width, so a new count never moves the list.
        m_message->setMinimumWidth(m_message->fontMetrics().horizontalAdvance(
            tr("最小すきまが最大すきまより大きくなっています")));
        m_list->setAccessibleName(tr("条件に合うはめあい"));
        m_list->setStatusTip(tr("Enter、ダブルクリックか「この組を使う」で、行の組を上の穴と"
                                "軸に入れます (Ctrl+Z で戻す)。★ は常用するはめあい"));
        m_use->setToolTip(m_list->statusTip());
        m_use->setStatusTip(m_list->statusTip());
        m_model->retranslate();
        if (m_say)
            showMessage();
    });
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
        QString (*label)();
        QString (*hint)();
    };
    m_type->addItem(QString()); // no value: any type
    for (const FitType type : {FitType::Clearance, FitType::Transition, FitType::Interference})
        addChoice(m_type, QString(), type);
    addChoice(m_basis, QString(), Basis::Any);
    addChoice(m_basis, QString(), Basis::Hole);
    addChoice(m_basis, QString(), Basis::Shaft);
    addChoice(m_scope, QString(), ClassScope::Table);
    addChoice(m_scope, QString(), ClassScope::Every);
    m_texts->add([this] {
        m_type->setItemText(0, tr("すべて"));
        for (int i = 1; i < m_type->count(); ++i)
            m_type->setItemText(i, fitTexts::typeName(m_type->itemData(i).value<FitType>()));
        m_basis->setItemText(0, tr("すべて"));
        m_basis->setItemText(1, tr("穴基準 (H)"));
        m_basis->setItemText(2, tr("軸基準 (h)"));
        m_scope->setItemText(0, tr("よく使う 65 クラス"));
        m_scope->setItemText(1, tr("すべてのクラス"));
        for (QLineEdit* field : {m_minimum, m_maximum})
            field->setPlaceholderText(tr("制限なし"));
    });
    for (QLineEdit* field : {m_minimum, m_maximum})
        connect(field, &QLineEdit::textChanged, this, &FinderPanel::searchSoon);
    for (QComboBox* combo : {m_type, m_basis, m_scope})
        connect(combo, &QComboBox::currentIndexChanged, this, &FinderPanel::searchSoon);
    const Field fields[] = {
        {m_minimum, "finderMinimum", [] { return tr("最小すきま(&N)"); },
         [] { return tr("必要な最小すきま（mm、負の値はしめしろ。空欄なら制限なし）"); }},
        {m_maximum, "finderMaximum", [] { return tr("最大すきま(&X)"); },
         [] { return tr("許される最大すきま（mm、負の値はしめしろ。空欄なら制限なし）"); }},
        {m_type, "finderKind", [] { return tr("種類(&T)"); },
         [] { return tr("すきまばめ・中間ばめ・しまりばめのどれに限るか"); }},
        {m_basis, "finderBasis", [] { return tr("基準(&B)"); },
         [] { return tr("穴基準（H の穴）か軸基準（h の軸）に限るか"); }},
        {m_scope, "finderClasses", [] { return tr("対象(&L)"); },
         [] { return tr("よく使う 65 クラスから探すか、すべてのクラスから探すか"); }},
    };
    int column = 0;
    for (const Field& field : fields) {
        auto* label = new QLabel;
        label->setBuddy(field.widget);
        field.widget->setObjectName(QString::fromLatin1(field.name));
        m_texts->add([label, field] {
            label->setText(field.label());
            field.widget->setAccessibleName(accessKeys::withoutKey(label->text()));
            field.widget->setToolTip(field.hint());
            field.widget->setStatusTip(field.widget->toolTip());
        });
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

void FinderPanel::setRing(const RingSearch& ring)
{
    if (ring == m_ring)
        return;
    m_ring = ring;
    m_list->setColumnHidden(RecommendedColumn, ring.recommended.empty());
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
    if (plan.query) {
        plan.query->service = m_service;
        plan.query->given = m_ring.given;
        plan.query->recommended = m_ring.recommended;
    }
    // The pairs of older fields are no answer to these: none to choose while the new are found.
    m_model->setPairs({});
    if (!plan.query) {
        m_search->cancel();
        // Asked again in the new words, when the language changes.
        say([this] { return planSearch(fields(), m_diameter, m_edition).problem; }, plan.fault);
        return;
    }
    say([size = fitTexts::sizeText(plan.query->diameter)] {
        return tr("φ%1 で探しています…").arg(size);
    });
    m_search->start(*plan.query);
}

void FinderPanel::showFound(FoundPairs found)
{
    // What leads the list: the recommended classes where a bearing's table gives them; the
    // commonly used pairs where neither side is a bearing's ring, which is in none of them.
    const int lead = !m_ring.recommended.empty() ? 1 : m_ring.given ? 0 : 2;
    say([size = fitTexts::sizeText(found.diameter), count = int(found.pairs.size()),
         service = m_service.has_value(), lead] {
        if (count == 0)
            return tr("φ%1 で条件に合うはめあいはありません").arg(size);
        const QString first = lead == 1   ? tr("◎ 推奨を先に、")
                              : lead == 2 ? tr("★ 常用を先に、")
                                          : QString();
        return (service ? tr("φ%1 で %n 組（使用条件の荷重を保つもの、%2変動量の大きい順）",
                             nullptr, count)
                        : tr("φ%1 で %n 組（%2変動量の大きい順）", nullptr, count))
            .arg(size, first);
    });
    m_model->setPairs(std::move(found));
}

void FinderPanel::say(std::function<QString()> message, bool fault)
{
    m_say = std::move(message);
    m_fault = fault;
    showMessage();
}

void FinderPanel::showMessage()
{
    QPalette colours = palette();
    if (m_fault)
        colours.setColor(QPalette::WindowText, problemColour(colours));
    m_message->setPalette(colours);
    m_message->setText(m_say());
}

void FinderPanel::useRow(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const std::size_t row = std::size_t(index.row());
    Q_EMIT pairChosen(m_model->pairs().holeAt(row), m_model->pairs().shaftAt(row));
}
