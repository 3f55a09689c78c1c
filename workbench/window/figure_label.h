// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/accessibility/figure_label.h"

// A figure of the window's grid, named for the tests, flush right and as wide as the widest
// figure, whatever it shows.
FigureLabel* figureLabel(const char* name, const QString& meaning);
