// SPDX-License-Identifier: MIT
#include "picture_box.h"

#include "resources/resources.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, tessaly::resources::fitDiagram(devicePixelRatioF()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!childAt(event->position().toPoint()))
        Q_EMIT pointerMovedOverSurface();
}
