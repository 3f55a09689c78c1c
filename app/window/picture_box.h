// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A tab page: the fit diagram drawn unscaled from its top-left corner and clipped to the box,
// with the page's controls on it. The diagram is the one drawn for the device-pixel ratio the
// page paints at, so moving to a screen of another scale redraws it for that screen.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

Q_SIGNALS:
    // The pointer moved over the page itself, with no control under it. Labels let their moves
    // through to the page, so the page checks what is under the pointer before it speaks.
    void pointerMovedOverSurface();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
