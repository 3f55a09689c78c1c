// SPDX-License-Identifier: MIT
#include "fit_texts.h"

#include <algorithm>
#include <cstdlib>

namespace fitTexts {

using namespace workbench;

namespace {

constexpr Nanometres kPerMm = 1'000'000;
constexpr Nanometres kPerMicrometre = 1'000;

// Decimals the value needs in mm, at least minimum.
int decimalsOf(Nanometres value, int minimum)
{
    Nanometres fraction = std::llabs(value) % kPerMm;
    int decimals = 6;
    while (decimals > minimum && fraction % 10 == 0) {
        fraction /= 10;
        --decimals;
    }
    return decimals;
}

QString fixed(Nanometres value, int decimals)
{
    const Nanometres magnitude = std::llabs(value);
    QString text = QString::number(magnitude / kPerMm);
    if (decimals > 0) {
        const QString fraction = QString::number(magnitude % kPerMm).rightJustified(6, u'0');
        text += u'.' + fraction.left(decimals);
    }
    return text;
}

QString withSign(Nanometres value, const QString& magnitude)
{
    return (value < 0 ? QStringLiteral("-") : QStringLiteral("+")) + magnitude;
}

} // namespace

QString millimetres(Nanometres value, bool signedText)
{
    if (signedText && value == 0)
        return QStringLiteral("0");
    const QString magnitude = fixed(value, decimalsOf(value, 3));
    if (signedText)
        return withSign(value, magnitude);
    return value < 0 ? u'-' + magnitude : magnitude;
}

QString sizeText(Nanometres value)
{
    return fixed(value, value % kPerMm == 0 ? 0 : decimalsOf(value, 1));
}

QString micrometres(Nanometres value)
{
    if (value == 0)
        return QStringLiteral("0");
    const Nanometres magnitude = std::llabs(value);
    QString text = QString::number(magnitude / kPerMicrometre);
    Nanometres rest = magnitude % kPerMicrometre;
    if (rest != 0) {
        QString fraction = QString::number(rest).rightJustified(3, u'0');
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += u'.' + fraction;
    }
    return withSign(value, text);
}

QString kindName(FitKind kind)
{
    switch (kind) {
    case FitKind::Clearance:
        return QStringLiteral("すきまばめ");
    case FitKind::Transition:
        return QStringLiteral("中間ばめ");
    case FitKind::Interference:
        break;
    }
    return QStringLiteral("しまりばめ");
}

std::pair<NamedFigure, NamedFigure> clearanceFigures(const PairFigures& pair)
{
    const auto mm = [](Nanometres v) { return millimetres(v, false); };
    switch (pair.kind) {
    case FitKind::Clearance:
        return {{QStringLiteral("最大すきま"), mm(pair.maximumClearance)},
                {QStringLiteral("最小すきま"), mm(pair.minimumClearance)}};
    case FitKind::Transition:
        return {{QStringLiteral("最大すきま"), mm(pair.maximumClearance)},
                {QStringLiteral("最大しめしろ"), mm(-pair.minimumClearance)}};
    case FitKind::Interference:
        break;
    }
    return {{QStringLiteral("最小しめしろ"), mm(-pair.maximumClearance)},
            {QStringLiteral("最大しめしろ"), mm(-pair.minimumClearance)}};
}

QString editionName(Edition edition)
{
    return edition == Edition::Jis1984 ? QStringLiteral("JIS B 0401 (1984)")
                                       : QStringLiteral("JIS B 0401:2016 (ISO 286:2010)");
}

QString sourceText(Source source, Edition edition)
{
    if (source == Source::Table1984)
        return QStringLiteral("出典: JIS B 0401 (1984) の表");
    if (edition == Edition::Jis1984)
        return QStringLiteral("出典: JIS B 0401:2016（1984 年版の表にない値）");
    return QStringLiteral("出典: JIS B 0401:2016 (ISO 286:2010)");
}

QString drawingNote(Nanometres diameter, const SideFigures& side)
{
    const QString head = u'φ' + sizeText(diameter) + u' ' + side.code + u' ';
    if (side.upper == -side.lower && side.upper > 0)
        return head + u"(±" + millimetres(side.upper, false) + u')';
    // Both deviations to the same number of decimals; a zero is the bare digit.
    const int decimals = std::max(decimalsOf(side.upper, 3), decimalsOf(side.lower, 3));
    const auto deviation = [decimals](Nanometres v) {
        return v == 0 ? QStringLiteral("0") : withSign(v, fixed(v, decimals));
    };
    return head + u'(' + deviation(side.upper) + u'/' + deviation(side.lower) + u')';
}

QString copyText(const Answer& answer)
{
    if (!answer.complete() || !answer.diameter)
        return {};
    const auto [loose, tight] = clearanceFigures(*answer.pair);
    const QString fit = u'φ' + sizeText(*answer.diameter) + u' ' + answer.hole->code + u'/' +
                        answer.shaft->code + u' ' + kindName(answer.pair->kind) + u' ' +
                        loose.name + u' ' + loose.value + u' ' + tight.name + u' ' + tight.value;
    return drawingNote(*answer.diameter, *answer.hole) + u'\n' +
           drawingNote(*answer.diameter, *answer.shaft) + u'\n' + fit + u'\n';
}

} // namespace fitTexts
