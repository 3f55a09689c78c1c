// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace tolerance {

// One basis class with the classes of the other side it is commonly paired with.
struct PreferredGroup
{
    std::string_view basis; // "H7" or "h6"
    std::string_view mates; // the other side's codes, one space between each
};

// The hole-basis groups (H6 to H10), then the shaft-basis groups (h5 to h9).
std::span<const PreferredGroup> preferredGroups() noexcept;

// Whether HOLE/SHAFT is one of the commonly used pairs of either system; codes as ISO 286
// writes them, case included.
bool isPreferredFit(std::string_view hole, std::string_view shaft) noexcept;

} // namespace tolerance
