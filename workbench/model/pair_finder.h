// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/candidates.h"
#include "tolerance/editions.h"
#include "tolerance/fit.h"
#include "tolerance/fit_finder.h"
#include "tolerance/service/service_finder.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The finder: which pairs of classes give a fit within a clearance band at the size above.
namespace workbench {

using tolerance::Length;

struct FinderQuery
{
    Length diameter;
    tolerance::Edition edition = tolerance::Edition::Jis1984;
    std::optional<Length> minimumClearance;
    std::optional<Length> maximumClearance;
    std::optional<tolerance::FitType> type;
    tolerance::Basis basis = tolerance::Basis::Any;
    tolerance::ClassScope scope = tolerance::ClassScope::Table;
    // A load to hold in service: only the pairs the core's service finder keeps.
    std::optional<tolerance::service::ServiceSearch> service;
};

// Indices into the found pairs' lists of codes, so a search over every class makes no string
// per pair.
struct FoundPair
{
    int hole;
    int shaft;
    tolerance::Fit fit;
    bool preferred = false; // one of the commonly used pairs of JIS B 0401
};

struct FoundPairs
{
    Length diameter = 0; // the size searched at
    QStringList holes;
    QStringList shafts;
    std::vector<FoundPair> pairs;

    QString holeAt(std::size_t row) const { return holes[pairs[row].hole]; }
    QString shaftAt(std::size_t row) const { return shafts[pairs[row].shaft]; }
    QString fitText(std::size_t row) const { return holeAt(row) + u'/' + shaftAt(row); }
};

// Pairs whose whole clearance range lies within the bounds: the commonly used pairs first, then
// the rest, each part widest fit tolerance first.
FoundPairs findPairs(const FinderQuery& query);

// The finder's fields as they stand: the bounds as typed, the choices as made.
struct FinderFields
{
    QString minimum;
    QString maximum;
    std::optional<tolerance::FitType> type;
    tolerance::Basis basis = tolerance::Basis::Any;
    tolerance::ClassScope scope = tolerance::ClassScope::Table;
};

// The search the fields ask for at the size above, or what keeps them from asking one.
struct FinderPlan
{
    std::optional<FinderQuery> query;
    QString problem;
    bool fault = false; // the problem is in what was typed, not a size still to come
};
FinderPlan planSearch(const FinderFields& fields, std::optional<Length> diameter,
                      tolerance::Edition edition);

} // namespace workbench
