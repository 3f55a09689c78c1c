// SPDX-License-Identifier: MIT
#include "tolerance/stack/chain.h"

#include "tolerance/stack/typed_text.h"
#include "tolerance/stack/uniform_sum.h"

#include <algorithm>
#include <cmath>

namespace tolerance::stack {

namespace {

constexpr double kSigmasPerHalfWidth = 3.0;

// Below x, for a normal spread of the centre and standard deviation given; a step when there is
// no spread.
double normalBelow(double x, double centre, double sigma)
{
    if (sigma <= 0)
        return x > centre ? 1.0 : 0.0;
    return 0.5 * std::erfc((centre - x) / (sigma * std::sqrt(2.0)));
}

double normalAbove(double x, double centre, double sigma)
{
    if (sigma <= 0)
        return x < centre ? 1.0 : 0.0;
    return 0.5 * std::erfc((x - centre) / (sigma * std::sqrt(2.0)));
}

// The requirement's odds from a spread's two tails, each share read where it is small, so that
// neither a far tail nor its other side is 1 less something a double cannot hold.
template <typename Below, typename Above>
void addOdds(Statistical& s, const Requirement& r, bool spread, Below below, Above above)
{
    if (!r.given())
        return;
    if (!spread) {
        s.insideShare = r.holds(s.mean) ? 1.0 : 0.0;
        s.outsideShare = 1 - *s.insideShare;
        return;
    }
    const std::optional<double> low =
        r.minimum ? std::optional<double>(double(*r.minimum)) : std::nullopt;
    const std::optional<double> high =
        r.maximum ? std::optional<double>(double(*r.maximum)) : std::nullopt;
    s.outsideShare = (low ? below(*low) : 0.0) + (high ? above(*high) : 0.0);
    if (!low)
        s.insideShare = below(*high);
    else if (!high)
        s.insideShare = above(*low);
    else if (s.mean < *low)
        s.insideShare = below(*high) - below(*low);
    else if (s.mean > *high)
        s.insideShare = above(*low) - above(*high);
    else
        s.insideShare = 1 - *s.outsideShare;
}

Statistical normal(std::span<const Member> members, const Requirement& requirement)
{
    double variance = 0;
    for (const Member& m : members) {
        const double sigma = double(m.width()) / (2 * kSigmasPerHalfWidth);
        variance += sigma * sigma;
    }
    const double sigma = std::sqrt(variance);
    const double centre = centreOf(members);
    Statistical s{Distribution::Normal,
                  centre,
                  centre - kSigmasPerHalfWidth * sigma,
                  centre + kSigmasPerHalfWidth * sigma,
                  std::nullopt,
                  std::nullopt};
    addOdds(
        s, requirement, sigma > 0, [&](double x) { return normalBelow(x, centre, sigma); },
        [&](double x) { return normalAbove(x, centre, sigma); });
    return s;
}

Statistical uniform(std::span<const Member> members, const Requirement& requirement)
{
    std::vector<double> halves;
    halves.reserve(members.size());
    for (const Member& m : members)
        halves.push_back(double(m.width()) / 2);
    const UniformSum sum(halves);
    const double centre = centreOf(members);
    Statistical s{Distribution::Uniform,
                  centre,
                  centre + sum.point(kTailShare),
                  centre + sum.point(1 - kTailShare),
                  std::nullopt,
                  std::nullopt};
    const bool spread = std::any_of(halves.begin(), halves.end(), [](double h) { return h > 0; });
    addOdds(
        s, requirement, spread, [&](double x) { return sum.below(x - centre); },
        [&](double x) { return sum.above(x - centre); });
    return s;
}

} // namespace

std::variant<Chain, ChainFault> readChain(const ChainText& text)
{
    if (text.members.size() > kMostMembers)
        return ChainFault{ChainFault::Where::TooManyMembers, 0, std::nullopt, std::nullopt};
    Chain chain;
    chain.members.reserve(text.members.size());
    for (std::size_t i = 0; i < text.members.size(); ++i) {
        auto member = readMember(text.members[i]);
        if (auto* fault = std::get_if<MemberFault>(&member))
            return ChainFault{ChainFault::Where::Member, i, *fault, std::nullopt};
        chain.members.push_back(std::move(std::get<Member>(member)));
    }
    const auto requirement = parseRequirement(text.requirement);
    if (const auto* fault = std::get_if<RequirementFault>(&requirement))
        return ChainFault{ChainFault::Where::Requirement, 0, std::nullopt, *fault};
    chain.requirement = std::get<Requirement>(requirement);
    const std::string distribution = foldTyped(text.distribution);
    if (!distribution.empty()) {
        const auto named = distributionNamed(distribution);
        if (!named)
            return ChainFault{ChainFault::Where::Distribution, 0, std::nullopt, std::nullopt};
        chain.distribution = *named;
    }
    return chain;
}

double centreOf(std::span<const Member> members)
{
    // Twice the centre, so that half a nanometre of a tolerance's middle stays exact.
    Length twice = 0;
    for (const Member& m : members)
        twice += m.sign * (2 * (m.nominal + m.growth) + m.deviations.upper + m.deviations.lower);
    return double(twice) / 2;
}

Statistical statisticsOf(std::span<const Member> members, const Requirement& requirement,
                         Distribution distribution)
{
    return distribution == Distribution::Normal ? normal(members, requirement)
                                                : uniform(members, requirement);
}

ChainAnswer answerChain(const Chain& chain)
{
    ChainAnswer answer{0, 0, 0, 0, {}, {}};
    double squares = 0;
    Length widths = 0;
    for (const Member& m : chain.members) {
        answer.nominal += m.sign * m.nominal;
        answer.thermalShift += m.sign * m.growth;
        // A member that shortens the closing dimension lengthens it most at its lower limit.
        const Length atUpper = m.sign * (m.nominal + m.growth + m.deviations.upper);
        const Length atLower = m.sign * (m.nominal + m.growth + m.deviations.lower);
        answer.worstMaximum += std::max(atUpper, atLower);
        answer.worstMinimum += std::min(atUpper, atLower);
        squares += double(m.width()) * double(m.width());
        widths += m.width();
    }
    answer.statistical = statisticsOf(chain.members, chain.requirement, chain.distribution);
    answer.shares.reserve(chain.members.size());
    for (const Member& m : chain.members) {
        const double width = double(m.width());
        answer.shares.push_back({squares > 0 ? width * width / squares : 0.0,
                                 widths > 0 ? width / double(widths) : 0.0});
    }
    return answer;
}

} // namespace tolerance::stack
