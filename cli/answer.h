// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/editions.h"

#include <cstddef>
#include <string>
#include <string_view>

// One class at one size in the edition asked for, with the texts the table would print.
namespace cli {

struct ClassAnswer
{
    tolerance::ClassCode code;
    std::optional<tolerance::Deviations> deviations; // nothing: "  ---"
    tolerance::Source source;
    std::string upper;  // "+0.025", " 0", "±", "  ---"
    std::string lower;  // "-0.009", "0.0045", "  ---"
    bool given = false; // limits typed in, not a class: source and code mean nothing
};

// The table's own texts where the answer is the table's; the same forms, in as many decimals
// as the figure needs, where it comes from the rules.
ClassAnswer answerFor(const tolerance::ClassCode& code, std::size_t step, tolerance::Length nominal,
                      tolerance::Edition edition);

// A side given by its limit deviations: the texts signed as the table writes them.
ClassAnswer givenAnswer(tolerance::Side side, const tolerance::Deviations& deviations);

// "JIS B 0401:1984 table" or "ISO 286-1:2010 rules".
std::string_view nameOf(tolerance::Source source) noexcept;

// One source for both, or what each side's came from.
std::string sourcesOf(const ClassAnswer& hole, const ClassAnswer& shaft);

} // namespace cli
