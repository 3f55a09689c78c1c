// SPDX-License-Identifier: MIT
#include "cli/answer.h"

#include "tolerance/length.h"

namespace cli {

using tolerance::Length;
using tolerance::Source;

namespace {

std::string signedText(Length value)
{
    if (value == 0)
        return std::string(tolerance::kZeroText);
    return (value > 0 ? "+" : "") + tolerance::formatMillimetres(value);
}

} // namespace

ClassAnswer answerFor(const tolerance::ClassCode& code, std::size_t step, Length nominal,
                      tolerance::Edition edition)
{
    const tolerance::EditionAnswer found = tolerance::lookUp(code, nominal, edition);
    ClassAnswer answer{code, found.deviations, found.source, {}, {}};
    if (found.source == Source::Table1984) {
        const tolerance::DeviationPair& entry =
            tolerance::findClass(code.side, tolerance::textOf(code))->entries[step];
        answer.upper = entry.upper;
        answer.lower = entry.lower;
    } else if (!found.deviations) {
        answer.upper = answer.lower = tolerance::kUndefinedText;
    } else if (tolerance::isPlusMinus(code)) {
        answer.upper = tolerance::kPlusMinusText;
        answer.lower = tolerance::formatMillimetres(found.deviations->upper);
    } else {
        answer.upper = signedText(found.deviations->upper);
        answer.lower = signedText(found.deviations->lower);
    }
    return answer;
}

ClassAnswer givenAnswer(tolerance::Side side, const tolerance::Deviations& deviations)
{
    return {{side, {}, 0},
            deviations,
            Source::Iso2010,
            signedText(deviations.upper),
            signedText(deviations.lower),
            true};
}

std::string_view nameOf(Source source) noexcept
{
    return source == Source::Table1984 ? "JIS B 0401:1984 table" : "ISO 286-1:2010 rules";
}

namespace {

std::string_view sourceOf(const ClassAnswer& answer) noexcept
{
    return answer.given ? "given limits" : nameOf(answer.source);
}

} // namespace

std::string sourcesOf(const ClassAnswer& hole, const ClassAnswer& shaft)
{
    if (sourceOf(hole) == sourceOf(shaft))
        return std::string(sourceOf(hole));
    return "hole: " + std::string(sourceOf(hole)) + "; shaft: " + std::string(sourceOf(shaft));
}

} // namespace cli
