// SPDX-License-Identifier: MIT
#pragma once

#include "model/fit_query.h"

#include "tolerance/service/press_fit.h"
#include "tolerance/service/service_finder.h"
#include "tolerance/service/thermal.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QSettings;

// 使用条件: the fit in service as typed, read into the core's terms, and what the core answers
// for it. Each field's problem is in the user's words, ready to show under it.
namespace workbench {

enum class ServiceField
{
    HoleMaterial,
    ShaftMaterial,
    HoleCelsius,
    ShaftCelsius, // empty: as the hole's part
    HubOuter,
    ShaftBore, // empty: solid
    JointLength,
    Friction,
    HoleRz, // µm; both empty: nothing smoothed
    ShaftRz,
    Torque, // the finder's load, N·m
    AxialForce,
    Safety,
};
inline constexpr int kServiceFieldCount = int(ServiceField::Safety) + 1;

template <typename T> struct PerServiceField
{
    std::array<T, kServiceFieldCount> values{};

    T& operator[](ServiceField field) { return values[std::size_t(field)]; }
    const T& operator[](ServiceField field) const { return values[std::size_t(field)]; }
};

struct ServiceFields
{
    bool open = false; // the group is folded away until opened; closed, it asks nothing
    PerServiceField<QString> text;
};

struct ServiceAnswer
{
    PerServiceField<QString> problems;
    QString holeMaterial; // as the library spells them
    QString shaftMaterial;
    // What each material bears in the condition its figures are for.
    std::optional<tolerance::service::HeatLimit> holeHeatLimit;
    std::optional<tolerance::service::HeatLimit> shaftHeatLimit;
    std::optional<tolerance::service::Parts> parts;
    std::optional<tolerance::service::Temperatures> working;
    std::optional<tolerance::service::Joint> joint; // at the size above
    std::optional<tolerance::service::ServiceNeeds> needs;
    // Only for a complete fit above.
    std::optional<tolerance::service::ThermalFit> thermal;
    std::optional<tolerance::service::PressFit> press;

    // What the finder keeps the pairs by: a load given, with a joint the core can work out.
    std::optional<tolerance::service::ServiceSearch> search() const;
    // A temperature other than 20 °C for either part.
    bool warm() const;
};

ServiceAnswer serviceAnswerFor(const ServiceFields& fields, const Answer& fit);

// The library's names, in its order, for the material lists.
QStringList materialNames();

// A field's name in the store, and the name of its widget: "hubOuter".
QString serviceFieldKey(ServiceField field);

// Kept beside the last inputs, as typed, with whether the group was open.
ServiceFields loadServiceFields();
void saveServiceFields(const ServiceFields& fields);
// The same into a save under way, so that one save keeps the inputs and these together.
void writeServiceFields(QSettings& settings, const ServiceFields& fields);

} // namespace workbench
