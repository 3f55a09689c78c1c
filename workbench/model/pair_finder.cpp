// SPDX-License-Identifier: MIT
#include "model/pair_finder.h"

#include "model/fit_query.h"

namespace workbench {

namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

FoundPairs findPairs(const FinderQuery& query)
{
    const tolerance::Requirement requirement{query.minimumClearance, query.maximumClearance,
                                             query.type, query.basis};
    using tolerance::Side;
    const auto holes =
        tolerance::candidatesAt(Side::Hole, query.diameter, query.edition, query.scope).classes;
    const auto shafts =
        tolerance::candidatesAt(Side::Shaft, query.diameter, query.edition, query.scope).classes;
    FoundPairs found;
    found.diameter = query.diameter;
    for (const auto& candidate : holes)
        found.holes << qt(candidate.code);
    for (const auto& candidate : shafts)
        found.shafts << qt(candidate.code);
    const auto fits =
        query.service
            ? tolerance::service::findServiceFits(holes, shafts, requirement, *query.service)
            : tolerance::findFits(holes, shafts, requirement);
    found.pairs.reserve(fits.size());
    for (const tolerance::FoundFit& fit : fits)
        found.pairs.push_back(
            {int(fit.hole - holes.data()), int(fit.shaft - shafts.data()), fit.fit, fit.preferred});
    return found;
}

FinderPlan planSearch(const FinderFields& fields, std::optional<Length> diameter,
                      tolerance::Edition edition)
{
    const BoundReading minimum = readBound(fields.minimum);
    const BoundReading maximum = readBound(fields.maximum);
    if (!minimum.problem.isEmpty())
        return {std::nullopt, QStringLiteral("最小すきま: ") + minimum.problem, true};
    if (!maximum.problem.isEmpty())
        return {std::nullopt, QStringLiteral("最大すきま: ") + maximum.problem, true};
    if (!diameter)
        return {std::nullopt, QStringLiteral("上の寸法が入ると探します")};
    if (minimum.value && maximum.value && *minimum.value > *maximum.value)
        return {std::nullopt, QStringLiteral("最小すきまが最大すきまより大きくなっています"), true};
    return {FinderQuery{*diameter, edition, minimum.value, maximum.value, fields.type, fields.basis,
                        fields.scope},
            {}};
}

} // namespace workbench
