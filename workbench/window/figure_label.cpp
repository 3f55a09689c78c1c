// SPDX-License-Identifier: MIT
#include "window/figure_label.h"

#include "window/label_kinds.h"

FigureLabel* figureLabel(const char* name, const QString& meaning)
{
    auto* label = new FigureLabel(meaning);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    steadyWidth(label, QStringLiteral("-3150.0000 "));
    return label;
}
