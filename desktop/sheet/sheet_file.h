// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/sheet/sheet.h"

#include <QString>

class QPrinter;

// A calculation sheet to a PDF file or to a printer, on A4 with 15 mm margins unless the printer
// was set to another paper.
namespace sheetFile {

// Today, and this program with its version: what every sheet of ours is stamped with.
tolerance::sheet::Stamp stamp();

// Writes the sheet as a PDF to path whole or not at all: into a file beside it, renamed over it
// once complete, so that a failure leaves what was there. The failure's reason, or empty.
QString savePdf(const tolerance::sheet::Sheet& sheet, const QString& path);

// The page a sheet is laid out for, for a printer before its dialog is shown.
void setSheetPage(QPrinter& printer);

// The failure's reason, or empty.
QString print(const tolerance::sheet::Sheet& sheet, QPrinter& printer);

} // namespace sheetFile
