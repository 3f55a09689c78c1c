// SPDX-License-Identifier: MIT
#include "cli/fit_extras.h"

#include "cli/answer.h"
#include "cli/class_code.h"

#include "tolerance/other_basis.h"

#include <optional>
#include <vector>

namespace cli {

using tolerance::ClassCode;
using tolerance::Deviations;
using tolerance::Side;

namespace {

std::optional<Deviations> deviationsAt(const ClassCode& code, const Size& size,
                                       tolerance::Edition edition)
{
    return answerFor(code, size.range, size.nominal(), edition).deviations;
}

std::string micrometres(tolerance::Length shift)
{
    return (shift > 0 ? "+" : "") + tolerance::formatMicrometres(shift) + " µm";
}

Group basisGroup(const tolerance::ClassPair& pair, const tolerance::BasisMatch& match, bool ownPair)
{
    const std::string name = tolerance::textOf(pair.hole) + '/' + tolerance::textOf(pair.shaft);
    std::string text = name;
    if (ownPair)
        text += ", the same pair: it is of both systems";
    else if (match.same())
        text += ", the same clearances";
    else
        text += ", the nearest; its maximum clearance differs by " +
                micrometres(match.maximumShift) + ", its minimum clearance by " +
                micrometres(match.minimumShift);
    return {"other_basis",
            text,
            {{"pair", name},
             {"same_clearances", match.same() ? "true" : "false", true},
             {"maximum_clearance_difference_um", tolerance::formatMicrometres(match.maximumShift),
              true},
             {"minimum_clearance_difference_um", tolerance::formatMicrometres(match.minimumShift),
              true}}};
}

} // namespace

void addOtherBasis(Record& record, const ClassCode& hole, const ClassCode& shaft, const Size& size,
                   tolerance::Edition edition)
{
    const auto mirrored = tolerance::mirroredPair(hole, shaft);
    const auto holeDeviations = deviationsAt(hole, size, edition);
    const auto shaftDeviations = deviationsAt(shaft, size, edition);
    if (!mirrored) {
        record.groups.push_back({"other_basis", "none: neither class is H or h", {}});
        return;
    }
    // The basis class stays; the mirrored class is tried first, then every class of the table.
    const bool holeBasis = mirrored->shaft.letters == "h" && !(hole == mirrored->hole);
    const Side varied = holeBasis ? Side::Hole : Side::Shaft;
    const ClassCode& basis = holeBasis ? mirrored->shaft : mirrored->hole;
    const auto fixed = deviationsAt(basis, size, edition);
    std::vector<ClassCode> codes{holeBasis ? mirrored->hole : mirrored->shaft};
    for (const ClassCode& code : tableClassCodes(varied))
        if (!(code == codes.front()))
            codes.push_back(code);
    std::vector<ClassCode> kept;
    std::vector<Deviations> candidates;
    for (const ClassCode& code : codes) {
        if (const auto deviations = deviationsAt(code, size, edition)) {
            kept.push_back(code);
            candidates.push_back(*deviations);
        }
    }
    if (!holeDeviations || !shaftDeviations || !fixed || candidates.empty())
        return;
    const auto target = tolerance::fitOf(*holeDeviations, *shaftDeviations);
    const auto match = tolerance::nearestFit(target, candidates, *fixed, varied);
    const tolerance::ClassPair found = holeBasis ? tolerance::ClassPair{kept[match->index], basis}
                                                 : tolerance::ClassPair{basis, kept[match->index]};
    record.groups.push_back(basisGroup(found, *match, found.hole == hole && found.shaft == shaft));
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
             " mm; an interference in " + tolerance::formatPercent(s.interferenceProbability) +
             " %, a clearance in " + tolerance::formatPercent(1 - s.interferenceProbability) + " %",
         {{"distribution", name},
          {"clearance_low", low, true},
          {"clearance_high", high, true},
          {"interference_probability", tolerance::formatProbability(s.interferenceProbability),
           true}}});
}

} // namespace cli
