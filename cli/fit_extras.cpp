// SPDX-License-Identifier: MIT
#include "cli/fit_extras.h"

#include "tolerance/other_basis.h"

namespace cli {

using tolerance::ClassCode;
using tolerance::Deviations;

namespace {

std::string micrometres(tolerance::Length shift)
{
    return (shift > 0 ? "+" : "") + tolerance::formatMicrometres(shift) + " µm";
}

Group basisGroup(const tolerance::OtherBasisFit& other)
{
    const std::string name =
        tolerance::textOf(other.pair.hole) + '/' + tolerance::textOf(other.pair.shaft);
    std::string text = name;
    if (other.ownPair)
        text += ", the same pair: it is of both systems";
    else if (other.same())
        text += ", the same clearances";
    else
        text += ", the nearest of the table's classes; its maximum clearance differs by " +
                micrometres(other.maximumShift) + ", its minimum clearance by " +
                micrometres(other.minimumShift);
    return {"other_basis",
            text,
            {{"pair", name},
             {"same_clearances", other.same() ? "true" : "false", true},
             {"maximum_clearance_difference_um", tolerance::formatMicrometres(other.maximumShift),
              true},
             {"minimum_clearance_difference_um", tolerance::formatMicrometres(other.minimumShift),
              true}}};
}

} // namespace

void addOtherBasis(Record& record, const ClassCode& hole, const ClassCode& shaft, const Size& size,
                   tolerance::Edition edition)
{
    if (!tolerance::mirroredPair(hole, shaft)) {
        record.groups.push_back({"other_basis", "none: neither class is H or h", {}});
        return;
    }
    if (const auto other = tolerance::otherBasisFit(hole, shaft, size.nominal(), edition))
        record.groups.push_back(basisGroup(*other));
}

void addStatistics(Record& record, const Deviations& hole, const Deviations& shaft,
                   tolerance::Distribution distribution)
{
    const tolerance::FitStatistics s = tolerance::fitStatistics(hole, shaft, distribution);
    const std::string low = tolerance::formatStatisticalClearance(s.clearanceLow);
    const std::string high = tolerance::formatStatisticalClearance(s.clearanceHigh);
    const std::string name(tolerance::nameOf(distribution));
    record.groups.push_back(
        {"statistics",
         name + " spread: 99.73 % of assemblies have a clearance from " + low + " to " + high +
             " mm; an interference in " +
             tolerance::formatPercent(s.interferenceProbability, s.clearanceProbability) +
             " %, a clearance in " +
             tolerance::formatPercent(s.clearanceProbability, s.interferenceProbability) + " %",
         {{"distribution", name},
          {"clearance_low", tolerance::formatFullMillimetres(s.clearanceLow), true},
          {"clearance_high", tolerance::formatFullMillimetres(s.clearanceHigh), true},
          {"interference_probability", tolerance::formatProbability(s.interferenceProbability),
           true},
          {"clearance_probability", tolerance::formatProbability(s.clearanceProbability), true}}});
}

} // namespace cli
