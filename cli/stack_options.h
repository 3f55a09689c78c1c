// SPDX-License-Identifier: MIT
#pragma once

#include "cli/stack_answer.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cli {

// What the command line gave beside --stack, as its parser read it.
struct StackArguments
{
    std::optional<std::string> file;          // --stack
    std::optional<std::string> distribution;  // --distribution
    std::optional<std::string> samples;       // --samples
    std::span<const std::string_view> others; // every other option given
    std::span<const std::string> operands;
};

// --stack FILE [--distribution normal|uniform] [--samples N]. Throws InputError for a missing
// FILE, an option or an operand that is not for --stack, and a bad value.
StackRequest readStackArguments(const StackArguments& given);

// The lines of --help on --stack and its file.
std::string_view stackHelpText() noexcept;

} // namespace cli
