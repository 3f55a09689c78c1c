#include "tolerance/classes.h"

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
    const auto classes = classesOf(side);
    for (const std::size_t index : dispatchOrder(side)) {
        if (classes[index].code == code)
            return &classes[index];
    }
    return nullptr;
}

std::optional<DeviationPair> ShowDeviations(const ToleranceClass& cls,
                                            std::string_view rangeText) noexcept
{
    if (const auto range = findSizeRange(rangeText))
        return cls.entries[*range];
    return std::nullopt;
}

} // namespace tolerance
