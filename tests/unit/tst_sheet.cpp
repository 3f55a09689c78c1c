// SPDX-License-Identifier: MIT
// The calculation sheet as the core composes it: every figure of a known answer in it, right-
// aligned, with the formulas numbered as they are met; the warnings a window shows; the HTML page
// well formed and holding the same cells.
#include "test_support.h"

#include "tolerance/iso286.h"
#include "tolerance/sheet/bearing_sheet.h"
#include "tolerance/sheet/fit_sheet.h"
#include "tolerance/sheet/html.h"
#include "tolerance/sheet/stack_sheet.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace tolerance;
using namespace tolerance::sheet;

Q_DECLARE_METATYPE(tolerance::sheet::FitAsked)

namespace {

constexpr Length kMm = kNanometresPerMm;

ClassCode code(std::string_view text)
{
    return std::get<ClassCode>(parseClassCode(text));
}

MaterialAsked material(std::string_view name)
{
    const service::Material* found = service::findMaterial(name);
    return {std::string(name), found, found->figures};
}

// 50 H7/s6, S45C in S45C, hub 80, length 40, friction 0.15: the README's fit in service.
FitAsked pressedFit()
{
    FitAsked asked;
    asked.size = {50 * kMm, 50 * kMm, "40～50"};
    asked.hole = code("H7");
    asked.shaft = code("s6");
    asked.service = ServiceAsked{material("S45C"), material("S45C"), std::nullopt,
                                 service::Joint{50 * kMm, 80 * kMm, 0, 40 * kMm, 0.15, {}, {}}};
    asked.typed = {"50", "H7", "s6", "S45C", "S45C", "", "", "80", "", "40", "0.15", "", "", ""};
    return asked;
}

const Stamp kStamp{"2026-12-09", "Tessaly 4.20"};

std::vector<Cell> cellsOf(const Sheet& sheet)
{
    std::vector<Cell> cells;
    for (const Section& section : sheet.sections)
        for (const Block& block : section.blocks)
            if (const auto* table = std::get_if<Table>(&block)) {
                cells.insert(cells.end(), table->head.begin(), table->head.end());
                for (const auto& row : table->rows)
                    cells.insert(cells.end(), row.begin(), row.end());
            }
    return cells;
}

QStringList warningsOf(const Sheet& sheet)
{
    QStringList warnings;
    for (const Section& section : sheet.sections)
        for (const Block& block : section.blocks)
            if (const auto* warning = std::get_if<Warning>(&block))
                warnings << q(warning->text);
    return warnings;
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void figuresOfAPressFit_data()
    {
        QTest::addColumn<QString>("figure");
        // JIS B 0401's table at 40～50: H7 +25/0 µm, s6 +59/+43 µm.
        QTest::newRow("hole upper deviation") << "+0.025";
        QTest::newRow("hole lower deviation") << "0";
        QTest::newRow("hole maximum, 50 + 0.025") << "50.025";
        QTest::newRow("hole minimum") << "50.000";
        QTest::newRow("shaft lower deviation") << "+0.043";
        QTest::newRow("shaft minimum, 50 + 0.043") << "50.043";
        QTest::newRow("minimum interference, 0.043 - 0.025") << "0.018";
        QTest::newRow("maximum interference, 0.059 - 0") << "0.059";
        QTest::newRow("fit tolerance, 0.025 + 0.016") << "0.041";
        // Normal spread: mean -0.0385, sigma sqrt(25² + 16²)/6 = 4.947 µm, ±3 sigma = 14.84 µm.
        QTest::newRow("spread low, -0.0385 - 0.0148") << "-0.0533";
        QTest::newRow("spread high, -0.0385 + 0.0148") << "-0.0237";
        // QA = 50/80 = 0.625, QA² = 0.390625, (1 + QA²)/(1 - QA²) = 2.28205;
        // K = (2.28205 + 0.3)/205000 + (1 - 0.3)/205000 = 1.60100e-5 /MPa.
        QTest::newRow("QA") << "0.625";
        // p = (U/d)/K: 0.018/50/1.601e-5 = 22.49; 0.059/50/1.601e-5 = 73.70 MPa.
        QTest::newRow("pressure at the minimum") << "22.5";
        QTest::newRow("pressure at the maximum") << "73.7";
        // π·d·L·µ = π·50·40·0.15 = 942.48 mm²: 22.49 × 942.48 = 21 193 N, × 0.025 m = 529.8 N·m.
        QTest::newRow("axial force held, kN") << "21.2";
        QTest::newRow("torque held") << "530";
        QTest::newRow("press-in force, 73.70 × 942.48 N") << "69.5";
        // Hub bore: 73.70 × 2.28205 = 168.2; 73.70 × √(3 + 0.152588)/0.609375 = 214.7 MPa.
        QTest::newRow("hub tangential stress") << "168";
        QTest::newRow("hub equivalent stress") << "215";
        QTest::newRow("hub safety, 490/214.7") << "2.28";
        QTest::newRow("shaft safety, 490/73.70") << "6.65";
        // 20 + (0.059 + 0.050)/(11.7e-6 × 50) = 20 + 186.3 °C, joining clearance 0.001 × 50.
        QTest::newRow("shrink temperature") << "206.3";
        QTest::newRow("joining clearance") << "0.050";
    }

    // Each figure stands in a cell of its own, right-aligned as figures are.
    void figuresOfAPressFit()
    {
        QFETCH(QString, figure);
        const std::vector<Cell> cells = cellsOf(fitSheet(pressedFit(), kStamp));
        const auto found = std::find_if(cells.begin(), cells.end(),
                                        [&](const Cell& cell) { return q(cell.text) == figure; });
        QVERIFY2(found != cells.end(), qPrintable(figure));
        QVERIFY(found->figure);
    }

    // A reader meets (1) first, then (2) …: numbers given as the formulas are first cited, each
    // cited formula listed under its number.
    void formulasNumberedAsMet()
    {
        const Sheet sheet = fitSheet(pressedFit(), kStamp);
        const QString text = q(plainText(sheet));
        const QRegularExpression cited(QStringLiteral("^式 \\((\\d+)\\)$"),
                                       QRegularExpression::MultilineOption);
        int highest = 0;
        for (auto match = cited.globalMatch(text); match.hasNext();) {
            const int number = match.next().captured(1).toInt();
            QVERIFY2(number <= highest + 1, qPrintable(QString::number(number)));
            highest = std::max(highest, number);
        }
        QCOMPARE(highest, 9); // limits, clearances, variation, spread, smoothing … shrinking
        QVERIFY(text.contains(QStringLiteral("\n(9) 焼きばめのハブ温度\n")));
    }

    void warnings_data()
    {
        QTest::addColumn<FitAsked>("asked");
        QTest::addColumn<QString>("warning");
        FitAsked plain = pressedFit();
        QTest::newRow("none") << plain << QString();
        // A5052 grows 23.8 and S45C 11.7 µm/(m·K): at 100 °C the bore gains
        // 12.1e-6 × 80 × 50 = 0.0484 mm on the shaft, clearances -0.018 + 0.0484 = +0.0304 and
        // -0.059 + 0.0484 = -0.0106: a transition fit.
        FitAsked warm = plain;
        warm.service->hole = material("A5052");
        warm.service->joint.reset();
        warm.service->working = service::Temperatures{100, 100};
        QTest::newRow("interference lost at temperature")
            << warm << QStringLiteral("100 °C ではしまりばめから中間ばめに変わります。");
        // A hub of yield 100 MPa: 214.7 MPa at the maximum, 22.49 × 2.914 = 65.5 at the minimum.
        FitAsked weak = plain;
        weak.service->hole = {"weak", nullptr, {205000, 0.3, 11.7, 100}};
        QTest::newRow("hub yields")
            << weak
            << QStringLiteral("20 °C: ハブの内径が最大しめしろで降伏します。"
                              "降伏を超えると弾性の計算は成り立たないので、"
                              "その数値は示しません。");
        FitAsked loose = plain;
        loose.shaft = code("k6");
        QTest::newRow("transition fit pressed")
            << loose
            << QStringLiteral("20 °C: 最小しめしろが残らないので、摩擦で保持できるとは限りません"
                              "（すきまばめ・中間ばめ）。");
        // S45C quenched and tempered bears 550 °C, its tempering temperature.
        FitAsked hot = plain;
        hot.service->joint.reset();
        hot.service->working = service::Temperatures{600, 20};
        QTest::newRow("heated past its tempering")
            << hot
            << QStringLiteral("穴の部品の温度 600 °C は S45C の焼戻し温度 550 °C を超えます。");
        FitAsked plastic = plain;
        plastic.service->hole = material("POM");
        QTest::newRow("plastic hub")
            << plastic
            << QStringLiteral("樹脂の部品は弾性の計算の外です: 圧入は計算し"
                              "ません（温度の計算だけ）。");
        FitAsked undefined = plain;
        undefined.size = {20 * kMm, 20 * kMm, "18～24"};
        undefined.shaft = code("t6");
        undefined.service.reset();
        QTest::newRow("no value at the size")
            << undefined
            << QStringLiteral("t6 には 18～24 の値がありません: 何も計算していません。");
        FitAsked below = plain;
        below.size = {Length(0.5 * kMm), Length(0.5 * kMm), "0～3"};
        below.hole = Deviations{0, -kMm};
        below.service.reset();
        QTest::newRow("limit not over 0")
            << below
            << QStringLiteral(
                   "許容寸法が 0 mm 以下になります: この寸法にこの公差クラスは使えません。");
    }

    // What the windows warn of, the sheet says in its own section, each once.
    void warnings()
    {
        QFETCH(FitAsked, asked);
        QFETCH(QString, warning);
        const QStringList warnings = warningsOf(fitSheet(asked, kStamp));
        if (warning.isEmpty())
            QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
        else
            QVERIFY2(warnings.count(warning) == 1, qPrintable(warnings.join(u'\n')));
    }

    // The zones to one scale: H7 from 0 to +25 µm sits on the zero line, s6 from +43 to +59 above
    // it, each as tall as its tolerance; told apart by their hatching, not by colour.
    void zonesToScale()
    {
        const Sheet sheet = fitSheet(pressedFit(), kStamp);
        const Drawing* drawing = nullptr;
        for (const Section& section : sheet.sections)
            for (const Block& block : section.blocks)
                if (const auto* found = std::get_if<Drawing>(&block))
                    drawing = found;
        QVERIFY(drawing);
        QCOMPARE(drawing->boxes.size(), std::size_t(2));
        const Box& hole = drawing->boxes[0];
        const Box& shaft = drawing->boxes[1];
        const double zero = drawing->lines.front().from.y;
        QCOMPARE(hole.top + hole.height, zero);
        QVERIFY(shaft.top + shaft.height < hole.top);
        QCOMPARE(hole.height / shaft.height, 25.0 / 16.0);
        // From +25 to +43: 18 µm between the zones, 25 µm the hole's height.
        QCOMPARE((hole.top - (shaft.top + shaft.height)) / hole.height, 18.0 / 25.0);
        QVERIFY(hole.hatching != shaft.hatching && hole.hatching != Hatching::None &&
                shaft.hatching != Hatching::None);
        QVERIFY(q(drawing->description)
                    .startsWith(QStringLiteral("穴 H7 +25／0 μm、軸 s6 +59／+43 μm")));
    }

    // JIS B 1514-1, class 0, d over 18 up to 30 mm: Δdmp 0/-10 µm.
    void ringAsASide()
    {
        FitAsked asked;
        asked.size = {30 * kMm, 30 * kMm, "24～30"};
        asked.hole = RingAsked{bearing::Ring::Inner, bearing::AccuracyClass::Class0};
        asked.shaft = code("k5");
        const QString text = q(plainText(fitSheet(asked, kStamp)));
        QVERIFY(text.contains(QStringLiteral("はめあい φ30 軸受内輪 0 級/k5\n")));
        QVERIFY(text.contains(QStringLiteral(
            "穴 軸受内輪 0 級 下の寸法許容差\n-0.010\nmm\nJIS B 1514-1 (ISO 492)\n")));
        QVERIFY(!text.contains(QStringLiteral("他の基準")));
    }

    // 6206 on k5 in H7: its inner raceway (62 + 4 × 30)/5 = 36.4 widens by 0.021 × 30/36.4 =
    // 0.0173 mm at most; CN (5 to 20 µm at d 30, JIS B 1520) may lose 0.0123 more than it has,
    // C4 (23 to 41 µm) keeps 0.0057.
    void bearingClearanceMayVanish()
    {
        BearingAsked asked;
        asked.bearing = std::get<bearing::Bearing>(bearing::bearingNamed("6206"));
        asked.shaft.code = code("k5");
        asked.housing.code = code("H7");
        const Sheet sheet = bearingSheet(asked, kStamp);
        QCOMPARE(q(sheet.subject), QStringLiteral("転がり軸受 6206（軸 k5、ハウジング H7）"));
        const QStringList warnings = warningsOf(sheet);
        QVERIFY2(
            warnings.contains(QStringLiteral(
                "CN（20 °C）: 最大の減少が CN の最小すきまを 0.0123 mm 上回るので、すきまがなくなる"
                "ことがあります（予圧）。")),
            qPrintable(warnings.join(u'\n')));
        QVERIFY(!warnings.join(u'\n').contains(QStringLiteral("C4")));
        const QString text = q(plainText(sheet));
        QVERIFY(text.contains(QStringLiteral("\nC4\n0.023\n0.041\n0.0057\n")));
        QVERIFY(text.contains(QStringLiteral("軸と内輪: はめあい\n")));
    }

    // The same sheets in English: every figure as the Japanese sheet has it, in the same place,
    // and no Japanese word left (the inputs here are ASCII: S45C, H7, 6206).
    void englishSheets()
    {
        BearingAsked bearingAsked;
        bearingAsked.bearing = std::get<bearing::Bearing>(bearing::bearingNamed("6206"));
        bearingAsked.shaft.code = code("k5");
        bearingAsked.housing.code = code("H7");
        const std::pair<Sheet, Sheet> sheets[] = {
            {fitSheet(pressedFit(), kStamp), fitSheet(pressedFit(), kStamp, english())},
            {bearingSheet(bearingAsked, kStamp), bearingSheet(bearingAsked, kStamp, english())},
        };
        const QRegularExpression japanese(
            QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff01}-\\x{ff5d}]"));
        for (const auto& [inJapanese, inEnglish] : sheets) {
            const std::vector<Cell> before = cellsOf(inJapanese);
            const std::vector<Cell> after = cellsOf(inEnglish);
            QCOMPARE(after.size(), before.size());
            // A column of figures holds a word or two as well (its head, the type of fit, a
            // bearing's class), set flush right with them: those are words, and differ.
            for (std::size_t i = 0; i < before.size(); ++i) {
                if (before[i].figure && !q(before[i].text).contains(japanese))
                    QCOMPARE(q(after[i].text), q(before[i].text));
            }
            const QString text = q(plainText(inEnglish));
            QVERIFY2(
                !text.contains(japanese),
                qPrintable(text.mid(std::max<qsizetype>(0, text.indexOf(japanese) - 60), 120)));
            QCOMPARE(inEnglish.language, std::string("en"));
        }
        QCOMPARE(q(sheets[0].second.title + ' ' + sheets[0].second.subject),
                 QStringLiteral("Calculation sheet Fit φ50 H7/s6"));
    }

