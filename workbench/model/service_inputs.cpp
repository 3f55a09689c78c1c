// SPDX-License-Identifier: MIT
#include "model/service_inputs.h"

#include "model/last_inputs.h"

#include "tolerance/service/materials.h"

namespace workbench {

namespace {

using namespace tolerance::service;
using F = ServiceField;

constexpr double kNmPerMm = double(tolerance::kNanometresPerMm);

QString asTyped(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).trimmed();
}

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Every figure of the group is a plain decimal, as the finder's bounds are: read the same way,
// exactly, then as a double where the physics wants one.
struct Reader
{
    const ServiceFields& fields;
    ServiceAnswer& answer;

    bool typed(F field) const { return !asTyped(fields.text[field]).isEmpty(); }

    std::optional<Length> length(F field) const
    {
        const BoundReading reading = readBound(fields.text[field]);
        answer.problems[field] = reading.problem;
        return reading.value;
    }

    std::optional<double> number(F field) const
    {
        const std::optional<Length> value = length(field);
        return value ? std::optional(double(*value) / kNmPerMm) : std::nullopt;
    }

    void refuse(F field, const QString& problem) const
    {
        if (answer.problems[field].isEmpty())
            answer.problems[field] = problem;
    }

    // A value that must not be below 0; nothing when it is, with the problem under its field.
    std::optional<Length> notNegative(F field) const
    {
        const std::optional<Length> value = length(field);
        if (value && *value < 0) {
            refuse(field, QStringLiteral("0 以上の値を入力してください"));
            return std::nullopt;
        }
        return value;
    }
};

const Material* materialOf(const Reader& in, F field)
{
    const QString name = asTyped(in.fields.text[field]);
    if (name.isEmpty())
        return nullptr;
    const Material* found = findMaterial(name.toStdString());
    if (!found)
        in.refuse(field, QStringLiteral("%1: この材料は一覧にありません").arg(name));
    return found;
}

void readMaterials(const Reader& in)
{
    const Material* hole = materialOf(in, F::HoleMaterial);
    const Material* shaft = materialOf(in, F::ShaftMaterial);
    if (hole)
        in.answer.holeMaterial = qt(hole->name);
    if (shaft)
        in.answer.shaftMaterial = qt(shaft->name);
    if (hole && shaft)
        in.answer.parts = Parts{hole->figures, shaft->figures};
}

std::optional<double> celsiusOf(const Reader& in, F field)
{
    const std::optional<double> value = in.number(field);
    if (value && *value < kAbsoluteZeroCelsius) {
        in.refuse(field, QStringLiteral("絶対零度 (-273.15 °C) より低い温度です"));
        return std::nullopt;
    }
    return value;
}

void readTemperatures(const Reader& in)
{
    const std::optional<double> hole = celsiusOf(in, F::HoleCelsius);
    const std::optional<double> shaft = celsiusOf(in, F::ShaftCelsius);
    const bool bad = !in.answer.problems[F::HoleCelsius].isEmpty() ||
                     !in.answer.problems[F::ShaftCelsius].isEmpty();
    if (bad || (!hole && !shaft))
        return;
    // The shaft as the hole's part unless told; a shaft's temperature alone leaves the hub at 20.
    const double holeCelsius = hole.value_or(kReferenceCelsius);
    in.answer.working = Temperatures{holeCelsius, shaft.value_or(holeCelsius)};
}

void readNeeds(const Reader& in)
{
    const std::optional<Length> torque = in.notNegative(F::Torque);
    const std::optional<Length> axial = in.notNegative(F::AxialForce);
    const std::optional<Length> safety = in.notNegative(F::Safety);
    if (safety && *safety == 0)
        in.refuse(F::Safety, QStringLiteral("0 より大きい安全率を入力してください"));
    for (const F field : {F::Torque, F::AxialForce, F::Safety})
        if (!in.answer.problems[field].isEmpty())
            return;
    if (!torque && !axial)
        return;
    in.answer.needs =
        ServiceNeeds{double(torque.value_or(0)) / kNmPerMm, double(axial.value_or(0)) / kNmPerMm,
                     safety ? double(*safety) / kNmPerMm : 1.0};
}

QString sizeText(Length value)
{
    return QString::fromStdString(tolerance::formatDiameter(value));
}

// The hub over the size, the bore under it, a length over 0, a friction of 0 to 1.
void checkJoint(const Reader& in, Joint& joint, std::optional<Length> diameter)
{
    if (joint.length <= 0)
        in.refuse(F::JointLength, QStringLiteral("0 より長いはめあい長さを入力してください"));
    if (joint.friction < 0 || joint.friction > 1)
        in.refuse(F::Friction, QStringLiteral("摩擦係数は 0～1 です（例: 0.15）"));
    if (!diameter)
        return;
    joint.diameter = *diameter;
    if (joint.hubOuter <= *diameter)
        in.refuse(
            F::HubOuter,
            QStringLiteral("ハブ外径は呼び寸法 %1 mm より大きくします").arg(sizeText(*diameter)));
    if (joint.shaftBore >= *diameter)
        in.refuse(
            F::ShaftBore,
            QStringLiteral("軸の内径は呼び寸法 %1 mm より小さくします").arg(sizeText(*diameter)));
}

void readJoint(const Reader& in, std::optional<Length> diameter)
{
    const std::optional<Length> hub = in.notNegative(F::HubOuter);
    const std::optional<Length> bore = in.notNegative(F::ShaftBore);
    const std::optional<Length> length = in.notNegative(F::JointLength);
    const std::optional<double> friction = in.number(F::Friction);
    const std::optional<Length> holeRz = in.notNegative(F::HoleRz);
    const std::optional<Length> shaftRz = in.notNegative(F::ShaftRz);
    bool asked = false;
    for (const F field :
         {F::HubOuter, F::ShaftBore, F::JointLength, F::Friction, F::HoleRz, F::ShaftRz})
        asked = asked || in.typed(field);
    if (!asked)
        return;
    for (const F field : {F::HubOuter, F::JointLength, F::Friction})
        if (!in.typed(field))
            in.refuse(field, QStringLiteral("圧入の計算に要ります"));
    if (!hub || !length || !friction)
        return;
    Joint joint{};
    joint.hubOuter = *hub;
    joint.shaftBore = bore.value_or(0);
    joint.length = *length;
    joint.friction = *friction;
    // µm typed; a thousandth of the millimetres read, exact to the nanometre.
    if (holeRz || shaftRz)
        joint.roughness = Roughness{holeRz.value_or(0) / 1000, shaftRz.value_or(0) / 1000};
    checkJoint(in, joint, diameter);
    for (const F field :
         {F::HubOuter, F::ShaftBore, F::JointLength, F::Friction, F::HoleRz, F::ShaftRz})
        if (!in.answer.problems[field].isEmpty())
            return;
    if (diameter)
        in.answer.joint = joint;
}

// Whatever else was typed asks for both materials.
void askMaterials(const Reader& in)
{
    bool asked = false;
    for (int i = int(F::HoleCelsius); i < kServiceFieldCount; ++i)
        asked = asked || in.typed(F(i));
    if (!asked)
        return;
    for (const F field : {F::HoleMaterial, F::ShaftMaterial})
        if (!in.typed(field))
            in.refuse(field, QStringLiteral("材料を選んでください（温度と圧入の計算に要ります）"));
}

void work(ServiceAnswer& answer, const Answer& fit)
{
    if (!fit.complete() || !fit.diameter || !answer.parts)
        return;
    const tolerance::Deviations hole{fit.hole->upper, fit.hole->lower};
    const tolerance::Deviations shaft{fit.shaft->upper, fit.shaft->lower};
    const Parts& parts = *answer.parts;
    if (answer.working)
        answer.thermal = fitAt(*fit.diameter, hole, shaft, parts.hub.expansionPerMegaKelvin,
                               parts.shaft.expansionPerMegaKelvin, *answer.working);
    if (answer.joint)
        answer.press = pressFitOf(*answer.joint, parts, hole, shaft, answer.working);
}

} // namespace

