// SPDX-License-Identifier: MIT
#include "cli/bearing_clearance.h"

#include "tolerance/bearing/clearance.h"
#include "tolerance/bearing/mounting.h"
#include "tolerance/service/figures.h"

#include <array>

namespace cli {

using namespace tolerance::bearing;
using tolerance::Deviations;
using tolerance::formatMillimetres;
using tolerance::Length;

namespace {

constexpr std::array kGroups{ClearanceGroup::C2, ClearanceGroup::CN, ClearanceGroup::C3,
                             ClearanceGroup::C4};

// The record's exact figures back into nanometres.
Length figureOf(const Record& record, const std::string& key)
{
    for (const Field& field : record.figures) {
        if (field.key != key)
            continue;
        const auto decimal = tolerance::splitDecimal(field.value);
        const auto magnitude = decimal ? tolerance::magnitudeOf(*decimal) : std::nullopt;
        if (magnitude)
            return decimal->negative ? -*magnitude : *magnitude;
    }
    return 0;
}

Deviations sideOf(const Record& record, const std::string& side)
{
    return {figureOf(record, side + "_upper_mm"), figureOf(record, side + "_lower_mm")};
}

std::string mm(Length value)
{
    return formatMillimetres(toTenthMicrometre(value)) + " mm";
}

double number(Length value)
{
    return double(toTenthMicrometre(value)) / double(tolerance::kNanometresPerMm);
}

std::string rangeText(Length from, Length to)
{
    return formatMillimetres(toTenthMicrometre(from)) + " to " + mm(to);
}

// One temperature's reduction and what it leaves of each group.
void addReduction(Record& lines, JsonObject& json, const Bearing& bearing, const Joints& joints,
                  double ringDifference, const std::string& suffix)
{
    const Raceways raceways = racewaysOf(bearing.bore, bearing.outside, isRoller(bearing.type));
    const Reduction r =
        reductionOf(raceways, bearing.bore, bearing.outside, joints, ringDifference);
    lines.push_back({"interference_effective" + suffix,
                     "shaft " + rangeText(r.shaftInterferenceMin, r.shaftInterferenceMax) +
                         ", housing " +
                         rangeText(r.housingInterferenceMin, r.housingInterferenceMax)});
    std::string reduction = rangeText(r.totalMin(), r.totalMax()) +
                            ": the inner raceway widens by the shaft's interference × d/Di, the "
                            "outer narrows by the housing's × De/D (NSK, Table 15.1)";
    if (r.thermal != 0)
        reduction += ", with " + mm(r.thermal) + " for the inner ring " +
                     tolerance::service::formatCelsius(ringDifference) +
                     " K warmer than the outer (12.5 × 10^-6/K × the difference × De)";
    lines.push_back({"clearance_reduction" + suffix, reduction});
    json["interference_shaft_min"] = number(r.shaftInterferenceMin);
    json["interference_shaft_max"] = number(r.shaftInterferenceMax);
    json["interference_housing_min"] = number(r.housingInterferenceMin);
    json["interference_housing_max"] = number(r.housingInterferenceMax);
    json["thermal"] = number(r.thermal);
    json["reduction_min"] = number(r.totalMin());
    json["reduction_max"] = number(r.totalMax());
    if (bearing.type != BearingType::DeepGrooveBall) {
        json["groups"] = nullptr;
        return;
    }
    JsonObject groups = JsonObject::array();
    for (const ClearanceGroup group : kGroups) {
        const auto range = radialClearance(group, bearing.bore);
        if (!range)
            continue;
        const ClearanceRange left = residualOf(*range, r);
        const std::string name(nameOf(group));
        std::string text = rangeText(range->minimum, range->maximum) + " before mounting, " +
                           rangeText(left.minimum, left.maximum) + " mounted";
        text += left.minimum < 0 ? ": the clearance may vanish; the largest reduction exceeds " +
                                       name + "'s smallest clearance by " + mm(-left.minimum)
                                 : ": at least " + mm(left.minimum) + " is left";
        lines.push_back({"clearance_" + name + suffix, text});
        groups.push_back({{"group", name},
                          {"minimum", number(range->minimum)},
                          {"maximum", number(range->maximum)},
                          {"mounted_minimum", number(left.minimum)},
                          {"mounted_maximum", number(left.maximum)},
                          {"may_vanish", left.minimum < 0}});
    }
    json["groups"] = groups;
}

} // namespace

ClearanceAnswer clearanceOf(const Bearing& bearing, const Deviations& inner,
                            const Deviations& outer, const Record& shaftFit,
                            const Record& housingFit, const BearingOptions& options)
{
    const Seat shaft{inner, sideOf(shaftFit, "shaft"), options.shaftExpansion,
                     options.shaftSmoothing};
    const Seat housing{outer, sideOf(housingFit, "hole"), options.housingExpansion,
                       options.housingSmoothing};
    const Mounting mounting =
        mountingOf(bearing.bore, bearing.outside, shaft, housing, options.temperatures);
    const Raceways raceways = racewaysOf(bearing.bore, bearing.outside, isRoller(bearing.type));
    ClearanceAnswer answer;
    Record& lines = answer.lines;
    JsonObject& json = answer.json;
    lines.push_back({"smoothing", options.roughnessGiven
                                      ? "shaft " + mm(options.shaftSmoothing) + ", housing " +
                                            mm(options.housingSmoothing) +
                                            " taken off the interference, 0.4 × the joint's Rz "
                                            "(DIN 7190-1:2017)"
                                      : std::string("none: no roughness given, nothing "
                                                    "smoothed")});
    const bool roller = isRoller(bearing.type);
    lines.push_back({"raceways", "Di " + mm(raceways.inner) + ", De " + mm(raceways.outer) +
                                     ", estimated from d and D as " +
                                     (roller ? "(D + 3d)/4 and (3D + d)/4 for a roller bearing"
                                             : "(D + 4d)/5 and (4D + d)/5 for a ball bearing") +
                                     " (NSK eq. 9.7, 9.8; FBJ eq. 5.4, 5.5)"});
    json["smoothing_shaft"] = number(options.shaftSmoothing);
    json["smoothing_housing"] = number(options.housingSmoothing);
    json["raceway_inner"] = number(raceways.inner);
    json["raceway_outer"] = number(raceways.outer);
    addReduction(lines, json, bearing, mounting.at20, 0, "");
    if (bearing.type != BearingType::DeepGrooveBall)
        lines.push_back({"clearance_groups", "JIS B 1520's groups are given here for deep groove "
                                             "ball bearings only"});
    if (mounting.atWorking) {
        const MountingTemperatures& t = *options.temperatures;
        using tolerance::service::formatCelsius;
        lines.push_back({"temperature",
                         "shaft " + formatCelsius(t.shaft) + " °C, inner ring " +
                             formatCelsius(t.inner) + " °C, outer ring " + formatCelsius(t.outer) +
                             " °C, housing " + formatCelsius(t.housing) + " °C; shaft " +
                             options.shaftMaterial + ", housing " + options.housingMaterial +
                             ", rings of bearing steel (12.5 × 10^-6/K)"});
        JsonObject hot = {{"shaft_c", t.shaft},
                          {"inner_c", t.inner},
                          {"outer_c", t.outer},
                          {"housing_c", t.housing}};
        addReduction(lines, hot, bearing, *mounting.atWorking, mounting.ringDifference,
                     "_at_temperature");
        json["at_temperature"] = hot;
    }
    return answer;
}

} // namespace cli
