// SPDX-License-Identifier: MIT
#include "model/bearing_side.h"

#include "tolerance/bearing/boundary.h"

#include <array>
#include <variant>

#include <QCoreApplication>

namespace {
// The words of this file, in the language in force.
struct BearingWords
{
    Q_DECLARE_TR_FUNCTIONS(BearingWords)
};
} // namespace

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

// The words a ring's name starts with in either language, for a text kept or typed in the
// other one still reads.
struct RingWords
{
    QString inner;
    QString outer;
    QString grade; // after the class's figure, or in front of it: " 級", "class "
};
const RingWords kJapanese{QStringLiteral("軸受内輪"), QStringLiteral("軸受外輪"),
                          QStringLiteral("級")};
const RingWords kEnglish{QStringLiteral("bearing inner ring"), QStringLiteral("bearing outer ring"),
                         QStringLiteral("class")};

QString millimetres(Length value)
{
    return qt(tolerance::formatDiameter(value));
}

QString typeName(BearingType type)
{
    switch (type) {
    case BearingType::DeepGrooveBall:
        return BearingWords::tr("深溝玉軸受");
    case BearingType::AngularContactBall:
        return BearingWords::tr("アンギュラ玉軸受");
    case BearingType::SelfAligningBall:
        return BearingWords::tr("自動調心玉軸受");
    case BearingType::CylindricalRoller:
        return BearingWords::tr("円筒ころ軸受");
    case BearingType::TaperedRoller:
        return BearingWords::tr("円すいころ軸受");
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
    return (choice.ring == Ring::Inner ? BearingWords::tr("軸受内輪 %1 級")
                                       : BearingWords::tr("軸受外輪 %1 級"))
        .arg(qt(nameOf(choice.accuracy)));
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
    const QString text = typed.normalized(QString::NormalizationForm_KC).simplified();
    // Either language's name reads, whichever the window speaks now: the inputs kept from a
    // session in the other one still give their fit.
    const bool japanese = text.startsWith(QStringLiteral("軸受"));
    if (!japanese && !text.startsWith(QStringLiteral("bearing"), Qt::CaseInsensitive))
        return std::nullopt;
    const RingWords& words = japanese ? kJapanese : kEnglish;
    const bool inner = text.startsWith(words.inner, Qt::CaseInsensitive);
    const bool outer = text.startsWith(words.outer, Qt::CaseInsensitive);
    const bool hole = side == tolerance::Side::Hole;
    if (!inner && !outer)
        return RingReading{std::nullopt,
                           hole ? BearingWords::tr("穴には「軸受内輪 0 級」のように入力します")
                                : BearingWords::tr("軸には「軸受外輪 0 級」のように入力します")};
    if (inner != hole)
        return RingReading{
            std::nullopt, hole
                              ? BearingWords::tr("軸受外輪は軸の側です。穴には軸受内輪を選びます")
                              : BearingWords::tr("軸受内輪は穴の側です。軸には軸受外輪を選びます")};
    QString grade = text.mid((inner ? words.inner : words.outer).size()).trimmed();
    if (grade.endsWith(words.grade, Qt::CaseInsensitive))
        grade.chop(words.grade.size());
    if (grade.startsWith(words.grade, Qt::CaseInsensitive))
        grade.remove(0, words.grade.size());
    grade.remove(u' ');
    const auto accuracy = accuracyClassNamed(grade.toStdString());
    if (!accuracy || *accuracy == AccuracyClass::Class6X)
        return RingReading{
            std::nullopt,
            BearingWords::tr("軸受の精度等級は 0、6、5、4、2 級です（JIS B 1514-1）")};
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
            BearingWords::tr("%1 の表は %2 を超え %3 mm 以下です")
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
    if (const auto* fault = std::get_if<tolerance::bearing::NumberFault>(&found)) {
        fill.problem = *fault == tolerance::bearing::NumberFault::SizeOutside
                           ? BearingWords::tr("%1: この系列の表にない内径番号です").arg(text)
                           : BearingWords::tr("%1: 呼び番号を読めません（系列 %2）")
                                 .arg(text, qt(knownSeries()));
        return fill;
    }
    const Bearing& bearing = std::get<Bearing>(found);
    if (bearing.type == BearingType::TaperedRoller) {
        fill.problem = BearingWords::tr("円すいころ軸受の輪は tessaly-cli --bearing で計算します");
        return fill;
    }
    const Length diameter = choice.ring == Ring::Inner ? bearing.bore : bearing.outside;
    fill.size = millimetres(diameter);
    fill.side = ringName(choice);
    fill.bore = bearing.bore;
    fill.outside = bearing.outside;
    fill.summary = QStringLiteral("%1 %2 d %3 D %4 B %5")
                       .arg(qt(bearing.number), typeName(bearing.type), millimetres(bearing.bore),
                            millimetres(bearing.outside), millimetres(bearing.width));
    if (load) {
        const auto recommended =
            recommendedFits(load->load, load->size, isRoller(bearing.type), bearing.bore);
        fill.recommendation = recommended;
        fill.recommended = recommended
                               ? BearingWords::tr("推奨: 軸 %1 / 穴 %2")
                                     .arg(joined(recommended->shaft), joined(recommended->housing))
                               : BearingWords::tr("この荷重条件は表にありません");
    }
    return fill;
}

RingSearch ringSearchOf(const Answer& answer, const BearingFill& bearing)
{
    RingSearch search;
    if (!answer.diameter)
        return search;
    for (const tolerance::Side side : {tolerance::Side::Hole, tolerance::Side::Shaft}) {
        const auto& figures = side == tolerance::Side::Hole ? answer.hole : answer.shaft;
        if (!figures || !figures->bearingRing())
            continue;
        search.given = GivenSide{side, figures->code, {figures->upper, figures->lower}};
        const bool inner = side == tolerance::Side::Hole;
        if (!bearing.recommendation || *answer.diameter != (inner ? bearing.bore : bearing.outside))
            return search;
        for (const std::string_view code :
             inner ? bearing.recommendation->shaft : bearing.recommendation->housing)
            (inner ? search.recommended.shafts : search.recommended.holes) << qt(code);
        return search;
    }
    return search;
}

} // namespace workbench
