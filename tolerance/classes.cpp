// SPDX-License-Identifier: MIT
#include "tolerance/classes.h"

#include "tolerance/text_index.h"

namespace tolerance {

namespace {

template <std::size_t N> constexpr std::array<std::size_t, N> identityOrder()
{
    std::array<std::size_t, N> order{};
    for (std::size_t i = 0; i < N; ++i)
        order[i] = i;
    return order;
}

constexpr std::size_t kHoleCount = 34;
constexpr std::size_t kShaftCount = 31;

constexpr std::array<std::size_t, kHoleCount> kHoleDispatch = identityOrder<kHoleCount>();

// List order is b9 c9 d8 d9 …; the dispatch tries d9 (index 3) before d8 (index 2).
constexpr std::array<std::size_t, kShaftCount> kShaftDispatch = [] {
    auto order = identityOrder<kShaftCount>();
    order[2] = 3;
    order[3] = 2;
    return order;
}();

// Several times as many slots as codes leaves nearly every code at its first probe.
using ClassIndex = TextIndex<256>;
static_assert(kHoleCount < 256 && kShaftCount < 256);

// Codes entered in dispatch order, so that the index answers as the dispatch's scan would.
ClassIndex indexOf(Side side)
{
    ClassIndex index;
    const auto classes = classesOf(side);
    for (const std::size_t i : dispatchOrder(side))
        index.add(classes[i].code, i);
    return index;
}

} // namespace

std::span<const ToleranceClass> classesOf(Side side) noexcept
{
    return side == Side::Hole ? holeClasses() : shaftClasses();
}

std::span<const std::size_t> dispatchOrder(Side side) noexcept
{
    if (side == Side::Hole)
        return kHoleDispatch;
    return kShaftDispatch;
}

const ToleranceClass* findClass(Side side, std::string_view code) noexcept
{
    // The tables live in their own files, out of reach of a constant expression: build on first
    // use instead.
    static const ClassIndex holes = indexOf(Side::Hole);
    static const ClassIndex shafts = indexOf(Side::Shaft);
    const auto position = (side == Side::Hole ? holes : shafts).find(code);
    return position ? &classesOf(side)[*position] : nullptr;
}

std::optional<DeviationPair> ShowDeviations(const ToleranceClass& cls,
                                            std::string_view rangeText) noexcept
{
    if (const auto range = findSizeRange(rangeText))
        return cls.entries[*range];
    return std::nullopt;
}

} // namespace tolerance
