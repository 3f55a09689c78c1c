// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <bit>
#include <cstdint>

// Random draws that are the same on every platform and compiler for the same seed: the
// standard library's distributions are not (each library draws its normals its own way), so a
// Monte Carlo run that must repeat to the last digit draws its own.
namespace tolerance::stack {

// SplitMix64 (Steele, Lea and Flood, "Fast splittable pseudorandom number generators", 2014):
// turns any 64-bit seed into well-mixed words, to start the generator below.
std::uint64_t splitMix(std::uint64_t& state) noexcept;

// The 256 layers of the ziggurat below: each layer's right edge x[i] (x[0] the base layer's,
// wider than the tail's start so that its area equals the others'), scaled by 2^-53 to take a
// 53-bit position at once, and the density exp(-x²/2) there.
struct ZigguratLayers
{
    std::array<double, 257> x;
    std::array<double, 257> scaledX;
    std::array<double, 257> density;
};
const ZigguratLayers& zigguratLayers() noexcept;

// xoshiro256** (Blackman and Vigna, "Scrambled linear pseudorandom number generators", 2018).
class RandomWords
{
public:
    explicit RandomWords(std::uint64_t seed) noexcept;

    std::uint64_t next() noexcept
    {
        const std::uint64_t result = rotate(m_s[1] * 5, 7) * 9;
        const std::uint64_t t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = rotate(m_s[3], 45);
        return result;
    }

    // Even over [0, 1), in steps of 2^-53.
    double unit() noexcept { return double(next() >> 11) * 0x1.0p-53; }

    // A standard normal draw, by the ziggurat of Marsaglia and Tsang ("The ziggurat method for
    // generating random variables", 2000) with 256 layers; the layer, the sign and the position
    // come from separate bits of one word.
    double normal() noexcept
    {
        for (;;) {
            const std::uint64_t word = next();
            const auto layer = static_cast<std::size_t>(word & 0xFF);
            const double x = double(word >> 11) * m_layers->scaledX[layer];
            // Within the rectangle wholly under the curve: nearly every draw ends here.
            if (x < m_layers->x[layer + 1])
                return std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) ^
                                             ((word & 0x100) << 55));
            if (const double edge = normalEdge(layer, x); edge >= 0)
                return (word & 0x100) ? -edge : edge;
        }
    }

private:
    static std::uint64_t rotate(std::uint64_t x, int k) noexcept
    {
        return (x << k) | (x >> (64 - k));
    }
    double normalTail() noexcept;
    // The draw beyond a layer's rectangle: the tail, or x when it falls under the curve; else -1.
    double normalEdge(std::size_t layer, double x) noexcept;

    std::array<std::uint64_t, 4> m_s;
    const ZigguratLayers* m_layers;
};

// How far the ziggurat's top layer misses the density's peak: near 0 when its constants are right.
double zigguratClosure() noexcept;

} // namespace tolerance::stack
