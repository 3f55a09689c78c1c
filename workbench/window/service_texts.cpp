// SPDX-License-Identifier: MIT
#include "window/service_texts.h"

#include "window/fit_texts.h"

#include "tolerance/service/figures.h"

#include <cmath>

#include <QCoreApplication>

namespace {
// The words of this file, in the language in force.
struct ServiceTexts
{
    Q_DECLARE_TR_FUNCTIONS(ServiceTexts)
};
} // namespace

namespace serviceTexts {

namespace {

using namespace tolerance::service;
using tolerance::Length;
using workbench::Answer;
using workbench::ServiceAnswer;

const QString kNone = QStringLiteral("—");

QString plain(double value)
{
    return std::isfinite(value) ? QString::fromStdString(formatFigure(value)) : kNone;
}

// A part under no stress has no safety to give: said in words, as "inf" would read as a fault.
QString safety(const std::optional<double>& value)
{
    return value ? plain(*value) : ServiceTexts::tr("応力なし");
}

QString figure(double value, const char* unit)
{
    return plain(value) + u' ' + QString::fromUtf8(unit);
}

QString celsius(double value)
{
    return QString::fromStdString(formatCelsius(value)) + QStringLiteral(" °C");
}

QString mm(Length value)
{
    return fitTexts::millimetres(value) + QStringLiteral(" mm");
}

QString limitName(HeatLimitKind kind)
{
    switch (kind) {
    case HeatLimitKind::Tempering:
        return ServiceTexts::tr("焼戻し温度");
    case HeatLimitKind::Transformation:
        return ServiceTexts::tr("変態の始まる温度 (Ac1)");
    case HeatLimitKind::Sensitisation:
        return ServiceTexts::tr("鋭敏化の始まる温度");
    case HeatLimitKind::Decomposition:
        return ServiceTexts::tr("セメンタイトの分解が始まる温度");
    case HeatLimitKind::Stabilising:
        return ServiceTexts::tr("安定化処理の温度");
    case HeatLimitKind::Ageing:
        return ServiceTexts::tr("時効処理の温度");
    case HeatLimitKind::Annealing:
        return ServiceTexts::tr("焼なまし温度");
    case HeatLimitKind::MeltingOnset:
        return ServiceTexts::tr("溶け始める温度（固相線）");
    case HeatLimitKind::Mechanical:
        return ServiceTexts::tr("機械的に使える最高温度");
    case HeatLimitKind::ContinuousUse:
        break;
    }
    return ServiceTexts::tr("連続使用の最高温度");
}

// A part heated past what its material bears is no longer the part its figures describe.
void addHeatNote(QStringList& notes, const QString& what, double celsiusValue,
                 const QString& material, const std::optional<HeatLimit>& limit)
{
    if (!limit || celsiusValue <= limit->celsius)
        return;
    notes << ServiceTexts::tr("注意: %1 %2 は %3 の%4 %5 を超えます")
                 .arg(what, celsius(celsiusValue), material, limitName(limit->kind),
                      celsius(limit->celsius));
}

void addThermal(Lines& lines, const Answer& fit, const ThermalFit& at)
{
    const Length d = *fit.diameter;
    const tolerance::Limits hole = tolerance::limitsOfSize(d, at.hole);
    const tolerance::Limits shaft = tolerance::limitsOfSize(d, at.shaft);
    const tolerance::Fit& cold = *fit.pair;
    // Clearances signed, as the finder's bounds are typed: negative for an interference, so one
    // row compares a fit whose type changes.
    lines.rows += {
        {QStringLiteral("holeMaximumWarm"), ServiceTexts::tr("穴の最大許容寸法"),
         mm(fit.hole->maximum), mm(hole.maximum)},
        {QStringLiteral("holeMinimumWarm"), ServiceTexts::tr("穴の最小許容寸法"),
         mm(fit.hole->minimum), mm(hole.minimum)},
        {QStringLiteral("shaftMaximumWarm"), ServiceTexts::tr("軸の最大許容寸法"),
         mm(fit.shaft->maximum), mm(shaft.maximum)},
        {QStringLiteral("shaftMinimumWarm"), ServiceTexts::tr("軸の最小許容寸法"),
         mm(fit.shaft->minimum), mm(shaft.minimum)},
        {QStringLiteral("maximumClearanceWarm"), ServiceTexts::tr("最大すきま（負はしめしろ）"),
         mm(cold.maximumClearance), mm(at.fit.maximumClearance)},
        {QStringLiteral("minimumClearanceWarm"), ServiceTexts::tr("最小すきま（負はしめしろ）"),
         mm(cold.minimumClearance), mm(at.fit.minimumClearance)},
        {QStringLiteral("fitKindWarm"), ServiceTexts::tr("はめあいの種類"),
         fitTexts::typeName(cold.type), fitTexts::typeName(at.fit.type)},
    };
    if (at.fit.type != at.typeAt20)
        lines.notes << ServiceTexts::tr("%1 では%2から%3に変わります")
                           .arg(lines.workingHead, fitTexts::typeName(at.typeAt20),
                                fitTexts::typeName(at.fit.type));
}

// One temperature's figures, each blank where its end of the fit has yielded.
QStringList stateFigures(const PressState& s)
{
    const bool minHolds = !s.hubYieldsAtMin && !s.shaftYieldsAtMin;
    const bool maxHolds = !s.hubYieldsAtMax() && !s.shaftYieldsAtMax();
    const auto atMin = [&](const QString& text) { return minHolds ? text : kNone; };
    const auto atMax = [&](const QString& text) { return maxHolds ? text : kNone; };
    return {mm(s.interferenceMin),
            mm(s.interferenceMax),
            atMin(figure(s.pressureMinMpa, "MPa")),
            atMin(figure(s.torqueMinNm, "N·m")),
            atMin(figure(s.axialForceMinN / 1000, "kN")),
            atMax(figure(s.pressureMaxMpa, "MPa")),
            atMax(figure(s.pressInForceMaxN / 1000, "kN")),
            atMax(figure(s.hubTangentialMaxMpa, "MPa")),
            atMax(figure(s.hubEquivalentMaxMpa, "MPa")),
            atMax(safety(s.hubSafety)),
            atMax(figure(s.shaftEquivalentMaxMpa, "MPa")),
            atMax(safety(s.shaftSafety))};
}

void addStateNotes(QStringList& notes, const PressState& s, const QString& where)
{
    if (!s.holdsForCertain)
        notes << ServiceTexts::tr("%1最小しめしろが残らないので、摩擦で保持できるとは限りません"
                                  "（すきまばめ・中間ばめ）")
                     .arg(where);
    QString bores;
    if (s.hubYieldsAtMax() && s.shaftYieldsAtMax())
        bores = ServiceTexts::tr("ハブの内径と軸の内径");
    else if (s.hubYieldsAtMax())
        bores = ServiceTexts::tr("ハブの内径");
    else if (s.shaftYieldsAtMax())
        bores = ServiceTexts::tr("軸の内径");
    else
        return;
    const bool atMin = s.hubYieldsAtMin || s.shaftYieldsAtMin;
    notes << (atMin
                  ? ServiceTexts::tr("%1%2が最小しめしろでも降伏します。降伏を超えると弾性の計算は"
                                     "成り立たないので、その数値は示しません")
                  : ServiceTexts::tr("%1%2が最大しめしろで降伏します。降伏を超えると弾性の計算は"
                                     "成り立たないので、その数値は示しません"))
                 .arg(where, bores);
}

void addPress(Lines& lines, const PressFit& press, const ServiceAnswer& service)
{
    if (!press.elastic) {
        lines.notes << ServiceTexts::tr("樹脂の部品は弾性の計算の外です: 圧入は計算しません"
                                        "（温度の計算だけ）");
        return;
    }
    static const std::pair<const char*, const char*> rows[] = {
        {"interferenceMin", QT_TRANSLATE_NOOP("ServiceTexts", "実効しめしろ（最小）")},
        {"interferenceMax", QT_TRANSLATE_NOOP("ServiceTexts", "実効しめしろ（最大）")},
        {"pressureMin", QT_TRANSLATE_NOOP("ServiceTexts", "面圧（最小しめしろ）")},
        {"torqueMin", QT_TRANSLATE_NOOP("ServiceTexts", "伝達トルク")},
        {"axialForceMin", QT_TRANSLATE_NOOP("ServiceTexts", "軸方向の保持力")},
        {"pressureMax", QT_TRANSLATE_NOOP("ServiceTexts", "面圧（最大しめしろ）")},
        {"pressInForceMax", QT_TRANSLATE_NOOP("ServiceTexts", "圧入力")},
        {"hubTangentialMax", QT_TRANSLATE_NOOP("ServiceTexts", "ハブ内径の円周応力")},
        {"hubEquivalentMax", QT_TRANSLATE_NOOP("ServiceTexts", "ハブ内径の相当応力")},
        {"hubSafety", QT_TRANSLATE_NOOP("ServiceTexts", "ハブの降伏に対する安全率")},
        {"shaftEquivalentMax", QT_TRANSLATE_NOOP("ServiceTexts", "軸の相当応力")},
        {"shaftSafety", QT_TRANSLATE_NOOP("ServiceTexts", "軸の降伏に対する安全率")},
    };
    const QStringList cold = stateFigures(press.at20);
    const QStringList warm = press.atWorking ? stateFigures(*press.atWorking) : QStringList();
    for (qsizetype i = 0; i < cold.size(); ++i)
        lines.rows += {QString::fromLatin1(rows[i].first), ServiceTexts::tr(rows[i].second),
                       cold[i], warm.value(i)};
    lines.rows +=
        {QStringLiteral("assemblyTemperature"), ServiceTexts::tr("焼きばめのハブ温度"),
         press.assemblyCelsius ? celsius(*press.assemblyCelsius) : ServiceTexts::tr("不要"),
         QString()};
    if (press.assemblyCelsius)
        lines.notes << ServiceTexts::tr("焼きばめ: 軸は 20 °C、はめあいすきま %1")
                           .arg(mm(press.joiningClearance));
    else
        lines.notes << ServiceTexts::tr("焼きばめ: 最小すきま %1 がはめあいすきま %2 以上あるので、"
                                        "加熱せずにはまります")
                           .arg(mm(press.joiningClearance - press.assemblyOpening),
                                mm(press.joiningClearance));
    if (press.assemblyCelsius)
        addHeatNote(lines.notes, ServiceTexts::tr("焼きばめのハブ温度"), *press.assemblyCelsius,
                    service.holeMaterial, service.holeHeatLimit);
    lines.notes << (service.joint->roughness
                        ? ServiceTexts::tr("しめしろから 0.4 ×（穴と軸の Rz の和）= %1 を差し引き"
                                           "ます（DIN 7190-1:2017）")
                              .arg(mm(press.smoothing))
                        : ServiceTexts::tr("粗さの入力がないので、しめしろは平滑化していません"));
    addStateNotes(lines.notes, press.at20, QStringLiteral("20 °C: "));
    if (press.atWorking)
        addStateNotes(lines.notes, *press.atWorking, lines.workingHead + QStringLiteral(": "));
}

} // namespace

QString celsiusText(double value)
{
    return celsius(value);
}

QString temperatureText(const Temperatures& working)
{
    if (working.holeCelsius == working.shaftCelsius)
        return celsius(working.holeCelsius);
    return ServiceTexts::tr("穴 %1・軸 %2")
        .arg(celsius(working.holeCelsius), celsius(working.shaftCelsius));
}

Lines linesOf(const Answer& fit, const ServiceAnswer& service)
{
    Lines lines;
    if (service.working) {
        lines.workingHead = temperatureText(*service.working);
        addHeatNote(lines.notes, ServiceTexts::tr("穴の部品の温度"), service.working->holeCelsius,
                    service.holeMaterial, service.holeHeatLimit);
        addHeatNote(lines.notes, ServiceTexts::tr("軸の温度"), service.working->shaftCelsius,
                    service.shaftMaterial, service.shaftHeatLimit);
    }
    if (service.thermal)
        addThermal(lines, fit, *service.thermal);
    if (service.press)
        addPress(lines, *service.press, service);
    return lines;
}

QString copyLines(const Answer& fit, const ServiceAnswer& service)
{
    if (!service.thermal && !service.press)
        return {};
    const Lines lines = linesOf(fit, service);
    QString text =
        ServiceTexts::tr("使用条件 穴 %1 軸 %2").arg(service.holeMaterial, service.shaftMaterial);
    if (service.working)
        text += u' ' + lines.workingHead;
    text += u'\n';
    const bool warm = !lines.workingHead.isEmpty();
    for (const Row& row : lines.rows) {
        text += row.meaning + u' ' + row.at20;
        if (warm && !row.atWorking.isEmpty())
            text += ServiceTexts::tr("（%1 で %2）").arg(lines.workingHead, row.atWorking);
        text += u'\n';
    }
    for (const QString& note : lines.notes)
        text += note + u'\n';
    return text;
}

} // namespace serviceTexts
