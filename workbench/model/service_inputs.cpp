// SPDX-License-Identifier: MIT
#include "model/service_inputs.h"

#include "model/last_inputs.h"

#include "tolerance/service/materials.h"

#include <QCoreApplication>

namespace {
// The words of this file, in the language in force.
struct ServiceInputWords
{
    Q_DECLARE_TR_FUNCTIONS(ServiceInputWords)
};
} // namespace

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

// Each number field in its own words: what it is called in a sentence and what a good entry
// looks like, in the order of ServiceField from the hole's temperature on.
struct NumberWords
{
    const char* name;
    const char16_t* example;
};
constexpr NumberWords kNumberWords[] = {
    {QT_TRANSLATE_NOOP("ServiceInputWords", "温度"), u"80"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "温度"), u"80"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "ハブ外径"), u"80"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "軸の内径"), u"20"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "はめあい長さ"), u"40"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "摩擦係数"), u"0.15"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "粗さ Rz"), u"6.3"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "粗さ Rz"), u"4"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "トルク"), u"500"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "軸方向力"), u"10000"},
    {QT_TRANSLATE_NOOP("ServiceInputWords", "安全率"), u"1.5"},
};

const NumberWords& wordsOf(F field)
{
    return kNumberWords[int(field) - int(F::HoleCelsius)];
}

QString example(F field)
{
    return QString::fromUtf16(wordsOf(field).example);
}

QString problemOf(F field, NumberFault fault)
{
    const QString name = ServiceInputWords::tr(wordsOf(field).name);
    switch (fault) {
    case NumberFault::None:
        return {};
    case NumberFault::Comma:
        return ServiceInputWords::tr("小数点は「.」で入力してください（例: %1）")
            .arg(example(field));
    case NumberFault::Exponent:
        return ServiceInputWords::tr(
            "指数表記（1e4 など）は使えません。10000 のように入力してください");
    case NumberFault::TooFine:
        return ServiceInputWords::tr("%1の小数は 4 桁までです（例: %2）").arg(name, example(field));
    case NumberFault::TooLarge:
        return ServiceInputWords::tr("%1が大きすぎます（例: %2）").arg(name, example(field));
    case NumberFault::NotANumber:
        break;
    }
    return ServiceInputWords::tr("%1は数字で入力してください（例: %2）").arg(name, example(field));
}

// What each number field takes, said under it when it is broken: the same bounds as the
// command line's.
QString ruleOf(F field)
{
    switch (field) {
    case F::HoleCelsius:
    case F::ShaftCelsius:
        return ServiceInputWords::tr("温度は 1000 °C までです（例: 80）");
    case F::HubOuter:
        return ServiceInputWords::tr("ハブ外径は穴より大きい数です（例: 80）");
    case F::ShaftBore:
        return ServiceInputWords::tr("軸の内径は 0（中実）以上です（例: 20）");
    case F::JointLength:
        return ServiceInputWords::tr("0 より長いはめあい長さを入力してください（例: 40）");
    case F::Friction:
        return ServiceInputWords::tr("摩擦係数は 0 より大きく 1 以下です（例: 0.15）");
    case F::Safety:
        return ServiceInputWords::tr("安全率は 0 より大きい数です（例: 1.5）");
    default:
        break;
    }
    return ServiceInputWords::tr("%1は 0 以上です（例: %2）")
        .arg(ServiceInputWords::tr(wordsOf(field).name), example(field));
}

// Every figure of the group is a plain decimal, read exactly, then as a double where the physics
// wants one.
struct Reader
{
    const ServiceFields& fields;
    ServiceAnswer& answer;

    bool typed(F field) const { return !asTyped(fields.text[field]).isEmpty(); }

    std::optional<Length> length(F field) const
    {
        const NumberReading reading = readNumber(fields.text[field]);
        answer.problems[field] = problemOf(field, reading.fault);
        return reading.value;
    }

