// SPDX-License-Identifier: MIT
#include "tolerance/stack/monte_carlo.h"

#include "tolerance/stack/random_draws.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <span>
#include <thread>
#include <vector>

namespace tolerance::stack {

namespace {

// A block is some 330 000 draws, a few milliseconds: a long chain's blocks hold fewer
// assemblies, so that a newer edit stops a run as soon. The blocks follow from the chain alone, so
// the same chain and seed still give the same assemblies.
constexpr std::size_t kDrawsPerBlock = 16'384 * 20;
constexpr std::size_t kMostPerBlock = 16'384;
constexpr std::size_t kFewestPerBlock = 256;

std::size_t blockOf(std::size_t members)
{
    return std::clamp(kDrawsPerBlock / std::max<std::size_t>(members, 1), kFewestPerBlock,
                      kMostPerBlock);
}
constexpr double kSigmasPerHalfWidth = 3.0;

// What one run draws: each member's spread (σ of a normal, or the width of an even spread).
struct Draws
{
    Distribution distribution;
    std::vector<double> scales;
    std::uint64_t seed;
};

void fillBlock(const Draws& draws, std::size_t block, std::span<double> sums)
{
    // Every block its own stream, started from a mix of the seed and its number: the answer does
    // not depend on which thread drew which block.
    std::uint64_t key = draws.seed ^ (0xD1B54A32D192ED03ULL * (block + 1));
    RandomWords random(splitMix(key));
    if (draws.distribution == Distribution::Normal) {
        for (double& sum : sums) {
            double s = 0;
            for (const double sigma : draws.scales)
                s += sigma * random.normal();
            sum = s;
        }
        return;
    }
    for (double& sum : sums) {
        double s = 0;
        for (const double width : draws.scales)
            s += width * (random.unit() - 0.5);
        sum = s;
    }
}

Draws drawsOf(const Chain& chain, std::uint64_t seed)
{
    Draws draws{chain.distribution, {}, seed};
    for (const Member& m : chain.members) {
        if (m.width() == 0)
            continue;
        draws.scales.push_back(chain.distribution == Distribution::Normal
                                   ? double(m.width()) / (2 * kSigmasPerHalfWidth)
                                   : double(m.width()));
    }
    return draws;
}

// Fills sums block by block on threads, until done or cancelled; false when cancelled.
bool drawAll(const Draws& draws, std::vector<double>& sums, unsigned threads,
             const std::function<bool()>& cancelled)
{
    const std::size_t block = blockOf(draws.scales.size());
    const std::size_t blocks = (sums.size() + block - 1) / block;
    std::atomic<std::size_t> nextBlock = 0;
    std::atomic<bool> stopped = false;
    const auto work = [&] {
        for (std::size_t b = nextBlock++; b < blocks; b = nextBlock++) {
            if (stopped || (cancelled && cancelled())) {
                stopped = true;
                return;
            }
            const std::size_t first = b * block;
            fillBlock(draws, b,
                      std::span(sums).subspan(first, std::min(block, sums.size() - first)));
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    return !stopped;
}

} // namespace

std::optional<MonteCarlo> runMonteCarlo(const Chain& chain, const MonteCarloRequest& request,
                                        const std::function<bool()>& cancelled)
{
    const std::size_t n = std::clamp(request.samples, std::size_t(1), kMostSamples);
    const unsigned threads =
        request.threads > 0 ? request.threads : std::max(1u, std::thread::hardware_concurrency());
    std::vector<double> sums(n);
    if (!drawAll(drawsOf(chain, request.seed), sums, threads, cancelled))
        return std::nullopt;

    const double centre = centreOf(chain.members);
    MonteCarlo run{n, request.seed, 0, 0, std::nullopt, std::nullopt};
    if (chain.requirement.given()) {
        const std::size_t outside = std::count_if(sums.begin(), sums.end(), [&](double s) {
            return !chain.requirement.holds(centre + s);
        });
        run.outsideShare = double(outside) / double(n);
        run.insideShare = double(n - outside) / double(n);
    }
    // The sums at the 0.135 % and 99.865 % ranks, as the closed forms' range.
    const auto tail = static_cast<std::ptrdiff_t>(kTailShare * double(n));
    std::nth_element(sums.begin(), sums.begin() + tail, sums.end());
    run.minimum = centre + sums[tail];
    const auto top = static_cast<std::ptrdiff_t>(n) - 1 - tail;
    std::nth_element(sums.begin() + tail, sums.begin() + top, sums.end());
    run.maximum = centre + sums[top];
    return run;
}

double samplingError(double share, std::size_t samples)
{
    return std::sqrt(share * (1 - share) / double(std::max<std::size_t>(samples, 1)));
}

} // namespace tolerance::stack
