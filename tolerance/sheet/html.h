// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/sheet/sheet.h"

#include <string>

namespace tolerance::sheet {

// The sheet as one self-contained HTML page that any browser shows and prints on A4: its styles
// in the page, each picture as inline SVG, no file beside it. Written as well-formed XML, so
// that an XML reader takes it apart as a browser does.
std::string html(const Sheet& sheet);

} // namespace tolerance::sheet
