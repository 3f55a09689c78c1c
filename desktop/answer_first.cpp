// SPDX-License-Identifier: MIT
#include "desktop/answer_first.h"

#include "desktop/language_texts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// Holds its content at the content's least height or more and shows what room it is given,
// cutting the content at its foot, never above the foot of keep. Unlike a scroll area it never
// moves its content: what is at the top stays there.
class ClipPane : public QWidget
{
public:
    ClipPane(QWidget* content, QWidget* keep) : m_content(content), m_keep(keep)
    {
        content->setParent(this);
        content->installEventFilter(this);
    }

    QSize sizeHint() const override { return m_content->sizeHint(); }
    QSize minimumSizeHint() const override
    {
        return {m_content->minimumSizeHint().width(), keptHeight()};
    }

    // The foot of keep, the content laid out at its least height or more: the layouts put
    // their stretch below, so keep stands where it stands at every height. Before the window is
    // first shown no layout has placed anything, so the ones above keep are asked to now.
    int keptHeight() const
    {
        const QSize least(m_content->minimumSizeHint().width(), leastHeight());
        if (m_content->height() < least.height() || m_content->width() < least.width())
            m_content->resize(m_content->size().expandedTo(least));
        QList<QWidget*> path;
        for (QWidget* up = m_keep->parentWidget(); up && up != this; up = up->parentWidget())
            path.prepend(up);
        for (QWidget* widget : std::as_const(path)) {
            if (QLayout* layout = widget->layout())
                layout->activate();
        }
        return m_keep->mapTo(m_content, QPoint(0, m_keep->height())).y() +
               m_content->fontMetrics().height() / 2;
    }

protected:
    void resizeEvent(QResizeEvent*) override { layoutContent(); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The content's layout tells its new hints to its parent's layout, which this has not;
        // only when they change, or every figure typed would lay the whole window out again.
        if (watched == m_content && event->type() == QEvent::LayoutRequest) {
            const std::pair hints(m_content->minimumSizeHint(), m_content->sizeHint());
            if (hints != m_hints) {
                m_hints = hints;
                updateGeometry();
                QTimer::singleShot(0, this, [this] { layoutContent(); });
            }
        }
        return false;
    }

private:
    void layoutContent()
    {
        m_content->setGeometry(0, 0, width(), std::max(height(), leastHeight()));
    }

    // Lines that wrap (English names of several words) need more height at a narrower width
    // than the least a layout tells: held below it, the layout laid its rows over each other.
    int leastHeight() const
    {
        const int least = m_content->minimumSizeHint().height();
        if (!m_content->hasHeightForWidth())
            return least;
        return std::max(least, m_content->heightForWidth(std::max(width(), m_content->width())));
    }

    QWidget* m_content;
    QWidget* m_keep;
    std::pair<QSize, QSize> m_hints; // the content's least and wanted size, as last told
};

int paneLeast(const QWidget* pane)
{
    return pane->minimumSizeHint().height();
}

} // namespace

AnswerFirst::AnswerFirst(QWidget* answer, QWidget* keep, QWidget* parent)
    : QSplitter(Qt::Vertical, parent), m_tabs(new QTabBar), m_fold(new QToolButton),
      m_pages(new QStackedWidget)
{
    setChildrenCollapsible(false);
    auto* tabRow = new QWidget;
    tabRow->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(tabRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_tabs);
    row->addStretch(1);
    row->addWidget(m_fold);
    auto* tools = new QWidget;
    auto* column = new QVBoxLayout(tools);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(tabRow);
    column->addWidget(m_pages, 1);
    column->addStretch(0); // the room the pages leave when folded
    m_answerPane = new ClipPane(answer, keep);
    m_toolsPane = new ClipPane(tools, tabRow);
    addWidget(m_answerPane);
    addWidget(m_toolsPane);
    // Room the window gains or loses is the tools'; the answer keeps its own.
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);

    m_tabs->setObjectName(QStringLiteral("toolTabs"));

    m_tabs->setDocumentMode(true);
    m_tabs->setExpanding(false);
    m_fold->setObjectName(QStringLiteral("foldTools"));
    m_fold->setCheckable(true);
    m_fold->setAutoRaise(true);
    m_fold->setArrowType(Qt::DownArrow);
    (new LanguageTexts(*this))->add([this] {
        m_tabs->setAccessibleName(tr("下の欄"));
        m_fold->setAccessibleName(tr("下の欄をたたむ"));
        m_fold->setToolTip(tr("下の欄をたたんで、上の答えを広く表示します"));
        m_fold->setStatusTip(m_fold->toolTip());
    });
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        m_pages->setCurrentIndex(index);
        Q_EMIT toolChanged(m_pages->currentWidget());
    });
    // A tab taken while folded opens the page it names.
    connect(m_tabs, &QTabBar::tabBarClicked, this, [this] { setFolded(false); });
    connect(m_fold, &QToolButton::toggled, this, &AnswerFirst::setFolded);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { bringIntoView(now); });
}

void AnswerFirst::addTool(QWidget* page, const QString& title)
{
    m_pages->addWidget(page);
    m_tabs->addTab(title);
    // Neither a tab bar nor a stack not shown yet tells the layout above that it has grown.
    m_tabs->updateGeometry();
    m_pages->updateGeometry();
}

