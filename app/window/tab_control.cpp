// SPDX-License-Identifier: MIT
#include "tab_control.h"

#include "desktop/fonts.h"

#include <QPainter>
#include <QShortcut>
#include <QStyleOptionTab>
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

    // Ctrl+Tab and Ctrl+Shift+Tab as in a tab widget: shortcuts, since a focused list would take
    // the key press for a search.
    const auto addTurn = [this](const QList<QKeySequence>& keys, int step) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step] { turn(step); });
    };
    addTurn({Qt::CTRL | Qt::Key_Tab}, 1);
    // X11 offers Ctrl+Shift+Tab for the shifted key; a key event made without a keyboard map (as
    // by a test) arrives as Backtab with Shift still held.
    addTurn({Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab}, -1);
}

void TabControl::addPage(QWidget* page, const QString& caption)
{
    page->setParent(this);
    m_pages.append(page);
    m_tabBar->addTab(caption);
    fitCaptions();
    showPage(m_tabBar->currentIndex());
}

void TabControl::setTabFont(const QFont& font)
{
    m_tabFont = font;
    fitCaptions();
}

void TabControl::fitCaptions()
{
    // A stand-in family with full-width kana runs wider than the design's: narrowed, every
    // caption still shows whole in the narrowest of the equal tabs.
    QStringList captions;
    int room = 0;
    for (int i = 0; i < m_tabBar->count(); ++i) {
        QStyleOptionTab option;
        option.initFrom(m_tabBar);
        option.rect = QRect(0, 0, width() / m_tabBar->count(), kTabStripHeight);
        option.text = m_tabBar->tabText(i);
        option.shape = m_tabBar->shape();
        const QRect text =
            m_tabBar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, m_tabBar);
        room = i == 0 ? text.width() : std::min(room, text.width());
        captions << option.text;
    }
    m_tabBar->setFont(captions.isEmpty() ? m_tabFont
                                         : fonts::fittedToWidth(m_tabFont, captions, room));
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
    // The new page first: a focus on the page being hidden then moves on into the new one.
    if (index >= 0 && index < m_pages.size())
        m_pages[index]->setVisible(true);
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        if (i != index)
            m_pages[i]->setVisible(false);
    }
}

void TabControl::turn(int step)
{
    const int count = m_tabBar->count();
    if (count > 1)
        setCurrentIndex((currentIndex() + step + count) % count);
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
