#include "fit_query.h"

#include "cli/fit.h"
#include "cli/fit_finder.h"
#include "cli/sizes.h"

#include "tolerance/classes.h"

#include <QRegularExpression>

#include <algorithm>

namespace workbench {

namespace {

constexpr Nanometres kPerMm = 1'000'000;
constexpr Nanometres kPerCliUnit = 100; // the command line's 0.1 µm
constexpr int kSizeDecimals = 4;
constexpr Nanometres kLargestSize = 500 * kPerMm;

tolerance::Side coreSide(Side side)
{
    return side == Side::Hole ? tolerance::Side::Hole : tolerance::Side::Shaft;
}

// Full-width digits and points, as a Japanese input method types them, read as ASCII.
QString asTyped(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).trimmed();
}

struct Decimal
{
    bool negative = false;
    QString whole;
    QString fraction;
};

std::optional<Decimal> splitDecimal(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(-?)([0-9]+)(?:\\.([0-9]+))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return Decimal{!match.captured(1).isEmpty(), match.captured(2), match.captured(3)};
}

bool tooFine(const Decimal& decimal)
{
    for (qsizetype i = kSizeDecimals; i < decimal.fraction.size(); ++i) {
        if (decimal.fraction[i] != u'0')
            return true;
    }
    return false;
}

// The magnitude in nanometres, or nothing past what any length here can be.
std::optional<Nanometres> magnitudeOf(const Decimal& decimal)
{
    QString whole = decimal.whole;
    whole.remove(QRegularExpression(QStringLiteral("^0+(?=.)")));
    if (whole.size() > 6)
        return std::nullopt;
    const QString fraction = decimal.fraction.left(6).leftJustified(6, u'0');
    return whole.toLongLong() * kPerMm + fraction.toLongLong();
}

QString notANumber(const QString& text)
{
    if (text.contains(u','))
        return QStringLiteral("小数点は「.」で入力してください");
    return QStringLiteral("数字で入力してください（例: 35、35.5）");
}

} // namespace

SizeReading readSize(const QString& typed)
{
    const QString text = asTyped(typed);
    if (text.isEmpty())
        return {std::nullopt, QStringLiteral("寸法を mm で入力してください")};
    const auto decimal = splitDecimal(text);
    if (!decimal)
        return {std::nullopt, notANumber(text)};
    if (tooFine(*decimal))
        return {std::nullopt, QStringLiteral("寸法の小数は 4 桁までです")};
    const auto value = magnitudeOf(*decimal);
    if (decimal->negative || (value && *value == 0))
        return {std::nullopt, QStringLiteral("0 より大きい寸法を入力してください")};
    if (!value || *value > kLargestSize)
        return {std::nullopt, QStringLiteral("寸法は %1 mm までです").arg(kLargestSize / kPerMm)};
    return {value, {}};
}

BoundReading readBound(const QString& typed)
{
    const QString text = asTyped(typed);
    if (text.isEmpty())
        return {};
    const auto decimal = splitDecimal(text);
    if (!decimal)
        return {std::nullopt, notANumber(text)};
    if (tooFine(*decimal))
        return {std::nullopt, QStringLiteral("小数は 4 桁までです")};
    const auto value = magnitudeOf(*decimal);
    if (!value)
        return {std::nullopt, QStringLiteral("大きすぎます")};
    return {decimal->negative ? -*value : *value, {}};
}

QStringList commonClasses(Side side)
{
    QStringList codes;
    for (const tolerance::ToleranceClass& cls : tolerance::classesOf(coreSide(side)))
        codes << QString::fromUtf8(cls.code.data(), qsizetype(cls.code.size()));
    return codes;
}

