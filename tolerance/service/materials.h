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
};

std::span<const Material> materialLibrary() noexcept;

// By its name as the library spells it, letter case ignored ("s45c" finds S45C).
const Material* findMaterial(std::string_view name) noexcept;

} // namespace tolerance::service
