// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/classes.h"

#include <QString>
#include <QStringList>

#include <string_view>

// The core's UTF-8 texts as the window shows them.
namespace coreTexts {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QStringList rangeLabels();
QStringList classCodes(tolerance::Side side);
// Every distinct text a deviation box can show, in the order of the tables.
const QStringList& deviationTexts();

} // namespace coreTexts
