// SPDX-License-Identifier: MIT
#include "pointer_area.h"

PointerArea::PointerArea(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true); // hints follow the pointer with no button down
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
}

void PointerArea::mouseMoveEvent(QMouseEvent*)
{
    Q_EMIT pointerMoved();
}
