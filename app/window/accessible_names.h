// SPDX-License-Identifier: MIT
#pragma once

class QLabel;
class QWidget;

// What a screen reader calls each control: a list is named as the window labels it, a box says
// what its pointer hint says, the drawing is described in words, the
// range boxes the nominal size they show.
namespace accessibleNames {

// Names the controls below window, found by their design names on each page.
void apply(QWidget& window);

// A range box's name stays; what it shows goes into its description, so it is read out too.
void rangeShown(QLabel& rangeBox);

} // namespace accessibleNames
