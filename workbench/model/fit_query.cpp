// SPDX-License-Identifier: MIT
#include "model/fit_query.h"

#include "model/side_input.h"

#include "tolerance/given_limits.h"
#include "tolerance/nominal_size.h"

#include <string>
#include <variant>

namespace workbench {

namespace {

using tolerance::ClassCode;
using tolerance::Side;

// Full-width digits, letters and points, as a Japanese input method types them, read as ASCII.
QString asTyped(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).trimmed();
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

std::optional<SideFigures> figuresOf(const ClassCode& code, Length diameter,
                                     tolerance::Edition edition, QString& problem)
{
    const tolerance::EditionAnswer answer = tolerance::lookUp(code, diameter, edition);
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
                       answer.source,
                       code};
}

SideFigures figuresOf(const tolerance::Deviations& given, Length diameter)
{
    const tolerance::Limits limits = tolerance::limitsOfSize(diameter, given);
    return SideFigures{qt(tolerance::textOfLimits(given)),
                       given.upper,
                       given.lower,
                       limits.maximum,
                       limits.minimum,
                       tolerance::Source::Table1984,
                       std::nullopt};
}

std::optional<SideFigures> sideFigures(const SideReading& reading, Length diameter,
                                       tolerance::Edition edition, QString& problem)
{
    if (reading.limits)
        return figuresOf(*reading.limits, diameter);
    if (reading.code)
        return figuresOf(*reading.code, diameter, edition, problem);
    return std::nullopt;
}

} // namespace

SizeReading readSize(const QString& typed)
{
    const QString text = asTyped(typed);
    // Nothing typed yet is no fault: the field's example and the hint say what goes there.
    if (text.isEmpty())
        return {std::nullopt, {}};
    const auto reading = tolerance::readDiameter(text.toStdString(), tolerance::kLargestSize);
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
    const std::string bytes = text.toStdString();
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

ClassReading readClass(Side side, const QString& typed)
{
    const QString text = asTyped(typed);
    if (text.isEmpty())
        return {std::nullopt, {}};
    const auto parsed = tolerance::parseClassCode(text.toStdString());
    if (const auto* error = std::get_if<tolerance::ClassCodeError>(&parsed))
        return {std::nullopt, codeProblem(*error, text, side)};
    const ClassCode& code = std::get<ClassCode>(parsed);
    if (code.side != side)
        return {std::nullopt,
                side == Side::Hole
                    ? QStringLiteral("%1 は軸の公差クラスです。穴は大文字で入力します").arg(text)
                    : QStringLiteral("%1 は穴の公差クラスです。軸は小文字で入力します").arg(text)};
    return {code, {}};
}

Answer answerFor(const Inputs& inputs)
{
    Answer answer;
    const SizeReading size = readSize(inputs.size);
    answer.sizeProblem = size.problem;
    answer.diameter = size.diameter;
    const SideReading hole = readSide(Side::Hole, inputs.hole);
    const SideReading shaft = readSide(Side::Shaft, inputs.shaft);
    answer.holeProblem = hole.problem;
    answer.shaftProblem = shaft.problem;
    if (!size.diameter)
        return answer;
    answer.hole = sideFigures(hole, *size.diameter, inputs.edition, answer.holeProblem);
    answer.shaft = sideFigures(shaft, *size.diameter, inputs.edition, answer.shaftProblem);
    if (answer.hole && answer.shaft)
        answer.pair = tolerance::fitOf({answer.hole->upper, answer.hole->lower},
                                       {answer.shaft->upper, answer.shaft->lower});
    return answer;
}

std::optional<lastInputs::Inputs> keptInputs(const Inputs& inputs, const Answer& answer)
{
    if (!answer.complete())
        return std::nullopt;
    return lastInputs::Inputs{inputs.size.trimmed(), inputs.hole.trimmed(), inputs.shaft.trimmed(),
                              inputs.edition};
}

} // namespace workbench
