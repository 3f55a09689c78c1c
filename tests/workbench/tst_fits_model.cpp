// SPDX-License-Identifier: MIT
// The workbench's model: the size and the finder's bounds as a Japanese keyboard types them; a
// side given by its limits; the finder's type, basis and scope filters and its bounds, the
// commonly used pairs first; a newer search replacing an older one; the inputs kept and brought
// back, the edition with them.
#include "model/bearing_side.h"
#include "model/class_lists.h"
#include "model/fit_outlook.h"
#include "model/fit_query.h"
#include "model/last_inputs.h"
#include "model/pair_finder.h"
#include "model/pair_search.h"
#include "model/side_input.h"
#include "test_support.h"

#include "tolerance/preferred_fits.h"
#include "tolerance/service/materials.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using tolerance::Basis;
using tolerance::ClassScope;
using tolerance::Edition;
using tolerance::FitType;
using tolerance::Length;
using workbench::FinderFields;

namespace {

constexpr Length kMm = tolerance::kNanometresPerMm;
constexpr Length kUm = tolerance::kNanometresPerMicrometre;

QStringList fitsOf(const workbench::FoundPairs& found)
{
    QStringList fits;
    for (std::size_t row = 0; row < found.pairs.size(); ++row)
        fits << found.fitText(row);
    return fits;
}

FinderFields bounds(const QString& minimum, const QString& maximum)
{
    FinderFields fields;
    fields.minimum = minimum;
    fields.maximum = maximum;
    return fields;
}

// A load at 35 that most interference fits of the table hold: S45C in S45C, hub 60, length 30,
// friction 0.15, 100 N·m.
tolerance::service::ServiceSearch loadAt35()
{
    const auto& s45c = tolerance::service::findMaterial("S45C")->figures;
    tolerance::service::Joint joint{35 * kMm, 60 * kMm, 0, 30 * kMm, 0.15, {}, {}};
    return {joint, {s45c, s45c}, std::nullopt, {100, 0, 1}};
}

workbench::FoundPairs foundAt35(const FinderFields& fields, bool loaded = false)
{
    workbench::FinderPlan plan = workbench::planSearch(fields, 35 * kMm, Edition::Jis1984);
    if (!plan.query)
        qFatal("no search: %s", qPrintable(plan.problem));
    if (loaded)
        plan.query->service = loadAt35();
    return workbench::findPairs(*plan.query);
}

} // namespace

class TestFitsModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QSettings(QSettings::IniFormat, QSettings::UserScope, u"Kelvan"_s, u"TessalyFits"_s)
            .clear();
    }

    // The size as typed: full-width digits and point read as ASCII, spaces around ignored.
    void sizeAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<Length>>("diameter");
        QTest::addColumn<QString>("problem"); // a part of it; empty for none
        QTest::newRow("35") << u"35"_s << std::optional(35 * kMm) << QString();
        QTest::newRow("full-width 35") << u"３５"_s << std::optional(35 * kMm) << QString();
        QTest::newRow("full-width 35.5")
            << u"３５．５"_s << std::optional(35 * kMm + 500 * kUm) << QString();
        QTest::newRow("spaces, an ideographic one too")
            << u" 35.25\u3000"_s << std::optional(35 * kMm + 250 * kUm) << QString();
        QTest::newRow("four decimals") << u"0.0005"_s << std::optional(Length(500)) << QString();
        QTest::newRow("leading zeros")
            << u"007.5"_s << std::optional(7 * kMm + 500 * kUm) << QString();
        QTest::newRow("the largest") << u"3150"_s << std::optional(3150 * kMm) << QString();
        // As people write numbers, and what a paste brings along unseen.
        QTest::newRow(".5") << u".5"_s << std::optional(500 * kUm) << QString();
        QTest::newRow("5.") << u"5."_s << std::optional(5 * kMm) << QString();
        QTest::newRow("+35") << u"+35"_s << std::optional(35 * kMm) << QString();
        QTest::newRow("a left-to-right mark after")
            << u"35\u200E"_s << std::optional(35 * kMm) << QString();
        QTest::newRow("a zero-width space after")
            << u"35.5\u200B"_s << std::optional(35 * kMm + 500 * kUm) << QString();
        QTest::newRow("a point alone") << u"."_s << std::optional<Length>() << u"数字で"_s;
        QTest::newRow("a plus alone") << u"+"_s << std::optional<Length>() << u"数字で"_s;
        QTest::newRow("typeset minus")
            << u"\u221235"_s << std::optional<Length>() << u"0 より大きい"_s;
        QTest::newRow("nothing yet") << QString() << std::optional<Length>() << QString();
        QTest::newRow("minus") << u"-35"_s << std::optional<Length>() << u"0 より大きい"_s;
        QTest::newRow("full-width minus")
            << u"－３５"_s << std::optional<Length>() << u"0 より大きい"_s;
        QTest::newRow("zero") << u"0"_s << std::optional<Length>() << u"0 より大きい"_s;
        QTest::newRow("a comma") << u"35,5"_s << std::optional<Length>() << u"「.」"_s;
        QTest::newRow("letters") << u"3x5"_s << std::optional<Length>() << u"数字で"_s;
        QTest::newRow("over 3150")
            << u"3150.0001"_s << std::optional<Length>() << u"3150 mm まで"_s;
        QTest::newRow("five decimals") << u"35.00001"_s << std::optional<Length>() << u"4 桁"_s;
    }
    void sizeAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<Length>, diameter);
        QFETCH(QString, problem);
        const workbench::SizeReading reading = workbench::readSize(typed);
        QCOMPARE(reading.diameter, diameter);
        QVERIFY2(problem.isEmpty() ? reading.problem.isEmpty() : reading.problem.contains(problem),
                 qPrintable(reading.problem));
    }

    // A finder bound: a clearance in mm, negative for an interference.
    void boundAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<Length>>("value");
        QTest::addColumn<QString>("problem");
        QTest::newRow("0.020") << u"0.020"_s << std::optional(20 * kUm) << QString();
        QTest::newRow("an interference") << u"-0.018"_s << std::optional(-18 * kUm) << QString();
        QTest::newRow("full-width interference")
            << u"－０．０１８"_s << std::optional(-18 * kUm) << QString();
        QTest::newRow("half a micrometre")
            << u"-0.0005"_s << std::optional(Length(-500)) << QString();
        QTest::newRow("minus zero") << u"-0"_s << std::optional(Length(0)) << QString();
        QTest::newRow("whole mm") << u"2"_s << std::optional(2 * kMm) << QString();
        QTest::newRow("typeset minus, U+2212")
            << u"\u22120.018"_s << std::optional(-18 * kUm) << QString();
        QTest::newRow("full-width minus sign, U+FF0D")
            << u"\uFF0D0.02"_s << std::optional(-20 * kUm) << QString();
        QTest::newRow("a Japanese dash key")
            << u"\u30FC.02"_s << std::optional(-20 * kUm) << QString();
        QTest::newRow("-.5") << u"-.5"_s << std::optional(-500 * kUm) << QString();
        QTest::newRow("+0.02") << u"+0.02"_s << std::optional(20 * kUm) << QString();
        QTest::newRow("a plus then a minus")
            << u"+-0.02"_s << std::optional<Length>() << u"例: 0.02、しめしろは -0.02"_s;
        // The example is a clearance, as the field takes, not a size.
        QTest::newRow("letters") << u"abc"_s << std::optional<Length>() << u"例: 0.02"_s;
        QTest::newRow("empty: no bound") << u"  "_s << std::optional<Length>() << QString();
        QTest::newRow("a comma") << u"0,02"_s << std::optional<Length>() << u"「.」"_s;
        QTest::newRow("two minus signs") << u"--0.02"_s << std::optional<Length>() << u"数字で"_s;
        QTest::newRow("five decimals")
            << u"0.00001"_s << std::optional<Length>() << u"4 桁までです（例: -0.0125）"_s;
    }
    void boundAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<Length>, value);
        QFETCH(QString, problem);
        const workbench::BoundReading reading = workbench::readBound(typed);
        QCOMPARE(reading.value, value);
        QVERIFY2(problem.isEmpty() ? reading.problem.isEmpty() : reading.problem.contains(problem),
                 qPrintable(reading.problem));
    }

    // A side typed as its limit deviations where the class goes: the forms a catalogue prints,
    // full-width as a Japanese input method types them, and each fault.
    void limitsAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<Length>>("upper");
        QTest::addColumn<std::optional<Length>>("lower");
        QTest::addColumn<QString>("problem");
        const auto none = std::optional<Length>();
        QTest::newRow("bearing bore")
            << u"0/-0.009"_s << std::optional(Length(0)) << std::optional(-9 * kUm) << QString();
        QTest::newRow("bush") << u"+0.021/+0.008"_s << std::optional(21 * kUm)
                              << std::optional(8 * kUm) << QString();
        QTest::newRow("plus-minus")
            << u"±0.005"_s << std::optional(5 * kUm) << std::optional(-5 * kUm) << QString();
        QTest::newRow("plus-minus as +-")
            << u"+-0.005"_s << std::optional(5 * kUm) << std::optional(-5 * kUm) << QString();
        QTest::newRow("full-width") << u"０／－０．００９"_s << std::optional(Length(0))
                                    << std::optional(-9 * kUm) << QString();
        QTest::newRow("full-width plus-minus") << u"＋－０．００５"_s << std::optional(5 * kUm)
                                               << std::optional(-5 * kUm) << QString();
        QTest::newRow("typeset minus sign")
            << u" 0/−0.009 "_s << std::optional(Length(0)) << std::optional(-9 * kUm) << QString();
        QTest::newRow("four decimals") << u"+0.0215/0"_s << std::optional(21 * kUm + 500)
                                       << std::optional(Length(0)) << QString();
        QTest::newRow("lower above upper") << u"-0.009/0"_s << none << none << u"上/下 の順"_s;
        QTest::newRow("five decimals") << u"0/-0.00905"_s << none << none << u"4 桁"_s;
        QTest::newRow("one figure") << u"-0.009"_s << none << none << u"例: 0/-0.009"_s;
        QTest::newRow("a comma") << u"0/-0,009"_s << none << none << u"例: 0/-0.009"_s;
        QTest::newRow("too large") << u"+4000/0"_s << none << none << u"大きすぎ"_s;
    }
    void limitsAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(std::optional<Length>, upper);
        QFETCH(std::optional<Length>, lower);
        QFETCH(QString, problem);
        for (const tolerance::Side side : {tolerance::Side::Hole, tolerance::Side::Shaft}) {
            const workbench::SideReading reading = workbench::readSide(side, typed);
            QVERIFY(!reading.code);
            QCOMPARE(reading.limits ? std::optional(reading.limits->upper) : std::nullopt, upper);
            QCOMPARE(reading.limits ? std::optional(reading.limits->lower) : std::nullopt, lower);
            QVERIFY2(problem.isEmpty() ? reading.problem.isEmpty()
                                       : reading.problem.contains(problem),
                     qPrintable(reading.problem));
        }
    }

    // A side by its limits takes part in the fit as a class does, named by its limits; the
    // other system is no question for a bought part. The clearances by hand: g6 at 20 is
    // -0.007/-0.020.
    void fitWithGivenLimits_data()
    {
        QTest::addColumn<QString>("hole");
        QTest::addColumn<QString>("shaft");
        QTest::addColumn<QString>("holeName");
        QTest::addColumn<QString>("shaftName");
        QTest::addColumn<Length>("maximum");
        QTest::addColumn<Length>("minimum");
        QTest::newRow("bearing bore on g6")
            << u"0/-0.009"_s << u"g6"_s << u"0/-0.009"_s << u"g6"_s << 20 * kUm << -2 * kUm;
        QTest::newRow("H7 on a shaft ±0.005")
            << u"H7"_s << u"±0.005"_s << u"H7"_s << u"±0.005"_s << 26 * kUm << -5 * kUm;
        QTest::newRow("both given, full-width")
            << u"＋０．０２１／＋０．００８"_s << u"０／－０．００９"_s << u"+0.021/+0.008"_s
            << u"0/-0.009"_s << 30 * kUm << 8 * kUm;
        // A bearing's rings from the side boxes' lists: class 0 at 20 is 0/-0.010 for the inner
        // ring (18-30) and 0/-0.009 for the outer (18-30). On g6: 0 + 0.020 clear, -0.010 +
        // 0.007 = 0.003 tight; in H7 (+0.021/0): 0.021 + 0.009 clear, 0 at the tightest.
        QTest::newRow("inner ring on g6") << u"軸受内輪 0 級"_s << u"g6"_s << u"軸受内輪 0 級"_s
                                          << u"g6"_s << 20 * kUm << -3 * kUm;
        QTest::newRow("outer ring in H7, typed full-width")
            << u"H7"_s << u"軸受外輪０級"_s << u"H7"_s << u"軸受外輪 0 級"_s << 30 * kUm
            << Length(0);
    }
    void fitWithGivenLimits()
    {
        QFETCH(QString, hole);
        QFETCH(QString, shaft);
        QFETCH(QString, holeName);
        QFETCH(QString, shaftName);
        QFETCH(Length, maximum);
        QFETCH(Length, minimum);
        const workbench::Inputs typed{u"20"_s, hole, shaft, Edition::Jis1984};
        const workbench::Answer answer = workbench::answerFor(typed);
        QVERIFY(answer.complete());
        QCOMPARE((QStringList{answer.hole->code, answer.shaft->code}),
                 (QStringList{holeName, shaftName}));
        QCOMPARE(answer.pair->maximumClearance, maximum);
        QCOMPARE(answer.pair->minimumClearance, minimum);
        QVERIFY(!workbench::otherBasisOf(answer, Edition::Jis1984));
        QVERIFY(workbench::statisticsOf(answer, tolerance::Distribution::Normal));
        // Kept as typed, so the field shows it again as it was.
        QCOMPARE(workbench::keptInputs(typed, answer)->hole, hole);
    }

    // A ring on the wrong side, a class that is no bearing's, a size past the class's table: each
    // said under the side's field, in its words.
    void ringProblems_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("hole");
        QTest::addColumn<QString>("problem");
        QTest::newRow("outer ring as the hole")
            << u"30"_s << u"軸受外輪 0 級"_s << u"軸受外輪は軸の側です"_s;
        QTest::newRow("class 3") << u"30"_s << u"軸受内輪 3 級"_s << u"0、6、5、4、2 級"_s;
        QTest::newRow("class 4 past 250 mm")
            << u"300"_s << u"軸受内輪 4 級"_s << u"軸受内輪 4 級 の表は 0.6 を超え 250 mm 以下"_s;
    }
    void ringProblems()
    {
        QFETCH(QString, size);
        QFETCH(QString, hole);
        QFETCH(QString, problem);
        const workbench::Answer answer =
            workbench::answerFor({size, hole, u"k5"_s, Edition::Jis1984});
        QVERIFY(!answer.hole);
        QVERIFY2(answer.holeProblem.contains(problem), qPrintable(answer.holeProblem));
    }

    // A bearing by its number fills the size with the diameter of the ring chosen and the side
    // with the ring; the load case adds JIS B 1566's classes (6206 under a normal load turning
    // with the shaft: k5 or k6 in H7 or H8).
    void bearingByNumber_data()
    {
        using namespace tolerance::bearing;
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("ring");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("said");
        QTest::newRow("6206 inner ring") << u"6206"_s << int(Ring::Inner) << u"30"_s
                                         << u"軸受内輪 0 級"_s << u"推奨: 軸 k5, k6 / 穴 H7, H8"_s;
        QTest::newRow("6310 outer ring")
            << u"6310"_s << int(Ring::Outer) << u"110"_s << u"軸受外輪 0 級"_s
            << u"6310 深溝玉軸受 d 50 D 110 B 27"_s;
        QTest::newRow("unknown number")
            << u"6806"_s << int(Ring::Inner) << QString() << QString() << u"呼び番号を読めません"_s;
        QTest::newRow("tapered roller")
            << u"30206"_s << int(Ring::Inner) << QString() << QString() << u"円すいころ軸受"_s;
    }
    void bearingByNumber()
    {
        using namespace tolerance::bearing;
        QFETCH(QString, number);
        QFETCH(int, ring);
        QFETCH(QString, size);
        QFETCH(QString, side);
        QFETCH(QString, said);
        const workbench::BearingFill fill = workbench::bearingFill(
            number, {Ring(ring), AccuracyClass::Class0},
            workbench::LoadChoice{LoadCase::RotatingInner, LoadSize::Normal});
        QCOMPARE(fill.size, size);
        QCOMPARE(fill.side, side);
        const QString all = fill.summary + fill.recommended + fill.problem;
        QVERIFY2(all.contains(said), qPrintable(all));
    }

    // With no band, every commonly used pair at the size comes before any other, each flagged.
    void preferredFirstWithoutBand()
    {
        const workbench::FoundPairs found = foundAt35({});
        std::size_t flagged = 0;
        for (std::size_t row = 0; row < found.pairs.size(); ++row) {
            const bool preferred = tolerance::isPreferredFit(found.holeAt(row).toStdString(),
                                                             found.shaftAt(row).toStdString());
            QCOMPARE(found.pairs[row].preferred, preferred);
            if (preferred) {
                QCOMPARE(row, flagged);
                ++flagged;
            }
        }
        QVERIFY(flagged > 30);
        QVERIFY(found.pairs.size() > flagged);
    }

    // A class field: what it is told when the text is no class of its side.
    void classAsTyped_data()
    {
        QTest::addColumn<tolerance::Side>("side");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem"); // a part of it; empty for none
        using tolerance::Side;
        QTest::newRow("H7 as a hole") << Side::Hole << u"H7"_s << QString();
        QTest::newRow("H7 with a zero-width space") << Side::Hole << u"H7\u200B"_s << QString();
        // The example is a class of the field's own side, whatever the case typed.
        QTest::newRow("h alone as a hole") << Side::Hole << u"h"_s << u"（例: H7）"_s;
        QTest::newRow("H alone as a hole") << Side::Hole << u"H"_s << u"（例: H7）"_s;
        QTest::newRow("G alone as a shaft") << Side::Shaft << u"G"_s << u"（例: g6）"_s;
        QTest::newRow("js alone as a shaft") << Side::Shaft << u"js"_s << u"（例: js6）"_s;
        QTest::newRow("a fit in the hole field")
            << Side::Hole << u"H7/g6"_s << u"穴に H7、軸に g6 と分けて"_s;
        QTest::newRow("a fit in the shaft field, full-width slash")
            << Side::Shaft << u"H8／f7"_s << u"穴に H8、軸に f7 と分けて"_s;
        QTest::newRow("a shaft class as the hole") << Side::Hole << u"h7"_s << u"軸の公差クラス"_s;
    }
    void classAsTyped()
    {
        QFETCH(tolerance::Side, side);
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        const workbench::ClassReading reading = workbench::readClass(side, typed);
        QCOMPARE(reading.code.has_value(), problem.isEmpty());
        QVERIFY2(problem.isEmpty() ? reading.problem.isEmpty() : reading.problem.contains(problem),
                 qPrintable(reading.problem));
    }

    // Each type alone gives exactly the pairs of that type among all, in the same order.
    void finderType_data()
    {
        QTest::addColumn<std::optional<FitType>>("type");
        QTest::addColumn<bool>("loaded"); // with a load to hold, which only interference fits do
        QTest::newRow("clearance") << std::optional(FitType::Clearance) << false;
        QTest::newRow("transition") << std::optional(FitType::Transition) << false;
        QTest::newRow("interference") << std::optional(FitType::Interference) << false;
        QTest::newRow("transition, with a load") << std::optional(FitType::Transition) << true;
        QTest::newRow("interference, with a load") << std::optional(FitType::Interference) << true;
    }
    void finderType()
    {
        QFETCH(std::optional<FitType>, type);
        QFETCH(bool, loaded);
        const workbench::FoundPairs all = foundAt35({}, loaded);
        FinderFields fields;
        fields.type = type;
        const workbench::FoundPairs only = foundAt35(fields, loaded);
        QStringList expected;
        for (std::size_t row = 0; row < all.pairs.size(); ++row)
            if (all.pairs[row].fit.type == *type)
                expected << all.fitText(row);
        QVERIFY(!expected.isEmpty() || (loaded && !all.pairs.empty()));
        QCOMPARE(fitsOf(only), expected);
    }

    // The basis keeps the H holes or the h shafts; the scope takes our 65 classes or all.
    void finderClasses_data()
    {
        QTest::addColumn<Basis>("basis");
        QTest::addColumn<ClassScope>("scope");
        QTest::addColumn<QString>("holes");   // what every hole found matches
        QTest::addColumn<QString>("shafts");  // the same for the shafts
        QTest::addColumn<QString>("example"); // one fit that must be among them
        QTest::addColumn<bool>("loaded");
        QTest::newRow("hole basis, ours") << Basis::Hole << ClassScope::Table << u"^H\\d+$"_s
                                          << u"^[a-z]+\\d+$"_s << u"H7/g6"_s << false;
        QTest::newRow("hole basis, ours, with a load")
            << Basis::Hole << ClassScope::Table << u"^H\\d+$"_s << u"^[a-z]+\\d+$"_s << u"H7/s6"_s
            << true;
        QTest::newRow("shaft basis, ours, with a load")
            << Basis::Shaft << ClassScope::Table << u"^[A-Z]+\\d+$"_s << u"^h\\d+$"_s << u"S7/h6"_s
            << true;
        QTest::newRow("shaft basis, ours") << Basis::Shaft << ClassScope::Table << u"^[A-Z]+\\d+$"_s
                                           << u"^h\\d+$"_s << u"G7/h6"_s << false;
        QTest::newRow("hole basis, every class") << Basis::Hole << ClassScope::Every << u"^H\\d+$"_s
                                                 << u"^[a-z]+\\d+$"_s << u"H01/zc18"_s << false;
        QTest::newRow("any, every class") << Basis::Any << ClassScope::Every << u"^[A-Z]+\\d+$"_s
                                          << u"^[a-z]+\\d+$"_s << u"ZC18/a9"_s << false;
    }
    void finderClasses()
    {
        QFETCH(Basis, basis);
        QFETCH(ClassScope, scope);
        QFETCH(QString, holes);
        QFETCH(QString, shafts);
        QFETCH(QString, example);
        QFETCH(bool, loaded);
        FinderFields fields;
        fields.basis = basis;
        fields.scope = scope;
        const workbench::FoundPairs found = foundAt35(fields, loaded);
        const QStringList ours = workbench::commonClasses(tolerance::Side::Hole) +
                                 workbench::commonClasses(tolerance::Side::Shaft);
        // Each class once: over every class there are some 200 000 pairs.
        QSet<int> holesUsed, shaftsUsed;
        for (const workbench::FoundPair& pair : found.pairs) {
            holesUsed.insert(pair.hole);
            shaftsUsed.insert(pair.shaft);
        }
        bool outsideOurs = false;
        for (const int hole : holesUsed) {
            QVERIFY2(QRegularExpression(holes).match(found.holes[hole]).hasMatch(),
                     qPrintable(found.holes[hole]));
            outsideOurs = outsideOurs || !ours.contains(found.holes[hole]);
        }
        for (const int shaft : shaftsUsed) {
            QVERIFY2(QRegularExpression(shafts).match(found.shafts[shaft]).hasMatch(),
                     qPrintable(found.shafts[shaft]));
            outsideOurs = outsideOurs || !ours.contains(found.shafts[shaft]);
        }
        QCOMPARE(outsideOurs, scope == ClassScope::Every);
        QVERIFY2(fitsOf(found).contains(example), qPrintable(example));
    }

    // The bounds as the finder reads them: whole fits within, or what is wrong with them.
    void finderBounds_data()
    {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("a clearance band") << u"0.020"_s << u"0.070"_s << QString() << false;
        QTest::newRow("an interference band") << u"-0.060"_s << u"-0.010"_s << QString() << false;
        // H7/x6 (-0.080 … -0.039) holds the load but is outside the band.
        QTest::newRow("an interference band, with a load")
            << u"-0.060"_s << u"-0.010"_s << QString() << true;
        QTest::newRow("across zero, full-width")
            << u"－０．０１"_s << u"０．０１"_s << QString() << false;
        QTest::newRow("equal bounds") << u"0.025"_s << u"0.025"_s << QString() << false;
        QTest::newRow("minimum over maximum")
            << u"0.070"_s << u"0.020"_s << u"最小すきまが最大すきまより大きく"_s << false;
        QTest::newRow("interference minimum over maximum")
            << u"-0.010"_s << u"-0.060"_s << u"最小すきまが最大すきまより大きく"_s << false;
        QTest::newRow("a bad minimum") << u"0,02"_s << u"0.07"_s << u"最小すきま: "_s << false;
        QTest::newRow("a bad maximum") << u"0.02"_s << u"x"_s << u"最大すきま: "_s << false;
    }
    void finderBounds()
    {
        QFETCH(QString, minimum);
        QFETCH(QString, maximum);
        QFETCH(QString, problem);
        QFETCH(bool, loaded);
        workbench::FinderPlan plan =
            workbench::planSearch(bounds(minimum, maximum), 35 * kMm, Edition::Jis1984);
        QVERIFY2(problem.isEmpty() ? plan.problem.isEmpty() : plan.problem.startsWith(problem),
                 qPrintable(plan.problem));
        QCOMPARE(plan.query.has_value(), problem.isEmpty());
        // A problem with the bounds is a fault to show in red; none is not.
        QCOMPARE(plan.fault, !problem.isEmpty());
        if (!plan.query)
            return;
        const Length low = *workbench::readBound(minimum).value;
        const Length high = *workbench::readBound(maximum).value;
        if (loaded)
            plan.query->service = loadAt35();
        const workbench::FoundPairs found = workbench::findPairs(*plan.query);
        QVERIFY(!loaded || !found.pairs.empty());
        for (const workbench::FoundPair& pair : found.pairs)
            QVERIFY(pair.fit.minimumClearance >= low && pair.fit.maximumClearance <= high);
    }

    // No size above: nothing to search at, and the finder says so.
    void finderWithoutSize()
    {
        const auto plan = workbench::planSearch({}, std::nullopt, Edition::Jis1984);
        QVERIFY(!plan.query);
        QVERIFY(!plan.problem.isEmpty());
        QVERIFY(!plan.fault); // a size still to come is no fault
    }

    // Searches through one room: a list still held is never written over, each answer is the one
    // a search of its own gives, and a list let go is the memory of the next.
    void searchesShareARoom_data()
    {
        QTest::addColumn<bool>("everyFirst");
        QTest::addColumn<bool>("everyThen");
        QTest::newRow("every class, then ours") << true << false;
        QTest::newRow("ours, then every class") << false << true;
        QTest::newRow("every class twice") << true << true;
    }
    void searchesShareARoom()
    {
        QFETCH(bool, everyFirst);
        QFETCH(bool, everyThen);
        workbench::FinderQuery first{};
        first.diameter = 35 * kMm;
        first.scope = everyFirst ? ClassScope::Every : ClassScope::Table;
        workbench::FinderQuery then = first;
        then.diameter = 355 * kMm;
        then.scope = everyThen ? ClassScope::Every : ClassScope::Table;
        then.type = FitType::Interference;
        const auto room = workbench::PairRoom::make();
        std::optional<workbench::FoundPairs> held = workbench::findPairs(first, *room);
        const workbench::FoundPairs next = workbench::findPairs(then, *room);
        QCOMPARE(fitsOf(*held), fitsOf(workbench::findPairs(first)));
        QCOMPARE(fitsOf(next), fitsOf(workbench::findPairs(then)));
        const workbench::FoundPair* memory = held->pairs.begin();
        held.reset();
        const workbench::FoundPairs again = workbench::findPairs(first, *room);
        QCOMPARE(fitsOf(again), fitsOf(workbench::findPairs(first)));
        QCOMPARE(again.pairs.begin(), memory);
    }

    // Requests in a row: only the newest one's result ever arrives; a cancelled one never does.
    void newestSearchWins()
    {
        PairSearch search;
        QSignalSpy found(&search, &PairSearch::found);
        workbench::FinderQuery every{};
        every.diameter = 35 * kMm;
        every.scope = ClassScope::Every;
        workbench::FinderQuery ours = every;
        ours.scope = ClassScope::Table;
        ours.type = FitType::Interference;
        for (int i = 0; i < 3; ++i)
            search.start(every);
        search.start(ours);
        QVERIFY(found.wait(10'000));
        QTest::qWait(200); // anything older would have come by now
        QCOMPARE(found.size(), 1);
        const auto pairs = found.takeFirst().at(0).value<workbench::FoundPairs>();
        QCOMPARE(fitsOf(pairs), fitsOf(workbench::findPairs(ours)));
        search.start(every);
        search.cancel();
        QTest::qWait(500);
        QCOMPARE(found.size(), 0);
        // A result already on its way when a newer request comes is dropped where it arrives.
        search.start(ours);
        QThread::msleep(1500); // the search is done and its result waits for this thread
        workbench::FinderQuery clearance = ours;
        clearance.type = FitType::Clearance;
        search.start(clearance);
        QVERIFY(found.wait(10'000));
        QTest::qWait(200);
        QCOMPARE(found.size(), 1);
        QCOMPARE(fitsOf(found.takeFirst().at(0).value<workbench::FoundPairs>()),
                 fitsOf(workbench::findPairs(clearance)));
    }

    // Only a complete fit is kept, trimmed, with its edition; a later incomplete one keeps it.
    void keptThenRestored_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::newRow("1984") << Edition::Jis1984;
        QTest::newRow("2016") << Edition::Iso2010;
    }
    void keptThenRestored()
    {
        QFETCH(Edition, edition);
        const workbench::Inputs typed{u" ３５ "_s, u"H8 "_s, u"f7"_s, edition};
        const auto kept = workbench::keptInputs(typed, workbench::answerFor(typed));
        QVERIFY(kept);
        lastInputs::save(kept, {{}, QSize(900, 700)});
        const workbench::Inputs partial{u"3"_s, u"H8"_s, QString(), edition};
        QVERIFY(!workbench::keptInputs(partial, workbench::answerFor(partial)));
        lastInputs::save(std::nullopt, {{}, QSize(800, 600)});
        const auto restored = lastInputs::loadInputs();
        QVERIFY(restored);
        QCOMPARE((QStringList{restored->size, restored->hole, restored->shaft}),
                 (QStringList{u"３５"_s, u"H8"_s, u"f7"_s}));
        QCOMPARE(restored->edition, edition);
        QCOMPARE(lastInputs::loadWindow().size, QSize(800, 600));
    }
};

TESSALY_QT_TEST_MAIN(QCoreApplication, TestFitsModel)
#include "tst_fits_model.moc"
