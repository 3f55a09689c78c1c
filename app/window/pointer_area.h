// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// An invisible area over a caption and its list that reports the pointer passing over it. It
// draws nothing and never takes the focus; the list it surrounds lies above it.
class PointerArea : public QWidget
{
    Q_OBJECT

public:
    explicit PointerArea(QWidget* parent = nullptr);

Q_SIGNALS:
    void pointerMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
