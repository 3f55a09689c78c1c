// SPDX-License-Identifier: MIT
#include "tolerance/sheet/zone_drawing.h"

#include <algorithm>

namespace tolerance::sheet::compose {

namespace {

// Millimetres on the page: as wide as an A4 page's text, a third of its height at most.
constexpr double kWidth = 170;
constexpr double kHeight = 72;
constexpr double kText = 3.2;
constexpr double kCaptionLine = 6;
constexpr double kTemperatureLine = 11;
constexpr double kLeft = 14;
constexpr double kRight = kWidth - 4;
constexpr double kBottom = kHeight - 1.6 * kText;

std::string signedMicrometres(Length value)
{
    return (value > 0 ? "+" : "") + formatMicrometres(value);
}

struct Scale
{
    double top;    // mm on the page
    double bottom; // mm on the page
    Length highest;
    Length lowest;

    double at(Length deviation) const
    {
        if (highest == lowest)
            return (top + bottom) / 2;
        return top + (bottom - top) * double(highest - deviation) / double(highest - lowest);
    }
};

Scale scaleOf(const Zone& hole, const Zone& shaft, const std::optional<WarmZones>& warm)
{
    Length highest = std::max({Length(0), hole.deviations.upper, shaft.deviations.upper});
    Length lowest = std::min({Length(0), hole.deviations.lower, shaft.deviations.lower});
    if (warm) {
        highest = std::max({highest, warm->hole.upper, warm->shaft.upper});
        lowest = std::min({lowest, warm->hole.lower, warm->shaft.lower});
    }
    // Room above the highest zone for its upper deviation, under the captions.
    const double top = (warm ? kTemperatureLine : kCaptionLine) + 2.6 * kText;
    return {top, kBottom, highest, lowest};
}

// One zone's box with its deviations beside it.
void addZone(Drawing& drawing, const Scale& scale, double left, double width,
             const Deviations& zone, Hatching hatching, bool dashed)
{
    const double top = scale.at(zone.upper);
    const double height = std::max(scale.at(zone.lower) - top, 0.3); // a thin zone still shows
    drawing.boxes.push_back({left, top, width, height, hatching, dashed});
    const double textLeft = left + width + 1.5;
    drawing.labels.push_back({{textLeft, top - 1}, signedMicrometres(zone.upper)});
    drawing.labels.push_back(
        {{textLeft, top + height + kText + 0.5}, signedMicrometres(zone.lower)});
}

} // namespace

Drawing zoneDrawing(const Words& w, const Zone& hole, const Zone& shaft,
                    const std::optional<WarmZones>& warm, std::string_view fitType)
{
    Drawing drawing{kWidth, kHeight, kText, {}, {}, {}, {}};
    const Scale scale = scaleOf(hole, shaft, warm);
    const double zero = scale.at(0);
    drawing.lines.push_back({{kLeft, zero}, {kRight, zero}});
    drawing.labels.push_back({{kLeft - 1.5, zero + kText / 2 - 0.3}, "0", Anchor::End});
    const double column = (kRight - kLeft) / 2;
    // Beside a zone at temperature each takes half its room.
    const double coldShare = warm ? 0.06 : 0.15;
    const double width = column * (warm ? 0.22 : 0.35);
    const struct
    {
        const Zone& zone;
        std::string_view caption;
        double left;
        Hatching hatching;
        std::optional<Deviations> atWorking;
    } sides[] = {
        {hole, w.holeCaption, kLeft, Hatching::Rising,
         warm ? std::optional(warm->hole) : std::nullopt},
        {shaft, w.shaftCaption, kLeft + column, Hatching::Falling,
         warm ? std::optional(warm->shaft) : std::nullopt},
    };
    for (const auto& side : sides) {
        const double left = side.left + coldShare * column;
        addZone(drawing, scale, left, width, side.zone.deviations, side.hatching, false);
        drawing.labels.push_back({{left, kCaptionLine}, fill(side.caption, {side.zone.name})});
        if (!side.atWorking)
            continue;
        addZone(drawing, scale, side.left + 0.55 * column, width, *side.atWorking, Hatching::None,
                true);
        drawing.labels.push_back({{left, kTemperatureLine}, std::string(w.at20)});
        drawing.labels.push_back({{side.left + 0.55 * column, kTemperatureLine}, warm->caption});
    }
    const auto um = [](Length value) { return signedMicrometres(value); };
    drawing.description =
        fill(w.zonesDescription,
             {hole.name, um(hole.deviations.upper), um(hole.deviations.lower), shaft.name,
              um(shaft.deviations.upper), um(shaft.deviations.lower), fitType});
    if (warm)
        drawing.description +=
            fill(w.warmDescription, {warm->caption, um(warm->hole.upper), um(warm->hole.lower),
                                     um(warm->shaft.upper), um(warm->shaft.lower)});
    return drawing;
}

} // namespace tolerance::sheet::compose
