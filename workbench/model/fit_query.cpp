// SPDX-License-Identifier: MIT
#include "fit_query.h"

#include "tolerance/classes.h"
#include "tolerance/editions.h"
#include "tolerance/fit.h"
#include "tolerance/fit_finder.h"
#include "tolerance/iso286.h"
#include "tolerance/nominal_size.h"

#include <algorithm>
#include <string>
#include <variant>

namespace workbench {

namespace {

using tolerance::ClassCode;
using tolerance::Length;

static_assert(std::is_same_v<Nanometres, Length>);

tolerance::Side coreSide(Side side)
{
    return side == Side::Hole ? tolerance::Side::Hole : tolerance::Side::Shaft;
}

tolerance::Edition coreEdition(Edition edition)
{
    return edition == Edition::Jis1984 ? tolerance::Edition::Jis1984 : tolerance::Edition::Iso2010;
}

// Full-width digits, letters and points, as a Japanese input method types them, read as ASCII.
QString asTyped(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).trimmed();
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString notANumber(const QString& text)
{
    if (text.contains(u','))
        return QStringLiteral("小数点は「.」で入力してください");
    return QStringLiteral("数字で入力してください（例: 35、35.5）");
}

FitKind kindOf(tolerance::FitType type)
{
    switch (type) {
    case tolerance::FitType::Clearance:
        return FitKind::Clearance;
    case tolerance::FitType::Transition:
        return FitKind::Transition;
    case tolerance::FitType::Interference:
        break;
    }
    return FitKind::Interference;
}

PairFigures pairOf(const tolerance::Fit& fit)
{
    return {fit.maximumClearance, fit.minimumClearance, kindOf(fit.type)};
}

} // namespace

SizeReading readSize(const QString& typed)
{
    const QString text = asTyped(typed);
    // Nothing typed yet is no fault: the field's example and the hint say what goes there.
    if (text.isEmpty())
        return {std::nullopt, {}};
    const auto reading = tolerance::readDiameter(utf8(text), tolerance::kLargestSize);
    switch (reading.fault) {
    case tolerance::DiameterFault::None:
        return {reading.diameter, {}};
    case tolerance::DiameterFault::NotANumber:
        return {std::nullopt, notANumber(text)};
    case tolerance::DiameterFault::NotPositive:
        return {std::nullopt, QStringLiteral("0 より大きい寸法を入力してください")};
    case tolerance::DiameterFault::TooLarge:
        return {std::nullopt, QStringLiteral("寸法は %1 mm までです")
                                  .arg(tolerance::kLargestSize / tolerance::kNanometresPerMm)};
    case tolerance::DiameterFault::TooFine:
        break;
    }
    return {std::nullopt, QStringLiteral("寸法の小数は 4 桁までです")};
}

BoundReading readBound(const QString& typed)
{
    const QString text = asTyped(typed);
    if (text.isEmpty())
        return {};
    const std::string bytes = utf8(text);
    const auto decimal = tolerance::splitDecimal(bytes);
    if (!decimal)
        return {std::nullopt, notANumber(text)};
    if (tolerance::hasDigitsBeyond(*decimal, tolerance::kNominalSizeDecimals))
        return {std::nullopt, QStringLiteral("小数は 4 桁までです")};
    const auto magnitude = tolerance::magnitudeOf(*decimal);
    if (!magnitude)
        return {std::nullopt, QStringLiteral("大きすぎます")};
    return {decimal->negative ? -*magnitude : *magnitude, {}};
}

QStringList commonClasses(Side side)
{
    QStringList codes;
    for (const tolerance::ToleranceClass& cls : tolerance::classesOf(coreSide(side)))
        codes << qt(cls.code);
    return codes;
}

QStringList otherClasses(Side side)
{
    const QStringList common = commonClasses(side);
    QStringList codes;
    for (const ClassCode& code : tolerance::everyClass(coreSide(side))) {
        // A class the rules give no value for at any size is no choice at all.
        const bool anywhere =
            std::any_of(tolerance::sizeSteps().begin(), tolerance::sizeSteps().end(),
                        [&](const tolerance::SizeStep& step) {
                            return tolerance::deviationsOf(code, step.upper).has_value();
                        });
        const QString text = qt(tolerance::textOf(code));
        if (anywhere && !common.contains(text))
            codes << text;
    }
    return codes;
}

namespace {

struct ClassReading
{
    std::optional<ClassCode> code;
    QString problem;
};

QString codeProblem(const tolerance::ClassCodeError& error, const QString& text, Side side)
{
    using Kind = tolerance::ClassCodeError::Kind;
    switch (error.kind) {
    case Kind::Empty:
        return QStringLiteral("公差クラスを入力してください（例: %1）")
            .arg(side == Side::Hole ? u"H7" : u"g6");
    case Kind::NoSuchLetter:
        return QStringLiteral("%1: この記号の公差クラスはありません").arg(text);
    case Kind::NoGrade:
        return QStringLiteral("%1 に公差等級の数字がありません（例: %1%2）")
            .arg(text, side == Side::Hole ? u"7" : u"6");
    case Kind::NoSuchGrade:
        break;
    }
    return QStringLiteral("%1: 公差等級は 01、0、1～18 です").arg(text);
}

ClassReading readClass(Side side, const QString& typed)
{
    const QString text = asTyped(typed);
    if (text.isEmpty())
        return {std::nullopt, {}};
    const auto parsed = tolerance::parseClassCode(utf8(text));
    if (const auto* error = std::get_if<tolerance::ClassCodeError>(&parsed))
        return {std::nullopt, codeProblem(*error, text, side)};
    const ClassCode& code = std::get<ClassCode>(parsed);
    if (code.side != coreSide(side))
        return {std::nullopt,
                side == Side::Hole
                    ? QStringLiteral("%1 は軸の公差クラスです。穴は大文字で入力します").arg(text)
                    : QStringLiteral("%1 は穴の公差クラスです。軸は小文字で入力します").arg(text)};
    return {code, {}};
}

std::optional<SideFigures> figuresOf(const ClassCode& code, Length diameter, Edition edition,
                                     QString& problem)
{
    const tolerance::EditionAnswer answer = tolerance::lookUp(code, diameter, coreEdition(edition));
    const QString name = qt(tolerance::textOf(code));
    if (!answer.deviations) {
        problem = QStringLiteral("%1 にはこの寸法の値がありません").arg(name);
        return std::nullopt;
    }
    const tolerance::Limits limits = tolerance::limitsOfSize(diameter, *answer.deviations);
    return SideFigures{name,
                       answer.deviations->upper,
                       answer.deviations->lower,
                       limits.maximum,
                       limits.minimum,
                       answer.source == tolerance::Source::Table1984 ? Source::Table1984
                                                                     : Source::Iso2010};
}

} // namespace

Answer answerFor(const Inputs& inputs)
{
    Answer answer;
    const SizeReading size = readSize(inputs.size);
    answer.sizeProblem = size.problem;
    answer.diameter = size.diameter;
    const ClassReading hole = readClass(Side::Hole, inputs.hole);
    const ClassReading shaft = readClass(Side::Shaft, inputs.shaft);
    answer.holeProblem = hole.problem;
    answer.shaftProblem = shaft.problem;
    if (!size.diameter)
        return answer;
    if (hole.code)
        answer.hole = figuresOf(*hole.code, *size.diameter, inputs.edition, answer.holeProblem);
    if (shaft.code)
        answer.shaft = figuresOf(*shaft.code, *size.diameter, inputs.edition, answer.shaftProblem);
    if (answer.hole && answer.shaft)
        answer.pair = pairOf(tolerance::fitOf({answer.hole->upper, answer.hole->lower},
                                              {answer.shaft->upper, answer.shaft->lower}));
    return answer;
}

namespace {

// The classes to search on one side, each with its deviations at the size in the edition.
std::vector<tolerance::Candidate> candidates(Side side, const FinderQuery& query)
{
    std::vector<ClassCode> codes;
    if (query.everyClass) {
        codes = tolerance::classesAt(coreSide(side), query.diameter);
    } else {
        for (const tolerance::ToleranceClass& cls : tolerance::classesOf(coreSide(side)))
            codes.push_back(std::get<ClassCode>(tolerance::parseClassCode(cls.code)));
    }
    std::vector<tolerance::Candidate> found;
    found.reserve(codes.size());
    for (const ClassCode& code : codes) {
        const auto answer = tolerance::lookUp(code, query.diameter, coreEdition(query.edition));
        if (answer.deviations)
            found.push_back({tolerance::textOf(code), *answer.deviations});
    }
    return found;
}

} // namespace

QString FoundPairs::fitText(std::size_t row) const
{
    const FoundPair& found = pairs[row];
    return holes[found.hole] + u'/' + shafts[found.shaft];
}

FoundPairs findPairs(const FinderQuery& query)
{
    tolerance::Requirement requirement{query.minimumClearance, query.maximumClearance, std::nullopt,
                                       tolerance::Basis(query.basis)};
    if (query.kind)
        requirement.type = *query.kind == FitKind::Clearance    ? tolerance::FitType::Clearance
                           : *query.kind == FitKind::Transition ? tolerance::FitType::Transition
                                                                : tolerance::FitType::Interference;
    const auto holes = candidates(Side::Hole, query);
    const auto shafts = candidates(Side::Shaft, query);
    FoundPairs found;
    for (const auto& candidate : holes)
        found.holes << qt(candidate.code);
    for (const auto& candidate : shafts)
        found.shafts << qt(candidate.code);
    const auto fits = tolerance::findFits(holes, shafts, requirement);
    found.pairs.reserve(fits.size());
    for (const tolerance::FoundFit& fit : fits)
        found.pairs.push_back(
            {int(fit.hole - holes.data()), int(fit.shaft - shafts.data()), pairOf(fit.fit)});
    return found;
}

} // namespace workbench
