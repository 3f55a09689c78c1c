// SPDX-License-Identifier: MIT
// Fits in service on the command line: the values refused with one line, the JSON objects and
// their keys, and the text answers of the examples the README shows.
#include "cli_test_support.h"

#include "cli/app.h"

#include "tolerance/service/materials.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <sstream>

using namespace cli;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Outcome
{
    int exit;
    QString out;
    QString err;
};

Outcome runTool(const QString& commandLine)
{
    std::vector<std::string> texts;
    for (const QString& arg : commandLine.split(u' ', Qt::SkipEmptyParts))
        texts.push_back(utf8(arg));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::ostringstream out;
    std::ostringstream err;
    const int exit = run(views, out, err);
    return {exit, q(out.str()), q(err.str())};
}

QJsonObject jsonOf(const QString& commandLine)
{
    const Outcome outcome = runTool(commandLine + u" --format json"_s);
    if (outcome.exit != kExitSuccess)
        qFatal("%s", qPrintable(outcome.err));
    return QJsonDocument::fromJson(outcome.out.toUtf8()).object();
}

const QString kPress = u"H7/s6 50 --materials S45C/S45C --hub-diameter 80 --length 40 "
                       u"--friction 0.15"_s;

} // namespace

class TestCliService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void badValuesExitTwoWithOneLine_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("message");
        const QString base = u"H7/s6 50 --materials S45C/S45C --length 40 --friction 0.15 "_s;
        QTest::newRow("hub not over the size")
            << base + u"--hub-diameter 50"_s
            << u"--hub-diameter 50 mm is not over the size, 50 mm"_s;
        QTest::newRow("bore not under the size")
            << base + u"--hub-diameter 80 --shaft-bore 50"_s
            << u"--shaft-bore 50 mm is not under the size, 50 mm"_s;
        QTest::newRow("friction over 1")
            << u"H7/s6 50 --materials S45C/S45C --length 40 --hub-diameter 80 --friction 1.5"_s
            << u"--friction \"1.5\" is outside 0 to 1: over 0, at most 1"_s;
        QTest::newRow("friction below 0")
            << u"H7/s6 50 --materials S45C/S45C --length 40 --hub-diameter 80 --friction=-0.1"_s
            << u"--friction \"-0.1\" is outside 0 to 1: over 0, at most 1"_s;
        QTest::newRow("friction 0, which holds nothing")
            << u"H7/s6 50 --materials S45C/S45C --length 40 --hub-diameter 80 --friction 0"_s
            << u"--friction \"0\" is outside 0 to 1: over 0, at most 1"_s;
        // H7's bore at 50 may be 50.025, s6 (P7/h6's h6) as small as 49.984.
        QTest::newRow("hub inside the bore's greatest size")
            << base + u"--hub-diameter 50.01"_s
            << u"--hub-diameter 50.010 mm is not over the bore's greatest size, 50.025 mm"_s;
        QTest::newRow("bore outside the shaft's least size")
            << u"P7/h6 50 --materials S45C/S45C --length 40 --friction 0.15 --hub-diameter 80 "
               u"--shaft-bore 49.99"_s
            << u"--shaft-bore 49.990 mm is not under the shaft's least size, 49.984 mm"_s;
        QTest::newRow("one roughness")
            << base + u"--hub-diameter 80 --roughness 4"_s
            << u"--roughness \"4\" gives one Rz; give the bore's and the shaft's, RZH/RZS in "
               u"µm, such as 6.3/4 (or 4/4)"_s;
        QTest::newRow("a temperature in exponent notation")
            << u"H7/g6 35 --materials A5052/S45C --temperature 1e4"_s
            << u"--temperature \"1e4\" is in exponent notation; write it as a plain decimal, "
               u"such as 10000 or 0.0001"_s;
        QTest::newRow("a temperature no part is at")
            << u"H7/g6 35 --materials A5052/S45C --temperature 1000000"_s
            << u"--temperature \"1000000\" is above 1000 °C, the highest working temperature "
               u"taken"_s;
        QTest::newRow("a material that does not grow with heat")
            << u"H7/s6 50 --hole-material E=205000,nu=0.3,alpha=0,yield=490 --shaft-material "
               u"S45C --hub-diameter 80 --length 40 --friction 0.15"_s
            << u"--hole-material \"E=205000,nu=0.3,alpha=0,yield=490\" needs E over 0 (MPa), "
               u"nu from 0 to under 0.5, alpha over 0 (1e-6/K) and yield over 0 (MPa)"_s;
        QTest::newRow("a safety of 0")
            << u"--fits 50 --materials S45C/S45C --hub-diameter 80 --length 40 --friction 0.15 "
               u"--torque 100 --safety 0"_s
            << u"--safety \"0\" is not over 0"_s;
        QTest::newRow("friction given twice")
            << base + u"--hub-diameter 80 --friction 0.2"_s
            << u"--friction is given more than once; give it once"_s;
        QTest::newRow("hole limits given twice")
            << u"g6 20 --hole-limits 0/-0.009 --hole-limits 0/-0.010"_s
            << u"--hole-limits is given more than once; give it once"_s;
        QTest::newRow("a spread for a class alone")
            << u"H7 35 --distribution uniform"_s
            << u"--distribution is for a fit HOLE/SHAFT, not a class alone"_s;
        QTest::newRow("materials without a value")
            << u"H7/g6 35 --temperature 80 --materials"_s
            << u"--materials needs a value: HOLE/SHAFT from the library, such as A5052/S45C; "
               u"alone, or with --format, it lists the library"_s;
        QTest::newRow("temperature below absolute zero")
            << u"H7/g6 35 --materials A5052/S45C --temperature=-300"_s
            << u"--temperature \"-300\" is below absolute zero, -273.15 °C"_s;
        QTest::newRow("the shaft's temperature below absolute zero")
            << u"H7/g6 35 --materials A5052/S45C --temperature 20/-273.2"_s
            << u"--temperature \"-273.2\" is below absolute zero, -273.15 °C"_s;
        QTest::newRow("unknown material")
            << u"H7/g6 35 --materials A5052/S55C --temperature 80"_s
            << u"unknown material \"S55C\"; --materials alone lists the library, or give "
               u"E=…,nu=…,alpha=…,yield=…"_s;
        QTest::newRow("unknown hole material")
            << u"H7/g6 35 --hole-material AL --shaft-material S45C"_s
            << u"unknown material \"AL\"; --materials alone lists the library, or give "
               u"E=…,nu=…,alpha=…,yield=…"_s;
        QTest::newRow("length not over 0")
            << u"H7/s6 50 --materials S45C/S45C --hub-diameter 80 --friction 0.1 --length 0"_s
            << u"--length \"0\" is not over 0"_s;
        QTest::newRow("press fit without friction")
            << u"H7/s6 50 --materials S45C/S45C --hub-diameter 80 --length 40"_s
            << u"a press fit needs --hub-diameter, --length and --friction; --friction is "
               u"missing"_s;
        QTest::newRow("figures incomplete")
            << u"H7/g6 35 --hole-material E=70000,nu=0.33 --shaft-material S45C --temperature 80"_s
            << u"--hole-material \"E=70000,nu=0.33\" needs E over 0 (MPa), nu from 0 to under "
               u"0.5, alpha over 0 (1e-6/K) and yield over 0 (MPa)"_s;
        QTest::newRow("a figure that is not a number")
            << u"H7/g6 35 --hole-material E=7e4,nu=0.33,alpha=23.8,yield=193 --shaft-material "
               u"S45C --temperature 80"_s
            << u"--hole-material E \"7e4\" is in exponent notation; write it as a plain decimal, "
               u"such as 10000 or 0.0001"_s;
        QTest::newRow("the load without --fits")
            << kPress + u" --torque 100"_s
            << u"--torque, --axial-force and --safety are for --fits"_s;
        QTest::newRow("a range, not a diameter")
            << u"H7/g6 30-40 --materials A5052/S45C --temperature 80"_s
            << u"a fit in service needs a diameter such as 50, not the range 30～40"_s;
        QTest::newRow("a class alone")
            << u"H7 35 --materials A5052/S45C --temperature 80"_s
            << u"materials, temperatures and the press fit are for a fit HOLE/SHAFT, such as "
               u"H7/s6"_s;
        QTest::newRow("temperature without materials")
            << u"H7/g6 35 --temperature 80"_s
            << u"--temperature needs the materials: --materials HOLE/SHAFT"_s;
    }
    void badValuesExitTwoWithOneLine()
    {
        QFETCH(QString, args);
        QFETCH(QString, message);
        const Outcome outcome = runTool(args);
        QCOMPARE(outcome.exit, kExitUsage);
        QCOMPARE(outcome.out, QString());
        QCOMPARE(outcome.err, u"tessaly-cli: "_s + message + u'\n');
    }

    // The keys scripts rely on, every figure a JSON number.
    void jsonObjectsCarryNumbers()
    {
        const QJsonObject answer = jsonOf(kPress + u" --temperature 80/20"_s);
        const QJsonObject temperature = answer.value(u"temperature").toObject();
        for (const char* key : {"hole_c", "shaft_c", "maximum_clearance", "minimum_clearance"})
            QVERIFY2(temperature.value(QLatin1String(key)).isDouble(), key);
        QCOMPARE(temperature.value(u"hole_c").toDouble(), 80.0);
        QCOMPARE(temperature.value(u"shaft_c").toDouble(), 20.0);
        // The hub 60 K warmer than the shaft has grown by 35.1 µm of the 18 it pressed with.
        QCOMPARE(temperature.value(u"fit").toString(), u"transition"_s);
        QCOMPARE(temperature.value(u"fit_changes_type").toBool(), true);
        const QJsonObject pressFit = answer.value(u"press_fit").toObject();
        for (const char* key : {"pressure_min_mpa", "pressure_max_mpa", "torque_min_nm",
                                "axial_force_min_n", "press_in_force_max_n",
                                "hub_tangential_stress_max_mpa", "hub_equivalent_stress_max_mpa",
                                "hub_safety", "shaft_safety", "assembly_temperature_c"})
            QVERIFY2(pressFit.value(QLatin1String(key)).isDouble(), key);
        // So nothing is held for certain at the working temperature.
        const QJsonObject hot = pressFit.value(u"at_temperature").toObject();
        QCOMPARE(hot.value(u"torque_min_nm").toDouble(), 0.0);
        QCOMPARE(hot.value(u"holds_for_certain").toBool(), false);
        QVERIFY(pressFit.value(u"torque_min_nm").toDouble() > 0);
        QVERIFY(answer.value(u"hole").isString());
    }

    // At 20 °C the sizes at temperature are the drawing's.
    void at20TheAnswerIsThePlainFit()
    {
        const QJsonObject answer = jsonOf(u"H7/g6 35 --materials A5052/S45C --temperature 20"_s);
        const QJsonObject temperature = answer.value(u"temperature").toObject();
        QCOMPARE(temperature.value(u"maximum_clearance").toDouble(),
                 answer.value(u"maximum_clearance").toString().toDouble());
        QCOMPARE(temperature.value(u"minimum_clearance").toDouble(),
                 answer.value(u"minimum_clearance").toString().toDouble());
        QCOMPARE(temperature.value(u"fit_changes_type").toBool(), false);
    }

    // The README's two examples, in the lines that carry their answers.
    void readmeExamples_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("press fit H7/s6 50 in S45C")
            << kPress
            << QStringList{u"smoothing: none: no roughness given, nothing smoothed"_s,
                           u"interference_effective: min 0.018 mm, max 0.059 mm"_s,
                           u"pressure_min: 22.5 MPa"_s,
                           u"torque_min: 530 N·m"_s,
                           u"axial_force_min: 21.2 kN"_s,
                           u"pressure_max: 73.7 MPa"_s,
                           u"hub_equivalent_stress_max: 215 MPa, safety 2.28 against 490 MPa"_s};
        // 35 × (23.8 − 11.7) × 60 °C = 25.41 µm more clearance in the aluminium.
        QTest::newRow("H7/g6 35, aluminium on steel at 80 °C")
            << u"H7/g6 35 --materials A5052/S45C --temperature 80"_s
            << QStringList{u"temperature: hole 80 °C, shaft 80 °C"_s,
                           u"maximum_clearance_at_temperature: 0.07541 mm"_s,
                           u"minimum_clearance_at_temperature: 0.03441 mm"_s,
                           u"fit_at_temperature: clearance"_s};
        // The shaft grows 35 × 11.7 × 60 = 24.57 µm, past the 23 µm of k6's loosest clearance.
        QTest::newRow("H7/k6 35, steel shaft 60 K hotter: the fit changes type")
            << u"H7/k6 35 --materials S45C/S45C --temperature 20/80"_s
            << QStringList{u"fit_at_temperature: interference, where at 20 °C it is "
                           u"transition: the fit changes type"_s};
    }
    void readmeExamples()
    {
        QFETCH(QString, args);
        QFETCH(QStringList, lines);
        const Outcome outcome = runTool(args);
        QCOMPARE(outcome.exit, kExitSuccess);
        const QStringList answer = outcome.out.split(u'\n');
        for (const QString& line : lines)
            QVERIFY2(answer.contains(line), qPrintable(line));
    }

    // Past yield the answer names the bore and gives no elastic figure at the maximum.
    void pastYieldNoFigurePretends()
    {
        const QString args = u"H7/u6 50 --materials SS400/SS400 --hub-diameter 55 --length 40 "
                             u"--friction 0.15"_s;
        const QString text = runTool(args).out;
        QVERIFY(text.contains(u"yields: the hub's bore yields at the maximum interference"_s));
        QVERIFY(!text.contains(u"pressure_max"_s));
        QVERIFY(!text.contains(u"hub_equivalent_stress_max"_s));
        const QJsonObject pressFit = jsonOf(args).value(u"press_fit").toObject();
        QVERIFY(pressFit.value(u"pressure_max_mpa").isNull());
        QVERIFY(pressFit.value(u"hub_safety").isNull());
        QCOMPARE(pressFit.value(u"yields").toArray(), QJsonArray{u"hub"_s});
        QVERIFY(pressFit.value(u"torque_min_nm").isDouble());
    }

    // Where no figure can stand, the text says why in words and shows none.
    void answeredInWords_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("absent");
        const QString joint = u" 50 --hub-diameter 80 --length 40 --friction 0.15"_s;
        QTest::newRow("a clearance holds nothing")
            << u"H7/g6 --materials S45C/S45C"_s + joint
            << QStringList{u"holding: friction holds nothing for certain"_s,
                           u"torque_min: 0.000 N·m"_s}
            << u"yields"_s;
        QTest::newRow("a plastic part")
            << u"H7/s6 --materials POM/S45C"_s + joint
            << QStringList{u"press_fit: a plastic part is outside the elastic model"_s}
            << u"pressure_min"_s;
        // g6 presses nothing: no stress, and no safety figure, not "safety inf".
        QTest::newRow("an unloaded part's safety")
            << u"H7/g6 --materials S45C/S45C"_s + joint
            << QStringList{u"hub_equivalent_stress_max: 0.000 MPa, no stress: no safety to give "
                           u"against 490 MPa"_s,
                           u"shaft_equivalent_stress_max: 0.000 MPa, no stress"_s}
            << u"inf"_s;
        // d9 clears by at least 0.080, more than the joining clearance 0.001 × 50.
        QTest::newRow("a fit that clears needs no heating")
            << u"H7/d9 --materials S45C/S45C"_s + joint
            << QStringList{u"assembly_temperature: none needed: the fit's least clearance, "
                           u"0.080 mm, is at least the joining clearance, 0.050 mm"_s}
            << u"the hub heated"_s;
        // ZC18/a18 at 50: zc18 +? and a18 far below: 20 + 3.939 / (11.7e-6 × 50) = 6753.9 °C
        // and more, far past S45C's tempering at 550 °C.
        QTest::newRow("a heating no furnace reaches")
            << u"ZC18/a18 50 --materials S45C/S45C --hub-diameter 800 --length 40 --friction 0.15"_s
            << QStringList{u"warning: the hub at 6780.7 °C is above what S45C bears: 550 °C, its "
                           u"tempering temperature (--materials gives the source)"_s}
            << u"inf"_s;
        // A POM part at 150 °C is past its 100 °C of continuous use.
        QTest::newRow("a plastic part past its use")
            << u"H7/g6 35 --materials POM/S45C --temperature 150"_s
            << QStringList{u"warning: the hole's part at 150 °C is above what POM bears: 100 °C, "
                           u"its highest temperature for continuous use"_s}
            << u"the shaft at 150"_s;
        // 0.4 × (6.3 + 4) µm = 4.12 µm taken off: each surface's Rz in µm.
        QTest::newRow("both surfaces' roughness")
            << u"H7/s6 --materials S45C/S45C --roughness 6.3/4"_s + joint
            << QStringList{u"smoothing: 0.00412 mm taken off the interference, 0.4 × (Rz of both "
                           u"surfaces), after DIN 7190-1:2017"_s,
                           u"interference_effective: min 0.01388 mm, max 0.05488 mm"_s}
            << u"nothing smoothed"_s;
    }
    void answeredInWords()
    {
        QFETCH(QString, args);
        QFETCH(QStringList, lines);
        QFETCH(QString, absent);
        const Outcome outcome = runTool(args);
        QCOMPARE(outcome.exit, kExitSuccess);
        for (const QString& line : lines)
            QVERIFY2(outcome.out.contains(line), qPrintable(outcome.out));
        QVERIFY2(!outcome.out.contains(absent), qPrintable(outcome.out));
        // JSON says the same with numbers, never "inf" or "nan", which no reader parses.
        const Outcome json = runTool(args + u" --format json"_s);
        QCOMPARE(json.exit, kExitSuccess);
        QVERIFY2(!json.out.contains(u"inf"_s) && !json.out.contains(u"nan"_s),
                 qPrintable(json.out));
        QVERIFY(QJsonDocument::fromJson(json.out.toUtf8()).isObject());
    }

    // Where no figure can stand, JSON has null: no safety without stress, no heating where the
    // fit clears; a warning as a true beside the limit.
    void jsonSaysNoneWithNull()
    {
        const QString joint = u" 50 --materials S45C/S45C --hub-diameter 80 --length 40 "
                              u"--friction 0.15"_s;
        const QJsonObject clearance = jsonOf(u"H7/d9"_s + joint).value(u"press_fit").toObject();
        for (const char* key : {"assembly_temperature_c", "hub_safety", "shaft_safety"})
            QVERIFY2(clearance.value(QLatin1String(key)).isNull(), key);
        QCOMPARE(clearance.value(u"assembly_above_heat_limit").toBool(true), false);
        QCOMPARE(clearance.value(u"hub_heat_limit_c").toDouble(), 550.0);
        const QJsonObject far =
            jsonOf(u"ZC18/a18 50 --materials S45C/S45C --hub-diameter 800 --length 40 "
                   u"--friction 0.15"_s)
                .value(u"press_fit")
                .toObject();
        QCOMPARE(far.value(u"assembly_above_heat_limit").toBool(), true);
        const QJsonObject warm = jsonOf(u"H7/g6 35 --materials POM/S45C --temperature 150"_s)
                                     .value(u"temperature")
                                     .toObject();
        QCOMPARE(warm.value(u"hole_above_heat_limit").toBool(), true);
        QCOMPARE(warm.value(u"shaft_above_heat_limit").toBool(true), false);
    }

    // A material by its figures answers as the library's material with the same figures.
    void figuresGivenAnswerAsTheLibrary()
    {
        const QString joint = u"H7/s6 50 --hub-diameter 80 --length 40 --friction 0.15 "
                              u"--temperature 80"_s;
        const QString s45c = u"E=205000,nu=0.3,alpha=11.7,yield=490"_s;
        QJsonObject byName = jsonOf(joint + u" --materials S45C/S45C"_s);
        QJsonObject byFigures =
            jsonOf(joint + u" --hole-material "_s + s45c + u" --shaft-material "_s + s45c);
        // Figures typed carry no heat limit; everything else is the same.
        QJsonObject named = byName.value(u"press_fit").toObject();
        QJsonObject typed = byFigures.value(u"press_fit").toObject();
        QCOMPARE(named.take(u"hub_heat_limit_c").toDouble(), 550.0);
        QVERIFY(typed.take(u"hub_heat_limit_c").isNull());
        QCOMPARE(typed, named);
        QCOMPARE(byFigures.value(u"temperature"), byName.value(u"temperature"));
        QVERIFY(!named.isEmpty());
    }

    // The finder keeps fewer pairs as the torque grows, and every pair kept is an interference.
    void finderNarrowsWithTheLoad()
    {
        const QString fits = u"--fits 50 --materials S45C/S45C --hub-diameter 80 --length 40 "
                             u"--friction 0.15 --format json --torque "_s;
        qsizetype previous = -1;
        for (const char* torque : {"0", "500", "1500", "3000"}) {
            const Outcome outcome = runTool(fits + QLatin1String(torque));
            QCOMPARE(outcome.exit, kExitSuccess);
            const QJsonArray rows = QJsonDocument::fromJson(outcome.out.toUtf8()).array();
            for (const QJsonValue& row : rows)
                QCOMPARE(row.toObject().value(u"fit").toString(), u"interference"_s);
            QVERIFY2(previous < 0 || rows.size() < previous, torque);
            previous = rows.size();
        }
        QCOMPARE(previous, 0);
    }

    void libraryListsEverySource()
    {
        const Outcome outcome = runTool(u"--materials"_s);
        QCOMPARE(outcome.exit, kExitSuccess);
        for (const tolerance::service::Material& m : tolerance::service::materialLibrary()) {
            QVERIFY2(outcome.out.contains(q(m.name) + u" ("_s), m.name.data());
            QVERIFY(outcome.out.contains(q(m.proofSource)));
            QVERIFY(outcome.out.contains(q(m.heatLimit.source)));
        }
        // As JSON, whichever comes first: each figure a number, each source beside it.
        for (const QString& args :
             {u"--materials --format json"_s, u"--format=json --materials"_s}) {
            const Outcome json = runTool(args);
            QCOMPARE(json.exit, kExitSuccess);
            const QJsonArray list = QJsonDocument::fromJson(json.out.toUtf8()).array();
            QCOMPARE(qsizetype(list.size()),
                     qsizetype(tolerance::service::materialLibrary().size()));
            const QJsonObject s45c = list.first().toObject();
            QCOMPARE(s45c.value(u"name").toString(), u"S45C"_s);
            QCOMPARE(s45c.value(u"poissons_ratio").toDouble(), 0.30);
            QCOMPARE(s45c.value(u"heat_limit_c").toDouble(), 550.0);
            QVERIFY(s45c.value(u"sources").toObject().value(u"heat_limit").isString());
        }
    }
};

QTEST_GUILESS_MAIN(TestCliService)
#include "tst_cli_service.moc"
