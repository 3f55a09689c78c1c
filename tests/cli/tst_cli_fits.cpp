// SPDX-License-Identifier: MIT
// Limits of size, fits and the fit finder worked out by hand from the table texts, and the class
// codes refused.
#include "cli_test_support.h"

#include "cli/app.h"
#include "cli/query.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <optional>
#include <sstream>

using namespace cli;
using namespace Qt::Literals::StringLiterals;

namespace {

Record ask(const QString& classOrFit, const QString& size)
{
    return describe(utf8(classOrFit), utf8(size));
}

// The text answer of the tool to args, one entry per line with runs of spaces made single.
QStringList answerOf(const QStringList& args)
{
    std::vector<std::string> texts;
    for (const QString& arg : args)
        texts.push_back(utf8(arg));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::ostringstream out;
    std::ostringstream err;
    if (run(views, out, err) != kExitSuccess)
        return {u"failed: "_s + q(err.str())};
    QStringList lines = q(out.str()).split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.simplified();
    return lines;
}

// "0.0115" and "-0.018" in tenths of a micrometre.
int units(const QString& mm)
{
    const QStringList parts = mm.split(u'.');
    const int whole = parts[0].toInt() * 10000;
    const int fraction = parts.value(1).leftJustified(4, u'0').toInt();
    return mm.startsWith(u'-') ? whole - fraction : whole + fraction;
}

// The least and the greatest clearance of a fit, as the pair query reports them.
std::pair<int, int> clearancesOf(const Record& fit)
{
    const QString type = field(fit, "fit");
    if (type == u"clearance")
        return {units(field(fit, "minimum_clearance")), units(field(fit, "maximum_clearance"))};
    if (type == u"transition")
        return {-units(field(fit, "maximum_interference")), units(field(fit, "maximum_clearance"))};
    return {-units(field(fit, "maximum_interference")), -units(field(fit, "minimum_interference"))};
}

} // namespace

