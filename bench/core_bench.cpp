// SPDX-License-Identifier: MIT
// The core's lookups as the window makes them: a class code and a range text, each a UTF-8
// copy of what a list shows, to the entry the boxes are written from.
#include "tolerance/classes.h"
#include "tolerance/fit_finder.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using tolerance::Side;

struct Query
{
    Side side;
    std::string code;
    std::string range;
};

// Copies, so no comparison can meet the table's own text at the same address.
std::vector<Query> everyQuery()
{
    std::vector<Query> queries;
    for (Side side : {Side::Hole, Side::Shaft})
        for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
            for (std::string_view range : tolerance::kSizeRanges)
                queries.push_back({side, std::string(cls.code), std::string(range)});
    return queries;
}

std::optional<tolerance::DeviationPair> lookUp(Side side, std::string_view code,
                                               std::string_view range)
{
    const tolerance::ToleranceClass* cls = tolerance::findClass(side, code);
    if (!cls)
        return std::nullopt;
    return tolerance::ShowDeviations(*cls, range);
}

// The last class of the longer dispatch and the last range: every comparison runs to the end.
void oneLookupWorstCase(benchmark::State& state)
{
    const Query query{Side::Hole, "X7", "450～500"};
    for (auto _ : state) {
        std::string_view code = query.code;
        std::string_view range = query.range;
        benchmark::DoNotOptimize(code);
        benchmark::DoNotOptimize(range);
        benchmark::DoNotOptimize(lookUp(query.side, code, range));
    }
}
BENCHMARK(oneLookupWorstCase)->Name("one lookup: X7 450～500 (worst case)");

// One lookup per iteration, taking the 1625 pairs in table order.
void oneLookupAverage(benchmark::State& state)
{
    const std::vector<Query> queries = everyQuery();
    std::size_t i = 0;
    for (auto _ : state) {
        const Query& q = queries[i];
        i = i + 1 == queries.size() ? 0 : i + 1;
        benchmark::DoNotOptimize(lookUp(q.side, q.code, q.range));
    }
}
BENCHMARK(oneLookupAverage)->Name("one lookup: average over all 1625");

// The dispatch alone, averaged over the 65 codes of both sides.
void dispatchByCode(benchmark::State& state)
{
    std::vector<std::pair<Side, std::string>> codes;
    for (Side side : {Side::Hole, Side::Shaft})
        for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
            codes.emplace_back(side, std::string(cls.code));
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [side, code] = codes[i];
        i = i + 1 == codes.size() ? 0 : i + 1;
        benchmark::DoNotOptimize(tolerance::findClass(side, code));
    }
}
BENCHMARK(dispatchByCode)->Name("dispatch by code: average over 65");

// Every entry of both tables in a row; one iteration is all 1625 lookups.
void allLookups(benchmark::State& state)
{
    const std::vector<Query> queries = everyQuery();
    for (auto _ : state) {
        std::size_t found = 0;
        for (const Query& q : queries) {
            const auto entry = lookUp(q.side, q.code, q.range);
            benchmark::DoNotOptimize(entry);
            found += entry.has_value();
        }
        if (found != queries.size())
            state.SkipWithError("a lookup found nothing");
    }
}
BENCHMARK(allLookups)->Name("all 1625 lookups in a row")->Unit(benchmark::kMicrosecond);

// The finder over our table at 30～40, lists included: the companion's --fits with no bounds.
void findFitsInTable(benchmark::State& state)
{
    constexpr std::size_t kRange = 7;
    for (auto _ : state) {
        const auto holes = tolerance::tableCandidates(Side::Hole, kRange);
        const auto shafts = tolerance::tableCandidates(Side::Shaft, kRange);
        benchmark::DoNotOptimize(tolerance::findFits(holes, shafts, tolerance::Requirement{}));
    }
}
BENCHMARK(findFitsInTable)->Name("finder: our 65 classes at 30～40")->Unit(benchmark::kMicrosecond);

// Made-up deviations in µm for n classes of a side, spread as the standard's are: positions
// from -300 to +300 µm, tolerances from 1 to 120 µm.
std::vector<tolerance::Candidate> madeUpCandidates(std::size_t n, char letter)
{
    std::vector<tolerance::Candidate> candidates;
    for (std::size_t i = 0; i < n; ++i) {
        const auto lower = tolerance::Length((i * 37) % 601) - 300;
        const auto width = tolerance::Length((i * 13) % 120) + 1;
        candidates.push_back({std::string(1, letter) + std::to_string(i),
                              {(lower + width) * tolerance::kNanometresPerMicrometre,
                               lower * tolerance::kNanometresPerMicrometre}});
    }
    return candidates;
}

// The size of a search over every class the standard defines at one size: 500 holes by 500
// shafts. Argument 0 keeps every pair (all 250 000 sorted), 1 a clearance of 10 to 30 µm.
void findFitsEveryClass(benchmark::State& state)
{
    const auto holes = madeUpCandidates(500, 'H');
    const auto shafts = madeUpCandidates(500, 'h');
    tolerance::Requirement requirement;
    if (state.range(0) == 1) {
        requirement.minimumClearance = 10 * tolerance::kNanometresPerMicrometre;
        requirement.maximumClearance = 30 * tolerance::kNanometresPerMicrometre;
    }
    std::size_t found = 0;
    for (auto _ : state) {
        const auto fits = tolerance::findFits(holes, shafts, requirement);
        found = fits.size();
        benchmark::DoNotOptimize(fits.data());
    }
    state.counters["fits"] = double(found);
}
BENCHMARK(findFitsEveryClass)
    ->Name("finder: 500 x 500 made-up classes")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
