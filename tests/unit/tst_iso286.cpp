// SPDX-License-Identifier: MIT
// The rules of ISO 286-1 held against the 1625 entries of our 1984 table, against rows of
// ISO 286-2 as published, and against the standard's own relations between its tables.
#include "test_support.h"

#include "tolerance/editions.h"
#include "tolerance/fit.h"
#include "tolerance/iso286/tables.h"

#include <QTest>

#include <set>
#include <tuple>

using namespace tolerance;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Length kUm = kNanometresPerMicrometre;
constexpr Length kMm = kNanometresPerMm;

ClassCode code(std::string_view text)
{
    const auto parsed = parseClassCode(text);
    Q_ASSERT(std::holds_alternative<ClassCode>(parsed));
    return std::get<ClassCode>(parsed);
}

QString where(std::string_view cls, std::size_t step)
{
    return q(cls) + u' ' + q(sizeSteps()[step].label);
}

// Sizes inside a step: its upper bound and just over its lower bound (over 1 mm in the first,
// where a and b begin).
std::array<Length, 2> sizesIn(std::size_t step)
{
    const SizeStep& s = sizeSteps()[step];
    return {s.upper, (step == 0 ? kMm : s.lower) + kUm};
}

using Entry = std::tuple<Side, std::string_view, std::size_t>;

std::set<Entry> listedDifferences(EditionDifference::Kind kind)
{
    std::set<Entry> entries;
    for (const EditionDifference& d : editionDifferences()) {
        if (d.kind != kind)
            continue;
        for (auto r = *findSizeRange(d.firstRange); r <= *findSizeRange(d.lastRange); ++r)
            entries.insert({d.side, d.code, r});
    }
    return entries;
}

} // namespace