class TestCliFits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void limitsOfSize_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("minimum");

        // H7 at 30～40 is "+0.025" over " 0": 35 + 0.025 and 35 + 0.
        QTest::newRow("H7 35") << u"H7"_s << u"35"_s << u"35.025"_s << u"35.000"_s;
        // g6 at 30～40 is "-0.009" over "-0.025": 35 - 0.009 and 35 - 0.025.
        QTest::newRow("g6 35") << u"g6"_s << u"35"_s << u"34.991"_s << u"34.975"_s;
        // JS6 at 6～10 is "±" over "0.0045": 6.5 ± 0.0045, the half micrometre kept.
        QTest::newRow("JS6 6.5") << u"JS6"_s << u"6.5"_s << u"6.5045"_s << u"6.4955"_s;
        // M7 at 0～3 is "-0.002" over "-0.012"; 3 is still in 0～3.
        QTest::newRow("M7 on a boundary") << u"M7"_s << u"3"_s << u"2.998"_s << u"2.988"_s;
        // B10 at 450～500 is "+1.090" over "+0.840": 450.0001 + 1.090 and + 0.840.
        QTest::newRow("B10 just over 450")
            << u"B10"_s << u"450.0001"_s << u"451.0901"_s << u"450.8401"_s;
        // h7 at 450～500 is " 0" over "-0.063".
        QTest::newRow("h7 500") << u"h7"_s << u"500"_s << u"500.000"_s << u"499.937"_s;
    }

    void limitsOfSize()
    {
        QFETCH(QString, code);
        QFETCH(QString, size);
        QFETCH(QString, maximum);
        QFETCH(QString, minimum);
        const Record record = ask(code, size);
        QCOMPARE(field(record, "class"), code);
        QCOMPARE(field(record, "maximum"), maximum);
        QCOMPARE(field(record, "minimum"), minimum);
        QVERIFY(field(record, "note").isNull());
    }

    void limitsBelowZeroAreFlagged()
    {
        // b9 at 0～3 is "-0.140" over "-0.165": 0.1 - 0.140 = -0.040, 0.1 - 0.165 = -0.065.
        const Record record = ask(u"b9"_s, u"0.1"_s);
        QCOMPARE(field(record, "maximum"), u"-0.040"_s);
        QCOMPARE(field(record, "minimum"), u"-0.065"_s);
        QVERIFY(field(record, "note").contains(u"not over 0 mm"_s));
    }

    void aRangeGivesNoLimits()
    {
        const Record record = ask(u"H7"_s, u"30-40"_s);
        QCOMPARE(keysOf(record), QStringList({u"class"_s, u"side"_s, u"range"_s, u"upper"_s,
                                              u"lower"_s, u"source"_s}));
        QCOMPARE(field(record, "lower"), u" 0"_s);
    }

    void fits_data()
    {
        QTest::addColumn<QString>("fit");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("figures"); // key=value, in output order

        // H7 +0.025/0, g6 -0.009/-0.025 (30～40). Loosest: 0.025 - (-0.025) = 0.050;
        // tightest: 0 - (-0.009) = 0.009. Both clear.
        QTest::newRow("clearance H7/g6")
            << u"H7/g6"_s << u"35"_s
            << QStringList{u"maximum_clearance=0.050"_s, u"minimum_clearance=0.009"_s,
                           u"fit=clearance"_s};
        // H7 +0.025/0, h6 0/-0.016: 0.025 + 0.016 = 0.041; 0 - 0 = 0, still a clearance fit.
        QTest::newRow("clearance down to zero H7/h6")
            << u"H7/h6"_s << u"35"_s
            << QStringList{u"maximum_clearance=0.041"_s, u"minimum_clearance=0.000"_s,
                           u"fit=clearance"_s};
        // H7 +0.025/0, k6 +0.018/+0.002: 0.025 - 0.002 = 0.023 clear;
        // 0 - 0.018 = -0.018, an interference of 0.018.
        QTest::newRow("transition H7/k6")
            << u"H7/k6"_s << u"35"_s
            << QStringList{u"maximum_clearance=0.023"_s, u"maximum_interference=0.018"_s,
                           u"fit=transition"_s};
        // JS7 ±0.007, js6 ±0.0045 (6～10): 0.007 + 0.0045 = 0.0115 either way.
        QTest::newRow("transition in half micrometres JS7/js6")
            << u"JS7/js6"_s << u"6-10"_s
            << QStringList{u"maximum_clearance=0.0115"_s, u"maximum_interference=0.0115"_s,
                           u"fit=transition"_s};
        // H7 +0.025/0, p6 +0.042/+0.026: 0.025 - 0.026 = -0.001; 0 - 0.042 = -0.042.
        QTest::newRow("interference H7/p6")
            << u"H7/p6"_s << u"35"_s
            << QStringList{u"minimum_interference=0.001"_s, u"maximum_interference=0.042"_s,
                           u"fit=interference"_s};
        // H7 +0.010/0, r6 +0.016/+0.010 (0～3): 0.010 - 0.010 = 0; 0 - 0.016 = -0.016.
        QTest::newRow("interference from zero H7/r6")
            << u"H7/r6"_s << u"0~3"_s
            << QStringList{u"minimum_interference=0.000"_s, u"maximum_interference=0.016"_s,
                           u"fit=interference"_s};
    }

    void fits()
    {
        QFETCH(QString, fit);
        QFETCH(QString, size);
        QFETCH(QStringList, figures);
        const Record record = ask(fit, size);
        QStringList actual;
        for (const QString& key : keysOf(record)) {
            if (key.contains(u"clearance"_s) || key.contains(u"interference"_s) || key == u"fit")
                actual << key + u'=' + field(record, utf8(key));
        }
        QCOMPARE(actual, figures);
    }

    void fitCarriesBothClassesAndLimits()
    {
        const Record record = ask(u"H7/g6"_s, u"35"_s);
        QCOMPARE(
            keysOf(record),
            QStringList({u"hole"_s, u"shaft"_s, u"size"_s, u"range"_s, u"hole_upper"_s,
                         u"hole_lower"_s, u"shaft_upper"_s, u"shaft_lower"_s, u"hole_maximum"_s,
                         u"hole_minimum"_s, u"shaft_maximum"_s, u"shaft_minimum"_s,
                         u"maximum_clearance"_s, u"minimum_clearance"_s, u"fit"_s, u"source"_s}));
        QCOMPARE(field(record, "range"), u"30～40"_s);
        QCOMPARE(field(record, "shaft_maximum"), u"34.991"_s);
        QCOMPARE(field(record, "shaft_minimum"), u"34.975"_s);
    }

    // A side given by its limits beside the other side's class; by hand from the table texts.
    void sideByItsLimits_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("lines"); // found among the answer's lines

        // A bearing's bore 0/-0.009 on g6 -0.007/-0.020 (18～24): 0 + 0.020 = 0.020 clear;
        // -0.009 + 0.007 = -0.002, an interference of 0.002.
        QTest::newRow("bore on g6")
            << QStringList{u"g6"_s, u"20"_s, u"--hole-limits"_s, u"0/-0.009"_s}
            << QStringList{u"hole: 0/-0.009"_s,
                           u"shaft: g6"_s,
                           u"hole_upper: 0"_s,
                           u"hole_lower: -0.009"_s,
                           u"hole_maximum: 20.000"_s,
                           u"hole_minimum: 19.991"_s,
                           u"maximum_clearance: 0.020"_s,
                           u"maximum_interference: 0.002"_s,
                           u"fit: transition"_s,
                           u"source: hole: given limits; shaft: JIS B 0401:1984 table"_s};
        // A shaft ±0.005 in H7 +0.021/0 (18～24): 0.021 + 0.005 = 0.026; 0 - 0.005 = -0.005.
        QTest::newRow("± shaft in H7")
            << QStringList{u"H7"_s, u"20"_s, u"--shaft-limits"_s, u"±0.005"_s}
            << QStringList{u"hole: H7"_s,
                           u"shaft: ±0.005"_s,
                           u"shaft_upper: +0.005"_s,
                           u"shaft_lower: -0.005"_s,
                           u"maximum_clearance: 0.026"_s,
                           u"maximum_interference: 0.005"_s,
                           u"fit: transition"_s};
        // A bush's bore +0.021/+0.008 on a shaft 0/-0.009: 0.021 + 0.009 = 0.030; 0.008 - 0.
        QTest::newRow("both sides given")
            << QStringList{u"--hole-limits"_s, u"+0.021/+0.008"_s, u"--shaft-limits=0/-0.009"_s,
                           u"20"_s}
            << QStringList{u"hole: +0.021/+0.008"_s,      u"shaft: 0/-0.009"_s,
                           u"maximum_clearance: 0.030"_s, u"minimum_clearance: 0.008"_s,
                           u"fit: clearance"_s,           u"source: given limits"_s};
        // One size each, 0.002 apart: every assembly interferes.
        QTest::newRow("both exact")
            << QStringList{u"--hole-limits=0.010/0.010"_s, u"--shaft-limits=0.012/0.012"_s, u"5"_s}
            << QStringList{u"minimum_interference: 0.002"_s, u"maximum_interference: 0.002"_s,
                           u"statistics: normal spread: 99.73 % of assemblies have a clearance "
                           u"from -0.002 to -0.002 mm; an interference in 100 %, a clearance "
                           u"in 0 %"_s};
        // A range gives no limits of size but the clearances all the same: ±0.0045 on g6,
        // 0.0045 + 0.020 = 0.0245 and -0.0045 + 0.007 = 0.0025.
        QTest::newRow("a range") << QStringList{u"g6"_s, u"18-24"_s, u"--hole-limits"_s,
                                                u"+-0.0045"_s}
                                 << QStringList{u"hole: ±0.0045"_s, u"range: 18～24"_s,
                                                u"maximum_clearance: 0.0245"_s,
                                                u"minimum_clearance: 0.0025"_s,
                                                u"fit: clearance"_s};
    }

    void sideByItsLimits()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, lines);
        const QStringList answer = answerOf(args);
        for (const QString& line : lines)
            QVERIFY2(answer.contains(line), qPrintable(line + u" not in "_s + answer.join(u'|')));
        QVERIFY(answer.contains(u"other_basis: none: a side is given by its limits"_s));
    }

    // The same fit in the other system, or the nearest of the table's classes there. At 30～40
    // the 1984 table halves IT7 down: JS7 ±0.012, js6 ±0.008.
    void otherBasis_data()
    {
        QTest::addColumn<QString>("fit");
        QTest::addColumn<QString>("line");
        QTest::newRow("H7/g6") << u"H7/g6"_s << u"G7/h6, the same clearances"_s;
        QTest::newRow("G7/h6") << u"G7/h6"_s << u"H7/g6, the same clearances"_s;
        QTest::newRow("H7/p6, by the Δ") << u"H7/p6"_s << u"P7/h6, the same clearances"_s;
        QTest::newRow("H7/h6") << u"H7/h6"_s << u"H7/h6, the same pair: it is of both systems"_s;
        // H7/js6 clears -0.008 … 0.033; JS7/h6 -0.012 … 0.028, but JS6/h7 (±0.008 on 0/-0.025)
        // -0.008 … 0.033, both of the table.
        QTest::newRow("H7/js6, the grades swapped")
            << u"H7/js6"_s << u"JS6/h7, the same clearances"_s;
        // H7/k7 (k7 +27/+2) clears -0.027 … 0.023; K7/h7 -0.018 … 0.032, M7/h7 -0.025 … 0.025.
        QTest::newRow("H7/k7, the nearest")
            << u"H7/k7"_s
            << u"M7/h7, the nearest of the table's classes; its maximum clearance differs by "
               u"+2 µm, its minimum clearance by +2 µm"_s;
        QTest::newRow("neither a basis") << u"G7/k6"_s << u"none: neither class is H or h"_s;
    }

    void otherBasis()
    {
        QFETCH(QString, fit);
        QFETCH(QString, line);
        const QStringList answer = answerOf({fit, u"35"_s});
        QVERIFY2(answer.contains(u"other_basis: "_s + line), qPrintable(answer.join(u'|')));
    }

    // The odds in JSON as numbers, every figure kept. H7 +0.025/0 and k6 +0.018/+0.002 at
    // 30～40: uniform spreads interfere in (18 - 16/2) / 25 = 0.4 of assemblies, 99.73 % of them
    // from -18 + √(2·25·16·0.00135) = -16.960770 to 41 - 18 - 1.039230 = 21.960770 µm; normal
    // spreads (σ = √881 / 6 = 4.946940 µm about 2.5 µm) in Φ(-0.505362) = 0.306652, from
    // 2.5 ∓ 14.840822: -12.340822 to 17.340822 µm.
    void statisticsAsJson_data()
    {
        QTest::addColumn<QString>("distribution");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("probability");
        QTest::addColumn<QString>("fit");
        QTest::addColumn<QString>("size");
        QTest::newRow("normal") << u"normal"_s << -0.012340822 << 0.017340822 << 0.306652
                                << u"H7/k6"_s << u"35"_s;
        QTest::newRow("uniform") << u"uniform"_s << -0.016960770 << 0.021960770 << 0.4 << u"H7/k6"_s
                                 << u"35"_s;
        // H7 +18/0, p6 +29/+18 at 18: mean -14.5 µm, σ = √445 / 6 = 3.515837 µm, a clearance in
        // Φ(-4.124196) = 1.86016e-5 of assemblies: an interference in 0.99998140, not 1;
        // 99.73 % from -14.5 ∓ 10.547512: -25.047512 to -3.952488 µm, not -0.025 and -0.004.
        QTest::newRow("H7/p6 18, nearly certain")
            << u"normal"_s << -0.025047512 << -0.003952488 << 0.9999813984 << u"H7/p6"_s << u"18"_s;
    }

    void statisticsAsJson()
    {
        QFETCH(QString, distribution);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, probability);
        QFETCH(QString, fit);
        QFETCH(QString, size);
        const QString json =
            answerOf({fit, size, u"--format=json"_s, u"--distribution"_s, distribution}).join(u' ');
        const QJsonObject o = QJsonDocument::fromJson(json.toUtf8()).object();
        const QJsonObject statistics = o[u"statistics"].toObject();
        QCOMPARE(statistics[u"distribution"].toString(), distribution);
        // Not cut to 0.1 µm or to four figures: to a thousandth of a nm and a millionth.
        QVERIFY(std::abs(statistics[u"clearance_low"].toDouble() - low) < 1e-9);
        QVERIFY(std::abs(statistics[u"clearance_high"].toDouble() - high) < 1e-9);
        const double interference = statistics[u"interference_probability"].toDouble();
        QVERIFY2(std::abs(interference - probability) < 1e-6,
                 qPrintable(QString::number(interference, 'g', 17)));
        QVERIFY(std::abs(statistics[u"clearance_probability"].toDouble() - (1 - probability)) <
                1e-6);
        QVERIFY(interference < 1);
        if (fit != u"H7/k6")
            return;
        const QJsonObject other = o[u"other_basis"].toObject();
        QCOMPARE(other[u"pair"].toString(), u"K7/h6"_s);
        QCOMPARE(other[u"same_clearances"].toBool(false), true);
        QCOMPARE(other[u"maximum_clearance_difference_um"].toDouble(-1), 0.0);
    }

    // The odds in words: 0 % and 100 % only where certain, a far tail and its other side as
    // such, the other side never 1 less a rounded figure. H7/u6 at 50: a clearance in
    // Φ(-13.24) = 2.6e-40; H7/d9 at 50 (d9 -80/-142): an interference in Φ(-12.5) or so; H7/p6
    // at 18: 1.86016e-5 of a clearance, as above, 99.998 % of an interference.
    void oddsInWords_data()
    {
        QTest::addColumn<QString>("fit");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("odds");
        QTest::newRow("H7/u6 50") << u"H7/u6"_s << u"50"_s
                                  << u"an interference in > 99.9999 %, a clearance in < 0.0001 %"_s;
        QTest::newRow("H7/d9 50") << u"H7/d9"_s << u"50"_s
                                  << u"an interference in < 0.0001 %, a clearance in > 99.9999 %"_s;
        QTest::newRow("H7/p6 18") << u"H7/p6"_s << u"18"_s
                                  << u"an interference in 99.998 %, a clearance in 0.00186 %"_s;
    }
    void oddsInWords()
    {
        QFETCH(QString, fit);
        QFETCH(QString, size);
        QFETCH(QString, odds);
        const QStringList answer = answerOf({fit, size});
        const auto line = std::find_if(answer.begin(), answer.end(), [](const QString& l) {
            return l.startsWith(u"statistics: "_s);
        });
        QVERIFY(line != answer.end());
        QVERIFY2(line->endsWith(odds), qPrintable(*line));
    }

    void undefinedEntriesComputeNothing_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("note");

        QTest::newRow("shaft without value")
            << u"H7/t6"_s << u"12"_s << u"t6 has no value for 10～14; nothing computed"_s;
        QTest::newRow("both without value")
            << u"T7/t6"_s << u"3"_s << u"T7 and t6 have no value for 0～3; nothing computed"_s;
        QTest::newRow("single class")
            << u"x6"_s << u"450-500"_s << u"x6 has no value for 450～500; nothing computed"_s;
    }

    void undefinedEntriesComputeNothing()
    {
        QFETCH(QString, query);
        QFETCH(QString, size);
        QFETCH(QString, note);
        const Record record = ask(query, size);
        QCOMPARE(field(record, "note"), note);
        for (const QString& key : keysOf(record)) {
            QVERIFY2(!key.contains(u"imum"_s) && key != u"fit", qPrintable(key));
            if (key.endsWith(u"upper"_s) || key.endsWith(u"lower"_s))
                QVERIFY(!field(record, utf8(key)).isEmpty());
        }
        QVERIFY(keysOf(record).contains(u"range"_s));
    }

    // Two qualifying pairs and one just outside, by hand from the table texts. At 30～40: H7
    // +0.025/0, H6 +0.016/0, H8 +0.039/0, f7 -0.025/-0.050, s6 +0.059/+0.043. At 100～120:
    // F7 +0.071/+0.036, H6 +0.022/0, h6 0/-0.022, h7 0/-0.035, f7 -0.036/-0.071.
    void finder_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QStringList>("missing");

        // H7/f7: 0.025 + 0.050 = 0.075, 0 + 0.025 = 0.025, on MIN; H6/f7: 0.016 + 0.050 =
        // 0.066, 0.025; H8/f7: 0.039 + 0.050 = 0.089, a micrometre over MAX.
        QTest::newRow("30～40") << QStringList{u"--fits"_s, u"35"_s, u"--clearance"_s,
                                               u"0.025..0.088"_s}
                                << QStringList{u"H7/f7 max 0.075 min 0.025 clearance preferred"_s,
                                               u"H6/f7 max 0.066 min 0.025 clearance"_s}
                                << QStringList{u"H8/f7"_s};
        // F7/h6: 0.071 + 0.022 = 0.093, 0.036 - 0 = 0.036; H6/f7: 0.022 + 0.071 = 0.093,
        // 0 + 0.036 = 0.036; F7/h7: 0.071 + 0.035 = 0.106, a micrometre over MAX.
        QTest::newRow("100～120") << QStringList{u"--fits"_s, u"110"_s, u"--clearance"_s,
                                                 u"0.036..0.105"_s}
                                  << QStringList{u"F7/h6 max 0.093 min 0.036 clearance preferred"_s,
                                                 u"H6/f7 max 0.093 min 0.036 clearance"_s}
                                  << QStringList{u"F7/h7"_s};
        // H6/s6: 0.016 - 0.043 = -0.027, 0 - 0.059 = -0.059; H7/s6: 0.025 - 0.043 = -0.018,
        // short of the 0.020 of interference always wanted.
        QTest::newRow("interference")
            << QStringList{u"--fits"_s, u"30-40"_s, u"--clearance"_s, u"-0.060..-0.020"_s}
            << QStringList{u"H6/s6 max -0.027 min -0.059 interference"_s}
            << QStringList{u"H7/s6"_s};
    }

    void finder()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, found);
        QFETCH(QStringList, missing);
        const QStringList lines = answerOf(args);
        for (const QString& line : found)
            QVERIFY2(lines.contains(line), qPrintable(line));
        for (const QString& pair : missing) {
            const auto named = [&](const QString& line) { return line.startsWith(pair + u' '); };
            QVERIFY2(std::none_of(lines.begin(), lines.end(), named), qPrintable(pair));
        }
        QVERIFY2(lines.last().startsWith(u"%1 fits at "_s.arg(lines.size() - 1)),
                 qPrintable(lines.last()));
    }

    // The finder keeps exactly the pairs whose fit, as the pair query reports it, meets the
    // requirement.
    void finderAgreesWithPairQuery_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<std::optional<int>>("least"); // tenths of a micrometre
        QTest::addColumn<std::optional<int>>("most");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("basis");

        const std::optional<int> open;
        QTest::newRow("everything") << QStringList() << open << open << QString() << QString();
        QTest::newRow("both bounds")
            << QStringList{u"--clearance"_s, u"0.010..0.100"_s} << std::optional(100)
            << std::optional(1000) << QString() << QString();
        QTest::newRow("MAX only, an interference")
            << QStringList{u"--clearance"_s, u"..-0.05"_s} << open << std::optional(-500)
            << QString() << QString();
        QTest::newRow("transition") << QStringList{u"--type"_s, u"transition"_s} << open << open
                                    << u"transition"_s << QString();
        QTest::newRow("hole basis, clearance from zero")
            << QStringList{u"--basis"_s, u"hole"_s, u"--clearance"_s, u"0.."_s} << std::optional(0)
            << open << QString() << u"hole"_s;
        QTest::newRow("shaft basis, interference")
            << QStringList{u"--basis=shaft"_s, u"--type=interference"_s} << open << open
            << u"interference"_s << u"shaft"_s;
    }

    void finderAgreesWithPairQuery()
    {
        QFETCH(QStringList, args);
        QFETCH(std::optional<int>, least);
        QFETCH(std::optional<int>, most);
        QFETCH(QString, type);
        QFETCH(QString, basis);
        QStringList expected;
        for (const tolerance::ToleranceClass& hole : tolerance::holeClasses()) {
            for (const tolerance::ToleranceClass& shaft : tolerance::shaftClasses()) {
                const QString pair = q(hole.code) + u'/' + q(shaft.code);
                const Record fit = ask(pair, u"35"_s);
                if (!field(fit, "note").isNull())
                    continue;
                const auto [low, high] = clearancesOf(fit);
                if ((least && low < *least) || (most && high > *most) ||
                    (!type.isEmpty() && field(fit, "fit") != type) ||
                    (basis == u"hole" && !pair.contains(QRegularExpression(u"^H\\d"_s))) ||
                    (basis == u"shaft" && !pair.contains(QRegularExpression(u"/h\\d"_s))))
                    continue;
                expected << pair;
            }
        }
        QStringList lines = answerOf(QStringList{u"--fits"_s, u"35"_s} + args);
        const QString last = lines.takeLast();
        // Where any commonly used pair is among them, the count says how many come first.
        const QRegularExpression count(
            u"^%1 fits at 30～40(, the \\d+ commonly used in JIS B "
            "0401 first)?; source: JIS B 0401:1984 table$"_s.arg(expected.size()));
        QVERIFY2(count.match(last).hasMatch(), qPrintable(last));
        QStringList pairs;
        for (const QString& line : lines)
            pairs << line.section(u' ', 0, 0);
        std::sort(pairs.begin(), pairs.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(pairs, expected);
    }

    // The commonly used pairs first, then the rest; within each the widest fit tolerance first,
    // ties in list order, hole first. At 30～40 the widest commonly used pairs are an IT10 hole
    // on h9 and H10 on an IT9 shaft (B10 +0.270/+0.170 and h9 0/-0.062: 0.162), three of each;
    // the widest of the rest an IT10 hole on an IT9 shaft (B10 on b9 -0.170/-0.232: 0.162
    // too), four such shafts in list order for B10 (h9 is among the commonly used) before C10.
    void finderOrder()
    {
        const QStringList lines = answerOf({u"--fits"_s, u"35"_s});
        QStringList first;
        for (const QString& line : lines.mid(0, 7))
            first << line.section(u' ', 0, 0);
        QCOMPARE(first, QStringList({u"B10/h9"_s, u"C10/h9"_s, u"D10/h9"_s, u"H10/b9"_s,
                                     u"H10/c9"_s, u"H10/d9"_s, u"C9/h9"_s}));
        QCOMPARE(lines.first(), u"B10/h9 max 0.332 min 0.170 clearance preferred"_s);
        const qsizetype rest = lines.indexOf(u"B10/b9 max 0.502 min 0.340 clearance"_s);
        QCOMPARE(rest, 86); // the commonly used pairs at 30～40: all but H7/x6 and X7/h6
        QCOMPARE(lines.value(rest + 4).section(u' ', 0, 0), u"C10/b9"_s);
        const auto indexOf = [](tolerance::Side side, const QString& code) {
            const auto classes = tolerance::classesOf(side);
            return std::find_if(classes.begin(), classes.end(),
                                [&](const auto& cls) { return q(cls.code) == code; }) -
                   classes.begin();
        };
        std::optional<std::tuple<bool, int, long, long>> previous;
        for (const QString& line : lines.mid(0, lines.size() - 1)) {
            const QStringList words = line.split(u' ');
            const QStringList codes = words[0].split(u'/');
            // Preferred and wider first, so both are turned round for an ascending comparison.
            const std::tuple<bool, int, long, long> key{!line.endsWith(u" preferred"_s),
                                                        units(words[4]) - units(words[2]),
                                                        indexOf(tolerance::Side::Hole, codes[0]),
                                                        indexOf(tolerance::Side::Shaft, codes[1])};
            if (previous)
                QVERIFY2(*previous < key, qPrintable(line));
            previous = key;
        }
    }

    void finderEmptyAnswer_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("answer");
        QTest::newRow("text") << u"text"_s << u"no fit at 30～40 meets the requirement"_s;
        QTest::newRow("csv")
            << u"csv"_s
            << u"hole,shaft,range,maximum_clearance,minimum_clearance,fit,source,preferred"_s;
        QTest::newRow("json") << u"json"_s << u"[]"_s;
    }

    void finderEmptyAnswer()
    {
        QFETCH(QString, format);
        QFETCH(QString, answer);
        // No fit of the tables clears by at most 0.0002 mm yet by at least 0.0001 mm.
        QCOMPARE(answerOf({u"--fits"_s, u"35"_s, u"--clearance"_s, u"0.0001..0.0002"_s,
                           u"--format"_s, format}),
                 QStringList{answer});
    }

    void refusedClasses_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("message");

        QTest::newRow("shaft as hole") << u"h7/g6"_s << u"h7 is a shaft class; did you mean H7?"_s;
        QTest::newRow("hole as shaft") << u"H7/G6"_s << u"G6 is a hole class; did you mean g6?"_s;
        QTest::newRow("swapped") << u"g6/H7"_s << u"write the hole first: H7/g6"_s;
        QTest::newRow("shaft as hole, outside the table")
            << u"c11/h6"_s << u"c11 is a shaft class; did you mean C11?"_s;
        QTest::newRow("case of both sides") << u"Js6"_s << u"did you mean JS6 or js6?"_s;
        QTest::newRow("case within a fit")
            << u"Js6/h6"_s << u"hole class \"Js6\"; did you mean JS6?"_s;
        QTest::newRow("stray space") << u"H7 "_s << u"did you mean H7?"_s;
        QTest::newRow("grade out of the standard")
            << u"H19"_s << u"unknown class \"H19\"; no grade 19 in the standard"_s;
        QTest::newRow("unknown")
            << u"Q7"_s << u"unknown class \"Q7\"; no fundamental deviation is written Q"_s;
        QTest::newRow("empty") << QString() << u"empty class"_s;
        QTest::newRow("empty shaft") << u"H7/"_s << u"empty shaft class"_s;
        QTest::newRow("three parts") << u"H7/g6/h6"_s << u"is not a fit"_s;
        QTest::newRow("control character") << u"H\u00077"_s << u"\"H\\x077\""_s;
        // Invisible or direction-changing characters would make a real code of what is shown.
        QTest::newRow("zero-width space")
            << u"H7\u200B"_s << u"unknown class \"H7\\u200B\"; see --help"_s;
        QTest::newRow("byte order mark") << u"\uFEFFH7"_s << u"class \"\\uFEFFH7\""_s;
        QTest::newRow("right-to-left override") << u"H\u202E7"_s << u"class \"H\\u202E7\""_s;
        QTest::newRow("no-break space") << u"H7\u00A0"_s << u"class \"H7\\u00A0\""_s;
        QTest::newRow("tag character") << u"H7\U000E0041"_s << u"class \"H7\\U000E0041\""_s;
    }

    void refusedClasses()
    {
        QFETCH(QString, query);
        QFETCH(QString, message);
        const QString error = inputErrorOf([&] { ask(query, u"35"_s); });
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    void classIsCheckedBeforeSize()
    {
        QVERIFY(inputErrorOf([] { ask(u"Q7"_s, u"abc"_s); }).contains(u"unknown class"_s));
        QVERIFY(inputErrorOf([] { ask(u"h7/g6"_s, u"abc"_s); }).contains(u"shaft class"_s));
        QVERIFY(inputErrorOf([] { ask(u"H7/g6"_s, u"abc"_s); }).contains(u"\"abc\""_s));
    }
};

QTEST_APPLESS_MAIN(TestCliFits)
#include "tst_cli_fits.moc"
