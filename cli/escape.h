// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Text leaving the tool: every byte sequence written is valid UTF-8 and a message stays on one
// line, whatever the user typed.
namespace cli {

// Well-formed UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(std::string_view text) noexcept;

// A CSV field: quoted when it holds a comma, a quote, a line break or an outer space (" 0"
// would lose its space in a spreadsheet otherwise), with quotes doubled.
std::string csvField(std::string_view text);

// User text for a one-line message: in double quotes, control characters and any invalid bytes
// written as byte escapes ("\x0A"), invisible and direction-changing characters as code points
// ("\u200B"), cut short after 40 characters.
std::string quote(std::string_view text);

// The same, whole however long: a file's path, which the user must be able to find.
std::string quoteWhole(std::string_view text);

} // namespace cli
