// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/candidates.h"
#include "tolerance/editions.h"
#include "tolerance/fit.h"
#include "tolerance/fit_finder.h"
#include "tolerance/service/service_finder.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// The finder: which pairs of classes give a fit within a clearance band at the size above.
namespace workbench {

using tolerance::Length;

// A side given rather than searched, a bearing's ring: the finder pairs it with the other side's
// classes alone, named as the side's box names it.
struct GivenSide
{
    tolerance::Side side;
    QString name; // 「軸受内輪 0 級」
    tolerance::Deviations deviations;

    friend bool operator==(const GivenSide&, const GivenSide&) = default;
};

// The classes a bearing maker's table recommends for the side that meets the ring: marked in the
// list and put first, ahead of the rest.
struct RecommendedClasses
{
    QStringList holes;
    QStringList shafts;

    bool empty() const { return holes.isEmpty() && shafts.isEmpty(); }
    friend bool operator==(const RecommendedClasses&, const RecommendedClasses&) = default;
};

// What a bearing's ring in the fit above asks of the finder: the ring as the side given, and the
// classes to mark beside it.
struct RingSearch
{
    std::optional<GivenSide> given;
    RecommendedClasses recommended;

    friend bool operator==(const RingSearch&, const RingSearch&) = default;
};

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
    std::optional<GivenSide> given;
    RecommendedClasses recommended;
};

// Indices into the found pairs' lists of codes, so a search over every class makes no string
// per pair.
using FoundPair = tolerance::FitAt;

// The pairs found, shared by whoever holds them rather than copied: over every class some 200 000
// (8 MB) go from the search's thread to the window's and on into the list's model.
class PairList
{
public:
    PairList() = default;
    explicit PairList(std::shared_ptr<const std::vector<FoundPair>> pairs)
        : m_pairs(std::move(pairs))
    {}

    std::size_t size() const noexcept { return m_pairs ? m_pairs->size() : 0; }
    bool empty() const noexcept { return size() == 0; }
    const FoundPair& operator[](std::size_t row) const { return (*m_pairs)[row]; }
    const FoundPair* begin() const noexcept { return m_pairs ? m_pairs->data() : nullptr; }
    const FoundPair* end() const noexcept { return begin() + size(); }

private:
    std::shared_ptr<const std::vector<FoundPair>> m_pairs;
};

struct FoundPairs
{
    Length diameter = 0; // the size searched at
    QStringList holes;
    QStringList shafts;
    PairList pairs;
    // Per class, whether it is one of the classes recommended.
    std::vector<bool> holeRecommended;
    std::vector<bool> shaftRecommended;

    bool recommended(std::size_t row) const
    {
        return holeRecommended[std::size_t(pairs[row].hole)] ||
               shaftRecommended[std::size_t(pairs[row].shaft)];
    }
    QString holeAt(std::size_t row) const { return holes[pairs[row].hole]; }
    QString shaftAt(std::size_t row) const { return shafts[pairs[row].shaft]; }
    QString fitText(std::size_t row) const { return holeAt(row) + u'/' + shaftAt(row); }
};

// The memory of one search's pairs, used again by the next. A list shared out comes back here
// when its last holder lets it go, on whichever thread that is, and the next search writes over
// it. Over every class, memory asked for afresh costs more, page by page, than the search itself,
// and the list would otherwise be freed by the window's thread, away from the search's own.
class PairRoom : public std::enable_shared_from_this<PairRoom>
{
public:
    static std::shared_ptr<PairRoom> make() { return std::make_shared<PairRoom>(); }

    // An empty list, with the room of one given back if there is one.
    std::vector<FoundPair> take();
    PairList share(std::vector<FoundPair> pairs);

private:
    void giveBack(std::vector<FoundPair>& pairs);

    std::mutex m_mutex;
    std::vector<FoundPair> m_spare;
};

// Pairs whose whole clearance range lies within the bounds: the pairs with a recommended class
// first, then the rest; within each the commonly used pairs first, then widest fit tolerance first.
FoundPairs findPairs(const FinderQuery& query);
// The same, its pairs written in room's memory and shared through it.
FoundPairs findPairs(const FinderQuery& query, PairRoom& room);

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
