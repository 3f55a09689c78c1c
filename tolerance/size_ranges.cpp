#include "tolerance/size_ranges.h"

namespace tolerance {

std::optional<std::size_t> findSizeRange(std::string_view text) noexcept
{
    for (std::size_t i = 0; i < kSizeRanges.size(); ++i) {
        if (kSizeRanges[i] == text)
            return i;
    }
    return std::nullopt;
}

} // namespace tolerance