    void refuse(F field, const QString& problem) const
    {
        if (answer.problems[field].isEmpty())
            answer.problems[field] = problem;
    }

    // A value kept within its field's rule (least and most in millionths, either end open);
    // nothing when it is not, with the rule under its field.
    std::optional<Length> within(F field, Length least, bool leastTaken,
                                 std::optional<Length> most = std::nullopt) const
    {
        const std::optional<Length> value = length(field);
        if (!value)
            return value;
        if (*value < least || (!leastTaken && *value == least) || (most && *value > *most)) {
            refuse(field, ruleOf(field));
            return std::nullopt;
        }
        return value;
    }

    std::optional<double> asDouble(std::optional<Length> value) const
    {
        return value ? std::optional(double(*value) / kNmPerMm) : std::nullopt;
    }
};

const Material* materialOf(const Reader& in, F field)
{
    const QString name = asTyped(in.fields.text[field]);
    if (name.isEmpty())
        return nullptr;
    const Material* found = findMaterial(name.toStdString());
    if (!found)
        in.refuse(field, ServiceInputWords::tr("%1: この材料は一覧にありません").arg(name));
    return found;
}

void readMaterials(const Reader& in)
{
    const Material* hole = materialOf(in, F::HoleMaterial);
    const Material* shaft = materialOf(in, F::ShaftMaterial);
    if (hole) {
        in.answer.holeMaterial = qt(hole->name);
        in.answer.holeHeatLimit = hole->heatLimit;
    }
    if (shaft) {
        in.answer.shaftMaterial = qt(shaft->name);
        in.answer.shaftHeatLimit = shaft->heatLimit;
    }
    if (hole && shaft)
        in.answer.parts = Parts{hole->figures, shaft->figures};
}

std::optional<double> celsiusOf(const Reader& in, F field)
{
    const std::optional<Length> value = in.length(field);
    if (value && double(*value) / kNmPerMm < kAbsoluteZeroCelsius) {
        in.refuse(field, ServiceInputWords::tr("絶対零度 (-273.15 °C) より低い温度です"));
        return std::nullopt;
    }
    if (value && double(*value) / kNmPerMm > kHighestCelsius) {
        in.refuse(field, ruleOf(field));
        return std::nullopt;
    }
    return in.asDouble(value);
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
    const std::optional<Length> torque = in.within(F::Torque, 0, true);
    const std::optional<Length> axial = in.within(F::AxialForce, 0, true);
    const std::optional<Length> safety = in.within(F::Safety, 0, false);
    for (const F field : {F::Torque, F::AxialForce, F::Safety})
        if (!in.answer.problems[field].isEmpty())
            return;
    if (!torque && !axial)
        return;
    in.answer.needs = ServiceNeeds{in.asDouble(torque).value_or(0), in.asDouble(axial).value_or(0),
                                   in.asDouble(safety).value_or(1.0)};
}

QString sizeText(Length value)
{
    return QString::fromStdString(tolerance::formatDiameter(value));
}

QString millimetres(Length value)
{
    return QString::fromStdString(tolerance::formatMillimetres(value));
}

// The hub over the bore's greatest size, the bore under the shaft's least: against the nominal
// size only while the fit is not complete.
void checkWalls(const Reader& in, const Joint& joint, const Answer& fit)
{
    if (fit.complete()) {
        const WallBounds bounds = wallBoundsOf(*fit.diameter, {fit.hole->upper, fit.hole->lower},
                                               {fit.shaft->upper, fit.shaft->lower});
        if (joint.hubOuter <= bounds.hubOver)
            in.refuse(F::HubOuter,
                      ServiceInputWords::tr("ハブ外径は穴の最大許容寸法 %1 mm より大きくします")
                          .arg(millimetres(bounds.hubOver)));
        if (joint.shaftBore != 0 && joint.shaftBore >= bounds.boreUnder)
            in.refuse(F::ShaftBore,
                      ServiceInputWords::tr("軸の内径は軸の最小許容寸法 %1 mm より小さくします")
                          .arg(millimetres(bounds.boreUnder)));
        return;
    }
    const Length d = *fit.diameter;
    if (joint.hubOuter <= d)
        in.refuse(
            F::HubOuter,
            ServiceInputWords::tr("ハブ外径は呼び寸法 %1 mm より大きくします").arg(sizeText(d)));
    if (joint.shaftBore >= d)
        in.refuse(
            F::ShaftBore,
            ServiceInputWords::tr("軸の内径は呼び寸法 %1 mm より小さくします").arg(sizeText(d)));
}