class TestIso286 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rulesGiveTheTableSaveTheEditionsDifferences()
    {
        using Kind = EditionDifference::Kind;
        std::set<Entry> noValue, halfRounded;
        int equal = 0;
        for (Side side : {Side::Hole, Side::Shaft}) {
            for (const ToleranceClass& cls : classesOf(side)) {
                for (std::size_t r = 0; r < kSizeRangeCount; ++r) {
                    const auto table = deviationsOf(cls.entries[r]);
                    for (const Length size : sizesIn(r)) {
                        const auto jis = lookUp(code(cls.code), size, Edition::Jis1984);
                        QVERIFY(jis.deviations == table && jis.source == Source::Table1984);
                        QCOMPARE(lookUp(code(cls.code), size, Edition::Iso2010).source,
                                 Source::Iso2010);
                    }
                    const auto rules = deviationsOf(code(cls.code), sizesIn(r)[0]);
                    QVERIFY2(rules == deviationsOf(code(cls.code), sizesIn(r)[1]),
                             qPrintable(where(cls.code, r)));
                    if (rules == table)
                        ++equal;
                    else if (!table && rules)
                        noValue.insert({side, cls.code, r});
                    else if (rules && isPlusMinus(code(cls.code)) &&
                             rules->upper == table->upper + kUm / 2)
                        halfRounded.insert({side, cls.code, r});
                    else
                        QFAIL(qPrintable(where(cls.code, r)));
                }
            }
        }
        QCOMPARE(equal, 1513);
        QCOMPARE(noValue.size(), std::size_t(90));
        QCOMPARE(halfRounded.size(), std::size_t(22));
        QVERIFY(noValue == listedDifferences(Kind::NoValueIn1984));
        QVERIFY(halfRounded == listedDifferences(Kind::HalfRoundedDown));
    }

    // Rows of ISO 286-2 (and the special cases of ISO 286-1) in µm; an empty row has no value.
    void publishedRows_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<double>("sizeMm");
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("lower");
        QTest::addColumn<bool>("defined");
        const auto row = [](const char* cls, double size, double upper, double lower) {
            QTest::addRow("%s %g", cls, size)
                << QString::fromUtf8(cls) << size << upper << lower << true;
        };
        const auto none = [](const char* cls, double size) {
            QTest::addRow("%s %g none", cls, size)
                << QString::fromUtf8(cls) << size << 0.0 << 0.0 << false;
        };
        row("H11", 35, 160, 0);
        row("c11", 35, -120, -280);
        row("F7", 630, 146, 76);
        row("R7", 560, -150, -220);
        row("K6", 600, 0, -44);
        row("N9", 600, -44, -219);
        row("e9", 1000, -170, -400);
        row("d11", 3000, -520, -1870);
        row("s6", 3150, 1535, 1400);
        row("M6", 300, -9, -41); // the special case: −9, not −11
        row("M6", 200, -8, -37);
        row("M7", 2, -2, -12);
        row("K8", 50, 12, -27);
        row("K9", 2, 0, -25);
        none("K9", 10);
        row("N9", 20, 0, -52);
        row("N9", 2, -4, -29);
        none("N9", 0.5);
        row("JS9", 20, 26, -26);
        row("js16", 35, 800, -800);
        row("h01", 10, 0, -0.4);
        none("h01", 600);
        row("H0", 2, 0.5, 0);
        row("a11", 2, -270, -330);
        none("a11", 1);
        none("B11", 0.8);
        none("H14", 1);
        row("H14", 1.5, 250, 0);
        row("j6", 40, 11, -5);
        row("j8", 2, 8, -6);
        none("j8", 5);
        none("j6", 600);
        none("J9", 10);
        row("J7", 100, 22, -13);
        row("cd7", 5, -46, -58);
        none("CD7", 12);
        row("P7", 25, -14, -35);
        row("P9", 25, -22, -74);
        none("P2", 25); // Δ is given for IT3 to IT8 only
        row("U7", 190, -219, -265);
        row("S7", 300, -150, -202);
        row("ZC11", 480, -2600, -3000);
        none("t6", 24);
        row("T6", 25, -37, -50);
        none("v7", 14);
        row("A13", 350, 2090, 1200); // printed +2000 before the 2006 corrigendum
        row("E8", 100, 126, 72);     // printed +125 before it
        row("R10", 25, -28, -112);   // printed −10 before it
        row("f9", 300, -56, -186);   // printed −185 before it
    }

    void publishedRows()
    {
        QFETCH(QString, cls);
        QFETCH(double, sizeMm);
        QFETCH(double, upper);
        QFETCH(double, lower);
        QFETCH(bool, defined);
        const auto got = deviationsOf(code(cls.toStdString()), Length(sizeMm * kMm));
        QCOMPARE(got.has_value(), defined);
        if (defined) {
            QCOMPARE(got->upper, Length(upper * kUm));
            QCOMPARE(got->lower, Length(lower * kUm));
        }
    }

    void widthIsTheStandardToleranceEverywhere()
    {
        int classes = 0;
        for (std::size_t step = 0; step < kSizeStepCount; ++step) {
            for (const Length size : sizesIn(step)) {
                for (Side side : {Side::Hole, Side::Shaft}) {
                    for (const ClassCode& c : classesAt(side, size)) {
                        const auto d = deviationsOf(c, size);
                        QVERIFY2(d->upper - d->lower == standardTolerance(c.grade, size),
                                 qPrintable(where(textOf(c), step)));
                        ++classes;
                    }
                }
            }
        }
        QVERIFY(classes > int(2 * kSizeStepCount * 500));
    }

    void tablesKeepTheStandardsRelations()
    {
        using namespace tables;
        for (std::size_t main = 0; main < kMainStepCount; ++main) {
            for (std::size_t g = 1; g < kGradeCount; ++g) {
                const Length it = kStandardTolerances[g][main];
                if (main > 0 && it > 0) // each grade grows with size
                    QVERIFY(it >= kStandardTolerances[g][main - 1]);
                if (it > 0) // each step grows with grade
                    QVERIFY(it > kStandardTolerances[g - 1][main]);
            }
            for (int grade = 12; grade <= 18; ++grade) // IT12 … IT18 = 10 × IT7 … IT13
                QCOMPARE(kStandardTolerances[gradeIndex(grade)][main],
                         10 * kStandardTolerances[gradeIndex(grade - 5)][main]);
        }
        // Δ = ITn − IT(n−1) over 3 mm; zero up to 3 mm.
        for (std::size_t main = 0; main < kDeltas.size(); ++main)
            for (int grade = kFirstDeltaGrade; grade <= kLastDeltaGrade; ++grade)
                QCOMPARE(kDeltas[main][std::size_t(grade - kFirstDeltaGrade)],
                         main == 0 ? 0
                                   : kStandardTolerances[gradeIndex(grade)][main] -
                                         kStandardTolerances[gradeIndex(grade - 1)][main]);
        // Fundamental deviations grow away from the zero line with size.
        const auto growing = [](const StepRow& row, int sign) {
            for (std::size_t s = 1; s < kSizeStepCount; ++s)
                if (row[s] != kNone && row[s - 1] != kNone && sign * row[s] < sign * row[s - 1])
                    return false;
            return true;
        };
        for (const LetterRow& row : kShaftUpperDeviations)
            QVERIFY2(growing(row.micrometres, -1), qPrintable(q(row.letters)));
        for (const LetterRow& row : kShaftLowerDeviations)
            QVERIFY2(growing(row.micrometres, 1), qPrintable(q(row.letters)));
    }

    void stepsCoverEverySizeOnce()
    {
        QCOMPARE(sizeSteps().size(), kSizeStepCount);
        for (std::size_t i = 0; i < kSizeStepCount; ++i) {
            if (i < kSizeRangeCount)
                QCOMPARE(q(sizeSteps()[i].label), q(kSizeRanges[i]));
            QCOMPARE(stepOf(sizeSteps()[i].upper), std::optional(i));
            QCOMPARE(stepOf(sizeSteps()[i].lower + 1), std::optional(i));
        }
        QCOMPARE(q(sizeSteps()[26].label), u"560～630"_s);
        QVERIFY(!stepOf(0) && !stepOf(-kMm) && !stepOf(kLargestSize + 1));
    }

    void codesReadAndWrite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error"); // -1: read as a class
        const int ok = -1;
        using K = ClassCodeError::Kind;
        for (const char* text : {"H7", "js16", "h01", "H0", "ZC18", "cd5", "j8", "JS7"})
            QTest::newRow(text) << QString::fromUtf8(text) << ok;
        QTest::newRow("Q7") << u"Q7"_s << int(K::NoSuchLetter);
        QTest::newRow("Js7") << u"Js7"_s << int(K::NoSuchLetter);
        QTest::newRow("7") << u"7"_s << int(K::NoSuchLetter);
        QTest::newRow("H19") << u"H19"_s << int(K::NoSuchGrade);
        QTest::newRow("H07") << u"H07"_s << int(K::NoSuchGrade);
        QTest::newRow("H7 ") << u"H7 "_s << int(K::NoSuchGrade);
        QTest::newRow("h") << u"h"_s << int(K::NoGrade);
        QTest::newRow("empty") << QString() << int(K::Empty);
    }

    void codesReadAndWrite()
    {
        QFETCH(QString, text);
        QFETCH(int, error);
        const auto parsed = parseClassCode(text.toStdString());
        if (error < 0)
            QCOMPARE(q(textOf(std::get<ClassCode>(parsed))), text);
        else
            QCOMPARE(int(std::get<ClassCodeError>(parsed).kind), error);
    }

    void theFirstEditionFallsBackToTheRules()
    {
        const auto outside = lookUp(code("H11"), 35 * kMm, Edition::Jis1984);
        QCOMPARE(outside.source, Source::Iso2010);
        QCOMPARE(outside.deviations, deviationsOf(code("H11"), 35 * kMm));
        QCOMPARE(lookUp(code("H7"), 600 * kMm, Edition::Jis1984).source, Source::Iso2010);
        const auto undefined = lookUp(code("x6"), 35 * kMm, Edition::Jis1984);
        QVERIFY(!undefined.deviations && undefined.source == Source::Table1984);
    }
};

QTEST_APPLESS_MAIN(TestIso286)
#include "tst_iso286.moc"