std::optional<ServiceSearch> ServiceAnswer::search() const
{
    if (!needs || !joint || !parts || !parts->hub.elastic || !parts->shaft.elastic)
        return std::nullopt;
    return ServiceSearch{*joint, *parts, working, *needs};
}

bool ServiceAnswer::warm() const
{
    return working && (working->holeCelsius != kReferenceCelsius ||
                       working->shaftCelsius != kReferenceCelsius);
}

ServiceAnswer serviceAnswerFor(const ServiceFields& fields, const Answer& fit)
{
    ServiceAnswer answer;
    if (!fields.open)
        return answer;
    const Reader in{fields, answer};
    readMaterials(in);
    readTemperatures(in);
    readNeeds(in);
    readJoint(in, fit.diameter);
    askMaterials(in);
    if (answer.needs && !answer.joint && answer.problems[F::Torque].isEmpty())
        in.refuse(in.typed(F::Torque) ? F::Torque : F::AxialForce,
                  QStringLiteral("荷重で探すには圧入の欄（ハブ外径・長さ・摩擦係数）が要ります"));
    // The press fit's answer says so too; the finder would otherwise keep nothing unexplained.
    if (answer.parts && (!answer.parts->hub.elastic || !answer.parts->shaft.elastic) &&
        answer.needs)
        in.refuse(answer.parts->hub.elastic ? F::ShaftMaterial : F::HoleMaterial,
                  QStringLiteral("樹脂は温度だけ: 圧入は弾性の計算の外です"));
    work(answer, fit);
    return answer;
}

QString serviceFieldKey(ServiceField field)
{
    static const char* const keys[kServiceFieldCount] = {
        "holeMaterial", "shaftMaterial", "holeCelsius", "shaftCelsius", "hubOuter",
        "shaftBore",    "jointLength",   "friction",    "holeRz",       "shaftRz",
        "torque",       "axialForce",    "safety"};
    return QString::fromLatin1(keys[int(field)]);
}

ServiceFields loadServiceFields()
{
    QSettings settings = lastInputs::store();
    settings.beginGroup(QStringLiteral("service"));
    ServiceFields fields;
    fields.open = settings.value(QStringLiteral("open"), false).toBool();
    for (int i = 0; i < kServiceFieldCount; ++i)
        fields.text[F(i)] = settings.value(serviceFieldKey(F(i))).toString();
    return fields;
}

void writeServiceFields(QSettings& settings, const ServiceFields& fields)
{
    settings.beginGroup(QStringLiteral("service"));
    settings.setValue(QStringLiteral("open"), fields.open);
    for (int i = 0; i < kServiceFieldCount; ++i)
        settings.setValue(serviceFieldKey(F(i)), fields.text[F(i)]);
    settings.endGroup();
}

void saveServiceFields(const ServiceFields& fields)
{
    lastInputs::write(u"the conditions of use",
                      [&](QSettings& settings) { writeServiceFields(settings, fields); });
}

QStringList materialNames()
{
    QStringList names;
    for (const Material& material : materialLibrary())
        names << qt(material.name);
    return names;
}

} // namespace workbench
