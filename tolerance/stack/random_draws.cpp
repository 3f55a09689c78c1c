// SPDX-License-Identifier: MIT
#include "tolerance/stack/random_draws.h"

#include <cmath>

namespace tolerance::stack {

namespace {

constexpr int kLayers = 256;
// Marsaglia and Tsang's constants for 256 layers of exp(-x²/2): where the tail begins, and each
// layer's area.
constexpr double kTailStart = 3.6541528853610088;
constexpr double kLayerArea = 0.00492867323399;

double density(double x)
{
    return std::exp(-0.5 * x * x);
}

ZigguratLayers layersOf()
{
    ZigguratLayers z{};
    z.x[0] = kLayerArea / density(kTailStart);
    z.x[1] = kTailStart;
    for (int i = 1; i < kLayers - 1; ++i)
        z.x[i + 1] = std::sqrt(-2 * std::log(kLayerArea / z.x[i] + density(z.x[i])));
    z.x[kLayers] = 0;
    for (int i = 0; i <= kLayers; ++i) {
        z.scaledX[i] = z.x[i] * 0x1.0p-53;
        z.density[i] = density(z.x[i]);
    }
    return z;
}

} // namespace

std::uint64_t splitMix(std::uint64_t& state) noexcept
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

const ZigguratLayers& zigguratLayers() noexcept
{
    static const ZigguratLayers layers = layersOf();
    return layers;
}

RandomWords::RandomWords(std::uint64_t seed) noexcept : m_layers(&zigguratLayers())
{
    for (std::uint64_t& word : m_s)
        word = splitMix(seed);
}

double RandomWords::normalTail() noexcept
{
    // Marsaglia's tail: beyond the start, by two exponentials.
    for (;;) {
        const double a = -std::log(1 - unit()) / kTailStart;
        const double b = -std::log(1 - unit());
        if (2 * b >= a * a)
            return kTailStart + a;
    }
}

double RandomWords::normalEdge(std::size_t layer, double x) noexcept
{
    if (layer == 0)
        return normalTail();
    const auto& f = m_layers->density;
    return f[layer] + unit() * (f[layer + 1] - f[layer]) < density(x) ? x : -1;
}

double zigguratClosure() noexcept
{
    const ZigguratLayers& z = zigguratLayers();
    return kLayerArea / z.x[kLayers - 1] + z.density[kLayers - 1] - 1.0;
}

} // namespace tolerance::stack
