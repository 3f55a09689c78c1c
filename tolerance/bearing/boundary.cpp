// SPDX-License-Identifier: MIT
#include "tolerance/bearing/boundary.h"

#include <array>
#include <cctype>
#include <span>

namespace tolerance::bearing {

namespace {

// Boundary dimensions in mm, each row beside the catalogues that print it alike (a row fewer
// than two print is left out):
//   NSK    NSK "Rolling Bearings" catalogue, the bearing tables (pp. B4 on).
//   SKF    SKF general catalogue (Russian edition), the bearing tables.
//   ZVL    ZVL Slovakia bearing catalogue, the bearing tables.
//   DAS    DAS Lager bearing catalogue, the bearing tables.
//   KINEX  KINEX rolling bearing catalogue (Russian edition), the bearing tables.
//   FBJ    FBJ bearing catalogue, the tapered roller bearing tables.
//   NKE    NKE bearing catalogue, the tapered roller bearing tables.
// A bearing type's series shares its dimension series' rows with every other type of it (ISO
// 15): 60 and 70 are 10; 62, 72, 12 and NU2 are 02; 63, 73, 13 and NU3 are 03; 22 and NU22 are
// 22; 160 is 00. The sources were compared by type and series, and agree wherever two print the
// same bore; where one misprints a figure the comment says so.
struct Dims
{
    double bore;
    double outside;
    double width;
};

// Tapered roller bearings: d, D, T (the bearing's width), B (its cone's), C (its cup's).
struct Tapered
{
    double bore;
    double outside;
    double total;
    double width;
    double cup;
};

constexpr std::array kSeries10{
    Dims{10, 26, 8},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{12, 28, 8},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{15, 32, 9},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{17, 35, 10},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{20, 42, 12},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{25, 47, 12},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{30, 55, 13},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{35, 62, 14},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{40, 68, 15},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{45, 75, 16},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{50, 80, 16},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{55, 90, 18},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{60, 95, 18},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{65, 100, 18},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{70, 110, 20},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{75, 115, 20},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{80, 125, 22},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{85, 130, 22},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{90, 140, 24},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{95, 145, 24},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{100, 150, 24}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{105, 160, 26}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{110, 170, 28}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{120, 180, 28}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{130, 200, 33}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{140, 210, 33}, // DAS, NSK, SKF, ZVL
    Dims{150, 225, 35}, // DAS, NSK, SKF, ZVL
    Dims{160, 240, 38}, // DAS, NSK, SKF, ZVL
    Dims{170, 260, 42}, // NSK, SKF, ZVL
    Dims{180, 280, 46}, // NSK, SKF, ZVL
    Dims{190, 290, 46}, // DAS, NSK, SKF, ZVL
    Dims{200, 310, 51}, // DAS, NSK, SKF, ZVL
};
constexpr std::array kSeries00{
    Dims{12, 28, 7},    // KINEX, NSK, ZVL
    Dims{15, 32, 8},    // KINEX, NSK, SKF, ZVL
    Dims{17, 35, 8},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{20, 42, 8},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{25, 47, 8},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{30, 55, 9},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{35, 62, 9},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{40, 68, 9},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{45, 75, 10},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{50, 80, 10},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{55, 90, 11},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{60, 95, 11},   // NSK, SKF, ZVL
    Dims{65, 100, 11},  // KINEX, NSK, SKF, ZVL
    Dims{70, 110, 13},  // KINEX, NSK, SKF, ZVL
    Dims{75, 115, 13},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{80, 125, 14},  // KINEX, NSK, SKF, ZVL
    Dims{85, 130, 14},  // NSK, SKF, ZVL
    Dims{90, 140, 16},  // DAS, NSK, SKF, ZVL
    Dims{95, 145, 16},  // DAS, NSK, SKF, ZVL
    Dims{100, 150, 16}, // DAS, NSK, SKF, ZVL
    Dims{105, 160, 18}, // DAS, NSK, SKF, ZVL
    Dims{110, 170, 19}, // DAS, NSK, SKF, ZVL
    Dims{120, 180, 19}, // DAS, NSK, SKF, ZVL
    Dims{130, 200, 22}, // DAS, NSK, SKF, ZVL
    Dims{140, 210, 22}, // DAS, NSK, SKF, ZVL
    Dims{150, 225, 24}, // DAS, NSK, SKF, ZVL
    Dims{160, 240, 25}, // DAS, NSK, SKF, ZVL
    Dims{170, 260, 28}, // NSK, SKF, ZVL
    Dims{180, 280, 31}, // NSK, SKF, ZVL
    Dims{190, 290, 31}, // DAS, NSK, SKF, ZVL
    Dims{200, 310, 34}, // DAS, NSK, SKF, ZVL
};
constexpr std::array kSeries02{
    Dims{10, 30, 9},    // DAS, KINEX, NSK, SKF, ZVL
    Dims{12, 32, 10},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{15, 35, 11},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{17, 40, 12},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{20, 47, 14},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{25, 52, 15},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{30, 62, 16},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{35, 72, 17},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{40, 80, 18},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{45, 85, 19},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{50, 90, 20},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{55, 100, 21},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{60, 110, 22},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{65, 120, 23},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{70, 125, 24},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{75, 130, 25},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{80, 140, 26},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{85, 150, 28},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{90, 160, 30},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{95, 170, 32},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{100, 180, 34}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{105, 190, 36}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{110, 200, 38}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{120, 215, 40}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{130, 230, 40}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{140, 250, 42}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{150, 270, 45}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{160, 290, 48}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{170, 310, 52}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{180, 320, 52}, // KINEX, NSK, SKF, ZVL
    Dims{190, 340, 55}, // DAS, NSK, SKF, ZVL
    Dims{200, 360, 58}, // DAS, KINEX, NSK, SKF, ZVL
};
constexpr std::array kSeries03{
    Dims{10, 35, 11},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{12, 37, 12},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{15, 42, 13},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{17, 47, 14},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{20, 52, 15},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{25, 62, 17},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{30, 72, 19},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{35, 80, 21},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{40, 90, 23},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{45, 100, 25},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{50, 110, 27},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{55, 120, 29},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{60, 130, 31},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{65, 140, 33},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{70, 150, 35},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{75, 160, 37},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{80, 170, 39},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{85, 180, 41},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{90, 190, 43},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{95, 200, 45},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{100, 215, 47}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{105, 225, 49}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{110, 240, 50}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{120, 260, 55}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{130, 280, 58}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{140, 300, 62}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{150, 320, 65}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{160, 340, 68}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{170, 360, 72}, // DAS, NSK, SKF, ZVL
    Dims{180, 380, 75}, // NSK, SKF
    Dims{190, 400, 78}, // DAS, NSK, SKF
    Dims{200, 420, 80}, // DAS, NSK, SKF
};
constexpr std::array kSeries22{
    Dims{10, 30, 14},   // DAS, NSK, SKF
    Dims{12, 32, 14},   // DAS, NSK, SKF
    Dims{15, 35, 14},   // DAS, NSK, SKF
    Dims{17, 40, 16},   // DAS, NSK, SKF, ZVL
    Dims{20, 47, 18},   // DAS, NSK, SKF, ZVL
    Dims{25, 52, 18},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{30, 62, 20},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{35, 72, 23},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{40, 80, 23},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{45, 85, 23},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{50, 90, 23},   // DAS, KINEX, NSK, SKF, ZVL
    Dims{55, 100, 25},  // DAS, KINEX, NSK, SKF
    Dims{60, 110, 28},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{65, 120, 31},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{70, 125, 31},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{75, 130, 31},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{80, 140, 33},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{85, 150, 36},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{90, 160, 40},  // DAS, NSK, SKF, ZVL
    Dims{95, 170, 43},  // DAS, KINEX, NSK, SKF, ZVL
    Dims{100, 180, 46}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{110, 200, 53}, // DAS, KINEX, NSK, SKF, ZVL
    Dims{120, 215, 58}, // DAS, KINEX, SKF, ZVL
    Dims{130, 230, 64}, // DAS, SKF, ZVL
    Dims{140, 250, 68}, // SKF, ZVL
    Dims{150, 270, 73}, // DAS, SKF
    Dims{160, 290, 80}, // DAS, SKF, ZVL
    Dims{180, 320, 86}, // DAS, KINEX, SKF
    Dims{190, 340, 92}, // DAS, SKF
    Dims{200, 360, 98}, // DAS, SKF
};
constexpr std::array kTapered302{
    Tapered{17, 40, 13.25, 12, 11},   // FBJ, DAS
    Tapered{20, 47, 15.25, 14, 12},   // FBJ, DAS
    Tapered{25, 52, 16.25, 15, 13},   // FBJ, DAS
    Tapered{30, 62, 17.25, 16, 14},   // FBJ, DAS
    Tapered{35, 72, 18.25, 17, 15},   // FBJ, DAS
    Tapered{40, 80, 19.75, 18, 16},   // FBJ, DAS
    Tapered{45, 85, 20.75, 19, 16},   // FBJ, DAS
    Tapered{50, 90, 21.75, 20, 17},   // FBJ, DAS
    Tapered{55, 100, 22.75, 21, 18},  // FBJ, DAS
    Tapered{60, 110, 23.75, 22, 19},  // FBJ, DAS
    Tapered{65, 120, 24.75, 23, 20},  // FBJ, DAS
    Tapered{70, 125, 26.25, 24, 21},  // FBJ, DAS
    Tapered{75, 130, 27.25, 25, 22},  // FBJ, DAS
    Tapered{80, 140, 28.25, 26, 22},  // FBJ, DAS
    Tapered{85, 150, 30.5, 28, 24},   // FBJ, DAS
    Tapered{90, 160, 32.5, 30, 26},   // FBJ, DAS
    Tapered{95, 170, 34.5, 32, 27},   // FBJ, DAS
    Tapered{100, 180, 37, 34, 29},    // FBJ, DAS
    Tapered{105, 190, 39, 36, 30},    // FBJ, DAS
    Tapered{110, 200, 41, 38, 32},    // FBJ, DAS
    Tapered{120, 215, 43.5, 40, 34},  // FBJ, DAS
    Tapered{130, 230, 43.75, 40, 34}, // FBJ, DAS
    Tapered{140, 250, 45.75, 42, 36}, // FBJ, DAS
};
constexpr std::array kTapered303{
    Tapered{15, 42, 14.25, 13, 11},  // FBJ, DAS
    Tapered{17, 47, 15.25, 14, 12},  // FBJ, DAS
    Tapered{20, 52, 16.25, 15, 13},  // FBJ, DAS
    Tapered{25, 62, 18.25, 17, 15},  // FBJ, DAS
    Tapered{30, 72, 20.75, 19, 16},  // FBJ, DAS
    Tapered{35, 80, 22.75, 21, 18},  // FBJ, DAS
    Tapered{40, 90, 25.25, 23, 20},  // FBJ, DAS
    Tapered{45, 100, 27.25, 25, 22}, // FBJ, DAS
    Tapered{50, 110, 29.25, 27, 23}, // FBJ, DAS
    Tapered{55, 120, 31.5, 29, 25},  // FBJ, DAS
    Tapered{60, 130, 33.5, 31, 26},  // FBJ, DAS
    Tapered{65, 140, 36, 33, 28},    // FBJ, DAS
    Tapered{70, 150, 38, 35, 30},    // FBJ, DAS
    Tapered{75, 160, 40, 37, 31},    // FBJ, DAS
    Tapered{80, 170, 42.5, 39, 33},  // FBJ, DAS
    Tapered{85, 180, 44.5, 41, 34},  // FBJ, DAS
    Tapered{90, 190, 46.5, 43, 36},  // FBJ, DAS
    Tapered{95, 200, 49.5, 45, 38},  // FBJ, DAS
    Tapered{100, 215, 51.5, 47, 39}, // FBJ, DAS
};
constexpr std::array kTapered322{
    Tapered{25, 52, 19.25, 18, 15},   // FBJ, DAS
    Tapered{30, 62, 21.25, 20, 17},   // FBJ, DAS
    Tapered{35, 72, 24.25, 23, 19},   // FBJ, DAS
    Tapered{40, 80, 24.75, 23, 19},   // FBJ, DAS
    Tapered{45, 85, 24.75, 23, 19},   // FBJ, DAS
    Tapered{50, 90, 24.75, 23, 19},   // FBJ, DAS
    Tapered{55, 100, 26.75, 25, 21},  // DAS, SKF and NKE (D, T); FBJ prints T 25.75
    Tapered{60, 110, 29.75, 28, 24},  // FBJ, DAS
    Tapered{65, 120, 32.75, 31, 27},  // FBJ, DAS
    Tapered{70, 125, 33.25, 31, 27},  // FBJ, DAS
    Tapered{75, 130, 33.25, 31, 27},  // FBJ, DAS
    Tapered{80, 140, 35.25, 33, 28},  // FBJ, DAS
    Tapered{85, 150, 38.5, 36, 30},   // FBJ, DAS
    Tapered{90, 160, 42.5, 40, 34},   // DAS, FBJ (D misprinted 16), SKF and NKE (D, T)
    Tapered{95, 170, 45.5, 43, 37},   // FBJ, DAS
    Tapered{100, 180, 49, 46, 39},    // FBJ, DAS
    Tapered{105, 190, 53, 50, 43},    // FBJ, DAS
    Tapered{110, 200, 56, 53, 46},    // FBJ, DAS
    Tapered{120, 215, 61.5, 58, 50},  // FBJ, DAS
    Tapered{130, 230, 67.75, 64, 54}, // FBJ, DAS
    Tapered{140, 250, 71.75, 68, 58}, // FBJ, DAS
};

constexpr Length fromMm(double mm) noexcept
{
    return Length(mm * double(kNanometresPerMm) + 0.5);
}

// What a series (the digits between the prefix and the bore code) names.
struct Series
{
    std::string_view prefix; // "", or "NU", "NJ", "N" of a cylindrical roller bearing
    std::string_view digits;
    BearingType type;
    std::string_view dimensionSeries;
};

constexpr std::array kSeries{
    Series{"", "60", BearingType::DeepGrooveBall, "10"},
    Series{"", "62", BearingType::DeepGrooveBall, "02"},
    Series{"", "63", BearingType::DeepGrooveBall, "03"},
    Series{"", "160", BearingType::DeepGrooveBall, "00"},
    Series{"", "70", BearingType::AngularContactBall, "10"},
    Series{"", "72", BearingType::AngularContactBall, "02"},
    Series{"", "73", BearingType::AngularContactBall, "03"},
    Series{"", "12", BearingType::SelfAligningBall, "02"},
    Series{"", "13", BearingType::SelfAligningBall, "03"},
    Series{"", "22", BearingType::SelfAligningBall, "22"},
    Series{"", "302", BearingType::TaperedRoller, "02"},
    Series{"", "303", BearingType::TaperedRoller, "03"},
    Series{"", "322", BearingType::TaperedRoller, "22"},
    Series{"N", "2", BearingType::CylindricalRoller, "02"},
    Series{"N", "3", BearingType::CylindricalRoller, "03"},
    Series{"N", "22", BearingType::CylindricalRoller, "22"},
};

std::span<const Dims> radialRows(std::string_view dimensionSeries) noexcept
{
    if (dimensionSeries == "10")
        return kSeries10;
    if (dimensionSeries == "00")
        return kSeries00;
    if (dimensionSeries == "02")
        return kSeries02;
    if (dimensionSeries == "03")
        return kSeries03;
    return kSeries22;
}

std::span<const Tapered> taperedRows(std::string_view digits) noexcept
{
    if (digits == "302")
        return kTapered302;
    if (digits == "303")
        return kTapered303;
    return kTapered322;
}

// Bore codes 00 to 03 are 10, 12, 15 and 17 mm; from 04 on, five times the code.
Length boreOfCode(int code) noexcept
{
    constexpr std::array kSmall{10, 12, 15, 17};
    return fromMm(code < 4 ? kSmall[std::size_t(code)] : 5.0 * code);
}

// The number without spaces, in capitals.
std::string normalised(std::string_view number)
{
    std::string text;
    for (const char c : number)
        if (c != ' ')
            text += char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string_view cylindricalPrefix(std::string_view text) noexcept
{
    for (const std::string_view prefix : {"NU", "NJ", "N"})
        if (text.starts_with(prefix))
            return text.substr(0, prefix.size());
    return {};
}

constexpr std::string_view kSource =
    "JIS B 1512 (ISO 15) boundary dimensions, as NSK, SKF, ZVL, DAS and KINEX print them";
constexpr std::string_view kTaperedSource =
    "JIS B 1512 (ISO 355) boundary dimensions, as FBJ and DAS print them";

} // namespace

std::string_view nameOf(BearingType type) noexcept
{
    switch (type) {
    case BearingType::DeepGrooveBall:
        return "deep groove ball";
    case BearingType::AngularContactBall:
        return "angular contact ball";
    case BearingType::SelfAligningBall:
        return "self-aligning ball";
    case BearingType::CylindricalRoller:
        return "cylindrical roller";
    case BearingType::TaperedRoller:
        return "tapered roller";
    }
    return "";
}

std::variant<Bearing, NumberFault> bearingNamed(std::string_view number)
{
    const std::string text = normalised(number);
    const std::string_view prefix = cylindricalPrefix(text);
    const std::string_view rest = std::string_view(text).substr(prefix.size());
    std::size_t digits = 0;
    while (digits < rest.size() && std::isdigit(static_cast<unsigned char>(rest[digits])))
        ++digits;
    if (digits < 3)
        return NumberFault::NotANumber;
    const std::string_view seriesDigits = rest.substr(0, digits - 2);
    const int code = (rest[digits - 2] - '0') * 10 + (rest[digits - 1] - '0');
    const Series* series = nullptr;
    for (const Series& s : kSeries)
        if (s.digits == seriesDigits && s.prefix.empty() == prefix.empty())
            series = &s;
    if (!series)
        return NumberFault::UnknownSeries;
    const Length bore = boreOfCode(code);
    Bearing bearing{std::string(prefix) + std::string(rest.substr(0, digits)),
                    series->type,
                    {},
                    series->dimensionSeries,
                    bore,
                    0,
                    0,
                    std::nullopt,
                    std::nullopt,
                    kSource};
    bearing.series = std::string(prefix) + std::string(series->digits);
    if (series->type == BearingType::TaperedRoller) {
        for (const Tapered& row : taperedRows(series->digits)) {
            if (fromMm(row.bore) != bore)
                continue;
            bearing.outside = fromMm(row.outside);
            bearing.width = fromMm(row.width);
            bearing.totalWidth = fromMm(row.total);
            bearing.cupWidth = fromMm(row.cup);
            bearing.source = kTaperedSource;
            return bearing;
        }
        return NumberFault::SizeOutside;
    }
    for (const Dims& row : radialRows(series->dimensionSeries)) {
        if (fromMm(row.bore) != bore)
            continue;
        bearing.outside = fromMm(row.outside);
        bearing.width = fromMm(row.width);
        return bearing;
    }
    return NumberFault::SizeOutside;
}

std::string_view knownSeries() noexcept
{
    return "60, 62, 63, 160, 70, 72, 73, 12, 13, 22, NU2, NU3, NU22 (and N, NJ), 302, 303, 322";
}

} // namespace tolerance::bearing
