// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/stack/chain.h"

#include <QString>

#include <optional>
#include <variant>

// A chain file opened and saved from the window, through the core's one reader and writer.
namespace chainFiles {

// The chain in the file, or why it is not opened (a sentence naming the member and the reason
// where a member does not read). The file is only read.
std::variant<tolerance::stack::ChainText, QString> open(const QString& path);

// Writes the chain (every member reads) to path as a whole: the old file stays until the new one
// is complete, so a crash or a full disk never leaves half of it. A read-only file is refused,
// also for root. Why it failed, or nothing.
std::optional<QString> save(const QString& path, const tolerance::stack::ChainText& chain);

} // namespace chainFiles
