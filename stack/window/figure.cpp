// SPDX-License-Identifier: MIT
#include "figure.h"

#include "desktop/accessibility/readable_figure.h"

#include <QPainter>

Figure::Figure(const QString& meaning, const char* objectName, QWidget* parent)
    : QLabel(parent), m_meaning(meaning)
{
    setObjectName(QString::fromLatin1(objectName));
    setTextFormat(Qt::PlainText);
    // Room at the sides for the focus frame.
    setContentsMargins(4, 0, 4, 0);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    accessibility::makeReadable(*this);
    showValue({});
}

void Figure::setMeaning(const QString& meaning)
{
    m_meaning = meaning;
}

void Figure::showValue(const QString& value)
{
    accessibility::showFigure(*this, m_meaning, value);
    if (value.isEmpty())
        setText(QStringLiteral("—"));
}

void Figure::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
