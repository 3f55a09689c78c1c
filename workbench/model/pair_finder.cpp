// SPDX-License-Identifier: MIT
#include "model/pair_finder.h"

#include "model/fit_query.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// The words of this file, in the language in force.
struct PairFinderWords
{
    Q_DECLARE_TR_FUNCTIONS(PairFinderWords)
};
} // namespace

namespace workbench {

namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

std::vector<FoundPair> PairRoom::take()
{
    const std::lock_guard lock(m_mutex);
    std::vector<FoundPair> pairs;
    pairs.swap(m_spare);
    pairs.clear();
    return pairs;
}

PairList PairRoom::share(std::vector<FoundPair> pairs)
{
    auto* shared = new std::vector<FoundPair>(std::move(pairs));
    return PairList(std::shared_ptr<const std::vector<FoundPair>>(
        shared, [room = shared_from_this(), shared](const std::vector<FoundPair>*) {
            room->giveBack(*shared);
            delete shared;
        }));
}

void PairRoom::giveBack(std::vector<FoundPair>& pairs)
{
    const std::lock_guard lock(m_mutex);
    // With two lists back at once (a result dropped while another is shown), the larger is kept.
    if (pairs.capacity() > m_spare.capacity())
        pairs.swap(m_spare);
}

FoundPairs findPairs(const FinderQuery& query)
{
    return findPairs(query, *PairRoom::make());
}

FoundPairs findPairs(const FinderQuery& query, PairRoom& room)
{
    using tolerance::Basis;
    using tolerance::Side;
    const auto given = [&query](Side side) { return query.given && query.given->side == side; };
    // A given side is its own basis: the basis asked for sorts the other side's classes alone.
    const Basis basis = (query.basis == Basis::Hole && given(Side::Hole)) ||
                                (query.basis == Basis::Shaft && given(Side::Shaft))
                            ? Basis::Any
                            : query.basis;
    const tolerance::Requirement requirement{query.minimumClearance, query.maximumClearance,
                                             query.type, basis};
    const auto classes = [&](Side side) {
        if (given(side))
            return std::vector<tolerance::Candidate>{
                {query.given->name.toStdString(), query.given->deviations}};
        return tolerance::candidatesAt(side, query.diameter, query.edition, query.scope).classes;
    };
    const auto holes = classes(Side::Hole);
    const auto shafts = classes(Side::Shaft);
    FoundPairs found;
    found.diameter = query.diameter;
    for (const auto& candidate : holes) {
        found.holes << qt(candidate.code);
        found.holeRecommended.push_back(query.recommended.holes.contains(found.holes.back()));
    }
    for (const auto& candidate : shafts) {
        found.shafts << qt(candidate.code);
        found.shaftRecommended.push_back(query.recommended.shafts.contains(found.shafts.back()));
    }
    std::vector<FoundPair> pairs = room.take();
    if (query.service) {
        const auto fits =
            tolerance::service::findServiceFits(holes, shafts, requirement, *query.service);
        pairs.reserve(fits.size());
        for (const tolerance::FoundFit& fit : fits)
            pairs.push_back({int(fit.hole - holes.data()), int(fit.shaft - shafts.data()), fit.fit,
                             fit.preferred});
    } else {
        tolerance::findFitsAt(holes, shafts, requirement, pairs);
    }
    // The classes a bearing's maker recommends lead, each part in the order found.
    if (!query.recommended.empty())
        std::stable_partition(pairs.begin(), pairs.end(), [&found](const FoundPair& pair) {
            return found.holeRecommended[std::size_t(pair.hole)] ||
                   found.shaftRecommended[std::size_t(pair.shaft)];
        });
    // After every class, a search of our 65 classes has no use for all that room.
    if (pairs.size() < pairs.capacity() / 4)
        pairs.shrink_to_fit();
    found.pairs = room.share(std::move(pairs));
    return found;
}

FinderPlan planSearch(const FinderFields& fields, std::optional<Length> diameter,
                      tolerance::Edition edition)
{
    const BoundReading minimum = readBound(fields.minimum);
    const BoundReading maximum = readBound(fields.maximum);
    if (!minimum.problem.isEmpty())
        return {std::nullopt, PairFinderWords::tr("最小すきま: %1").arg(minimum.problem), true};
    if (!maximum.problem.isEmpty())
        return {std::nullopt, PairFinderWords::tr("最大すきま: %1").arg(maximum.problem), true};
    if (!diameter)
        return {std::nullopt, PairFinderWords::tr("上の寸法が入ると探します")};
    if (minimum.value && maximum.value && *minimum.value > *maximum.value)
        return {std::nullopt, PairFinderWords::tr("最小すきまが最大すきまより大きくなっています"),
                true};
    return {FinderQuery{*diameter, edition, minimum.value, maximum.value, fields.type, fields.basis,
                        fields.scope, std::nullopt},
            {}};
}

} // namespace workbench
