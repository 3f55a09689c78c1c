// SPDX-License-Identifier: MIT
#include "tolerance/size_ranges.h"

#include "tolerance/text_index.h"

namespace tolerance {

namespace {

// Ten times as many slots as labels leaves nearly every label at its first probe.
constexpr TextIndex<256> kRangeIndex = [] {
    TextIndex<256> index;
    for (std::size_t i = 0; i < kSizeRanges.size(); ++i)
        index.add(kSizeRanges[i], i);
    return index;
}();

} // namespace

std::optional<std::size_t> findSizeRange(std::string_view text) noexcept
{
    return kRangeIndex.find(text);
}

} // namespace tolerance
