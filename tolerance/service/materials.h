// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

// What a part is made of, in the four figures a fit in service needs.
namespace tolerance::service {

struct MaterialFigures
{
    double youngsModulusMpa;
    double poissonsRatio;
    double expansionPerMegaKelvin; // 10^-6 per K, over 20 to 100 °C
    double proofStressMpa;         // 0.2 % proof stress, the limit of the elastic answer
    // A plastic creeps and relaxes under a joint's pressure: its figures serve the temperature
    // only, never a press fit.
    bool elastic = true;
};

// What ends the condition a material's figures are for when it is heated: a part heated past it
// (a hub for shrinking on, a part at its working temperature) is no longer the part the figures
// describe, or no longer whole.
enum class HeatLimitKind
{
    Tempering,      // a quenched and tempered steel softens past its tempering temperature
    Transformation, // a steel as rolled begins to change its structure (Ac1)
    Sensitisation,  // an austenitic stainless steel loses its resistance to corrosion
    Decomposition,  // a cast iron's pearlite begins to break down
    Stabilising,    // a strain-hardened aluminium stabilised at this temperature softens past it
    Ageing,         // an aged aluminium alloy over-ages past its ageing temperature
    Annealing,      // a cold-worked or annealed alloy recrystallises or changes its anneal
    MeltingOnset,   // a cast alloy begins to melt (its solidus)
    Mechanical,     // the highest temperature for mechanical use a data sheet gives
    ContinuousUse,  // a plastic's highest temperature for continuous use
};

struct HeatLimit
{
    double celsius;
    HeatLimitKind kind;
    std::string_view source;
};

// "tempering temperature", as the command line writes it.
std::string_view nameOf(HeatLimitKind kind) noexcept;

// A named material of the library, each figure with the public source it was taken from.
struct Material
{
    std::string_view name;
    std::string_view condition; // "quenched and tempered", "T6" …
    MaterialFigures figures;
    std::string_view modulusSource;
    std::string_view poissonSource;
    std::string_view expansionSource;
    std::string_view proofSource;
    std::string_view note; // where sources disagreed, or what a figure stands for
    HeatLimit heatLimit;
};

std::span<const Material> materialLibrary() noexcept;

// By its name as the library spells it, letter case ignored ("s45c" finds S45C).
const Material* findMaterial(std::string_view name) noexcept;

} // namespace tolerance::service
