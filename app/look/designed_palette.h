// SPDX-License-Identifier: MIT
#pragma once

#include <QPalette>

class QWidget;

// Every colour the window shows: a dark desktop would otherwise give near-white ink on the
// design's white boxes (README's "Any desktop").
namespace designedPalette {

// Every role of every colour group set, so nothing of the desktop's palette shows through.
QPalette window();

// Called by Form1 itself, so every program and test that builds the window gets it.
void install();

// A designed white control: white wherever the style fills its ground, black text on it.
void makeWhite(QWidget* widget);

} // namespace designedPalette
