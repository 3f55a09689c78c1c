// SPDX-License-Identifier: MIT
#include "tolerance/stack/member.h"

#include "tolerance/bearing/boundary.h"
#include "tolerance/bearing/ring_tolerances.h"
#include "tolerance/general/general_tolerance.h"
#include "tolerance/service/materials.h"
#include "tolerance/service/thermal.h"
#include "tolerance/stack/typed_text.h"

#include <cctype>
#include <charconv>

namespace tolerance::stack {

namespace {

constexpr double kHottest = 10'000.0; // °C: past any part that keeps its shape

constexpr std::string_view kBearing = "bearing:";

MemberFault faultOf(Field field, Fault fault)
{
    return {field, fault, std::nullopt, std::nullopt, std::nullopt};
}

bool isBearing(std::string_view text)
{
    if (text.size() < kBearing.size())
        return false;
    for (std::size_t i = 0; i < kBearing.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != kBearing[i])
            return false;
    return true;
}

// "bearing:CLASS d BORE" (a bore in mm) or "bearing:CLASS NUMBER" (a bearing of JIS B 1512, whose
// width the nominal must be): the inner ring's width deviation ΔBs, which a single radial
// bearing's outer ring shares.
std::variant<Deviations, MemberFault> bearingAt(std::string_view text, Length nominal)
{
    text.remove_prefix(kBearing.size());
    const std::size_t space = text.find(' ');
    const auto accuracy = bearing::accuracyClassNamed(text.substr(0, space));
    if (!accuracy)
        return faultOf(Field::Tolerance, Fault::BearingClass);
    if (space == std::string_view::npos)
        return faultOf(Field::Tolerance, Fault::BearingNeedsBore);
    std::string_view what = text.substr(space + 1);
    while (what.starts_with(' '))
        what.remove_prefix(1);
    Length bore = 0;
    if ((what.starts_with('d') || what.starts_with('D')) && what.size() > 1 &&
        std::isdigit(static_cast<unsigned char>(what[1]))) {
        const auto read = readNominal(what.substr(1));
        if (!std::holds_alternative<Length>(read) || std::get<Length>(read) == 0)
            return faultOf(Field::Tolerance, Fault::BearingNeedsBore);
        bore = std::get<Length>(read);
    } else {
        const auto named = bearing::bearingNamed(what);
        if (!std::holds_alternative<bearing::Bearing>(named))
            return faultOf(Field::Tolerance, Fault::BearingNumber);
        const bearing::Bearing& found = std::get<bearing::Bearing>(named);
        if (found.type == bearing::BearingType::TaperedRoller)
            return faultOf(Field::Tolerance, Fault::BearingTapered);
        if (nominal != found.width) {
            MemberFault fault = faultOf(Field::Tolerance, Fault::BearingWidth);
            fault.expected = found.width;
            return fault;
        }
        bore = found.bore;
    }
    const bearing::RingAnswer width = bearing::widthDeviation(*accuracy, bore);
    if (!std::holds_alternative<Deviations>(width))
        return faultOf(Field::Tolerance, Fault::BearingOutside);
    return std::get<Deviations>(width);
}

std::variant<Deviations, MemberFault> classAt(std::string_view code, Length nominal)
{
    auto parsed = parseClassCode(code);
    if (auto* error = std::get_if<ClassCodeError>(&parsed))
        return MemberFault{Field::Tolerance, Fault::NoSuchClass, std::move(*error), std::nullopt,
                           std::nullopt};
    if (nominal <= 0 || nominal > kLargestSize)
        return faultOf(Field::Tolerance, Fault::ClassNeedsSize);
    const std::optional<Deviations> deviations = deviationsOf(std::get<ClassCode>(parsed), nominal);
    if (!deviations)
        return faultOf(Field::Tolerance, Fault::NoValueAtSize);
    return *deviations;
}

// f, m, c or v alone: JIS B 0405's tolerance for linear sizes, the step by the nominal.
std::optional<general::GeneralClass> generalClassOf(std::string_view text)
{
    const auto named = general::generalClassNamed(text);
    if (!named || general::standardOf(*named) != general::Standard::JisB0405)
        return std::nullopt;
    return named;
}

std::variant<Deviations, MemberFault> generalAt(general::GeneralClass generalClass, Length nominal)
{
    const auto limits = general::linearLimits(generalClass, nominal);
    if (const auto* fault = std::get_if<general::GeneralFault>(&limits))
        return faultOf(Field::Tolerance, *fault == general::GeneralFault::NoValue
                                             ? Fault::GeneralNoValue
                                             : Fault::GeneralOutside);
    return std::get<Deviations>(limits);
}

std::variant<std::optional<double>, MemberFault> readCelsius(std::string_view typed)
{
    const std::string text = foldTyped(typed);
    if (text.empty())
        return std::optional<double>();
    double celsius = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), celsius, std::chars_format::fixed);
    // A decimal as people write it: "80", "-20.5"; no exponent, no "+", no ".5".
    if (!splitDecimal(text) || error != std::errc() || end != text.data() + text.size())
        return faultOf(Field::Temperature, Fault::NotANumber);
    if (celsius < service::kAbsoluteZeroCelsius)
        return faultOf(Field::Temperature, Fault::BelowAbsoluteZero);
    if (celsius > kHottest)
        return faultOf(Field::Temperature, Fault::TooLarge);
    return std::optional<double>(celsius);
}

} // namespace