// Both surfaces' Rz or neither: one alone could be either surface's, or their sum.
std::optional<Roughness> roughnessOf(const Reader& in)
{
    const std::optional<Length> hole = in.within(F::HoleRz, 0, true);
    const std::optional<Length> shaft = in.within(F::ShaftRz, 0, true);
    if (in.typed(F::HoleRz) != in.typed(F::ShaftRz)) {
        // Asked for once the one typed is a figure: one fault at a time.
        if (hole || shaft)
            in.refuse(hole ? F::ShaftRz : F::HoleRz,
                      ServiceInputWords::tr("穴と軸の両方の Rz を入力します（滑らかなら 0）"));
        return std::nullopt;
    }
    if (!hole || !shaft)
        return std::nullopt;
    // µm typed; a thousandth of the millimetres read, exact to the nanometre.
    return Roughness{*hole / 1000, *shaft / 1000};
}

void readJoint(const Reader& in, const Answer& fit)
{
    const std::optional<Length> hub = in.within(F::HubOuter, 0, false);
    const std::optional<Length> bore = in.within(F::ShaftBore, 0, true);
    const std::optional<Length> length = in.within(F::JointLength, 0, false);
    const std::optional<Length> friction =
        in.within(F::Friction, 0, false, tolerance::kNanometresPerMm);
    const std::optional<Roughness> roughness = roughnessOf(in);
    bool asked = false;
    for (const F field :
         {F::HubOuter, F::ShaftBore, F::JointLength, F::Friction, F::HoleRz, F::ShaftRz})
        asked = asked || in.typed(field);
    if (!asked)
        return;
    for (const F field : {F::HubOuter, F::JointLength, F::Friction})
        if (!in.typed(field))
            in.refuse(field,
                      ServiceInputWords::tr("圧入の計算に要ります（例: %1）").arg(example(field)));
    if (!hub || !length || !friction)
        return;
    Joint joint{};
    joint.hubOuter = *hub;
    joint.shaftBore = bore.value_or(0);
    joint.length = *length;
    joint.friction = *in.asDouble(friction);
    joint.roughness = roughness;
    if (fit.diameter) {
        joint.diameter = *fit.diameter;
        checkWalls(in, joint, fit);
    }
    for (const F field :
         {F::HubOuter, F::ShaftBore, F::JointLength, F::Friction, F::HoleRz, F::ShaftRz})
        if (!in.answer.problems[field].isEmpty())
            return;
    if (fit.diameter)
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
            in.refuse(field,
                      ServiceInputWords::tr("材料を選んでください（温度と圧入の計算に要ります）"));
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
    readJoint(in, fit);
    askMaterials(in);
    if (answer.needs && !answer.joint && answer.problems[F::Torque].isEmpty())
        in.refuse(
            in.typed(F::Torque) ? F::Torque : F::AxialForce,
            ServiceInputWords::tr("荷重で探すには圧入の欄（ハブ外径・長さ・摩擦係数）が要ります"));
    // The press fit's answer says so too; the finder would otherwise keep nothing unexplained.
    if (answer.parts && (!answer.parts->hub.elastic || !answer.parts->shaft.elastic) &&
        answer.needs)
        in.refuse(answer.parts->hub.elastic ? F::ShaftMaterial : F::HoleMaterial,
                  ServiceInputWords::tr("樹脂は温度だけ: 圧入は弾性の計算の外です"));
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
