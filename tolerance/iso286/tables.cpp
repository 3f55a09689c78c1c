// SPDX-License-Identifier: MIT
// The tables of ISO 286-1:2010, as published and as JIS B 0401-1:2016 adopts them. Each figure was
// read from at least two public transcriptions and checked against the standard's own relations
// (see tst_iso286); deviations are in µm, signed as the standard signs them.
#include "tolerance/iso286/tables.h"

#include <algorithm>

namespace tolerance::tables {

namespace {

constexpr int N = kNone;

// Upper bounds of the size steps in mm, and of the main steps of the tolerance grades.
constexpr std::array<int, kSizeStepCount> kStepUpperMm = {
    3,   6,   10,   14,   18,   24,   30,   40,   50,   65,   80,   100,  120,  140,
    160, 180, 200,  225,  250,  280,  315,  355,  400,  450,  500,  560,  630,  710,
    800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150,
};
constexpr std::array<int, kMainStepCount> kMainStepUpperMm = {
    3,   6,   10,  18,  30,   50,   80,   120,  180,  250,  315,
    400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150,
};
constexpr std::array<std::string_view, kSizeStepCount - kStepsTo500> kLabelsOver500 = {
    "500～560",   "560～630",   "630～710",   "710～800",   "800～900",   "900～1000",
    "1000～1120", "1120～1250", "1250～1400", "1400～1600", "1600～1800", "1800～2000",
    "2000～2240", "2240～2500", "2500～2800", "2800～3150",
};

constexpr Length mm(int value)
{
    return Length(value) * kNanometresPerMm;
}

// Every figure of the tables is a whole number of tenths of a micrometre.
constexpr Length fromMicrometres(double value)
{
    return value < 0 ? -1 : Length(value * 10 + 0.5) * (kNanometresPerMicrometre / 10);
}

using MainRow = std::array<int, kMainStepCount>;
using RowTo500 = std::array<int, kStepsTo500>;

constexpr StepRow byMainStep(const MainRow& values)
{
    StepRow row{};
    for (std::size_t i = 0; i < kSizeStepCount; ++i)
        row[i] = values[std::size_t(std::ranges::lower_bound(kMainStepUpperMm, kStepUpperMm[i]) -
                                    kMainStepUpperMm.begin())];
    return row;
}

constexpr StepRow to500(const RowTo500& values)
{
    StepRow row{};
    row.fill(kNone);
    std::ranges::copy(values, row.begin());
    return row;
}

} // namespace

constexpr std::array<SizeStep, kSizeStepCount> kSteps = [] {
    std::array<SizeStep, kSizeStepCount> steps{};
    for (std::size_t i = 0; i < kSizeStepCount; ++i)
        steps[i] = {i == 0 ? 0 : mm(kStepUpperMm[i - 1]), mm(kStepUpperMm[i]),
                    i < kStepsTo500 ? kSizeRanges[i] : kLabelsOver500[i - kStepsTo500]};
    return steps;
}();

constexpr std::array<std::size_t, kSizeStepCount> kMainStepOf = [] {
    std::array<std::size_t, kSizeStepCount> main{};
    for (std::size_t i = 0; i < kSizeStepCount; ++i)
        main[i] = std::size_t(std::ranges::lower_bound(kMainStepUpperMm, kStepUpperMm[i]) -
                              kMainStepUpperMm.begin());
    return main;
}();

// clang-format off

// Standard tolerance grades IT01 … IT18 in µm by main step (ISO 286-1 Tables 1 and 5); -1 where
// the standard gives none: IT01 and IT0 stop at 500 mm.
constexpr std::array<std::array<Length, kMainStepCount>, kGradeCount> kStandardTolerances = [] {
    constexpr double X = -1;
    constexpr double table[kGradeCount][kMainStepCount] = {
        // to 3   6     10    18    30    50    80    120   180   250   315   400   500 | 630  800  1000  1250  1600  2000  2500  3150
        {0.3,  0.4,  0.4,  0.5,  0.6,  0.6,  0.8,  1,    1.2,  2,    2.5,  3,    4,     X,    X,    X,    X,     X,     X,     X,     X},     // IT01
        {0.5,  0.6,  0.6,  0.8,  1,    1,    1.2,  1.5,  2,    3,    4,    5,    6,     X,    X,    X,    X,     X,     X,     X,     X},     // IT0
        {0.8,  1,    1,    1.2,  1.5,  1.5,  2,    2.5,  3.5,  4.5,  6,    7,    8,     9,    10,   11,   13,    15,    18,    22,    26},    // IT1
        {1.2,  1.5,  1.5,  2,    2.5,  2.5,  3,    4,    5,    7,    8,    9,    10,    11,   13,   15,   18,    21,    25,    30,    36},    // IT2
        {2,    2.5,  2.5,  3,    4,    4,    5,    6,    8,    10,   12,   13,   15,    16,   18,   21,   24,    29,    35,    41,    50},    // IT3
        {3,    4,    4,    5,    6,    7,    8,    10,   12,   14,   16,   18,   20,    22,   25,   28,   33,    39,    46,    55,    68},    // IT4
        {4,    5,    6,    8,    9,    11,   13,   15,   18,   20,   23,   25,   27,    32,   36,   40,   47,    55,    65,    78,    96},    // IT5
        {6,    8,    9,    11,   13,   16,   19,   22,   25,   29,   32,   36,   40,    44,   50,   56,   66,    78,    92,    110,   135},   // IT6
        {10,   12,   15,   18,   21,   25,   30,   35,   40,   46,   52,   57,   63,    70,   80,   90,   105,   125,   150,   175,   210},   // IT7
        {14,   18,   22,   27,   33,   39,   46,   54,   63,   72,   81,   89,   97,    110,  125,  140,  165,   195,   230,   280,   330},   // IT8
        {25,   30,   36,   43,   52,   62,   74,   87,   100,  115,  130,  140,  155,   175,  200,  230,  260,   310,   370,   440,   540},   // IT9
        {40,   48,   58,   70,   84,   100,  120,  140,  160,  185,  210,  230,  250,   280,  320,  360,  420,   500,   600,   700,   860},   // IT10
        {60,   75,   90,   110,  130,  160,  190,  220,  250,  290,  320,  360,  400,   440,  500,  560,  660,   780,   920,   1100,  1350},  // IT11
        {100,  120,  150,  180,  210,  250,  300,  350,  400,  460,  520,  570,  630,   700,  800,  900,  1050,  1250,  1500,  1750,  2100},  // IT12
        {140,  180,  220,  270,  330,  390,  460,  540,  630,  720,  810,  890,  970,   1100, 1250, 1400, 1650,  1950,  2300,  2800,  3300},  // IT13
        {250,  300,  360,  430,  520,  620,  740,  870,  1000, 1150, 1300, 1400, 1550,  1750, 2000, 2300, 2600,  3100,  3700,  4400,  5400},  // IT14
        {400,  480,  580,  700,  840,  1000, 1200, 1400, 1600, 1850, 2100, 2300, 2500,  2800, 3200, 3600, 4200,  5000,  6000,  7000,  8600},  // IT15
        {600,  750,  900,  1100, 1300, 1600, 1900, 2200, 2500, 2900, 3200, 3600, 4000,  4400, 5000, 5600, 6600,  7800,  9200,  11000, 13500}, // IT16
        {1000, 1200, 1500, 1800, 2100, 2500, 3000, 3500, 4000, 4600, 5200, 5700, 6300,  7000, 8000, 9000, 10500, 12500, 15000, 17500, 21000}, // IT17
        {1400, 1800, 2200, 2700, 3300, 3900, 4600, 5400, 6300, 7200, 8100, 8900, 9700,  11000,12500,14000,16500, 19500, 23000, 28000, 33000}, // IT18
    };
    std::array<std::array<Length, kMainStepCount>, kGradeCount> nm{};
    for (std::size_t g = 0; g < kGradeCount; ++g)
        for (std::size_t s = 0; s < kMainStepCount; ++s)
            nm[g][s] = fromMicrometres(table[g][s]);
    return nm;
}();

// Upper deviations es of the shafts a … h (ISO 286-1 Table 2); the holes A … H mirror them.
constexpr std::array<LetterRow, 11> kShaftUpperDeviations = {{
    {"a", to500({-270, -270, -280, -290, -290, -300, -300, -310, -320, -340, -360, -380, -410, -460, -520, -580, -660, -740, -820, -920, -1050, -1200, -1350, -1500, -1650})},
    {"b", to500({-140, -140, -150, -150, -150, -160, -160, -170, -180, -190, -200, -220, -240, -260, -280, -310, -340, -380, -420, -480, -540, -600, -680, -760, -840})},
    {"c", to500({-60, -70, -80, -95, -95, -110, -110, -120, -130, -140, -150, -170, -180, -200, -210, -230, -240, -260, -280, -300, -330, -360, -400, -440, -480})},
    {"cd", byMainStep({-34, -46, -56, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N})},
    {"d", byMainStep({-20, -30, -40, -50, -65, -80, -100, -120, -145, -170, -190, -210, -230, -260, -290, -320, -350, -390, -430, -480, -520})},
    {"e", byMainStep({-14, -20, -25, -32, -40, -50, -60, -72, -85, -100, -110, -125, -135, -145, -160, -170, -195, -220, -240, -260, -290})},
    {"ef", byMainStep({-10, -14, -18, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N})},
    {"f", byMainStep({-6, -10, -13, -16, -20, -25, -30, -36, -43, -50, -56, -62, -68, -76, -80, -86, -98, -110, -120, -130, -145})},
    {"fg", byMainStep({-4, -6, -8, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N})},
    {"g", byMainStep({-2, -4, -5, -6, -7, -9, -10, -12, -14, -15, -17, -18, -20, -22, -24, -26, -28, -30, -32, -34, -38})},
    {"h", byMainStep({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
}};

// Lower deviations ei of the shafts m … zc, all grades (ISO 286-1 Table 3); the holes M … ZC
// mirror them, with Δ added in the finer grades.
constexpr std::array<LetterRow, 14> kShaftLowerDeviations = {{
    {"m", byMainStep({2, 4, 6, 7, 8, 9, 11, 13, 15, 17, 20, 21, 23, 26, 30, 34, 40, 48, 58, 68, 76})},
    {"n", byMainStep({4, 8, 10, 12, 15, 17, 20, 23, 27, 31, 34, 37, 40, 44, 50, 56, 66, 78, 92, 110, 135})},
    {"p", byMainStep({6, 12, 15, 18, 22, 26, 32, 37, 43, 50, 56, 62, 68, 78, 88, 100, 120, 140, 170, 195, 240})},
    {"r", {10, 15, 19, 23, 23, 28, 28, 34, 34, 41, 43, 51, 54, 63, 65, 68, 77, 80, 84, 94, 98, 108, 114, 126, 132,
           150, 155, 175, 185, 210, 220, 250, 260, 300, 330, 370, 400, 440, 460, 550, 580}},
    {"s", {14, 19, 23, 28, 28, 35, 35, 43, 43, 53, 59, 71, 79, 92, 100, 108, 122, 130, 140, 158, 170, 190, 208, 232, 252,
           280, 310, 340, 380, 430, 470, 520, 580, 640, 720, 820, 920, 1000, 1100, 1250, 1400}},
    {"t", {N, N, N, N, N, N, 41, 48, 54, 66, 75, 91, 104, 122, 134, 146, 166, 180, 196, 218, 240, 268, 294, 330, 360,
           400, 450, 500, 560, 620, 680, 780, 840, 960, 1050, 1200, 1350, 1500, 1650, 1900, 2100}},
    {"u", {18, 23, 28, 33, 33, 41, 48, 60, 70, 87, 102, 124, 144, 170, 190, 210, 236, 258, 284, 315, 350, 390, 435, 490, 540,
           600, 660, 740, 840, 940, 1050, 1150, 1300, 1450, 1600, 1850, 2000, 2300, 2500, 2900, 3200}},
    {"v", to500({N, N, N, N, 39, 47, 55, 68, 81, 102, 120, 146, 172, 202, 228, 252, 284, 310, 340, 385, 425, 475, 530, 595, 660})},
    {"x", to500({20, 28, 34, 40, 45, 54, 64, 80, 97, 122, 146, 178, 210, 248, 280, 310, 350, 385, 425, 475, 525, 590, 660, 740, 820})},
    {"y", to500({N, N, N, N, N, 63, 75, 94, 114, 144, 174, 214, 254, 300, 340, 380, 425, 470, 520, 580, 650, 730, 820, 920, 1000})},
    {"z", to500({26, 35, 42, 50, 60, 73, 88, 112, 136, 172, 210, 258, 310, 365, 415, 465, 520, 575, 640, 710, 790, 900, 1000, 1100, 1250})},
    {"za", to500({32, 42, 52, 64, 77, 98, 118, 148, 180, 226, 274, 335, 400, 470, 535, 600, 670, 740, 820, 920, 1000, 1150, 1300, 1450, 1600})},
    {"zb", to500({40, 50, 67, 90, 108, 136, 160, 200, 242, 300, 360, 445, 525, 620, 700, 780, 880, 960, 1050, 1200, 1300, 1500, 1650, 1850, 2100})},
    {"zc", to500({60, 80, 97, 130, 150, 188, 218, 274, 325, 405, 480, 585, 690, 800, 900, 1000, 1150, 1250, 1350, 1550, 1700, 1900, 2100, 2400, 2600})},
}};

// Lower deviation ei of k in IT4 to IT7 (ISO 286-1 Table 3); 0 in every other grade and over 500 mm.
constexpr StepRow kShaftKLowerIT4ToIT7 = byMainStep({0, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0});

// Lower deviations ei of j, in the grades the standard gives: j5 and j6, j7, j8.
constexpr std::array<GradesRow, 3> kShaftJLowerDeviations = {{
    {5, 6, to500({-2, -2, -2, -3, -3, -4, -4, -5, -5, -7, -7, -9, -9, -11, -11, -11, -13, -13, -13, -16, -16, -18, -18, -20, -20})},
    {7, 7, to500({-4, -4, -5, -6, -6, -8, -8, -10, -10, -12, -12, -15, -15, -18, -18, -18, -21, -21, -21, -26, -26, -28, -28, -32, -32})},
    {8, 8, to500({-6, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N})},
}};

// Upper deviations ES of J6, J7 and J8, the only J classes (ISO 286-1 Table 3).
constexpr std::array<GradesRow, 3> kHoleJUpperDeviations = {{
    {6, 6, to500({2, 5, 5, 6, 6, 8, 8, 10, 10, 13, 13, 16, 16, 18, 18, 18, 22, 22, 22, 25, 25, 29, 29, 33, 33})},
    {7, 7, to500({4, 6, 8, 10, 10, 12, 12, 14, 14, 18, 18, 22, 22, 26, 26, 26, 30, 30, 30, 36, 36, 39, 39, 43, 43})},
    {8, 8, to500({6, 10, 12, 15, 15, 20, 20, 24, 24, 28, 28, 34, 34, 41, 41, 41, 47, 47, 47, 55, 55, 60, 60, 66, 66})},
}};

// Δ for the holes K … ZC in IT3 … IT8, by main step to 500 mm (ISO 286-1 Table 3, right-hand
// columns); zero up to 3 mm.
constexpr std::array<std::array<Length, 6>, 13> kDeltas = [] {
    constexpr double table[13][6] = {
        // IT3 IT4  IT5 IT6 IT7 IT8
        {0,   0,   0,  0,  0,  0},  // to 3
        {1,   1.5, 1,  3,  4,  6},  // 3～6
        {1,   1.5, 2,  3,  6,  7},  // 6～10
        {1,   2,   3,  3,  7,  9},  // 10～18
        {1.5, 2,   3,  4,  8,  12}, // 18～30
        {1.5, 3,   4,  5,  9,  14}, // 30～50
        {2,   3,   5,  6,  11, 16}, // 50～80
        {2,   4,   5,  7,  13, 19}, // 80～120
        {3,   4,   6,  7,  15, 23}, // 120～180
        {3,   4,   6,  9,  17, 26}, // 180～250
        {4,   4,   7,  9,  20, 29}, // 250～315
        {4,   5,   7,  11, 21, 32}, // 315～400
        {5,   5,   7,  13, 23, 34}, // 400～500
    };
    std::array<std::array<Length, 6>, 13> nm{};
    for (std::size_t s = 0; s < 13; ++s)
        for (std::size_t g = 0; g < 6; ++g)
            nm[s][g] = fromMicrometres(table[s][g]);
    return nm;
}();

// clang-format on

} // namespace tolerance::tables
