// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // an internal error
inline constexpr int kExitUsage = 2;
inline constexpr int kExitWriteFailure = 3; // the output could not be written

// The whole tool: reads the arguments after the program name, writes the answer to out or one
// line to err, and returns the exit status. Never throws.
int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) noexcept;

} // namespace cli
