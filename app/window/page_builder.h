// SPDX-License-Identifier: MIT
#pragma once

#include "window/layout.h"

class PictureBox;
class PointerArea;
class QComboBox;
class QLabel;
class QLineEdit;
class QStyle;
class QWidget;

// The controls of one tab page, built from the layout table.
struct Page
{
    PictureBox* picture;
    QComboBox* range;
    QComboBox* toleranceClass;
    QLineEdit* upper;
    QLineEdit* lower;
    QLabel* rangeCaption;   // Label5
    PointerArea* rangeArea; // Image1 / Image3, around the range list and its caption
    PointerArea* classArea; // Image2 / Image4
};

// which is HolePage or ShaftPage. style draws the lists and text boxes.
Page buildPage(layout::Container which, QStyle* style);
