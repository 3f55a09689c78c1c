#pragma once

#include <QPalette>

class QWidget;

// Every colour the window shows comes from here. The design fixes white boxes and lists with
// black text and black captions over a light-grey drawing; a desktop's dark palette, colour
// scheme or platform theme (gtk3 with a dark GTK theme, say) would otherwise give the texts
// near-white ink on those white grounds. The window's own palette sets every role of every
// colour group, so nothing of the desktop's palette shows through, also after the desktop
// changes its theme while the window is open.
namespace designedPalette {

// The window's palette: a light three-dimensional face, black text, white boxes, a blue
// selection with white text; disabled texts grey.
QPalette window();

// Makes the window's palette the application's, before or after widgets exist. Called by Form1
// itself, so every program and test that builds the window gets it.
void install();

// A designed white control (a list, a text box, the range caption): white wherever the style
// fills its ground, with the window's black text on it.
void makeWhite(QWidget* widget);

} // namespace designedPalette
