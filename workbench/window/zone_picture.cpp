// SPDX-License-Identifier: MIT
#include "window/zone_picture.h"

#include "desktop/language_texts.h"
#include "window/figure_label.h"
#include "window/fit_texts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <tuple>

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
    // The captions and the columns' room too: English words are longer.
    (new LanguageTexts(*this))->add([this] {
        setAccessibleName(tr("公差域の図"));
        describe();
        updateGeometry();
        update();
    });
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
        description = tr("穴 %1 %2／%3 µm、軸 %4 %5／%6 µm、%7")
                          .arg(m_hole->code, fitTexts::micrometres(m_hole->upper),
                               fitTexts::micrometres(m_hole->lower), m_shaft->code,
                               fitTexts::micrometres(m_shaft->upper),
                               fitTexts::micrometres(m_shaft->lower), fitTexts::typeName(fit.type));
    } else {
        description = tr("寸法と公差クラスが入ると公差域を描きます");
    }
    if (m_hole && m_warm)
        description +=
            tr("、%1 では穴 %2／%3 µm、軸 %4／%5 µm")
                .arg(m_warm->holeCaption == m_warm->shaftCaption
                         ? m_warm->holeCaption
                         : tr("穴 %1・軸 %2").arg(m_warm->holeCaption, m_warm->shaftCaption),
                     fitTexts::micrometres(m_warm->hole.upper),
                     fitTexts::micrometres(m_warm->hole.lower),
                     fitTexts::micrometres(m_warm->shaft.upper),
                     fitTexts::micrometres(m_warm->shaft.lower));
    setAccessibleDescription(description);
}

QSize ZonePicture::minimumSizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    // A column a side, each zone with its deviations written beside it. The zones at temperature
    // ask for no more: with them, a picture at its least draws its figures smaller, as it must on
    // an 800-pixel screen with a desktop font of 11 pt, where half as much again would push the
    // window past the screen's edge and cut the picture there.
    const int column = metrics.horizontalAdvance(tr("穴 H7 +0.0000"));
    return {column * 2, metrics.height() * 10};
}

