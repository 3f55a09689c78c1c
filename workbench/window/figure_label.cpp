// SPDX-License-Identifier: MIT
#include "window/figure_label.h"

#include "desktop/accessibility/readable_figure.h"
#include "window/label_kinds.h"

#include <QEvent>
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

QSize FigureLabel::sizeHint() const
{
    // A label that takes the focus keeps a text document and lays it out again for each new
    // value's hint: for the window's fifteen figures, a twentieth of its start-up. Its plain
    // lines measure the same without one, as the label lays them out: a line in a fallback font
    // has that font's height, not the label's.
    if (!m_hintValid || m_hintText != text()) {
        m_textSize = QFontMetrics(font()).size(0, text());
        m_hintText = text();
        m_hintValid = true;
    }
    const QMargins margins = contentsMargins();
    return (m_textSize + QSize(margins.left() + margins.right(), margins.top() + margins.bottom()))
        .expandedTo(minimumSize());
}

QSize FigureLabel::minimumSizeHint() const
{
    return sizeHint();
}

void FigureLabel::changeEvent(QEvent* event)
{
    // A new font or style changes the lines' height.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_hintValid = false;
    QLabel::changeEvent(event);
}

void FigureLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
        paintFocusMark(*this);
}

FigureLabel* figureLabel(const char* name, const QString& meaning)
{
    auto* label = new FigureLabel(meaning);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    steadyWidth(label, QStringLiteral("-3150.0000 "));
    return label;
}

void paintFocusMark(QWidget& widget)
{
    QPainter painter(&widget);
    // Two logical pixels inside the edge, in the colour the desktop marks a selection with.
    painter.setPen(QPen(widget.palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(widget.rect()).adjusted(1, 1, -1, -1));
}
