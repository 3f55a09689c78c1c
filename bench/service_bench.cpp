// SPDX-License-Identifier: MIT
// Fits in service: one whole press-fit answer (at 20 °C and at a working temperature), and the
// finder with a load to hold over every class of the standard at 50 mm, the lists built from
// the rules as part of the search, as --fits 50 --classes all with a press fit asks.
#include "tolerance/iso286.h"
#include "tolerance/service/service_finder.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tolerance;
using namespace tolerance::service;

constexpr Length kSize = 50 * kNanometresPerMm;

Joint steelHub()
{
    return {kSize, 80 * kNanometresPerMm, 0,           40 * kNanometresPerMm,
            0.15,  Roughness{6300, 4000}, std::nullopt};
}

Parts steelParts()
{
    return {findMaterial("S45C")->figures, findMaterial("S45C")->figures};
}

void onePressFit(benchmark::State& state)
{
    const Joint joint = steelHub();
    const Parts parts = steelParts();
    const Deviations h7{25000, 0};
    Deviations s6{59000, 43000};
    const Temperatures working{80, 60};
    for (auto _ : state) {
        benchmark::DoNotOptimize(s6);
        const PressFit fit = pressFitOf(joint, parts, h7, s6, working);
        benchmark::DoNotOptimize(fit);
    }
}
BENCHMARK(onePressFit)->Name("service: one press fit H7/s6 50, at 20 °C and at 80/60 °C");

std::vector<Candidate> candidatesAt(Side side)
{
    std::vector<Candidate> candidates;
    for (const ClassCode& code : classesAt(side, kSize))
        candidates.push_back({textOf(code), *deviationsOf(code, kSize)});
    return candidates;
}

void finderWithALoad(benchmark::State& state)
{
    const ServiceSearch search{steelHub(), steelParts(), Temperatures{80, 60}, {500, 2000, 1.5}};
    std::size_t found = 0;
    for (auto _ : state) {
        const auto holes = candidatesAt(Side::Hole);
        const auto shafts = candidatesAt(Side::Shaft);
        const auto fits = findServiceFits(holes, shafts, {}, search);
        found = fits.size();
        benchmark::DoNotOptimize(fits.data());
    }
    state.counters["fits"] = double(found);
}
BENCHMARK(finderWithALoad)
    ->Name("service: finder with a load, every class of the standard at 50 mm")
    ->Unit(benchmark::kMillisecond);

} // namespace
