// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit_statistics.h"
#include "tolerance/stack/member.h"
#include "tolerance/stack/requirement.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// A dimension chain (寸法連鎖): members that add up to a closing dimension, such as the gap left
// at the end of a shaft, with what the closing dimension must stay within.
namespace tolerance::stack {

// The most members a chain may have: ten times what stays quick, still a second's Monte Carlo
// run on two cores per thousand members.
inline constexpr std::size_t kMostMembers = 10'000;

// A chain as typed: the window's table and fields, or a chain file's values.
struct ChainText
{
    std::vector<MemberText> members;
    std::string requirement;  // "0.3..0.7"; empty: none
    std::string distribution; // "normal" or "uniform"; empty: normal
    // The file's object, whose keys of its own a save keeps.
    std::string keptJson;

    friend bool operator==(const ChainText&, const ChainText&) = default;
};

struct Chain
{
    std::vector<Member> members;
    Requirement requirement;
    Distribution distribution = Distribution::Normal;
};

// Why a chain does not read: the member (0-based) and its fault, the requirement's, the
// distribution's, or too many members.
struct ChainFault
{
    enum class Where
    {
        Member,
        Requirement,
        Distribution,
        TooManyMembers,
    };
    Where where;
    std::size_t member = 0;
    std::optional<MemberFault> memberFault;
    std::optional<RequirementFault> requirementFault;
};

std::variant<Chain, ChainFault> readChain(const ChainText& text);

// The closing dimension's spread when each member is made to a spread of its own: centred in its
// tolerance, normal with ±3σ equal to it, or even over it. Sizes in nanometres.
struct Statistical
{
    Distribution distribution;
    double mean;
    double minimum;                     // 0.135 % of assemblies lie below
    double maximum;                     // and as many above
    std::optional<double> outsideShare; // of assemblies outside the requirement, 0 to 1
    std::optional<double> insideShare;  // and within it, worked out on its own, not as 1 less
};

// A member's part in the closing dimension's spread, from 0 to 1: of its variance (the same for
// both spreads, each member's variance being its width squared over a constant) and of its
// worst-case width.
struct Share
{
    double variance;
    double worstCase;
};

struct ChainAnswer
{
    Length nominal;      // the drawing's closing dimension, at 20 °C: Σ ± nominal
    Length thermalShift; // what the working temperatures add to it
    Length worstMaximum; // every member at the limit that lengthens it, at temperature
    Length worstMinimum;
    Statistical statistical;
    std::vector<Share> shares; // in the members' order
};

// Closed forms only, quick enough for every keystroke.
ChainAnswer answerChain(const Chain& chain);

// The 99.73 % range's tails and the share outside a requirement of the closing dimension's
// spread: closed forms, for the answer and for the tests of the Monte Carlo run.
Statistical statisticsOf(std::span<const Member> members, const Requirement& requirement,
                         Distribution distribution);

// Σ ± (nominal + growth + the middle of the tolerance), in nanometres: the spread's centre.
double centreOf(std::span<const Member> members);

} // namespace tolerance::stack
