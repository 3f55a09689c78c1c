// The ISO 286-1 rules at work: one class at one size, every class of the standard at one size,
// and every class at every size step to 3150 mm.
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

} // namespace
