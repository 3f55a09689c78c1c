// SPDX-License-Identifier: MIT
#include "readable_figure.h"

#include <QLabel>
#include <QString>

namespace accessibility {

void makeReadable(QLabel& figure)
{
    // Last: a label sets its own focus policy whenever its interaction flags are set.
    figure.setFocusPolicy(Qt::StrongFocus);
}

void showFigure(QLabel& figure, const QString& meaning, const QString& value)
{
    figure.setText(value);
    figure.setAccessibleName(value.isEmpty() ? meaning : meaning + u' ' + value);
}

} // namespace accessibility
