// SPDX-License-Identifier: MIT
#include "window/figure_label.h"

#include "desktop/accessibility/readable_figure.h"

#include <QPainter>

FigureLabel::FigureLabel(const QString& meaning, QWidget* parent)
    : QLabel(parent), m_meaning(meaning)
{
    setTextFormat(Qt::PlainText);
    // Room at the sides for the focus frame, clear of a figure set flush right.
    setContentsMargins(4, 0, 4, 0);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    accessibility::makeReadable(*this);
    showValue({});
}

void FigureLabel::setMeaning(const QString& meaning)
{
    m_meaning = meaning;
}

void FigureLabel::showValue(const QString& value)
{
    accessibility::showFigure(*this, m_meaning, value);
    if (value.isEmpty())
        setText(QStringLiteral("—"));
}

void FigureLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
        paintFocusMark(*this);
}

void paintFocusMark(QWidget& widget)
{
    QPainter painter(&widget);
    // Two logical pixels inside the edge, in the colour the desktop marks a selection with.
    painter.setPen(QPen(widget.palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(widget.rect()).adjusted(1, 1, -1, -1));
}
