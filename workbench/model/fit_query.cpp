// SPDX-License-Identifier: MIT
#include "model/fit_query.h"

#include "model/side_input.h"

#include "tolerance/given_limits.h"
#include "tolerance/nominal_size.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <string>
#include <variant>

namespace {
// The words of this file, in the language in force.
struct FitQueryWords
{
    Q_DECLARE_TR_FUNCTIONS(FitQueryWords)
};
} // namespace

namespace workbench {

namespace {

using tolerance::ClassCode;
using tolerance::Side;

// Full-width digits, letters and points, as a Japanese input method types them, read as ASCII.
// Marks that show nothing (a left-to-right mark, a zero-width space pasted with a size from a
// web page or a document) are dropped: the user cannot see them to take them out.
QString asTyped(const QString& text)
{
    QString visible = text.normalized(QString::NormalizationForm_KC);
    visible.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    return visible.trimmed();
}

// A number as people write it: the minus sign of typesetting (U+2212) and of a Japanese
// keyboard's dash key read as a minus, a plus in front ignored, ".5" and "5." read as 0.5 and 5.
QString numberAsTyped(const QString& text)
{
    QString number = asTyped(text);
    for (const QChar dash : {QChar(0x2212), QChar(0x2012), QChar(0x2013), QChar(0x30FC)})
        number.replace(dash, u'-');
    const bool negative = number.startsWith(u'-');
    if (negative || number.startsWith(u'+'))
        number.remove(0, 1);
    if (number.isEmpty() || number.startsWith(u'-') || number.startsWith(u'+'))
        return asTyped(text); // a sign alone or two: no number, and the problem says so
    const auto digitAt = [&number](qsizetype i) {
        return i >= 0 && i < number.size() && number[i].isDigit();
    };
    if (number.startsWith(u'.') && digitAt(1))
        number.prepend(u'0');
    if (number.endsWith(u'.') && digitAt(number.size() - 2))
        number.chop(1);
    return negative ? u'-' + number : number;
}

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// example: what a good entry of the field looks like.
QString notANumber(const QString& text, const QString& example)
{
    if (text.contains(u','))
        return FitQueryWords::tr("小数点は「.」で入力してください");
    return FitQueryWords::tr("数字で入力してください（例: %1）").arg(example);
}

// The first letters in the other side's case: "h" typed for a hole reads "H".
QString inCaseOf(Side side, const QString& text)
{
    return side == Side::Hole ? text.toUpper() : text.toLower();
}

QString codeProblem(const tolerance::ClassCodeError& error, const QString& text, Side side)
{
    using Kind = tolerance::ClassCodeError::Kind;
    switch (error.kind) {
    case Kind::Empty:
        return FitQueryWords::tr("公差クラスを入力してください（例: %1）")
            .arg(side == Side::Hole ? u"H7" : u"g6");
    case Kind::NoSuchLetter:
        return FitQueryWords::tr("%1: この記号の公差クラスはありません").arg(text);
    case Kind::NoGrade:
        // "h" in the hole field is a shaft's letter: the example is the hole's, H7.
        return FitQueryWords::tr("%1 に公差等級の数字がありません（例: %2%3）")
            .arg(text, inCaseOf(side, text), side == Side::Hole ? u"7" : u"6");
    case Kind::NoSuchGrade:
        break;
    }
    return FitQueryWords::tr("%1: 公差等級は 01、0、1～18 です").arg(text);
}

std::optional<SideFigures> figuresOf(const ClassCode& code, Length diameter,
                                     tolerance::Edition edition, QString& problem)
{
    const tolerance::EditionAnswer answer = tolerance::lookUp(code, diameter, edition);
    const QString name = qt(tolerance::textOf(code));
    if (!answer.deviations) {
        problem = FitQueryWords::tr("%1 にはこの寸法の値がありません").arg(name);
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

std::optional<SideFigures> ringFigures(const RingChoice& ring, Length diameter, QString& problem)
{
    const RingDeviations found = ringDeviations(ring, diameter);
    if (!found.deviations) {
        problem = found.problem;
        return std::nullopt;
    }
    SideFigures figures = figuresOf(*found.deviations, diameter);
    figures.code = ringName(ring);
    figures.ringStandard = QStringLiteral("JIS B 1514-1 (ISO 492)");
    return figures;
}

std::optional<SideFigures> sideFigures(const SideReading& reading, Length diameter,
                                       tolerance::Edition edition, QString& problem)
{
    if (reading.ring)
        return ringFigures(*reading.ring, diameter, problem);
    if (reading.limits)
        return figuresOf(*reading.limits, diameter);
    if (reading.code)
        return figuresOf(*reading.code, diameter, edition, problem);
    return std::nullopt;
}

} // namespace

SizeReading readSize(const QString& typed)
{
    const QString text = numberAsTyped(typed);
    // Nothing typed yet is no fault: the field's example and the hint say what goes there.
    if (text.isEmpty())
        return {std::nullopt, {}};
    const auto reading = tolerance::readDiameter(text.toStdString(), tolerance::kLargestSize);
    switch (reading.fault) {
    case tolerance::DiameterFault::None:
        return {reading.diameter, {}};
    case tolerance::DiameterFault::NotANumber:
        return {std::nullopt, notANumber(text, FitQueryWords::tr("35、35.5"))};
    case tolerance::DiameterFault::NotPositive:
        return {std::nullopt, FitQueryWords::tr("0 より大きい寸法を入力してください")};
    case tolerance::DiameterFault::TooLarge:
        return {std::nullopt, FitQueryWords::tr("寸法は %1 mm までです")
                                  .arg(tolerance::kLargestSize / tolerance::kNanometresPerMm)};
    case tolerance::DiameterFault::TooFine:
        break;
    }
    return {std::nullopt, FitQueryWords::tr("寸法の小数は 4 桁までです")};
}

NumberReading readNumber(const QString& typed)
{
    const QString text = numberAsTyped(typed);
    if (text.isEmpty())
        return {};
    const std::string bytes = text.toStdString();
    const auto decimal = tolerance::splitDecimal(bytes);
    if (!decimal) {
        static const QRegularExpression exponent(
            QStringLiteral("^-?[0-9.]*[0-9][0-9.]*[eE][-+]?[0-9]+$"));
        if (exponent.match(text).hasMatch())
            return {std::nullopt, NumberFault::Exponent};
        return {std::nullopt, text.contains(u',') ? NumberFault::Comma : NumberFault::NotANumber};
    }
    if (tolerance::hasDigitsBeyond(*decimal, tolerance::kNominalSizeDecimals))
        return {std::nullopt, NumberFault::TooFine};
    const auto magnitude = tolerance::magnitudeOf(*decimal);
    if (!magnitude)
        return {std::nullopt, NumberFault::TooLarge};
    return {decimal->negative ? -*magnitude : *magnitude};
}

BoundReading readBound(const QString& typed)
{
    const NumberReading reading = readNumber(typed);
    // The examples are clearances, an interference among them, as this field takes.
    switch (reading.fault) {
    case NumberFault::None:
        return {reading.value, {}};
    case NumberFault::Comma:
        return {std::nullopt, FitQueryWords::tr("小数点は「.」で入力してください")};
    case NumberFault::NotANumber:
    case NumberFault::Exponent:
        return {std::nullopt,
                FitQueryWords::tr("数字で入力してください（例: 0.02、しめしろは -0.02）")};
    case NumberFault::TooFine:
        return {std::nullopt, FitQueryWords::tr("小数は 4 桁までです（例: -0.0125）")};
    case NumberFault::TooLarge:
        break;
    }
    return {std::nullopt, FitQueryWords::tr("大きすぎます（例: 0.5、-0.5）")};
}

ClassReading readClass(Side side, const QString& typed)
{
    const QString text = asTyped(typed);
    if (text.isEmpty())
        return {std::nullopt, {}};
    // A whole fit typed into one field: each half has a field of its own.
    if (const qsizetype slash = text.indexOf(u'/'); slash >= 0)
        return {std::nullopt, FitQueryWords::tr("穴に %1、軸に %2 と分けて入力します")
                                  .arg(text.left(slash).trimmed(), text.mid(slash + 1).trimmed())};
    const auto parsed = tolerance::parseClassCode(text.toStdString());
    if (const auto* error = std::get_if<tolerance::ClassCodeError>(&parsed))
        return {std::nullopt, codeProblem(*error, text, side)};
    const ClassCode& code = std::get<ClassCode>(parsed);
    if (code.side != side)
        return {
            std::nullopt,
            side == Side::Hole
                ? FitQueryWords::tr("%1 は軸の公差クラスです。穴は大文字で入力します").arg(text)
                : FitQueryWords::tr("%1 は穴の公差クラスです。軸は小文字で入力します").arg(text)};
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
