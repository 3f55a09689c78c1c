// SPDX-License-Identifier: MIT
#include "tolerance/bearing/ring_tolerances.h"

#include <array>
#include <cctype>
#include <span>

namespace tolerance::bearing {

namespace {

// Where the figures come from. Each row below names the sources that print it with the same
// figures; a row no two of them print is left out, so a size past it is outside the table.
//   NSK  NSK "Rolling Bearings" catalogue, Table 8.2 (radial bearings, pp. A60-A63) and
//        Table 8.3 (metric tapered roller bearings, pp. A64-A65), after JIS B 1514 / ISO 492.
//   SKF  SKF general catalogue (Russian edition), Tables 3 to 8, pp. 124-130 (ISO 492).
//   ZVL  ZVL Slovakia bearing catalogue, Tab. 10 to 13b, pp. 28-33 (STN ISO 492).
//   DAS  DAS Lager bearing catalogue, Tables 3.1 to 3.22, pp. 27-36.
//   GBB  gbbco.cn "Tolerances", Table 1 (class 0 inner rings to 2000 mm).
// Where they disagree (settled by the majority and the run of the neighbouring rows):
//   - class 5 inner 315-400: DAS -25, NSK, ZVL and SKF -23: -23.
//   - class 6 outer 800-1000: ZVL -50, NSK and SKF -60: -60.
//   - class 2 inner 120-250: DAS prints its rows as "150 150" and "180 180" with their widths
//     one row down; NSK's rows, which DAS's figures match once aligned, are taken.
//   - tapered roller bearings, class 0 (Normal): NSK prints tighter bores and outside
//     diameters under 150 mm ("some of these tolerances conform to the NSK Standard", its
//     remark); SKF and DAS give ISO 492's -12 µm and the rows below. NSK's classes 5 and 4 are
//     its own too: its class 4 matches ISO's class 4 (SKF, DAS) and is taken as such.
//   - SKF alone prints class 6 inner rings past 630 mm and class 5 past 400 mm (ISO 492:2014's
//     larger sizes); with no second source those sizes are outside the table.
constexpr double kNone = 0;

// One diameter step: over `over` up to and including `incl` (mm), the lower deviation in µm of
// each class in the order 0, 6, 5, 4, 2 (kNone: the class has no figure there).
struct Row
{
    double over;
    double incl;
    std::array<double, 5> lowerUm;
};

// Δdmp of radial bearings' inner rings.
constexpr std::array kRadialInner{
    Row{0.6, 2.5, {-8, -7, -5, -4, -2.5}},               // NSK, DAS (0.6 itself included)
    Row{2.5, 10, {-8, -7, -5, -4, -2.5}},                // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{10, 18, {-8, -7, -5, -4, -2.5}},                 // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{18, 30, {-10, -8, -6, -5, -2.5}},                // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{30, 50, {-12, -10, -8, -6, -2.5}},               // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{50, 80, {-15, -12, -9, -7, -4}},                 // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{80, 120, {-20, -15, -10, -8, -5}},               // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{120, 180, {-25, -18, -13, -10, -7}},             // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{180, 250, {-30, -22, -15, -12, -8}},             // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{250, 315, {-35, -25, -18, kNone, kNone}},        // NSK, ZVL, DAS, SKF
    Row{315, 400, {-40, -30, -23, kNone, kNone}},        // NSK, ZVL, SKF; DAS (0, 6)
    Row{400, 500, {-45, -35, kNone, kNone, kNone}},      // NSK, ZVL, SKF
    Row{500, 630, {-50, -40, kNone, kNone, kNone}},      // NSK, ZVL, SKF
    Row{630, 800, {-75, kNone, kNone, kNone, kNone}},    // NSK, ZVL, SKF
    Row{800, 1000, {-100, kNone, kNone, kNone, kNone}},  // NSK, ZVL, SKF
    Row{1000, 1250, {-125, kNone, kNone, kNone, kNone}}, // NSK, ZVL, SKF
    Row{1250, 1600, {-160, kNone, kNone, kNone, kNone}}, // NSK, SKF, GBB
    Row{1600, 2000, {-200, kNone, kNone, kNone, kNone}}, // NSK, SKF, GBB
};

// ΔDmp of radial bearings' outer rings (open bearings; a snap ring or seal does not change it).
constexpr std::array kRadialOuter{
    Row{2.5, 6, {-8, -7, -5, -4, -2.5}},                 // NSK, DAS (2.5 itself included)
    Row{6, 18, {-8, -7, -5, -4, -2.5}},                  // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{18, 30, {-9, -8, -6, -5, -4}},                   // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{30, 50, {-11, -9, -7, -6, -4}},                  // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{50, 80, {-13, -11, -9, -7, -4}},                 // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{80, 120, {-15, -13, -10, -8, -5}},               // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{120, 150, {-18, -15, -11, -9, -5}},              // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{150, 180, {-25, -18, -13, -10, -7}},             // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{180, 250, {-30, -20, -15, -11, -8}},             // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{250, 315, {-35, -25, -18, -13, -8}},             // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{315, 400, {-40, -28, -20, -15, -10}},            // NSK, ZVL, DAS, SKF (0, 6, 5)
    Row{400, 500, {-45, -33, -23, kNone, kNone}},        // NSK, ZVL, DAS, SKF
    Row{500, 630, {-50, -38, -28, kNone, kNone}},        // NSK, ZVL, SKF
    Row{630, 800, {-75, -45, -35, kNone, kNone}},        // NSK, ZVL, SKF
    Row{800, 1000, {-100, -60, kNone, kNone, kNone}},    // NSK, SKF; ZVL (0)
    Row{1000, 1250, {-125, kNone, kNone, kNone, kNone}}, // NSK, ZVL, SKF
    Row{1250, 1600, {-160, kNone, kNone, kNone, kNone}}, // NSK, ZVL, SKF
    Row{1600, 2000, {-200, kNone, kNone, kNone, kNone}}, // NSK, SKF
    Row{2000, 2500, {-250, kNone, kNone, kNone, kNone}}, // NSK, SKF
};

// ΔBs of a single radial bearing's inner ring by its bore (the outer ring's ΔCs is the same):
// classes 0 and 6 share a column, as do 5, 4 and 2. Whether a class reaches a size is its bore
// table's to say.
constexpr std::array kRadialWidth{
    Row{0.6, 2.5, {-40, -40, -40, -40, -40}},             // NSK, DAS, SKF (0)
    Row{2.5, 10, {-120, -120, -40, -40, -40}},            // NSK, ZVL, DAS, SKF
    Row{10, 18, {-120, -120, -80, -80, -80}},             // NSK, ZVL, DAS, SKF
    Row{18, 30, {-120, -120, -120, -120, -120}},          // NSK, ZVL, DAS, SKF
    Row{30, 50, {-120, -120, -120, -120, -120}},          // NSK, ZVL, DAS, SKF
    Row{50, 80, {-150, -150, -150, -150, -150}},          // NSK, ZVL, DAS, SKF
    Row{80, 120, {-200, -200, -200, -200, -200}},         // NSK, ZVL, DAS, SKF
    Row{120, 180, {-250, -250, -250, -250, -250}},        // NSK, ZVL, DAS, SKF
    Row{180, 250, {-300, -300, -300, -300, -300}},        // NSK, ZVL, DAS, SKF
    Row{250, 315, {-350, -350, -350, kNone, kNone}},      // NSK, ZVL, DAS, SKF
    Row{315, 400, {-400, -400, -400, kNone, kNone}},      // NSK, ZVL, DAS, SKF
    Row{400, 500, {-450, -450, kNone, kNone, kNone}},     // NSK, ZVL, SKF
    Row{500, 630, {-500, -500, kNone, kNone, kNone}},     // NSK, ZVL, SKF
    Row{630, 800, {-750, kNone, kNone, kNone, kNone}},    // NSK, ZVL, SKF
    Row{800, 1000, {-1000, kNone, kNone, kNone, kNone}},  // NSK, ZVL, SKF
    Row{1000, 1250, {-1250, kNone, kNone, kNone, kNone}}, // NSK, ZVL, SKF
    Row{1250, 1600, {-1600, kNone, kNone, kNone, kNone}}, // NSK, SKF
    Row{1600, 2000, {-2000, kNone, kNone, kNone, kNone}}, // NSK, SKF
};

// Tapered roller bearings use the same five columns, read as 0 (and 6X, whose diameters are
// class 0's), -, 5, 4, -: SKF's and DAS's tables have no classes 6 and 2 for them.
// Δdmp of their inner rings.
constexpr std::array kTaperedInner{
    Row{10, 18, {-12, kNone, -7, -5, kNone}},         // SKF, DAS; NSK (4)
    Row{18, 30, {-12, kNone, -8, -6, kNone}},         // SKF, DAS; NSK (4)
    Row{30, 50, {-12, kNone, -10, -8, kNone}},        // SKF, DAS; NSK (4)
    Row{50, 80, {-15, kNone, -12, -9, kNone}},        // SKF, DAS; NSK (0, 4)
    Row{80, 120, {-20, kNone, -15, -10, kNone}},      // SKF, DAS; NSK (0, 4)
    Row{120, 180, {-25, kNone, -18, -13, kNone}},     // SKF, DAS; NSK (0, 4)
    Row{180, 250, {-30, kNone, -22, -15, kNone}},     // SKF, DAS; NSK (0, 4)
    Row{250, 315, {-35, kNone, kNone, kNone, kNone}}, // SKF, DAS, NSK
    Row{315, 400, {-40, kNone, kNone, kNone, kNone}}, // SKF, DAS, NSK
};

// ΔDmp of their outer rings.
constexpr std::array kTaperedOuter{
    Row{18, 30, {-12, kNone, -8, -6, kNone}},         // SKF, DAS; NSK (4)
    Row{30, 50, {-14, kNone, -9, -7, kNone}},         // SKF, DAS; NSK (4)
    Row{50, 80, {-16, kNone, -11, -9, kNone}},        // SKF, DAS; NSK (4)
    Row{80, 120, {-18, kNone, -13, -10, kNone}},      // SKF, DAS; NSK (4)
    Row{120, 150, {-20, kNone, -15, -11, kNone}},     // SKF, DAS; NSK (4)
    Row{150, 180, {-25, kNone, -18, -13, kNone}},     // SKF, DAS; NSK (0, 4)
    Row{180, 250, {-30, kNone, -20, -15, kNone}},     // SKF, DAS; NSK (0, 4)
    Row{250, 315, {-35, kNone, -25, -18, kNone}},     // SKF, DAS; NSK (0, 4)
    Row{315, 400, {-40, kNone, -28, -20, kNone}},     // SKF, DAS; NSK (0, 4)
    Row{400, 500, {-45, kNone, kNone, kNone, kNone}}, // SKF, DAS, NSK
    Row{500, 630, {-50, kNone, kNone, kNone, kNone}}, // SKF, NSK
    Row{630, 800, {-75, kNone, kNone, kNone, kNone}}, // SKF, NSK
};

// Their ring widths by the bore: ΔBs of the inner ring, and ΔCs of the outer ring, in the
// columns 0, 6X, 5, 4 and (unused) 2. Class 0's ΔCs equals its ΔBs, as do 5's and 4's; 6X is
// the class of narrow widths: ΔBs 0/-50, ΔCs 0/-100 at every size (SKF's CLN, DAS's P6X).
constexpr std::array kTaperedInnerWidth{
    Row{10, 18, {-120, -50, -200, -200, kNone}},     // SKF, DAS
    Row{18, 30, {-120, -50, -200, -200, kNone}},     // SKF, DAS
    Row{30, 50, {-120, -50, -240, -240, kNone}},     // SKF, DAS
    Row{50, 80, {-150, -50, -300, -300, kNone}},     // SKF, DAS
    Row{80, 120, {-200, -50, -400, -400, kNone}},    // SKF, DAS
    Row{120, 180, {-250, -50, -500, -500, kNone}},   // SKF, DAS
    Row{180, 250, {-300, -50, -600, -600, kNone}},   // SKF, DAS
    Row{250, 315, {-350, -50, kNone, kNone, kNone}}, // SKF, DAS
    Row{315, 400, {-400, -50, kNone, kNone, kNone}}, // SKF, DAS
};

constexpr std::array kTaperedOuterWidth{
    Row{10, 18, {-120, -100, -200, -200, kNone}},     // SKF, DAS
    Row{18, 30, {-120, -100, -200, -200, kNone}},     // SKF, DAS
    Row{30, 50, {-120, -100, -240, -240, kNone}},     // SKF, DAS
    Row{50, 80, {-150, -100, -300, -300, kNone}},     // SKF, DAS
    Row{80, 120, {-200, -100, -400, -400, kNone}},    // SKF, DAS
    Row{120, 180, {-250, -100, -500, -500, kNone}},   // SKF, DAS
    Row{180, 250, {-300, -100, -600, -600, kNone}},   // SKF, DAS
    Row{250, 315, {-350, -100, kNone, kNone, kNone}}, // SKF, DAS
    Row{315, 400, {-400, -100, kNone, kNone, kNone}}, // SKF, DAS
};

constexpr Length fromMm(double mm) noexcept
{
    return Length(mm * double(kNanometresPerMm) + 0.5);
}

constexpr Length fromUm(double um) noexcept
{
    return Length(um * double(kNanometresPerMicrometre) - 0.5);
}

// The column of a class in the radial tables, or nothing where it has none.
std::optional<std::size_t> radialColumn(AccuracyClass accuracy) noexcept
{
    switch (accuracy) {
    case AccuracyClass::Class0:
        return 0;
    case AccuracyClass::Class6:
        return 1;
    case AccuracyClass::Class5:
        return 2;
    case AccuracyClass::Class4:
        return 3;
    case AccuracyClass::Class2:
        return 4;
    case AccuracyClass::Class6X:
        break;
    }
    return std::nullopt;
}

// Tapered roller bearings read their diameters from column 0 for 6X too.
std::optional<std::size_t> taperedColumn(AccuracyClass accuracy, bool width) noexcept
{
    switch (accuracy) {
    case AccuracyClass::Class0:
        return 0;
    case AccuracyClass::Class6X:
        return width ? 1 : 0;
    case AccuracyClass::Class5:
        return 2;
    case AccuracyClass::Class4:
        return 3;
    case AccuracyClass::Class6:
    case AccuracyClass::Class2:
        break;
    }
    return std::nullopt;
}

// The first step holds its lower bound too (0.6 mm of a bore, 2.5 mm of an outside diameter,
// 10 and 18 mm of a tapered roller bearing's).
const Row* rowOf(std::span<const Row> rows, Length diameter) noexcept
{
    for (const Row& row : rows) {
        const bool first = &row == &rows.front();
        const bool above = first ? diameter >= fromMm(row.over) : diameter > fromMm(row.over);
        if (above && diameter <= fromMm(row.incl))
            return &row;
    }
    return nullptr;
}

RingAnswer lookUp(std::span<const Row> rows, std::optional<std::size_t> column,
                  Length diameter) noexcept
{
    if (!column)
        return TableFault::ClassNotInTable;
    const Row* row = rowOf(rows, diameter);
    if (!row || row->lowerUm[*column] == kNone)
        return TableFault::SizeOutside;
    return Deviations{0, fromUm(row->lowerUm[*column])};
}

std::span<const Row> diameterRows(Construction construction, Ring ring) noexcept
{
    if (construction == Construction::Radial)
        return ring == Ring::Inner ? std::span<const Row>(kRadialInner)
                                   : std::span<const Row>(kRadialOuter);
    return ring == Ring::Inner ? std::span<const Row>(kTaperedInner)
                               : std::span<const Row>(kTaperedOuter);
}

std::optional<std::size_t> diameterColumn(Construction construction, AccuracyClass accuracy)
{
    return construction == Construction::Radial ? radialColumn(accuracy)
                                                : taperedColumn(accuracy, false);
}

} // namespace

std::optional<AccuracyClass> accuracyClassNamed(std::string_view text) noexcept
{
    std::string lower;
    for (const char c : text)
        lower += char(std::tolower(static_cast<unsigned char>(c)));
    std::string_view name = lower;
    if (name == "normal")
        return AccuracyClass::Class0;
    if (name.starts_with('p'))
        name.remove_prefix(1);
    constexpr std::array<std::pair<std::string_view, AccuracyClass>, 6> kNames{{
        {"0", AccuracyClass::Class0},
        {"6x", AccuracyClass::Class6X},
        {"6", AccuracyClass::Class6},
        {"5", AccuracyClass::Class5},
        {"4", AccuracyClass::Class4},
        {"2", AccuracyClass::Class2},
    }};
    for (const auto& [n, accuracy] : kNames)
        if (n == name)
            return accuracy;
    return std::nullopt;
}

std::string_view nameOf(AccuracyClass accuracy) noexcept
{
    switch (accuracy) {
    case AccuracyClass::Class0:
        return "0";
    case AccuracyClass::Class6X:
        return "6X";
    case AccuracyClass::Class6:
        return "6";
    case AccuracyClass::Class5:
        return "5";
    case AccuracyClass::Class4:
        return "4";
    case AccuracyClass::Class2:
        return "2";
    }
    return "";
}

RingAnswer meanDiameterDeviation(Construction construction, Ring ring, AccuracyClass accuracy,
                                 Length diameter) noexcept
{
    return lookUp(diameterRows(construction, ring), diameterColumn(construction, accuracy),
                  diameter);
}

RingAnswer widthDeviation(AccuracyClass accuracy, Length bore) noexcept
{
    // A width only where the class has a bore at that size.
    const RingAnswer bored =
        meanDiameterDeviation(Construction::Radial, Ring::Inner, accuracy, bore);
    if (std::holds_alternative<TableFault>(bored))
        return bored;
    return lookUp(kRadialWidth, radialColumn(accuracy), bore);
}

RingAnswer taperedWidthDeviation(Ring ring, AccuracyClass accuracy, Length bore) noexcept
{
    const RingAnswer bored =
        meanDiameterDeviation(Construction::TaperedRoller, Ring::Inner, accuracy, bore);
    if (std::holds_alternative<TableFault>(bored))
        return bored;
    return lookUp(ring == Ring::Inner ? std::span<const Row>(kTaperedInnerWidth)
                                      : std::span<const Row>(kTaperedOuterWidth),
                  taperedColumn(accuracy, true), bore);
}

std::optional<Coverage> coverageOf(Construction construction, Ring ring,
                                   AccuracyClass accuracy) noexcept
{
    const auto column = diameterColumn(construction, accuracy);
    if (!column)
        return std::nullopt;
    const std::span<const Row> rows = diameterRows(construction, ring);
    std::optional<Coverage> coverage;
    for (const Row& row : rows) {
        if (row.lowerUm[*column] == kNone)
            continue;
        if (!coverage)
            coverage = Coverage{fromMm(row.over), fromMm(row.incl)};
        coverage->to = fromMm(row.incl);
    }
    return coverage;
}

std::string_view standardOf(Construction construction) noexcept
{
    return construction == Construction::Radial ? "JIS B 1514-1 (ISO 492), radial bearings"
                                                : "JIS B 1514-1 (ISO 492), tapered roller bearings";
}

} // namespace tolerance::bearing
