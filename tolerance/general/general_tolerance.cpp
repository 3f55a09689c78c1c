// SPDX-License-Identifier: MIT
#include "tolerance/general/general_tolerance.h"

#include "tolerance/general/tables.h"

#include <algorithm>
#include <array>

namespace tolerance::general {

namespace {

constexpr std::array<std::string_view, 7> kClassNames{"f", "m", "c", "v", "H", "K", "L"};
constexpr std::array<std::string_view, 8> kKindNames{
    "linear",   "chamfer",          "angle",    "straightness",
    "flatness", "perpendicularity", "symmetry", "runout",
};

constexpr std::string_view kPlusMinus = "\u00B1";
constexpr std::string_view kWaveDash = "\uFF5E"; // ～, as the size ranges are written
constexpr std::string_view kDegree = "\u00B0";
constexpr std::string_view kPrime = "\u2032"; // minutes of arc
constexpr std::string_view kNoValue = "\u2014";

template <std::size_t N>
std::optional<std::size_t> indexOf(const std::array<std::string_view, N>& names,
                                   std::string_view name) noexcept
{
    const auto it = std::ranges::find(names, name);
    return it == names.end() ? std::nullopt : std::optional(std::size_t(it - names.begin()));
}

// "1°", "0°30′", "1°30′": whole degrees alone, as the tables print them.
std::string angleText(std::int64_t minutes)
{
    std::string text = std::to_string(minutes / 60) + std::string(kDegree);
    if (minutes % 60 != 0)
        text += std::to_string(minutes % 60) + std::string(kPrime);
    return text;
}

std::string magnitudeText(const GeneralTolerance& tolerance)
{
    return tolerance.kind == Kind::Angle ? angleText(*tolerance.value)
                                         : formatDiameter(*tolerance.value);
}

bool geometrical(Kind kind) noexcept
{
    return standardOf(kind) == Standard::JisB0419;
}

} // namespace

std::optional<GeneralClass> generalClassNamed(std::string_view letter) noexcept
{
    const auto index = indexOf(kClassNames, letter);
    return index ? std::optional(GeneralClass(*index)) : std::nullopt;
}

std::string_view nameOf(GeneralClass generalClass) noexcept
{
    return kClassNames[std::size_t(generalClass)];
}

std::optional<Kind> kindNamed(std::string_view name) noexcept
{
    const auto index = indexOf(kKindNames, name);
    return index ? std::optional(Kind(*index)) : std::nullopt;
}

std::string_view nameOf(Kind kind) noexcept
{
    return kKindNames[std::size_t(kind)];
}

Standard standardOf(Kind kind) noexcept
{
    return kind <= Kind::Angle ? Standard::JisB0405 : Standard::JisB0419;
}

Standard standardOf(GeneralClass generalClass) noexcept
{
    return generalClass <= GeneralClass::v ? Standard::JisB0405 : Standard::JisB0419;
}

std::string_view designationOf(Standard standard) noexcept
{
    return standard == Standard::JisB0405 ? "JIS B 0405:1991 (ISO 2768-1:1989)"
                                          : "JIS B 0419:1991 (ISO 2768-2:1989)";
}

std::span<const Step> stepsOf(Kind kind) noexcept
{
    return tables::tableOf(kind).steps;
}

std::variant<GeneralTolerance, GeneralFault> generalTolerance(GeneralClass generalClass, Kind kind,
                                                              Length size) noexcept
{
    if (standardOf(generalClass) != standardOf(kind))
        return GeneralFault::OtherStandard;
    const tables::Table& table = tables::tableOf(kind);
    const auto step =
        std::ranges::find_if(table.steps, [&](const Step& s) { return s.holds(size); });
    if (step == table.steps.end())
        return size > table.steps.front().over ? GeneralFault::AboveTable
                                               : GeneralFault::BelowTable;
    const auto row = std::ranges::find(table.rows, generalClass, &tables::Row::generalClass);
    const std::int32_t cell = row->cells[std::size_t(step - table.steps.begin())];
    GeneralTolerance tolerance{generalClass, kind, *step, std::nullopt};
    if (cell != tables::kNone)
        tolerance.value = cell * table.unit;
    return tolerance;
}

std::variant<Deviations, GeneralFault> linearLimits(GeneralClass generalClass,
                                                    Length nominal) noexcept
{
    const auto answer = generalTolerance(generalClass, Kind::Linear, nominal);
    if (const auto* fault = std::get_if<GeneralFault>(&answer))
        return *fault;
    const auto deviations = deviationsOf(std::get<GeneralTolerance>(answer));
    return deviations ? std::variant<Deviations, GeneralFault>(*deviations) : GeneralFault::NoValue;
}

std::optional<Deviations> deviationsOf(const GeneralTolerance& tolerance) noexcept
{
    if (!tolerance.value || tolerance.kind == Kind::Angle)
        return std::nullopt;
    if (geometrical(tolerance.kind))
        return Deviations{*tolerance.value, 0};
    return Deviations{*tolerance.value, -*tolerance.value};
}

std::string stepLabel(const Step& step)
{
    const bool from = step.over > 0;
    const bool to = step.upTo != kNoEnd;
    if (!from && !to)
        return {};
    return (from ? formatDiameter(step.over) : "") + std::string(kWaveDash) +
           (to ? formatDiameter(step.upTo) : "");
}

std::string toleranceText(const GeneralTolerance& tolerance)
{
    if (!tolerance.value)
        return std::string(kNoValue);
    return (geometrical(tolerance.kind) ? "" : std::string(kPlusMinus)) + magnitudeText(tolerance);
}

std::string upperText(const GeneralTolerance& tolerance)
{
    if (!tolerance.value)
        return std::string(kNoValue);
    return (geometrical(tolerance.kind) ? "" : "+") + magnitudeText(tolerance);
}

std::string lowerText(const GeneralTolerance& tolerance)
{
    if (!tolerance.value)
        return std::string(kNoValue);
    return geometrical(tolerance.kind) ? "0" : "-" + magnitudeText(tolerance);
}

} // namespace tolerance::general
