// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

// A pick-only list of the design. Its open list is built when first opened, not at start.
class DesignedList : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;
};
