// SPDX-License-Identifier: MIT
#pragma once

class QLabel;
class QWidget;

// What a screen reader calls each control that shows or takes a value. The lists and the
// deviation boxes say what their pointer hint says; the range boxes name the nominal size they
// show. The reader announces the value itself beside the name: a list's choice, a box's text.
namespace accessibleNames {

// Names the controls below window, found by their design names on each page.
void apply(QWidget& window);

// A range box's name stays; what it shows goes into its description, so it is read out too.
void rangeShown(QLabel& rangeBox);

} // namespace accessibleNames
