// SPDX-License-Identifier: MIT
#include "model/bearing_side.h"

#include "tolerance/bearing/boundary.h"

#include <array>
#include <variant>

namespace workbench {

using namespace tolerance::bearing;
using tolerance::Length;

namespace {

constexpr std::array kRadialClasses{AccuracyClass::Class0, AccuracyClass::Class6,
                                    AccuracyClass::Class5, AccuracyClass::Class4,
                                    AccuracyClass::Class2};

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString ringWord(Ring ring)
{
    return ring == Ring::Inner ? QStringLiteral("軸受内輪") : QStringLiteral("軸受外輪");
}

QString millimetres(Length value)
{
    return qt(tolerance::formatDiameter(value));
}

QString typeName(BearingType type)
{
    switch (type) {
    case BearingType::DeepGrooveBall:
        return QStringLiteral("深溝玉軸受");
    case BearingType::AngularContactBall:
        return QStringLiteral("アンギュラ玉軸受");
    case BearingType::SelfAligningBall:
        return QStringLiteral("自動調心玉軸受");
    case BearingType::CylindricalRoller:
        return QStringLiteral("円筒ころ軸受");
    case BearingType::TaperedRoller:
        return QStringLiteral("円すいころ軸受");
    }
    return {};
}

QString joined(const std::vector<std::string_view>& codes)
{
    QStringList list;
    for (const std::string_view code : codes)
        list << qt(code);
    return list.join(QStringLiteral(", "));
}

} // namespace

QString ringName(const RingChoice& choice)
{
    return ringWord(choice.ring) + u' ' + qt(nameOf(choice.accuracy)) + QStringLiteral(" 級");
}

QStringList ringChoices(tolerance::Side side)
{
    QStringList names;
    const Ring ring = side == tolerance::Side::Hole ? Ring::Inner : Ring::Outer;
    for (const AccuracyClass accuracy : kRadialClasses)
        names << ringName({ring, accuracy});
    return names;
}

std::optional<RingReading> readRing(tolerance::Side side, const QString& typed)
{
    QString text = typed.normalized(QString::NormalizationForm_KC).simplified();
    if (!text.startsWith(QStringLiteral("軸受")))
        return std::nullopt;
    const bool inner = text.startsWith(QStringLiteral("軸受内輪"));
    const bool outer = text.startsWith(QStringLiteral("軸受外輪"));
    const bool hole = side == tolerance::Side::Hole;
    if (!inner && !outer)
        return RingReading{std::nullopt,
                           hole ? QStringLiteral("穴には「軸受内輪 0 級」のように入力します")
                                : QStringLiteral("軸には「軸受外輪 0 級」のように入力します")};
    if (inner != hole)
        return RingReading{std::nullopt,
                           hole ? QStringLiteral("軸受外輪は軸の側です。穴には軸受内輪を選びます")
                                : QStringLiteral("軸受内輪は穴の側です。軸には軸受外輪を選びます")};
    QString grade = text.mid(4).remove(u' ');
    if (grade.endsWith(u'級'))
        grade.chop(1);
    const auto accuracy = accuracyClassNamed(grade.toStdString());
    if (!accuracy || *accuracy == AccuracyClass::Class6X)
        return RingReading{std::nullopt,
                           QStringLiteral("軸受の精度等級は 0、6、5、4、2 級です（JIS B 1514-1）")};
    return RingReading{RingChoice{inner ? Ring::Inner : Ring::Outer, *accuracy}, {}};
}

RingDeviations ringDeviations(const RingChoice& choice, Length diameter)
{
    const RingAnswer answer =
        meanDiameterDeviation(Construction::Radial, choice.ring, choice.accuracy, diameter);
    if (const auto* deviations = std::get_if<tolerance::Deviations>(&answer))
        return {*deviations, {}};
    const auto coverage = coverageOf(Construction::Radial, choice.ring, choice.accuracy);
    return {std::nullopt,
            QStringLiteral("%1 の表は %2 を超え %3 mm 以下です")
                .arg(ringName(choice), millimetres(coverage->from), millimetres(coverage->to))};
}

BearingFill bearingFill(const QString& number, const RingChoice& choice,
                        const std::optional<LoadChoice>& load)
{
    BearingFill fill;
    const QString text = number.normalized(QString::NormalizationForm_KC).trimmed();
    if (text.isEmpty())
        return fill;
    const auto found = bearingNamed(text.toStdString());
    if (const auto* fault = std::get_if<NumberFault>(&found)) {
        fill.problem = *fault == NumberFault::SizeOutside
                           ? QStringLiteral("%1: この系列の表にない内径番号です").arg(text)
                           : QStringLiteral("%1: 呼び番号を読めません（系列 %2）")
                                 .arg(text, qt(knownSeries()));
        return fill;
    }
    const Bearing& bearing = std::get<Bearing>(found);
    if (bearing.type == BearingType::TaperedRoller) {
        fill.problem = QStringLiteral("円すいころ軸受の輪は tessaly-cli --bearing で計算します");
        return fill;
    }
    const Length diameter = choice.ring == Ring::Inner ? bearing.bore : bearing.outside;
    fill.size = millimetres(diameter);
    fill.side = ringName(choice);
    fill.summary = QStringLiteral("%1 %2 d %3 D %4 B %5")
                       .arg(qt(bearing.number), typeName(bearing.type), millimetres(bearing.bore),
                            millimetres(bearing.outside), millimetres(bearing.width));
    if (load) {
        const auto recommended =
            recommendedFits(load->load, load->size, isRoller(bearing.type), bearing.bore);
        fill.recommended = recommended
                               ? QStringLiteral("推奨: 軸 %1 / 穴 %2")
                                     .arg(joined(recommended->shaft), joined(recommended->housing))
                               : QStringLiteral("この荷重条件は表にありません");
    }
    return fill;
}

} // namespace workbench
