// SPDX-License-Identifier: MIT
// Checks on the deviation tables that do not restate them: each relation below holds for the
// standard's values, so a mistyped entry, a shifted row or a swapped class breaks at least one.
#include "iso286_grades.h"
#include "test_support.h"

#include "tolerance/classes.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <string>
#include <string_view>

using namespace tolerance;
using namespace Qt::Literals::StringLiterals;

namespace {

std::size_t rangeIndex(std::string_view label)
{
    const auto index = findSizeRange(label);
    Q_ASSERT(index.has_value());
    return *index;
}

std::string_view lettersOf(std::string_view code)
{
    return code.substr(0, code.find_first_of("0123456789"));
}

int gradeOf(std::string_view code)
{
    int grade = 0;
    for (char c : code.substr(code.find_first_of("0123456789")))
        grade = grade * 10 + (c - '0');
    return grade;
}

bool isSymmetric(const ToleranceClass& cls)
{
    return lettersOf(cls.code) == "JS" || lettersOf(cls.code) == "js";
}

bool isDefined(const DeviationPair& entry)
{
    return formOf(entry.upper) != DeviationForm::Undefined;
}

int upperOf(const ToleranceClass& cls, std::size_t range)
{
    return halfMicrometres(cls.entries[range].upper).value();
}

int lowerOf(const ToleranceClass& cls, std::size_t range)
{
    return halfMicrometres(cls.entries[range].lower).value();
}

const ToleranceClass& get(Side side, std::string_view code)
{
    const ToleranceClass* cls = findClass(side, code);
    Q_ASSERT(cls);
    return *cls;
}

QString where(const ToleranceClass& cls, std::size_t range)
{
    return q(cls.code) + u' ' + q(kSizeRanges[range]);
}

// Undefined extents as [first, last] range labels, inclusive.
struct Extent
{
    std::string_view code;
    std::string_view first;
    std::string_view last;
};

constexpr Extent kUndefined[] = {
    {"S7", "250～280", "450～500"}, {"T7", "0～3", "18～24"},       {"T7", "180～200", "450～500"},
    {"U7", "120～140", "450～500"}, {"X7", "30～40", "450～500"},   {"s6", "250～280", "450～500"},
    {"t6", "0～3", "18～24"},       {"t6", "180～200", "450～500"}, {"u6", "120～140", "450～500"},
    {"x6", "30～40", "450～500"},
};

// Size ranges with an entry of their own although they share a main span with a neighbour.
constexpr Extent kOwnEntries[] = {
    {"B10", "30～40", "450～500"}, {"C9", "30～40", "450～500"}, {"C10", "30～40", "450～500"},
    {"R7", "50～65", "450～500"},  {"S7", "50～65", "225～250"}, {"T7", "24～30", "160～180"},
    {"U7", "18～24", "100～120"},  {"X7", "10～14", "24～30"},   {"b9", "30～40", "450～500"},
    {"c9", "30～40", "450～500"},  {"r6", "50～65", "450～500"}, {"s6", "50～65", "225～250"},
    {"t6", "24～30", "160～180"},  {"u6", "18～24", "100～120"}, {"x6", "10～14", "24～30"},
};

template <std::size_t N>
bool inExtents(const Extent (&extents)[N], std::string_view code, std::size_t range)
{
    return std::any_of(std::begin(extents), std::end(extents), [&](const Extent& e) {
        return e.code == code && range >= rangeIndex(e.first) && range <= rangeIndex(e.last);
    });
}

} // namespace

