// SPDX-License-Identifier: MIT
#include "share_chart.h"

#include "desktop/language_texts.h"

#include "tolerance/stack/shares.h"

#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {

// How many members a screen reader is told of by name; the rest are counted.
constexpr std::size_t kSpokenBars = 10;

QString percentOf(int tenths)
{
    return QString::fromStdString(tolerance::stack::percentText(tenths)) + QStringLiteral(" %");
}

} // namespace

ShareChart::ShareChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("shareChart"));
    setFocusPolicy(Qt::StrongFocus);
    showShares({});
    (new LanguageTexts(*this))->add([this] {
        setAccessibleName(tr("寄与率のグラフ"));
        setAccessibleDescription(description());
        update();
    });
}

int ShareChart::rowHeight() const
{
    return fontMetrics().height() * 2;
}

QSize ShareChart::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(u'0') * 40,
            rowHeight() * int(std::max<std::size_t>(m_bars.size(), 1) + 1)};
}

QSize ShareChart::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(u'0') * 24, rowHeight() * 2};
}

void ShareChart::showShares(std::vector<Bar> bars)
{
    m_bars = std::move(bars);
    setAccessibleDescription(description());
    updateGeometry();
    update();
}

QString ShareChart::description() const
{
    if (m_bars.empty())
        return tr("部品の寸法と公差がそろうと、各部品の寄与率を示します");
    std::vector<std::size_t> order(m_bars.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return m_bars[a].varianceTenths > m_bars[b].varianceTenths;
    });
    QStringList spoken;
    for (std::size_t i = 0; i < std::min(order.size(), kSpokenBars); ++i) {
        const Bar& bar = m_bars[order[i]];
        spoken << tr("%1 分散の %2、最悪値の %3")
                      .arg(bar.name.isEmpty() ? tr("%1 行目").arg(order[i] + 1) : bar.name,
                           percentOf(bar.varianceTenths), percentOf(bar.worstCaseTenths));
    }
    QString text = tr("寄与率の大きい順: %1").arg(spoken.join(words::stop()));
    if (order.size() > kSpokenBars)
        text += words::stop() + tr("ほか %n 個", nullptr, int(order.size() - kSpokenBars));
    return text;
}

void ShareChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    const int row = rowHeight();
    const int line = fontMetrics().height();
    const int nameWidth = std::min(width() / 3, fontMetrics().horizontalAdvance(u'0') * 16);
    const int figureWidth = fontMetrics().horizontalAdvance(QStringLiteral("100.0 %")) + 8;
    const int barLeft = nameWidth + 8;
    const int barWidth = std::max(0, width() - barLeft - figureWidth);
    const QColor variance = colours.color(QPalette::Highlight);
    QColor worst = colours.color(QPalette::WindowText);
    worst.setAlphaF(0.45f);

    // The key, then a row a member.
    painter.setPen(colours.color(QPalette::WindowText));
    painter.fillRect(QRect(0, line / 4, line / 2, line / 2), variance);
    painter.drawText(QRect(line, 0, width() / 2, line), Qt::AlignVCenter, tr("分散への寄与"));
    painter.fillRect(QRect(width() / 2, line / 3, line / 2, line / 4), worst);
    painter.drawText(QRect(width() / 2 + line, 0, width() / 2, line), Qt::AlignVCenter,
                     tr("最悪値への寄与"));
    if (hasFocus()) {
        painter.setPen(QPen(variance, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        painter.setPen(colours.color(QPalette::WindowText));
    }
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const Bar& bar = m_bars[i];
        const int top = row * int(i + 1);
        if (top > height())
            break;
        const QString name = bar.name.isEmpty() ? tr("%1 行目").arg(i + 1) : bar.name;
        painter.drawText(QRect(4, top, nameWidth - 4, line), Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(name, Qt::ElideRight, nameWidth - 4));
        painter.fillRect(QRect(barLeft, top + 2, barWidth * bar.varianceTenths / 1000, line - 4),
                         variance);
        painter.fillRect(
            QRect(barLeft, top + line, barWidth * bar.worstCaseTenths / 1000, line / 3), worst);
        painter.drawText(QRect(barLeft + barWidth, top, figureWidth, line),
                         Qt::AlignVCenter | Qt::AlignRight, percentOf(bar.varianceTenths));
    }
}
