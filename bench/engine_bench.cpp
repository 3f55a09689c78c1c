// SPDX-License-Identifier: MIT
// The ISO 286-1 rules at work: one class at one size, every class of the standard at one size,
// and every class at every size step to 3150 mm.
#include "tolerance/fit_finder.h"
#include "tolerance/iso286.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace tolerance;

// Every class the standard writes, defined somewhere or not: 28 letters × 20 grades per side.
std::vector<ClassCode> everyCode()
{
    std::vector<ClassCode> codes;
    for (Side side : {Side::Hole, Side::Shaft})
        for (std::string_view letters : fundamentalDeviationLetters(side))
            for (int grade = kFinestGrade; grade <= kCoarsestGrade; ++grade)
                codes.push_back({side, std::string(letters), grade});
    return codes;
}

// One answer per iteration, taking every class in turn at sizes that walk through the steps.
void oneAnswer(benchmark::State& state)
{
    const std::vector<ClassCode> codes = everyCode();
    std::size_t i = 0;
    std::size_t step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(deviationsOf(codes[i], sizeSteps()[step].upper));
        i = i + 1 == codes.size() ? 0 : i + 1;
        step = step + 1 == kSizeStepCount ? 0 : step + 1;
    }
}
BENCHMARK(oneAnswer)->Name("engine: one answer (class, size)");

std::size_t wholeStandardAt(Length size)
{
    std::size_t defined = 0;
    for (Side side : {Side::Hole, Side::Shaft})
        defined += classesAt(side, size).size();
    return defined;
}

void wholeStandardAtOneSize(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(wholeStandardAt(35 * kNanometresPerMm));
}
BENCHMARK(wholeStandardAtOneSize)
    ->Name("engine: every class both sides at 35 mm")
    ->Unit(benchmark::kMicrosecond);

void wholeStandardAtEveryStep(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t defined = 0;
        for (const SizeStep& step : sizeSteps())
            defined += wholeStandardAt(step.upper);
        benchmark::DoNotOptimize(defined);
    }
}
BENCHMARK(wholeStandardAtEveryStep)
    ->Name("engine: every class at every size step")
    ->Unit(benchmark::kMillisecond);

// What --fits 35 --classes all searches: every class of the standard with a value at 35 mm,
// the lists built from the rules as part of the search. Argument 0 keeps every pair, 1 a
// clearance of 0.010 to 0.030 mm.
std::vector<Candidate> candidatesAt(Side side, Length size)
{
    std::vector<Candidate> candidates;
    for (const ClassCode& code : classesAt(side, size))
        candidates.push_back({textOf(code), *deviationsOf(code, size)});
    return candidates;
}

void findFitsInTheStandard(benchmark::State& state)
{
    const Length size = 35 * kNanometresPerMm;
    Requirement requirement;
    if (state.range(0) == 1) {
        requirement.minimumClearance = 10 * kNanometresPerMicrometre;
        requirement.maximumClearance = 30 * kNanometresPerMicrometre;
    }
    std::size_t found = 0;
    for (auto _ : state) {
        const auto holes = candidatesAt(Side::Hole, size);
        const auto shafts = candidatesAt(Side::Shaft, size);
        const auto fits = findFits(holes, shafts, requirement);
        found = fits.size();
        benchmark::DoNotOptimize(fits.data());
    }
    state.counters["fits"] = double(found);
}
BENCHMARK(findFitsInTheStandard)
    ->Name("finder: every class of the standard at 35 mm")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
