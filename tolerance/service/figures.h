// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// How the inexact figures of a fit in service are written, the same in every front end.
namespace tolerance::service {

// About three significant figures and never fewer whole digits: "48.8", "111", "1149",
// "0.262"; "-0" never appears.
std::string formatFigure(double value);

// A temperature in °C to a tenth at most: "80", "-20", "173.8".
std::string formatCelsius(double value);

} // namespace tolerance::service
