// SPDX-License-Identifier: MIT
#include "window/zone_picture.h"

#include "window/figure_label.h"
#include "window/fit_texts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using tolerance::Length;
using tolerance::Side;

namespace {

// Translucent enough that the zero line and the base show through, on light and dark bases.
const QColor kHoleFill(60, 130, 235, 150);
const QColor kShaftFill(235, 135, 40, 150);

} // namespace

ZonePicture::ZonePicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("zonePicture"));
    setAccessibleName(QStringLiteral("公差域の図"));
    // Tab reaches it, so that a screen reader reads its description: the zones and the fit.
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ZonePicture::show(const std::optional<workbench::SideFigures>& hole,
                       const std::optional<workbench::SideFigures>& shaft)
{
    m_hole = hole && shaft ? hole : std::nullopt;
    m_shaft = hole && shaft ? shaft : std::nullopt;
    describe();
    update();
}

void ZonePicture::showWarm(const std::optional<WarmZones>& warm)
{
    const bool columns = warm.has_value() != m_warm.has_value();
    m_warm = warm;
    describe();
    update();
    if (columns)
        updateGeometry(); // four columns want more room than two
}

void ZonePicture::describe()
{
    QString description;
    if (m_hole) {
        const tolerance::Fit fit =
            tolerance::fitOf({m_hole->upper, m_hole->lower}, {m_shaft->upper, m_shaft->lower});
        description = QStringLiteral("穴 %1 %2／%3 µm、軸 %4 %5／%6 µm、%7")
                          .arg(m_hole->code, fitTexts::micrometres(m_hole->upper),
                               fitTexts::micrometres(m_hole->lower), m_shaft->code,
                               fitTexts::micrometres(m_shaft->upper),
                               fitTexts::micrometres(m_shaft->lower), fitTexts::typeName(fit.type));
    } else {
        description = QStringLiteral("寸法と公差クラスが入ると公差域を描きます");
    }
    if (m_hole && m_warm)
        description += QStringLiteral("、%1 では穴 %2／%3 µm、軸 %4／%5 µm")
                           .arg(m_warm->caption, fitTexts::micrometres(m_warm->hole.upper),
                                fitTexts::micrometres(m_warm->hole.lower),
                                fitTexts::micrometres(m_warm->shaft.upper),
                                fitTexts::micrometres(m_warm->shaft.lower));
    setAccessibleDescription(description);
}

QSize ZonePicture::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    // A column a side, each zone with its deviations written beside it; with the zones at
    // temperature beside them, half as much again, which an 800-pixel screen still holds.
    const int column = metrics.horizontalAdvance(QStringLiteral("穴 H7 +0.0000"));
    return {m_warm ? column * 5 / 2 : column * 2, metrics.height() * 10};
}

QSize ZonePicture::sizeHint() const
{
    // Where the window has the room, two columns a side with the zones at temperature.
    const QSize least = minimumSizeHint();
    const int column = fontMetrics().horizontalAdvance(QStringLiteral("穴 H7 +0.0000"));
    return {m_warm ? column * 4 : least.width() * 5 / 4, least.height() * 5 / 4};
}

QRectF ZonePicture::plotArea() const
{
    const int line = fontMetrics().height();
    // Room above for the captions (and the temperatures over the zones) and the upper
    // deviation, below for the lower deviation.
    const qreal top = (m_warm ? 3.7 : 2.5) * line;
    return QRectF(line / 2.0, top, width() - line, height() - top - 1.5 * line);
}

qreal ZonePicture::rowOf(Length deviation) const
{
    Length top = 0, bottom = 0;
    if (m_hole) {
        top = std::max({top, m_hole->upper, m_shaft->upper});
        bottom = std::min({bottom, m_hole->lower, m_shaft->lower});
    }
    if (m_hole && m_warm) {
        top = std::max({top, m_warm->hole.upper, m_warm->shaft.upper});
        bottom = std::min({bottom, m_warm->hole.lower, m_warm->shaft.lower});
    }
    const QRectF plot = plotArea();
    if (top == bottom)
        return snapped(plot.center().y());
    return snapped(plot.top() + plot.height() * qreal(top - deviation) / qreal(top - bottom));
}

qreal ZonePicture::snapped(qreal logical) const
{
    const qreal ratio = devicePixelRatioF();
    return std::round(logical * ratio) / ratio;
}

qreal ZonePicture::zeroLineY() const
{
    return rowOf(0);
}

QRectF ZonePicture::zoneRect(Side side) const
{
    const auto& figures = side == Side::Hole ? m_hole : m_shaft;
    if (!figures)
        return {};
    // Beside a zone at temperature each takes half its room.
    return m_warm ? columnRect(side, 0.04, {figures->upper, figures->lower})
                  : columnRect(side, 0.12, {figures->upper, figures->lower});
}

