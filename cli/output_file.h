// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// Writes bytes to the file at path (UTF-8) whole or not at all: into a new file beside it, then
// renamed over it, so that a reader sees the old file or the new one, never a part. An existing
// file keeps its permissions, and a link the file it points to. On failure nothing is left
// behind and the answer is the system's reason.
std::optional<std::string> writeFileWhole(const std::string& path, std::string_view bytes);

} // namespace cli
