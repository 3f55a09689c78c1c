#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent)
    : QWidget(parent), m_picture(picture)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, m_picture);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!childAt(event->position().toPoint()))
        Q_EMIT pointerMovedOverSurface();
}