    // Two members: +50 (+0.1/0) and -49.8 (0/-0.1). Nominal 0.2; worst 50.0 - 49.8 = 0.2 to
    // 50.1 - 49.7 = 0.4; each σ 0.1/6, together √2 × 0.016667 = 0.02357 about the mean 0.3, so
    // ±3σ = 0.0707: 0.2293 to 0.3707; each half the variance and half the worst case. The
    // requirement 0.25..0.4 is missed by the worst case, and by a share of the spread.
    void stackFigures()
    {
        const stack::ChainText typed{{{"shaft", "+", "50", "+0.1/0", "", "", ""},
                                      {"bush", "-", "49.8", "0/-0.1", "", "", ""}},
                                     "0.25..0.4",
                                     "",
                                     ""};
        const auto read = stack::readChain(typed);
        QVERIFY(std::holds_alternative<stack::Chain>(read));
        const Sheet sheet = stackSheet({typed, std::get<stack::Chain>(read), std::nullopt}, kStamp);
        QCOMPARE(q(sheet.subject), QStringLiteral("公差の積み上げ（2 部品）"));
        const std::vector<Cell> cells = cellsOf(sheet);
        for (const char* figure :
             {"0.200", "0.400", "0.3707", "0.2293", "50.0", "+0.100", "-0.100"})
            QVERIFY2(std::any_of(cells.begin(), cells.end(),
                                 [&](const Cell& c) { return c.text == figure && c.figure; }),
                     figure);
        const QStringList warnings = warningsOf(sheet);
        QCOMPARE(warnings.size(), 2);
        QCOMPARE(
            warnings[0],
            QStringLiteral("最悪の組合せでは要求 0.25..0.4 の外になります（0.200～0.400 mm）。"));
        QVERIFY(
            warnings[1].endsWith(QStringLiteral(" % の組立てが要求 0.25..0.4 の外になります。")));
    }

