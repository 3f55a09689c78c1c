// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tolerance {

// Exact lookup of a text in a fixed list by hashing, in place of comparing it with each text in
// turn: the answer is the one such a scan gives, the position of the first text equal to the
// query byte for byte, or nothing. Slots is a power of two larger than the list, so that a probe
// always ends at an empty slot.
template <std::size_t Slots> class TextIndex
{
    static_assert(Slots >= 2 && (Slots & (Slots - 1)) == 0, "Slots must be a power of two");

public:
    // Adds text at position unless an equal text is in already: the earliest one keeps its place.
    constexpr void add(std::string_view text, std::size_t position)
    {
        std::size_t slot = home(text);
        for (; m_used[slot]; slot = (slot + 1) % Slots) {
            if (m_texts[slot] == text)
                return;
        }
        if (m_count + 1 >= Slots)
            throw "TextIndex: too many texts for its slots"; // fails the build in constexpr use
        m_used[slot] = true;
        m_texts[slot] = text;
        m_positions[slot] = static_cast<std::uint16_t>(position);
        ++m_count;
    }

    constexpr std::optional<std::size_t> find(std::string_view text) const noexcept
    {
        for (std::size_t slot = home(text); m_used[slot]; slot = (slot + 1) % Slots) {
            if (m_texts[slot] == text)
                return m_positions[slot];
        }
        return std::nullopt;
    }

private:
    // Length and the first and last two bytes tell every label and class code of the tables
    // apart; one multiplication spreads them over the slots. Any other text still compares
    // whole, so a collision costs a probe, never a wrong answer.
    static constexpr std::size_t home(std::string_view text) noexcept
    {
        const auto byte = [&](std::size_t i) {
            return std::uint64_t(static_cast<unsigned char>(text[i]));
        };
        const std::size_t n = text.size();
        std::uint64_t key = n;
        if (n >= 1)
            key |= byte(0) << 8 | byte(n - 1) << 16;
        if (n >= 2)
            key |= byte(1) << 24 | byte(n - 2) << 32;
        constexpr int kShift = 64 - std::countr_zero(Slots);
        return std::size_t((key * 0x9E3779B97F4A7C15ULL) >> kShift);
    }

    std::array<std::string_view, Slots> m_texts{};
    std::array<std::uint16_t, Slots> m_positions{};
    std::array<bool, Slots> m_used{};
    std::size_t m_count = 0;
};

} // namespace tolerance