namespace {

FitKind kindOf(cli::FitType type)
{
    switch (type) {
    case cli::FitType::Clearance:
        return FitKind::Clearance;
    case cli::FitType::Transition:
        return FitKind::Transition;
    case cli::FitType::Interference:
        break;
    }
    return FitKind::Interference;
}

PairFigures pairOf(const cli::Fit& fit)
{
    return {fit.maximumClearance * kPerCliUnit, fit.minimumClearance * kPerCliUnit,
            kindOf(fit.type)};
}

struct ClassReading
{
    const tolerance::ToleranceClass* cls = nullptr;
    QString problem;
};

ClassReading readClass(Side side, const QString& typed)
{
    const QString text = asTyped(typed);
    if (text.isEmpty())
        return {nullptr, QStringLiteral("公差クラスを入力してください（例: %1）")
                             .arg(side == Side::Hole ? u"H7" : u"g6")};
    const QByteArray code = text.toUtf8();
    const std::string_view view(code.constData(), std::size_t(code.size()));
    if (const auto* cls = tolerance::findClass(coreSide(side), view))
        return {cls, {}};
    const Side other = side == Side::Hole ? Side::Shaft : Side::Hole;
    if (tolerance::findClass(coreSide(other), view))
        return {nullptr,
                side == Side::Hole
                    ? QStringLiteral("%1 は軸のクラスです。穴は大文字で入力します").arg(text)
                    : QStringLiteral("%1 は穴のクラスです。軸は小文字で入力します").arg(text)};
    return {nullptr, QStringLiteral("%1 という公差クラスはありません").arg(text)};
}

std::optional<SideFigures> figuresOf(const tolerance::ToleranceClass& cls, std::size_t range,
                                     Nanometres diameter, QString& problem)
{
    const auto deviations = cli::deviationsOf(cls.entries[range]);
    if (!deviations) {
        problem = QStringLiteral("%1 にはこの寸法の値がありません")
                      .arg(QString::fromUtf8(cls.code.data(), qsizetype(cls.code.size())));
        return std::nullopt;
    }
    const Nanometres upper = deviations->upper * kPerCliUnit;
    const Nanometres lower = deviations->lower * kPerCliUnit;
    return SideFigures{QString::fromUtf8(cls.code.data(), qsizetype(cls.code.size())),
                       upper,
                       lower,
                       diameter + upper,
                       diameter + lower,
                       Source::Table1984};
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
    const std::size_t range = *cli::rangeOfDiameter(*size.diameter / kPerCliUnit);
    if (hole.cls)
        answer.hole = figuresOf(*hole.cls, range, *size.diameter, answer.holeProblem);
    if (shaft.cls)
        answer.shaft = figuresOf(*shaft.cls, range, *size.diameter, answer.shaftProblem);
    if (answer.hole && answer.shaft) {
        const cli::Deviations h{answer.hole->upper / kPerCliUnit, answer.hole->lower / kPerCliUnit};
        const cli::Deviations s{answer.shaft->upper / kPerCliUnit,
                                answer.shaft->lower / kPerCliUnit};
        answer.pair = pairOf(cli::fitOf(h, s));
    }
    return answer;
}

std::vector<FoundPair> findPairs(const FinderQuery& query)
{
    cli::Requirement requirement;
    if (query.minimumClearance)
        requirement.minimumClearance = *query.minimumClearance / kPerCliUnit;
    if (query.maximumClearance)
        requirement.maximumClearance = *query.maximumClearance / kPerCliUnit;
    if (query.kind)
        requirement.type = *query.kind == FitKind::Clearance    ? cli::FitType::Clearance
                           : *query.kind == FitKind::Transition ? cli::FitType::Transition
                                                                : cli::FitType::Interference;
    requirement.basis = query.basis == Basis::Hole    ? cli::Basis::Hole
                        : query.basis == Basis::Shaft ? cli::Basis::Shaft
                                                      : cli::Basis::Any;
    const auto range = cli::rangeOfDiameter(query.diameter / kPerCliUnit);
    std::vector<FoundPair> found;
    if (!range)
        return found;
    for (const cli::FoundFit& fit : cli::findFits(*range, requirement))
        found.push_back(
            {QString::fromUtf8(fit.hole->code.data(), qsizetype(fit.hole->code.size())),
             QString::fromUtf8(fit.shaft->code.data(), qsizetype(fit.shaft->code.size())),
             pairOf(fit.fit)});
    return found;
}

} // namespace workbench
