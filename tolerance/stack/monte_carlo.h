// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/stack/chain.h"

#include <cstdint>
#include <functional>
#include <optional>

// The closing dimension of many assemblies drawn at random, each member from its own spread: the
// check beside the closed forms. The same seed gives the same answer on any number of threads:
// the draws go in blocks (as many assemblies as the chain's length allows in some 330 000 draws),
// each block from its own stream seeded by its number.
namespace tolerance::stack {

inline constexpr std::size_t kDefaultSamples = 1'000'000;
inline constexpr std::size_t kMostSamples = 10'000'000; // 80 MB of sums
inline constexpr std::uint64_t kDefaultSeed = 286;

struct MonteCarloRequest
{
    std::size_t samples = kDefaultSamples;
    std::uint64_t seed = kDefaultSeed;
    unsigned threads = 0; // 0: as many as the machine has
};

// Sizes in nanometres.
struct MonteCarlo
{
    std::size_t samples;
    std::uint64_t seed;
    double minimum;                     // 0.135 % of the assemblies drawn lie below
    double maximum;                     // and as many above
    std::optional<double> outsideShare; // of the assemblies drawn outside the requirement
    std::optional<double> insideShare;  // and within it, counted
};

// Nothing when cancelled says so before the run is done; it is asked between blocks, from every
// thread of the run, so it must be safe to call from any thread.
std::optional<MonteCarlo> runMonteCarlo(const Chain& chain, const MonteCarloRequest& request,
                                        const std::function<bool()>& cancelled = {});

// One standard error of a share estimated from so many samples: the sampling error the closed
// forms are held to.
double samplingError(double share, std::size_t samples);

} // namespace tolerance::stack
