// SPDX-License-Identifier: MIT
#include "tolerance/bearing/recommended.h"

#include <array>

namespace tolerance::bearing {

namespace {

// The shaft classes for radial bearings with cylindrical bores on solid steel shafts, JIS B 1566
// as NSK prints it ("Rolling Bearings", Table 9.2), each row beside what SKF's general catalogue
// (Russian edition, Table 2 "fits for solid steel shafts") gives there. SKF's classes for roller
// bearings under normal and heavy loads run a step or two tighter than JIS's (it counts a load
// over 0.05 C as normal, JIS over 0.06 Cr); JIS's are taken, and the note says so.
struct Row
{
    LoadSize size;
    bool roller;
    double over;
    double upTo;
    std::string_view classes;
};

constexpr std::array kTurning{
    // Light loads: home appliances, pumps, blowers, conveyors, precision machinery.
    Row{LoadSize::Light, false, 0, 18, "js5"},      // NSK; SKF js5 to 17
    Row{LoadSize::Light, false, 18, 100, "js6 j6"}, // NSK; SKF j6 (17) to 100
    Row{LoadSize::Light, false, 100, 200, "k6"},    // NSK; SKF k6 (100) to 140
    Row{LoadSize::Light, true, 0, 40, "js6 j6"},    // NSK; SKF j6 to 25, k6 over
    Row{LoadSize::Light, true, 40, 140, "k6"},      // NSK; SKF k6 to 60, m6 over
    Row{LoadSize::Light, true, 140, 200, "m6"},     // NSK; SKF none
    // Normal loads: motors, turbines, pumps, gears, woodworking machines.
    Row{LoadSize::Normal, false, 0, 18, "js5 js6 j5 j6"}, // NSK; SKF js5 to 10, j5 to 17
    Row{LoadSize::Normal, false, 18, 100, "k5 k6"},       // NSK; SKF k5 (17) to 100
    Row{LoadSize::Normal, false, 100, 140, "m5 m6"},      // NSK; SKF m5 (100) to 140
    Row{LoadSize::Normal, false, 140, 200, "m6"},         // NSK; SKF m6 (140) to 200
    Row{LoadSize::Normal, false, 200, 280, "n6"},         // NSK; SKF n6 (200) to 500
    Row{LoadSize::Normal, true, 0, 40, "k5 k6"},          // NSK; SKF k6 to 30 (40 tapered)
    Row{LoadSize::Normal, true, 40, 100, "m5 m6"},        // NSK; SKF m5, m6, n5, n6
    Row{LoadSize::Normal, true, 100, 140, "m6"},          // NSK; SKF n6, p6
    Row{LoadSize::Normal, true, 140, 200, "n6"},          // NSK; SKF n6, p6
    Row{LoadSize::Normal, true, 200, 400, "p6"},          // NSK; SKF p6, r6
    // Heavy or shock loads: railway axles, traction motors, rolling mills. None for balls.
    Row{LoadSize::Heavy, true, 50, 140, "n6"},  // NSK; SKF n6 (tapered to 110)
    Row{LoadSize::Heavy, true, 140, 200, "p6"}, // NSK; SKF p6 (tapered)
    Row{LoadSize::Heavy, true, 200, 500, "r6"}, // NSK; SKF r6 (tapered)
};

// The inner ring stands while the outer ring turns: g6 where it must slide on the shaft (wheels
// on standing axles), h6 where it need not (tension pulleys, rope sheaves). NSK and SKF alike.
constexpr std::string_view kStandingInner = "g6 h6";

constexpr std::string_view kSource =
    "JIS B 1566 as NSK's catalogue prints it (Tables 9.2 and 9.4), checked against SKF's "
    "(Tables 2, 4 and 5)";

// Housing bores of solid cast iron or steel housings (NSK Table 9.4; SKF Tables 4 and 5 the
// same classes, J7 where NSK has JS7 (J7)).
std::vector<std::string_view> housingOf(LoadCase load, LoadSize size)
{
    switch (load) {
    case LoadCase::RotatingOuter:
        return {size == LoadSize::Heavy ? "P7" : size == LoadSize::Normal ? "N7" : "M7"};
    case LoadCase::Indeterminate:
        if (size == LoadSize::Light)
            return {"JS7", "J7"};
        return {size == LoadSize::Heavy ? "M7" : "K7"};
    case LoadCase::RotatingInner:
        if (size == LoadSize::Heavy)
            return {"H7"};
        return {"H7", "H8"};
    }
    return {};
}

std::vector<std::string_view> split(std::string_view classes)
{
    std::vector<std::string_view> codes;
    while (!classes.empty()) {
        const std::size_t space = classes.find(' ');
        codes.push_back(classes.substr(0, space));
        classes = space == std::string_view::npos ? std::string_view() : classes.substr(space + 1);
    }
    return codes;
}

Length fromMm(double mm) noexcept
{
    return Length(mm * double(kNanometresPerMm) + 0.5);
}

std::string_view noteOf(LoadCase load, LoadSize size, bool roller)
{
    if (load == LoadCase::RotatingOuter)
        return "the shaft: g6 where the inner ring must slide (a wheel on a standing axle), h6 "
               "where it need not";
    if (load == LoadCase::RotatingInner && size != LoadSize::Heavy)
        return "the housing: G7 where the shaft carries heat into the bearing; a light alloy "
               "housing wants a tighter class";
    if (roller && size != LoadSize::Light)
        return "SKF's tables give roller bearings a step or two tighter; a bearing with more than "
               "CN clearance may be wanted";
    return "a light alloy housing wants a tighter class than a cast iron or steel one";
}

} // namespace

std::optional<LoadCase> loadCaseNamed(std::string_view text) noexcept
{
    if (text == "rotating-inner")
        return LoadCase::RotatingInner;
    if (text == "rotating-outer")
        return LoadCase::RotatingOuter;
    if (text == "indeterminate")
        return LoadCase::Indeterminate;
    return std::nullopt;
}

std::optional<LoadSize> loadSizeNamed(std::string_view text) noexcept
{
    if (text == "light")
        return LoadSize::Light;
    if (text == "normal")
        return LoadSize::Normal;
    if (text == "heavy")
        return LoadSize::Heavy;
    return std::nullopt;
}

std::string_view nameOf(LoadCase load) noexcept
{
    switch (load) {
    case LoadCase::RotatingInner:
        return "rotating-inner";
    case LoadCase::RotatingOuter:
        return "rotating-outer";
    case LoadCase::Indeterminate:
        return "indeterminate";
    }
    return "";
}

std::string_view nameOf(LoadSize size) noexcept
{
    switch (size) {
    case LoadSize::Light:
        return "light";
    case LoadSize::Normal:
        return "normal";
    case LoadSize::Heavy:
        return "heavy";
    }
    return "";
}

Recommendation housingRecommendation(LoadCase load, LoadSize size, bool roller)
{
    return {{}, housingOf(load, size), kSource, noteOf(load, size, roller)};
}

std::optional<Recommendation> recommendedFits(LoadCase load, LoadSize size, bool roller,
                                              Length bore)
{
    Recommendation answer = housingRecommendation(load, size, roller);
    if (load == LoadCase::RotatingOuter) {
        answer.shaft = split(kStandingInner);
        return answer;
    }
    for (const Row& row : kTurning) {
        if (row.size == size && row.roller == roller && bore > fromMm(row.over) &&
            bore <= fromMm(row.upTo)) {
            answer.shaft = split(row.classes);
            return answer;
        }
    }
    return std::nullopt;
}

std::vector<ShaftRow> shaftRows(LoadCase load, LoadSize size)
{
    if (load == LoadCase::RotatingOuter)
        return {ShaftRow{false, 0, 0, kStandingInner}, ShaftRow{true, 0, 0, kStandingInner}};
    std::vector<ShaftRow> rows;
    for (const Row& row : kTurning)
        if (row.size == size)
            rows.push_back({row.roller, row.over, row.upTo, row.classes});
    return rows;
}

} // namespace tolerance::bearing
