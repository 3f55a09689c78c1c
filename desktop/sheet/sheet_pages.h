// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/sheet/sheet.h"

#include <QString>

class QPagedPaintDevice;

// A calculation sheet on pages: a PDF file or a printer. The core composes it; this lays it out
// page by page, a table broken between rows with its head again on the next page, each page
// numbered in its foot, and paints it in black on white.
namespace sheetPages {

// The family the sheet is written in: the first of the Japanese chain that has every character
// of it, so that a PDF embeds a font that draws them all; the application's otherwise.
QString familyFor(const tolerance::sheet::Sheet& sheet);

// Paints the sheet on the device, one page after another, and answers how many it took. The
// device's page layout decides the room; the caller sets it (A4 with 15 mm margins for a PDF).
int paint(const tolerance::sheet::Sheet& sheet, QPagedPaintDevice& device);

} // namespace sheetPages
