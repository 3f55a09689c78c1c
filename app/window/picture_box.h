// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A tab page: the fit diagram, unscaled and clipped, drawn for the pixel ratio of the screen it
// paints on, with the page's controls over it.
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