    // The page is XML as well as HTML: its cells are the sheet's, in order, figures marked for
    // the right; the picture is SVG with every box and label; what was typed stays text.
    void htmlHoldsTheCells()
    {
        FitAsked asked = pressedFit();
        asked.service->working = service::Temperatures{80, 80};
        asked.typed.friction = "0.15 <b>&\"";
        const Sheet sheet = fitSheet(asked, kStamp);
        QXmlStreamReader html(q(tolerance::sheet::html(sheet)));
        std::vector<Cell> cells;
        int boxes = 0;
        int labels = 0;
        while (!html.atEnd()) {
            if (html.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QStringView name = html.name();
            if (name == u"rect")
                ++boxes;
            const bool figure = html.attributes().value(QStringLiteral("class")) == u"figure";
            if (name == u"text")
                ++labels;
            if (name == u"td" || name == u"th")
                cells.push_back(
                    {html.readElementText(QXmlStreamReader::IncludeChildElements).toStdString(),
                     figure});
        }
        QVERIFY2(!html.hasError(), qPrintable(html.errorString()));
        const std::vector<Cell> expected = cellsOf(sheet);
        QVERIFY(cells.size() > expected.size()); // and the sign-off's boxes after them
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(q(cells[i].text), q(expected[i].text));
            QCOMPARE(cells[i].figure, expected[i].figure);
        }
        QCOMPARE(boxes, 4);   // both zones at 20 °C and at 80 °C
        QCOMPARE(labels, 15); // 0, two deviations a zone, two captions and two temperatures a side
        QVERIFY(std::any_of(cells.begin(), cells.end(),
                            [](const Cell& cell) { return cell.text == "0.15 <b>&\""; }));
    }

    void fillPlacesValues_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("filled");
        QTest::newRow("in order") << "{1} から {2}"
                                  << "A から B";
        QTest::newRow("moved and twice") << "{2}{1}{2}"
                                         << "BAB";
        QTest::newRow("no such value") << "{3} と {1}"
                                       << "{3} と A";
        QTest::newRow("braces alone") << "{ } {12} {"
                                      << "{ } {12} {";
    }

    void fillPlacesValues()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, filled);
        QCOMPARE(q(fill(pattern.toStdString(), {"A", "B"})), filled);
    }

    void fileNameHasNoSlash()
    {
        QCOMPARE(q(suggestedFileName(fitSheet(pressedFit(), kStamp))),
                 QStringLiteral("計算書 はめあい φ50 H7-s6"));
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
