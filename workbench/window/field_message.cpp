// SPDX-License-Identifier: MIT
#include "window/field_message.h"

#include <QPainter>
#include <QTextLayout>

FieldMessage::FieldMessage(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its width is the column's: no text of its own widens it.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QStringList FieldMessage::linesAt(int width) const
{
    QStringList lines;
    if (width <= 0)
        return lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QString shown = text();
    QTextLayout layout(shown, font());
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == kMaxLines - 1) {
            // The last line takes the rest, cut short to the width.
            const QString rest = shown.mid(line.textStart()).simplified();
            lines << fontMetrics().elidedText(rest, Qt::ElideRight, width);
            break;
        }
        lines << shown.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

int FieldMessage::heightForWidth(int width) const
{
    return int(linesAt(width).size()) * fontMetrics().lineSpacing();
}

QSize FieldMessage::sizeHint() const
{
    return {minimumWidth(), heightForWidth(width())};
}

QSize FieldMessage::minimumSizeHint() const
{
    return sizeHint();
}

void FieldMessage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics = fontMetrics();
    int y = metrics.ascent();
    for (const QString& line : linesAt(width())) {
        painter.drawText(0, y, line);
        y += metrics.lineSpacing();
    }
}