void AnswerFirst::setToolTitle(QWidget* page, const QString& title)
{
    m_tabs->setTabText(m_pages->indexOf(page), title);
    m_tabs->updateGeometry();
}

void AnswerFirst::showTool(QWidget* page)
{
    m_tabs->setCurrentIndex(m_pages->indexOf(page));
    setFolded(false);
}

QWidget* AnswerFirst::currentTool() const
{
    return m_pages->currentWidget();
}

QWidget* AnswerFirst::toolOf(const QWidget* widget) const
{
    for (int i = 0; i < m_pages->count(); ++i) {
        QWidget* page = m_pages->widget(i);
        if (page == widget || page->isAncestorOf(widget))
            return page;
    }
    return nullptr;
}

bool AnswerFirst::isFolded() const
{
    return m_pages->isHidden();
}

void AnswerFirst::setFolded(bool folded)
{
    const QSignalBlocker quiet(m_fold);
    m_fold->setChecked(folded);
    m_fold->setArrowType(folded ? Qt::UpArrow : Qt::DownArrow);
    if (folded == isFolded())
        return;
    if (folded && sizes().value(1) > 0)
        m_unfoldedHeight = sizes()[1];
    m_pages->setVisible(!folded);
    // Folded, the tools are their tabs: the answer takes the rest.
    m_toolsPane->setMaximumHeight(folded ? paneLeast(m_toolsPane) : QWIDGETSIZE_MAX);
    if (!folded)
        setToolsHeight(m_unfoldedHeight > 0 ? m_unfoldedHeight : toolsHeightWanted());
}

AnswerFirst::State AnswerFirst::state() const
{
    return {m_tabs->currentIndex(), isFolded(), isFolded() ? m_unfoldedHeight : sizes().value(1)};
}

void AnswerFirst::restore(const State& state)
{
    if (state.page >= 0 && state.page < m_tabs->count())
        m_tabs->setCurrentIndex(state.page);
    m_pending = state;
    if (isVisible() && sizes().value(0) + sizes().value(1) > 0)
        applyPending();
}

void AnswerFirst::resizeEvent(QResizeEvent* event)
{
    QSplitter::resizeEvent(event);
    if (!m_pending || m_arranging)
        return;
    // Once every layout has placed its widgets: until then nothing knows the answer's foot.
    m_arranging = true;
    QTimer::singleShot(0, this, [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        m_answerPane->updateGeometry();
        m_toolsPane->updateGeometry();
        m_arranging = false;
        if (m_pending)
            applyPending();
    });
}

void AnswerFirst::applyPending()
{
    const State state = *m_pending;
    m_pending.reset();
    if (state.folded)
        setFolded(true);
    m_unfoldedHeight = state.toolsHeight;
    if (state.folded)
        return;
    if (state.toolsHeight > 0)
        setToolsHeight(state.toolsHeight);
    else
        arrangeFirst();
}

void AnswerFirst::arrangeFirst()
{
    const int total = sizes().value(0) + sizes().value(1);
    // Tools that would be cut above their page's least are folded: the answer comes first.
    const QWidget* page = currentTool();
    if (total - answerHeight() < toolsLeast() + (page ? page->minimumSizeHint().height() : 0)) {
        m_unfoldedHeight = 0;
        setFolded(true);
        return;
    }
    setFolded(false);
    setToolsHeight(total - answerHeight());
}

int AnswerFirst::answerHeight() const
{
    return m_answerPane->sizeHint().height();
}

int AnswerFirst::toolsHeightWanted() const
{
    const QWidget* page = m_pages->currentWidget();
    return paneLeast(m_toolsPane) + (page ? page->sizeHint().height() : 0);
}

int AnswerFirst::toolsLeast() const
{
    // The tabs: a page gives way to the answer down to them, cut at its foot like the answer.
    return paneLeast(m_toolsPane);
}

void AnswerFirst::setToolsHeight(int height)
{
    const QList<int> now = sizes();
    const int total = now.value(0) + now.value(1);
    if (total <= 0)
        return;
    const int tools = std::max(std::min(height, total - paneLeast(m_answerPane)), toolsLeast());
    setSizes({total - tools, tools});
}

void AnswerFirst::bringIntoView(QWidget* widget)
{
    if (!widget || !isAncestorOf(widget) || !isVisible())
        return;
    // Within a page's own scroll area, the area scrolls; the handle shows the area.
    QWidget* shown = widget;
    for (QWidget* up = widget->parentWidget(); up && up != this; up = up->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            area->ensureWidgetVisible(shown, 0, 0);
            shown = area;
        }
    }
    const bool inAnswer = m_answerPane->isAncestorOf(shown);
    QWidget* pane = inAnswer ? m_answerPane : m_toolsPane;
    const int foot = shown->mapTo(pane, QPoint(0, shown->height())).y();
    if (foot <= pane->height())
        return;
    const QList<int> now = sizes();
    const int total = now.value(0) + now.value(1);
    const int wanted = foot + fontMetrics().height() / 2;
    if (inAnswer)
        setToolsHeight(total - wanted);
    else
        setToolsHeight(wanted);
}
