// SPDX-License-Identifier: MIT
#include "window/fit_texts.h"

#include "tolerance/length.h"

#include <algorithm>

#include <QCoreApplication>

namespace {
// The words of this file, in the language in force.
struct FitTexts
{
    Q_DECLARE_TR_FUNCTIONS(FitTexts)
};
} // namespace

namespace fitTexts {

using tolerance::FitType;

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

QString withSign(Length value, const QString& text)
{
    return value > 0 ? u'+' + text : text;
}

qsizetype decimalsIn(const QString& number)
{
    const qsizetype point = number.indexOf(u'.');
    return point < 0 ? 0 : number.size() - point - 1;
}

// Both deviations of a drawing note to the same number of decimals, as the core writes the finer.
QString padded(const QString& number, qsizetype decimals)
{
    const qsizetype missing = decimals - decimalsIn(number);
    return missing > 0 ? number + QString(missing, u'0') : number;
}

} // namespace

QString millimetres(Length value)
{
    return qt(tolerance::formatMillimetres(value));
}

QString deviation(Length value)
{
    return value == 0 ? QStringLiteral("0") : withSign(value, millimetres(value));
}

QString sizeText(Length value)
{
    return qt(tolerance::formatDiameter(value));
}

QString micrometres(Length value)
{
    return withSign(value, qt(tolerance::formatMicrometres(value)));
}

QString typeName(FitType type)
{
    switch (type) {
    case FitType::Clearance:
        return FitTexts::tr("すきまばめ");
    case FitType::Transition:
        return FitTexts::tr("中間ばめ");
    case FitType::Interference:
        break;
    }
    return FitTexts::tr("しまりばめ");
}

std::pair<NamedFigure, NamedFigure> clearanceFigures(const tolerance::Fit& fit)
{
    switch (fit.type) {
    case FitType::Clearance:
        return {{FitTexts::tr("最大すきま"), millimetres(fit.maximumClearance)},
                {FitTexts::tr("最小すきま"), millimetres(fit.minimumClearance)}};
    case FitType::Transition:
        return {{FitTexts::tr("最大すきま"), millimetres(fit.maximumClearance)},
                {FitTexts::tr("最大しめしろ"), millimetres(-fit.minimumClearance)}};
    case FitType::Interference:
        break;
    }
    return {{FitTexts::tr("最小しめしろ"), millimetres(-fit.maximumClearance)},
            {FitTexts::tr("最大しめしろ"), millimetres(-fit.minimumClearance)}};
}

std::pair<QString, QString> clearanceNames()
{
    return {FitTexts::tr("最大すきま"), FitTexts::tr("最小すきま")};
}

QString editionName(tolerance::Edition edition)
{
    return edition == tolerance::Edition::Jis1984
               ? QStringLiteral("JIS B 0401 (1984)")
               : QStringLiteral("JIS B 0401:2016 (ISO 286:2010)");
}

QString sourceText(tolerance::Source source, tolerance::Edition edition)
{
    if (source == tolerance::Source::Table1984)
        return FitTexts::tr("出典: JIS B 0401 (1984) の表");
    if (edition == tolerance::Edition::Jis1984)
        return FitTexts::tr("出典: JIS B 0401:2016（1984 年版の表にない値）");
    return FitTexts::tr("出典: JIS B 0401:2016 (ISO 286:2010)");
}

QString givenSourceText(const workbench::SideFigures& side)
{
    return side.bearingRing() ? FitTexts::tr("寸法許容差: %1 %2").arg(side.ringStandard, side.code)
                              : FitTexts::tr("寸法許容差: 入力した値");
}

QString drawingNote(Length diameter, const workbench::SideFigures& side)
{
    const QString size = u'φ' + sizeText(diameter) + u' ';
    // Given limits stand where a class would, with no class to put in parentheses.
    const auto noted = [&](const QString& deviations) -> QString {
        if (side.given() && !side.bearingRing())
            return size + deviations;
        return size + side.code + u" (" + deviations + u')';
    };
    if (side.upper == -side.lower && side.upper > 0)
        return noted(u'±' + millimetres(side.upper));
    QString upper = deviation(side.upper);
    QString lower = deviation(side.lower);
    const qsizetype decimals = std::max(decimalsIn(upper), decimalsIn(lower));
    // A zero is the bare digit.
    if (side.upper != 0)
        upper = padded(upper, decimals);
    if (side.lower != 0)
        lower = padded(lower, decimals);
    return noted(upper + u'/' + lower);
}

QString pairName(const workbench::SideFigures& hole, const workbench::SideFigures& shaft)
{
    // A side's limits hold a slash of their own: in parentheses the pair still reads as two.
    const auto name = [](const workbench::SideFigures& side) -> QString {
        if (side.given() && !side.bearingRing())
            return u'(' + side.code + u')';
        return side.code;
    };
    return name(hole) + u'/' + name(shaft);
}

QString copyText(const workbench::Answer& answer)
{
    if (!answer.complete() || !answer.diameter)
        return {};
    const auto [loose, tight] = clearanceFigures(*answer.pair);
    // Both clearances of the line to one number of decimals, as both deviations of a note.
    const qsizetype decimals = std::max(decimalsIn(loose.value), decimalsIn(tight.value));
    const QString fit =
        FitTexts::tr("φ%1 %2 %3 %4 %5 %6 %7", "the pair's line for a drawing")
            .arg(sizeText(*answer.diameter), pairName(*answer.hole, *answer.shaft),
                 typeName(answer.pair->type), loose.name, padded(loose.value, decimals), tight.name,
                 padded(tight.value, decimals));
    return drawingNote(*answer.diameter, *answer.hole) + u'\n' +
           drawingNote(*answer.diameter, *answer.shaft) + u'\n' + fit + u'\n';
}

QString fitSummary(const workbench::Answer& answer)
{
    if (!answer.complete())
        return {};
    const auto [loose, tight] = clearanceFigures(*answer.pair);
    return FitTexts::tr("%1 %2、%3 %4、%5 %6", "the fit for a listener")
        .arg(pairName(*answer.hole, *answer.shaft), typeName(answer.pair->type), loose.name,
             loose.value, tight.name, tight.value);
}

} // namespace fitTexts
