// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/classes.h"

#include <QStringList>

namespace workbench {

// The 65 classes of our lists, in list order.
QStringList commonClasses(tolerance::Side side);

// Every other class of the side with a value at some size, in the standard's order of letters
// and grades: what the class lists offer after our 65.
QStringList otherClasses(tolerance::Side side);

} // namespace workbench