class TestTableInvariants : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tablesHaveEveryClassOnce()
    {
        QCOMPARE(holeClasses().size(), std::size_t(34));
        QCOMPARE(shaftClasses().size(), std::size_t(31));
        for (Side side : {Side::Hole, Side::Shaft}) {
            QSet<QString> codes, modules;
            for (const ToleranceClass& cls : classesOf(side)) {
                codes.insert(q(cls.code));
                modules.insert(q(cls.module));
            }
            QCOMPARE(codes.size(), qsizetype(classesOf(side).size()));
            QCOMPARE(modules.size(), qsizetype(classesOf(side).size()));
        }
    }

    void everyTextHasOneOfTheFourForms()
    {
        int entries = 0;
        for (Side side : {Side::Hole, Side::Shaft}) {
            for (const ToleranceClass& cls : classesOf(side)) {
                for (std::size_t r = 0; r < kSizeRangeCount; ++r) {
                    QVERIFY2(isWellFormed(cls.entries[r]), qPrintable(where(cls, r)));
                    // "±" belongs to the symmetric classes alone, and they use nothing else.
                    const bool plusMinus = formOf(cls.entries[r].upper) == DeviationForm::PlusMinus;
                    QVERIFY2(plusMinus == isSymmetric(cls), qPrintable(where(cls, r)));
                    ++entries;
                }
            }
        }
        QCOMPARE(entries, 1625);
    }

    void widthIsTheStandardTolerance()
    {
        for (Side side : {Side::Hole, Side::Shaft}) {
            for (const ToleranceClass& cls : classesOf(side)) {
                if (isSymmetric(cls))
                    continue;
                for (std::size_t r = 0; r < kSizeRangeCount; ++r) {
                    if (!isDefined(cls.entries[r]))
                        continue;
                    const int width = upperOf(cls, r) - lowerOf(cls, r);
                    QVERIFY2(width == 2 * iso286::it(gradeOf(cls.code), r),
                             qPrintable(where(cls, r)));
                }
            }
        }
    }

    void symmetricClassesAreHalfTheTolerance()
    {
        // JS6, js5 and js6 carry IT/2 exactly; JS7 and js7 round IT7/2 down to whole µm.
        for (Side side : {Side::Hole, Side::Shaft}) {
            for (const ToleranceClass& cls : classesOf(side)) {
                if (!isSymmetric(cls))
                    continue;
                const int grade = gradeOf(cls.code);
                for (std::size_t r = 0; r < kSizeRangeCount; ++r) {
                    const int it = iso286::it(grade, r);
                    const int expectedHalf = grade == 7 ? 2 * (it / 2) : it;
                    QVERIFY2(lowerOf(cls, r) == expectedHalf, qPrintable(where(cls, r)));
                }
            }
        }
    }

    void hAndHClassesStartAtZero()
    {
        for (std::string_view code : {"H6", "H7", "H8", "H9", "H10"})
            for (std::size_t r = 0; r < kSizeRangeCount; ++r)
                QCOMPARE(q(get(Side::Hole, code).entries[r].lower), q(kZeroText));
        for (std::string_view code : {"h5", "h6", "h7", "h8", "h9"})
            for (std::size_t r = 0; r < kSizeRangeCount; ++r)
                QCOMPARE(q(get(Side::Shaft, code).entries[r].upper), q(kZeroText));
    }

    void classesOfOneLetterShareTheirFundamentalDeviation_data()
    {
        QTest::addColumn<bool>("hole");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("C lower") << true << false << QStringList{u"C9"_s, u"C10"_s};
        QTest::newRow("D lower") << true << false << QStringList{u"D8"_s, u"D9"_s, u"D10"_s};
        QTest::newRow("E lower") << true << false << QStringList{u"E7"_s, u"E8"_s, u"E9"_s};
        QTest::newRow("F lower") << true << false << QStringList{u"F6"_s, u"F7"_s, u"F8"_s};
        QTest::newRow("G lower") << true << false << QStringList{u"G6"_s, u"G7"_s};
        QTest::newRow("H lower") << true << false
                                 << QStringList{u"H6"_s, u"H7"_s, u"H8"_s, u"H9"_s, u"H10"_s};
        QTest::newRow("d upper") << false << true << QStringList{u"d8"_s, u"d9"_s};
        QTest::newRow("e upper") << false << true << QStringList{u"e7"_s, u"e8"_s, u"e9"_s};
        QTest::newRow("f upper") << false << true << QStringList{u"f6"_s, u"f7"_s, u"f8"_s};
        QTest::newRow("g upper") << false << true << QStringList{u"g5"_s, u"g6"_s};
        QTest::newRow("h upper") << false << true
                                 << QStringList{u"h5"_s, u"h6"_s, u"h7"_s, u"h8"_s, u"h9"_s};
        QTest::newRow("k lower") << false << false << QStringList{u"k5"_s, u"k6"_s};
        QTest::newRow("m lower") << false << false << QStringList{u"m5"_s, u"m6"_s};
    }

    void classesOfOneLetterShareTheirFundamentalDeviation()
    {
        QFETCH(bool, hole);
        QFETCH(bool, upper);
        QFETCH(QStringList, codes);
        const Side side = hole ? Side::Hole : Side::Shaft;
        const QByteArray first = codes.first().toUtf8();
        const ToleranceClass& reference = get(side, std::string_view(first.data(), first.size()));
        for (const QString& code : codes) {
            const QByteArray utf8 = code.toUtf8();
            const ToleranceClass& cls = get(side, std::string_view(utf8.data(), utf8.size()));
            for (std::size_t r = 0; r < kSizeRangeCount; ++r) {
                const auto& mine = cls.entries[r];
                const auto& theirs = reference.entries[r];
                QVERIFY2(upper ? mine.upper == theirs.upper : mine.lower == theirs.lower,
                         qPrintable(where(cls, r)));
            }
        }
    }

    void holesMirrorShaftsOfTheSameLetterAndGrade()
    {
        const std::string_view pairs[][2] = {
            {"C9", "c9"}, {"D8", "d8"}, {"D9", "d9"}, {"E7", "e7"}, {"E8", "e8"},
            {"E9", "e9"}, {"F6", "f6"}, {"F7", "f7"}, {"F8", "f8"}, {"G6", "g6"},
            {"H6", "h6"}, {"H7", "h7"}, {"H8", "h8"}, {"H9", "h9"},
        };
        for (const auto& pair : pairs) {
            const ToleranceClass& hole = get(Side::Hole, pair[0]);
            const ToleranceClass& shaft = get(Side::Shaft, pair[1]);
            for (std::size_t r = 0; r < kSizeRangeCount; ++r) {
                QVERIFY2(upperOf(hole, r) == -lowerOf(shaft, r), qPrintable(where(hole, r)));
                QVERIFY2(lowerOf(hole, r) == -upperOf(shaft, r), qPrintable(where(hole, r)));
            }
        }
    }

    void holeFundamentalDeviationsFollowTheShafts()
    {
        // ISO 286-1: for holes A to H, EI = -es of the shaft of the same letter; for K to ZC up to
        // IT8, ES = -ei + Δ with Δ = ITn - IT(n-1), and Δ = 0 up to 3 mm. The standard itself
        // makes one exception among these classes: M6 from 250 to 315 mm has ES = -9 µm.
        for (const ToleranceClass& hole : holeClasses()) {
            if (isSymmetric(hole))
                continue;
            std::string shaftLetters(lettersOf(hole.code));
            for (char& c : shaftLetters)
                c = static_cast<char>(c - 'A' + 'a');
            const ToleranceClass* shaft = nullptr;
            for (const ToleranceClass& candidate : shaftClasses())
                if (lettersOf(candidate.code) == shaftLetters && !shaft)
                    shaft = &candidate;
            QVERIFY2(shaft, qPrintable(q(hole.code)));
            const int grade = gradeOf(hole.code);
            for (std::size_t r = 0; r < kSizeRangeCount; ++r) {
                if (!isDefined(hole.entries[r]))
                    continue;
                if (lettersOf(hole.code) <= "H") {
                    QVERIFY2(lowerOf(hole, r) == -upperOf(*shaft, r), qPrintable(where(hole, r)));
                    continue;
                }
                const int delta = r == 0 ? 0 : iso286::it(grade, r) - iso286::it(grade - 1, r);
                int expected = -lowerOf(*shaft, r) + 2 * delta;
                if (hole.code == "M6" && r >= rangeIndex("250～280") && r <= rangeIndex("280～315"))
                    expected = -2 * 9;
                QVERIFY2(upperOf(hole, r) == expected, qPrintable(where(hole, r)));
            }
        }
    }

    void kShaftsStepTheirLowerDeviation()
    {
        // +0 in 0–3, +1 to 18, +2 to 80, +3 to 180, +4 to 400, +5 to 500 (µm).
        const int steps[] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3,
                             3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 5, 5};
        for (std::string_view code : {"k5", "k6"}) {
            const ToleranceClass& cls = get(Side::Shaft, code);
            for (std::size_t r = 0; r < kSizeRangeCount; ++r)
                QVERIFY2(lowerOf(cls, r) == 2 * steps[r], qPrintable(where(cls, r)));
        }
    }

    void undefinedEntriesOnlyWhereTheStandardHasNone()
    {
        int undefined = 0;
        for (Side side : {Side::Hole, Side::Shaft}) {
            for (const ToleranceClass& cls : classesOf(side)) {
                for (std::size_t r = 0; r < kSizeRangeCount; ++r) {
                    const bool expected = inExtents(kUndefined, cls.code, r);
                    QVERIFY2(isDefined(cls.entries[r]) != expected, qPrintable(where(cls, r)));
                    undefined += expected;
                }
            }
        }
        QCOMPARE(undefined, 2 * (6 + 15 + 12 + 18)); // S7, T7, U7, X7 and their shafts
    }

    void signsFollowTheFundamentalDeviation()
    {
        const auto check = [](const ToleranceClass& cls, std::size_t r) -> bool {
            const int up = upperOf(cls, r);
            const int low = lowerOf(cls, r);
            const std::string_view l = lettersOf(cls.code);
            if (cls.side == Side::Hole) {
                if (l < "H")
                    return up > 0 && low > 0;
                if (l == "H")
                    return low == 0;
                if (l == "K")
                    return up >= 0 && low < 0;
                if (l == "M" && cls.code == "M7" && r >= rangeIndex("3～6"))
                    return up == 0 && low < 0;
                return up < 0 && low < 0;
            }
            if (l < "h")
                return up < 0 && low < 0;
            if (l == "h")
                return up == 0;
            const bool zeroAllowed = (l == "k") && r == 0;
            return up > 0 && (low > 0 || (zeroAllowed && low == 0));
        };
        for (Side side : {Side::Hole, Side::Shaft}) {
            for (const ToleranceClass& cls : classesOf(side)) {
                if (isSymmetric(cls))
                    continue;
                for (std::size_t r = 0; r < kSizeRangeCount; ++r)
                    if (isDefined(cls.entries[r]))
                        QVERIFY2(check(cls, r), qPrintable(where(cls, r)));
            }
        }
    }

    void rangesOfOneMainSpanShareTheirEntry()
    {
        for (Side side : {Side::Hole, Side::Shaft}) {
            for (const ToleranceClass& cls : classesOf(side)) {
                for (std::size_t r = 1; r < kSizeRangeCount; ++r) {
                    if (iso286::kMainSpanOfRange[r] != iso286::kMainSpanOfRange[r - 1])
                        continue;
                    const bool own = inExtents(kOwnEntries, cls.code, r) ||
                                     inExtents(kOwnEntries, cls.code, r - 1);
                    const bool same = cls.entries[r] == cls.entries[r - 1];
                    QVERIFY2(same != own, qPrintable(where(cls, r)));
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestTableInvariants)
#include "tst_table_invariants.moc"
