// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/classes.h"

class QComboBox;
class QLabel;
class QLineEdit;

// The controls of one side of the window. A pick on one side never touches the other.
struct SideControls
{
    tolerance::Side side;
    QComboBox* range;          // Combo1 / Combo3
    QComboBox* toleranceClass; // Combo2 / Combo4
    QLineEdit* upper;          // Text1 / Text3
    QLineEdit* lower;          // Text2 / Text4
    QLabel* rangeCaption;      // Label5 on the side's page
};

// A range was picked: show it in the side's caption first, so that the lookup that follows
// reads the range just picked.
void rangePicked(const SideControls& side);

// A class was picked.
void classPicked(const SideControls& side);

// Run the class named by the class list on the range list's text, writing the upper box, then
// the lower box; an unknown class or range writes nothing.
void showDeviations(const SideControls& side);
