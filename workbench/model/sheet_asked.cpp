// SPDX-License-Identifier: MIT
#include "model/sheet_asked.h"

#include "model/side_input.h"

#include "tolerance/iso286.h"

namespace workbench {

namespace {

using namespace tolerance::sheet;
using F = ServiceField;

std::string typedText(const QString& text)
{
    return text.trimmed().toStdString();
}

// A bearing's ring is named by the text typed for it, which the figures keep only as a name.
SideAsked sideOf(const SideFigures& side, tolerance::Side which, const QString& typed)
{
    if (side.classCode)
        return *side.classCode;
    if (side.bearingRing())
        if (const auto ring = readSide(which, typed).ring)
            return RingAsked{ring->ring, ring->accuracy};
    return tolerance::Deviations{side.upper, side.lower};
}

// The fields the fit's answer reads; the load is the finder's alone.
constexpr F kFitFields[] = {F::HoleMaterial, F::ShaftMaterial, F::HoleCelsius, F::ShaftCelsius,
                            F::HubOuter,     F::ShaftBore,     F::JointLength, F::Friction,
                            F::HoleRz,       F::ShaftRz};

MaterialAsked materialOf(const QString& name, const tolerance::service::MaterialFigures& figures)
{
    const std::string spelled = name.toStdString();
    return {spelled, tolerance::service::findMaterial(spelled), figures};
}

void addService(FitAsked& asked, const ServiceFields& fields, const ServiceAnswer& service)
{
    if (!service.parts)
        return;
    asked.service = ServiceAsked{materialOf(service.holeMaterial, service.parts->hub),
                                 materialOf(service.shaftMaterial, service.parts->shaft),
                                 service.working, service.joint};
    TypedInputs& typed = asked.typed;
    std::string* const texts[] = {&typed.holeMaterial, &typed.shaftMaterial, &typed.holeCelsius,
                                  &typed.shaftCelsius, &typed.hubOuter,      &typed.shaftBore,
                                  &typed.length,       &typed.friction,      &typed.holeRz,
                                  &typed.shaftRz};
    for (std::size_t i = 0; i < std::size(kFitFields); ++i)
        *texts[i] = typedText(fields.text[kFitFields[i]]);
}

} // namespace

std::optional<FitAsked> sheetAsked(const Inputs& typed, const Answer& fit,
                                   const ServiceFields& fields, const ServiceAnswer& service,
                                   tolerance::Distribution distribution)
{
    if (!fit.complete() || !fit.diameter)
        return std::nullopt;
    if (fields.open)
        for (const F field : kFitFields)
            if (!service.problems[field].isEmpty())
                return std::nullopt;
    FitAsked asked;
    const auto step = tolerance::stepOf(*fit.diameter);
    asked.size = {fit.diameter, *fit.diameter,
                  step ? std::string(tolerance::sizeSteps()[*step].label) : std::string()};
    asked.hole = sideOf(*fit.hole, tolerance::Side::Hole, typed.hole);
    asked.shaft = sideOf(*fit.shaft, tolerance::Side::Shaft, typed.shaft);
    asked.edition = typed.edition;
    asked.distribution = distribution;
    asked.typed.size = typedText(typed.size);
    asked.typed.hole = typedText(typed.hole);
    asked.typed.shaft = typedText(typed.shaft);
    if (fields.open)
        addService(asked, fields, service);
    return asked;
}

} // namespace workbench
