// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit_statistics.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

namespace cli {

enum class Format;

// What --stack asks: the file, the spread that overrides the file's, the Monte Carlo assemblies
// (0: none) and the format.
struct StackRequest
{
    std::string file;
    std::optional<tolerance::Distribution> distribution;
    std::size_t samples;
};

// The chain's closing dimension: nominal, worst case, statistical range and the odds outside the
// requirement, each member's shares, and the Monte Carlo check, in text, JSON or CSV. Throws
// InputError when the file does not read.
void writeStack(std::ostream& out, const StackRequest& request, Format format);

} // namespace cli
