#include "tab_control.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

constexpr int kTabStripHeight = 22; // the pages start 2 px lower, inside the frame

// Tabs share the row equally, as the design has them, whatever their captions' widths.
class EqualTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        const int n = std::max(1, count());
        const int width = this->width() / n + (index < this->width() % n ? 1 : 0);
        return {width, kTabStripHeight};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

TabControl::TabControl(QWidget* parent) : QWidget(parent), m_tabBar(new EqualTabBar(this))
{
    m_tabBar->setObjectName(QStringLiteral("SSTab1Tabs"));
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setElideMode(Qt::ElideNone);
    m_tabBar->setUsesScrollButtons(false);
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::showPage);
}

void TabControl::addPage(QWidget* page, const QString& caption)
{
    page->setParent(this);
    m_pages.append(page);
    m_tabBar->addTab(caption);
    showPage(m_tabBar->currentIndex());
}

void TabControl::setTabFont(const QFont& font)
{
    m_tabBar->setFont(font);
}

int TabControl::currentIndex() const
{
    return m_tabBar->currentIndex();
}

void TabControl::setCurrentIndex(int index)
{
    m_tabBar->setCurrentIndex(index);
}

void TabControl::showPage(int index)
{
    for (qsizetype i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == index);
}

void TabControl::resizeEvent(QResizeEvent*)
{
    m_tabBar->setGeometry(0, 0, width(), kTabStripHeight);
}

void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, kTabStripHeight, 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = m_tabBar->size();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
