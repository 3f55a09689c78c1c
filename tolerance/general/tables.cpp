// SPDX-License-Identifier: MIT
#include "tolerance/general/tables.h"

// The tables of JIS B 0405:1991 (= ISO 2768-1:1989) and JIS B 0419:1991 (= ISO 2768-2:1989),
// as numbers from public excerpts, each row read from the first source named beside it and
// checked against the second. The sources, by the short names the rows use:
//   MIKI   MIKI PULLEY, technical data 「普通公差 (JIS B 0405-1991/JIS B 0419-1991 抜粋)」,
//          mikipulley.co.jp/JP/Services/Tech_data/tech02.html
//   NBK    NBK (鍋屋バイテック), 「普通公差 JIS B 0405:1991/JIS B 0419:1991より抜粋」,
//          nbk1560.com/products/technical/10_General_Tolerances/
//   JISHB  e-uparts 機械便覧 7-3, quoting JIS ハンドブック 機械要素 2001, p. 581, table 1
//   MISUMI MISUMI technical data 「個々に公差の指示がない形体に対する幾何公差」 (JIS B 0419),
//          jp.misumi-ec.com/tech-info/categories/technical_data/td01/g0050.html
//   KS     「普通幾何公差」, kikai-seizu.s-projects.net/general-geometrical-tolerance.html
//   CAMCUT Camcut, "General Tolerances for Perpendicularity" (ISO 2768-2:1989)
//   RIVI   rivi-manufacturing.com 「普通公差（削り加工・機械加工など）」 (from JIS B 0405, 0419)
// Where published tables disagree (settled by the two JIS excerpts agreeing):
//   - RIVI prints the linear steps as 120～315 and 315～1000 (its figures are the standard's);
//     JIS B 0405's steps are 120～400 and 400～1000 (MIKI, NBK, JISHB, and the excerpt of
//     JIS B 0405 table 1 at jaish.gr.jp).
//   - "According to DIN ISO 2768-1" (a translation on Scribd) gives c ±0.15 up to 3 and ±0.2 over
//     3 up to 6, the old figures of DIN 7168; MIKI, NBK and JISHB give ±0.2 and ±0.3.
//   - fabriqax.com's ISO 2768-2 table gives K 0.8 for perpendicularity over 1000 up to 3000;
//     MISUMI, KS, CAMCUT and RIVI give 1.
namespace tolerance::general::tables {

namespace {

constexpr Length mm(Length whole) noexcept
{
    return whole * kNanometresPerMm;
}

constexpr Length kMicrometre = kNanometresPerMicrometre;
constexpr std::int64_t kMinute = 1;

using enum GeneralClass;

// JIS B 0405 table 1, lengths other than broken edges, ±µm: 0.5 以上 3 以下, 3 を超え 6 以下, …
// 2000 を超え 4000 以下. Under 0.5 mm the deviations are written beside the size instead.
constexpr std::array kLinearSteps{
    Step{500 * kMicrometre, mm(3), true},
    Step{mm(3), mm(6)},
    Step{mm(6), mm(30)},
    Step{mm(30), mm(120)},
    Step{mm(120), mm(400)},
    Step{mm(400), mm(1000)},
    Step{mm(1000), mm(2000)},
    Step{mm(2000), mm(4000)},
};
constexpr std::array kLinearRows{
    Row{f, {50, 50, 100, 150, 200, 300, 500, kNone}},         // MIKI, NBK, JISHB: f ends at 2000
    Row{m, {100, 100, 200, 300, 500, 800, 1200, 2000}},       // MIKI, NBK, JISHB
    Row{c, {200, 300, 500, 800, 1200, 2000, 3000, 4000}},     // MIKI, NBK, JISHB
    Row{v, {kNone, 500, 1000, 1500, 2500, 4000, 6000, 8000}}, // MIKI, NBK: v starts over 3
};

// JIS B 0405 table 2, broken edges (かどの丸み及びかどの面取り寸法), ±µm: 0.5 以上 3 以下,
// 3 を超え 6 以下, 6 を超えるもの.
constexpr std::array kChamferSteps{
    Step{500 * kMicrometre, mm(3), true},
    Step{mm(3), mm(6)},
    Step{mm(6), kNoEnd},
};
constexpr std::array kChamferRows{
    Row{f, {200, 500, 1000}},  // MIKI, NBK (one row for f and m)
    Row{m, {200, 500, 1000}},  // MIKI, NBK
    Row{c, {400, 1000, 2000}}, // MIKI, NBK (one row for c and v)
    Row{v, {400, 1000, 2000}}, // MIKI, NBK
};

// JIS B 0405 table 3, angles by the length of the shorter side, ± minutes of arc: 10 以下,
// 10 を超え 50 以下, 50 を超え 120 以下, 120 を超え 400 以下, 400 を超えるもの.
constexpr std::array kAngleSteps{
    Step{0, mm(10)},        Step{mm(10), mm(50)},  Step{mm(50), mm(120)},
    Step{mm(120), mm(400)}, Step{mm(400), kNoEnd},
};
// MIKI and NBK print one row for f and m: ±1°, ±30′, ±20′, ±10′, ±5′.
constexpr std::array kAngleRows{
    Row{f, {60, 30, 20, 10, 5}},    // MIKI, NBK
    Row{m, {60, 30, 20, 10, 5}},    // MIKI, NBK
    Row{c, {90, 60, 30, 15, 10}},   // MIKI, NBK: ±1°30′, ±1°, ±30′, ±15′, ±10′
    Row{v, {180, 120, 60, 30, 20}}, // MIKI, NBK: ±3°, ±2°, ±1°, ±30′, ±20′
};

// JIS B 0419 table 1, straightness and flatness, µm: 10 以下, 10 を超え 30 以下, … 1000 を超え
// 3000 以下 (the line's length; a rectangle's longer side, a circle's diameter).
constexpr std::array kStraightnessSteps{
    Step{0, mm(10)},        Step{mm(10), mm(30)},    Step{mm(30), mm(100)},
    Step{mm(100), mm(300)}, Step{mm(300), mm(1000)}, Step{mm(1000), mm(3000)},
};
constexpr std::array kStraightnessRows{
    Row{H, {20, 50, 100, 200, 300, 400}},     // MISUMI, KS, MIKI
    Row{K, {50, 100, 200, 400, 600, 800}},    // MISUMI, KS, MIKI
    Row{L, {100, 200, 400, 800, 1200, 1600}}, // MISUMI, KS, MIKI
};

// JIS B 0419 table 2, perpendicularity by the shorter side, µm: 100 以下, 100 を超え 300 以下,
// 300 を超え 1000 以下, 1000 を超え 3000 以下.
constexpr std::array kOrientationSteps{
    Step{0, mm(100)},
    Step{mm(100), mm(300)},
    Step{mm(300), mm(1000)},
    Step{mm(1000), mm(3000)},
};
constexpr std::array kPerpendicularityRows{
    Row{H, {200, 300, 400, 500}},    // MISUMI, KS, CAMCUT
    Row{K, {400, 600, 800, 1000}},   // MISUMI, KS, CAMCUT (fabriqax's 0.8 over 1000 set aside)
    Row{L, {600, 1000, 1500, 2000}}, // MISUMI, KS, CAMCUT
};

// JIS B 0419 table 3, symmetry, µm, on the steps of table 2.
constexpr std::array kSymmetryRows{
    Row{H, {500, 500, 500, 500}},    // KS, RIVI: one value over all four steps
    Row{K, {600, 600, 800, 1000}},   // KS, RIVI: 0.6 up to 300 (one cell over two steps in KS)
    Row{L, {600, 1000, 1500, 2000}}, // KS, RIVI
};

// JIS B 0419 table 4, circular run-out, µm, whatever the size.
constexpr std::array kRunoutSteps{Step{0, kNoEnd}};
constexpr std::array kRunoutRows{
    Row{H, {100}}, // KS, NBK, RIVI
    Row{K, {200}}, // KS, NBK, RIVI
    Row{L, {500}}, // KS, NBK, RIVI
};

constexpr Table kLinear{kLinearSteps, kLinearRows, kMicrometre};
constexpr Table kChamfer{kChamferSteps, kChamferRows, kMicrometre};
constexpr Table kAngle{kAngleSteps, kAngleRows, kMinute};
constexpr Table kStraightness{kStraightnessSteps, kStraightnessRows, kMicrometre};
constexpr Table kPerpendicularity{kOrientationSteps, kPerpendicularityRows, kMicrometre};
constexpr Table kSymmetry{kOrientationSteps, kSymmetryRows, kMicrometre};
constexpr Table kRunout{kRunoutSteps, kRunoutRows, kMicrometre};

} // namespace

const Table& tableOf(Kind kind) noexcept
{
    switch (kind) {
    case Kind::Linear:
        return kLinear;
    case Kind::Chamfer:
        return kChamfer;
    case Kind::Angle:
        return kAngle;
    case Kind::Straightness:
    case Kind::Flatness:
        return kStraightness;
    case Kind::Perpendicularity:
        return kPerpendicularity;
    case Kind::Symmetry:
        return kSymmetry;
    case Kind::Runout:
        break;
    }
    return kRunout;
}

} // namespace tolerance::general::tables