std::optional<int> readDirection(std::string_view direction)
{
    const std::string text = foldTyped(direction);
    if (text == "+")
        return 1;
    if (text == "-")
        return -1;
    return std::nullopt;
}

std::variant<Length, MemberFault> readNominal(std::string_view typed)
{
    std::string text = foldTyped(typed);
    // ".5" and "5." as people write them.
    if (text.size() > 1 && text.front() == '.')
        text.insert(0, 1, '0');
    if (text.size() > 1 && text.back() == '.')
        text.pop_back();
    if (text.empty())
        return faultOf(Field::Nominal, Fault::Empty);
    const std::optional<Decimal> decimal = splitDecimal(text);
    if (!decimal)
        return faultOf(Field::Nominal, Fault::NotANumber);
    if (hasDigitsBeyond(*decimal, kNominalDecimals))
        return faultOf(Field::Nominal, Fault::TooManyDecimals);
    const std::optional<Length> magnitude = magnitudeOf(*decimal);
    if (magnitude && decimal->negative && *magnitude > 0)
        return faultOf(Field::Nominal, Fault::Negative);
    if (!magnitude || *magnitude > kLargestNominal)
        return faultOf(Field::Nominal, Fault::TooLarge);
    return *magnitude;
}

std::variant<Deviations, MemberFault> readTolerance(std::string_view typed, Length nominal)
{
    const std::string text = foldTyped(typed);
    if (text.empty())
        return faultOf(Field::Tolerance, Fault::Empty);
    if (const auto generalClass = generalClassOf(text))
        return generalAt(*generalClass, nominal);
    if (isBearing(text))
        return bearingAt(text, nominal);
    // A class begins with its letters; limits with a digit, a sign or "±".
    if (std::isalpha(static_cast<unsigned char>(text.front())))
        return classAt(text, nominal);
    const auto limits = parseLimits(text);
    if (const auto* fault = std::get_if<LimitsFault>(&limits))
        return MemberFault{Field::Tolerance, Fault::BadLimits, std::nullopt, *fault, std::nullopt};
    return std::get<Deviations>(limits);
}

std::variant<Member, MemberFault> readMember(const MemberText& text)
{
    Member member;
    member.name = text.name;
    if (foldTyped(text.direction).empty())
        return faultOf(Field::Direction, Fault::Empty);
    const std::optional<int> sign = readDirection(text.direction);
    if (!sign)
        return faultOf(Field::Direction, Fault::NotADirection);
    member.sign = *sign;

    const auto nominal = readNominal(text.nominal);
    if (const auto* fault = std::get_if<MemberFault>(&nominal))
        return *fault;
    member.nominal = std::get<Length>(nominal);

    const auto deviations = readTolerance(text.tolerance, member.nominal);
    if (const auto* fault = std::get_if<MemberFault>(&deviations))
        return *fault;
    member.deviations = std::get<Deviations>(deviations);
    const std::string tolerance = foldTyped(text.tolerance);
    member.tolerance = tolerance;
    member.kind = generalClassOf(tolerance) ? ToleranceKind::General
                  : isBearing(tolerance)    ? ToleranceKind::Bearing
                  : std::isalpha(static_cast<unsigned char>(tolerance.front()))
                      ? ToleranceKind::Class
                      : ToleranceKind::Limits;

    const std::string material = foldTyped(text.material);
    const service::Material* found = nullptr;
    if (!material.empty()) {
        found = service::findMaterial(material);
        if (!found)
            return faultOf(Field::Material, Fault::UnknownMaterial);
        member.material = std::string(found->name);
    }
    const auto celsius = readCelsius(text.temperature);
    if (const auto* fault = std::get_if<MemberFault>(&celsius))
        return *fault;
    member.celsius = std::get<std::optional<double>>(celsius);
    if (member.celsius && !found)
        return faultOf(Field::Temperature, Fault::TemperatureWithoutMaterial);
    if (member.celsius)
        member.growth = service::growthAt(member.nominal, found->figures.expansionPerMegaKelvin,
                                          *member.celsius);
    return member;
}

} // namespace tolerance::stack
