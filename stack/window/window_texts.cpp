// SPDX-License-Identifier: MIT
#include "window_texts.h"

#include "desktop/language.h"

#include <QCoreApplication>

namespace {
// The words of this file, in the language in force.
struct StackTexts
{
    Q_DECLARE_TR_FUNCTIONS(StackTexts)
};
} // namespace

namespace windowTexts {

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

QString millimetres(tolerance::Length value)
{
    return qt(tolerance::formatMillimetres(value));
}

QString signedMillimetres(tolerance::Length value)
{
    return (value > 0 ? QStringLiteral("+") : QString()) + millimetres(value);
}

QString exactRange(tolerance::Length minimum, tolerance::Length maximum)
{
    return StackTexts::tr("%1 ～ %2").arg(millimetres(minimum), millimetres(maximum));
}

QString statisticalRange(double minimum, double maximum)
{
    return StackTexts::tr("%1 ～ %2")
        .arg(qt(tolerance::formatStatisticalClearance(minimum)),
             qt(tolerance::formatStatisticalClearance(maximum)));
}

QString percent(double share, double otherSide)
{
    return qt(tolerance::formatPercent(share, otherSide)) + QStringLiteral(" %");
}

QString distributionName(tolerance::Distribution distribution)
{
    return distribution == tolerance::Distribution::Normal ? StackTexts::tr("正規分布")
                                                           : StackTexts::tr("一様分布");
}

QString statisticalHeading(tolerance::Distribution distribution)
{
    return StackTexts::tr("統計（%1、99.73 % が入る範囲）").arg(distributionName(distribution));
}

QString monteCarloHeading(std::size_t samples)
{
    // Japanese counts in ten thousands (100 万個); English has no such unit.
    if (samples % 10'000 == 0 && language::current() == language::Language::Japanese)
        return QStringLiteral("モンテカルロ法（%1 万個）").arg(samples / 10'000);
    return StackTexts::tr("モンテカルロ法（%1 個）").arg(samples);
}

QString spokenAnswer(const tolerance::stack::ChainAnswer& answer)
{
    QString text =
        StackTexts::tr("結果寸法 最悪値 %1、%2 %3")
            .arg(exactRange(answer.worstMinimum, answer.worstMaximum),
                 distributionName(answer.statistical.distribution),
                 statisticalRange(answer.statistical.minimum, answer.statistical.maximum));
    if (answer.statistical.outsideShare)
        text +=
            StackTexts::tr("、要求から外れる確率 %1")
                .arg(percent(*answer.statistical.outsideShare, *answer.statistical.insideShare));
    return text;
}

QColor problemColour(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(255, 130, 120)
                                                             : QColor(180, 0, 0);
}

} // namespace windowTexts
