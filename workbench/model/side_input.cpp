// SPDX-License-Identifier: MIT
#include "model/side_input.h"

#include "model/fit_query.h"

#include "tolerance/given_limits.h"

#include <variant>

#include <QCoreApplication>

namespace {
// The words of this file, in the language in force.
struct SideInputWords
{
    Q_DECLARE_TR_FUNCTIONS(SideInputWords)
};
} // namespace

namespace workbench {

namespace {

// Full-width signs, digits and slash as a Japanese input method types them; the minus sign of
// typeset catalogues too, which no normal form turns into a hyphen-minus.
QString asTyped(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).trimmed().replace(u'\u2212', u'-');
}

// A class begins with its letters; limits begin with a digit, a sign or "±".
bool looksLikeLimits(const QString& text)
{
    return !text.isEmpty() && !text.front().isLetter();
}

QString limitsProblem(tolerance::LimitsFault fault)
{
    using tolerance::LimitsFault;
    switch (fault) {
    case LimitsFault::Empty:
    case LimitsFault::NotLimits:
        break;
    case LimitsFault::TooManyDecimals:
        return SideInputWords::tr("寸法許容差の小数は 4 桁までです");
    case LimitsFault::TooLarge:
        return SideInputWords::tr("寸法許容差が大きすぎます");
    case LimitsFault::LowerAboveUpper:
        return SideInputWords::tr(
            "下の寸法許容差が上より大きくなっています。上/下 の順に入力します");
    }
    return SideInputWords::tr("寸法許容差は 上/下 の mm で入力します（例: 0/-0.009、±0.005）");
}

} // namespace

SideReading readSide(tolerance::Side side, const QString& typed)
{
    if (const auto ring = readRing(side, typed))
        return {std::nullopt, std::nullopt, ring->problem, ring->choice};
    const QString text = asTyped(typed);
    if (!looksLikeLimits(text)) {
        ClassReading reading = readClass(side, typed);
        return {std::move(reading.code), std::nullopt, std::move(reading.problem)};
    }
    const auto parsed = tolerance::parseLimits(text.toStdString());
    if (const auto* fault = std::get_if<tolerance::LimitsFault>(&parsed))
        return {std::nullopt, std::nullopt, limitsProblem(*fault)};
    return {std::nullopt, std::get<tolerance::Deviations>(parsed), {}};
}

} // namespace workbench
