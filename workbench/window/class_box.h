// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/classes.h"

#include <QComboBox>

// A class field: typed into, or picked from our classes and then every other class of the
// standard. The list, some 500 classes, is made only when it is first wanted (opened, or stepped
// through with the keys or the wheel), so the window starts without it; typing needs none.
class ClassBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ClassBox(tolerance::Side side, QWidget* parent = nullptr);

    void showPopup() override;
    // Makes the list now, if it is not made yet; what the field shows stays as it is.
    void fill();

protected:
    // The list in the new words.
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    tolerance::Side m_side;
    bool m_filled = false;
};