QSize ZonePicture::sizeHint() const
{
    // Where the window has the room, two columns a side with the zones at temperature.
    const QSize least = minimumSizeHint();
    const int column = fontMetrics().horizontalAdvance(tr("穴 H7 +0.0000"));
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

namespace {

// The font, made smaller where it must be, in which every text fits the width given: a figure is
// drawn smaller rather than cut.
QFont fitted(const QFont& base, const QStringList& texts, qreal room)
{
    const auto widest = [&texts](const QFont& font) {
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (const QString& text : texts)
            widest = std::max(widest, metrics.horizontalAdvance(text));
        return widest;
    };
    QFont font = base;
    const bool points = base.pointSizeF() > 0;
    const qreal size = points ? base.pointSizeF() : qreal(base.pixelSize());
    qreal scale = 1;
    // Hinting makes the width step, not scale evenly: measure again after each step.
    for (int step = 0; step < 60 && widest(font) > room && room > 0; ++step) {
        scale *= step == 0 ? std::max(0.05, room / widest(font)) : 0.95;
        if (points)
            font.setPointSizeF(size * scale);
        else
            font.setPixelSize(std::max(1, int(size * scale)));
    }
    return font;
}

} // namespace

QRectF ZonePicture::zoneRect(Side side) const
{
    return m_hole ? columnOf(side).zone : QRectF();
}

QRectF ZonePicture::warmRect(Side side) const
{
    return m_hole && m_warm ? columnOf(side).warm : QRectF();
}

QRectF ZonePicture::upright(qreal left, qreal width, tolerance::Deviations zone) const
{
    const qreal top = rowOf(zone.upper);
    // A zone thinner than a pixel still shows as one.
    const qreal bottom = std::max(rowOf(zone.lower), top + 1.0 / devicePixelRatioF());
    return QRectF(QPointF(snapped(left), top), QPointF(snapped(left + width), bottom));
}

ZonePicture::Column ZonePicture::columnOf(Side side) const
{
    const QRectF plot = plotArea();
    const qreal width = plot.width() / 2;
    const qreal left = plot.left() + (side == Side::Hole ? 0 : width);
    const auto& figures = side == Side::Hole ? m_hole : m_shaft;
    const tolerance::Deviations cold{figures->upper, figures->lower};
    QStringList texts{fitTexts::micrometres(cold.upper), fitTexts::micrometres(cold.lower)};
    if (m_warm) {
        const tolerance::Deviations& warm = side == Side::Hole ? m_warm->hole : m_warm->shaft;
        texts << fitTexts::micrometres(warm.upper) << fitTexts::micrometres(warm.lower);
    }
    const QFontMetricsF base(font());
    const qreal gap = base.horizontalAdvance(u' ');
    const int boxes = m_warm ? 2 : 1;
    const qreal pad = width * (m_warm ? 0.04 : 0.12);
    const qreal preferred = width * (m_warm ? 0.2 : 0.4);
    const qreal least = std::max(2.0, base.height() / 2);
    // Pad, each box with a space after it, a space before the zone at temperature, and a pixel a
    // box for its edges, which snap to the device's pixels.
    const qreal fixed = pad + boxes * gap + (boxes - 1) * gap + boxes;
    const qreal textRoom = width - fixed - boxes * least;
    // Both columns of figures at once, each as wide as its widest.
    Column column;
    column.font = font();
    const auto widths = [&](const QFont& f) {
        const QFontMetricsF m(f);
        const qreal cold = std::max(m.horizontalAdvance(texts[0]), m.horizontalAdvance(texts[1]));
        const qreal warm =
            m_warm ? std::max(m.horizontalAdvance(texts[2]), m.horizontalAdvance(texts[3])) : 0;
        return std::pair(cold, warm);
    };
    auto [coldWidth, warmWidth] = widths(column.font);
    if (coldWidth + warmWidth > textRoom) {
        // One font for the column, scaled by its two widest figures side by side.
        const QFontMetricsF m(column.font);
        const auto wider = [&m](const QString& a, const QString& b) {
            return m.horizontalAdvance(a) >= m.horizontalAdvance(b) ? a : b;
        };
        const QString both =
            wider(texts[0], texts[1]) + (m_warm ? wider(texts[2], texts[3]) : QString());
        column.font = fitted(font(), {both}, textRoom);
        std::tie(coldWidth, warmWidth) = widths(column.font);
    }
    const qreal box = std::clamp((width - fixed - coldWidth - warmWidth) / boxes, least, preferred);
    const qreal extra = std::max(0.0, width - fixed - boxes * box - coldWidth - warmWidth);
    const qreal zoneLeft = left + pad;
    column.zone = upright(zoneLeft, box, cold);
    column.figuresLeft = column.zone.right() + gap;
    column.figuresRight = column.figuresLeft + coldWidth + extra / boxes;
    column.right = left + width;
    if (m_warm) {
        const tolerance::Deviations& warm = side == Side::Hole ? m_warm->hole : m_warm->shaft;
        column.warm = upright(column.figuresRight + gap, box, warm);
        column.warmFiguresLeft = column.warm.right() + gap;
    }
    return column;
}

void ZonePicture::addFigures(QList<Label>& labels, const Column& column, tolerance::Deviations zone,
                             qreal left, qreal right) const
{
    const QRectF box = upright(0, 1, zone);
    const qreal height = QFontMetricsF(column.font).height();
    // The upper deviation stands on the zone's top edge, the lower hangs from its bottom edge.
    labels.append({fitTexts::micrometres(zone.upper),
                   QRectF(left, box.top() - height, right - left, height), column.font,
                   Qt::AlignLeft | Qt::AlignBottom});
    labels.append({fitTexts::micrometres(zone.lower),
                   QRectF(left, box.bottom(), right - left, height), column.font,
                   Qt::AlignLeft | Qt::AlignTop});
}

QList<ZonePicture::Label> ZonePicture::labels() const
{
    QList<Label> labels;
    if (!m_hole)
        return labels;
    const qreal line = QFontMetricsF(font()).height();
    const auto caption = [&](const QString& text, qreal left, qreal right, qreal top) {
        labels.append({text, QRectF(left, top, right - left, line * 1.2),
                       fitted(font(), {text}, right - left), Qt::AlignLeft | Qt::AlignVCenter});
    };
    for (const Side side : {Side::Hole, Side::Shaft}) {
        const auto& figures = side == Side::Hole ? m_hole : m_shaft;
        const Column column = columnOf(side);
        addFigures(labels, column, {figures->upper, figures->lower}, column.figuresLeft,
                   m_warm ? column.figuresRight : column.right);
        caption((side == Side::Hole ? tr("穴 %1") : tr("軸 %1")).arg(figures->code),
                column.zone.left(), column.right, 0);
        if (!m_warm)
            continue;
        addFigures(labels, column, side == Side::Hole ? m_warm->hole : m_warm->shaft,
                   column.warmFiguresLeft, column.right);
        const qreal gap = QFontMetricsF(font()).horizontalAdvance(u' ');
        caption(QStringLiteral("20 °C"), column.zone.left(), column.warm.left() - gap, line * 1.2);
        caption(side == Side::Hole ? m_warm->holeCaption : m_warm->shaftCaption, column.warm.left(),
                column.right, line * 1.2);
    }
    return labels;
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
    if (!m_hole) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(plot.adjusted(0, 0, 0, -plot.height() / 2),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         tr("寸法と公差クラスを入れると\n公差域を描きます"));
        return;
    }
    for (const Side side : {Side::Hole, Side::Shaft}) {
        const Column column = columnOf(side);
        painter.fillRect(column.zone, side == Side::Hole ? kHoleFill : kShaftFill);
        painter.setPen(QPen(ink, 0));
        painter.drawRect(column.zone);
        if (!m_warm)
            continue;
        QColor fill = side == Side::Hole ? kHoleFill : kShaftFill;
        fill.setAlpha(70);
        painter.fillRect(column.warm, fill);
        painter.setPen(QPen(ink, 0, Qt::DashLine));
        painter.drawRect(column.warm);
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(ink, 0));
    for (const Label& label : labels()) {
        painter.setFont(label.font);
        painter.drawText(label.room, int(label.alignment), label.text);
    }
}