QRectF ZonePicture::warmRect(Side side) const
{
    if (!m_hole || !m_warm)
        return {};
    return columnRect(side, 0.52, side == Side::Hole ? m_warm->hole : m_warm->shaft);
}

QRectF ZonePicture::columnRect(Side side, qreal from, tolerance::Deviations zone) const
{
    const QRectF plot = plotArea();
    const qreal column = plot.width() / 2;
    const qreal left = plot.left() + (side == Side::Hole ? 0 : column) + column * from;
    const qreal top = rowOf(zone.upper);
    // A zone thinner than a pixel still shows as one.
    const qreal bottom = std::max(rowOf(zone.lower), top + 1.0 / devicePixelRatioF());
    const qreal width = column * (m_warm ? 0.2 : 0.4);
    return QRectF(QPointF(snapped(left), top), QPointF(snapped(left + width), bottom));
}

void ZonePicture::paintZone(QPainter& painter, Side side) const
{
    const auto& figures = side == Side::Hole ? m_hole : m_shaft;
    const QRectF zone = zoneRect(side);
    const QColor ink = palette().color(QPalette::Text);
    painter.fillRect(zone, side == Side::Hole ? kHoleFill : kShaftFill);
    painter.setPen(QPen(ink, 0));
    painter.drawRect(zone);

    const QFontMetricsF metrics(font());
    const qreal textLeft = zone.right() + metrics.horizontalAdvance(u' ');
    const qreal width = (m_warm ? warmRect(side).left() : plotArea().right()) - textLeft;
    const QString upper = fitTexts::micrometres(figures->upper);
    const QString lower = fitTexts::micrometres(figures->lower);
    // The upper deviation stands on the zone's top edge, the lower hangs from its bottom edge.
    painter.drawText(QRectF(textLeft, zone.top() - metrics.height(), width, metrics.height()),
                     Qt::AlignLeft | Qt::AlignBottom, upper);
    painter.drawText(QRectF(textLeft, zone.bottom(), width, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, lower);
    const QString caption =
        (side == Side::Hole ? QStringLiteral("穴 ") : QStringLiteral("軸 ")) + figures->code;
    painter.drawText(QRectF(zone.left(), 0, plotArea().width() / 2, metrics.height() * 1.2),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
    if (m_warm)
        painter.drawText(QRectF(zone.left(), metrics.height() * 1.2,
                                warmRect(side).left() - zone.left(), metrics.height() * 1.2),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("20 °C"));
}

void ZonePicture::paintWarm(QPainter& painter, Side side) const
{
    const tolerance::Deviations& figures = side == Side::Hole ? m_warm->hole : m_warm->shaft;
    const QRectF zone = warmRect(side);
    QColor fill = side == Side::Hole ? kHoleFill : kShaftFill;
    fill.setAlpha(70);
    painter.fillRect(zone, fill);
    painter.setPen(QPen(palette().color(QPalette::Text), 0, Qt::DashLine));
    painter.drawRect(zone);
    painter.setPen(QPen(palette().color(QPalette::Text), 0));
    const QFontMetricsF metrics(font());
    const qreal textLeft = zone.right() + metrics.horizontalAdvance(u' ');
    const qreal width =
        plotArea().left() + plotArea().width() / 2 * (side == Side::Hole ? 1 : 2) - textLeft;
    painter.drawText(QRectF(textLeft, zone.top() - metrics.height(), width, metrics.height()),
                     Qt::AlignLeft | Qt::AlignBottom, fitTexts::micrometres(figures.upper));
    painter.drawText(QRectF(textLeft, zone.bottom(), width, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, fitTexts::micrometres(figures.lower));
    painter.drawText(
        QRectF(zone.left(), metrics.height() * 1.2, plotArea().width() / 4, metrics.height() * 1.2),
        Qt::AlignLeft | Qt::AlignVCenter, m_warm->caption);
}

void ZonePicture::paintEvent(QPaintEvent*)
{
    paintPicture();
    if (hasFocus())
        paintFocusMark(*this);
}

void ZonePicture::paintPicture()
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QColor ink = palette().color(QPalette::Text);
    const QRectF plot = plotArea();
    const qreal zero = zeroLineY();
    painter.setPen(QPen(ink, 0));
    painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
    const QFontMetricsF metrics(font());
    if (!m_hole) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(plot.adjusted(0, 0, 0, -plot.height() / 2),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("寸法と公差クラスを入れると\n公差域を描きます"));
        return;
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintZone(painter, Side::Hole);
    paintZone(painter, Side::Shaft);
    if (m_warm) {
        paintWarm(painter, Side::Hole);
        paintWarm(painter, Side::Shaft);
    }
}
