// SPDX-License-Identifier: MIT
// What a designer chooses by: the commonly used pairs, a side given by its limits, the same fit
// in the other system, and how likely an interference is when parts are made to a spread.
#include "test_support.h"

#include "tolerance/candidates.h"
#include "tolerance/classes.h"
#include "tolerance/fit_finder.h"
#include "tolerance/fit_statistics.h"
#include "tolerance/given_limits.h"
#include "tolerance/iso286.h"
#include "tolerance/nominal_size.h"
#include "tolerance/other_basis.h"
#include "tolerance/preferred_fits.h"
#include "tolerance/service/figures.h"

#include <QSet>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

using namespace tolerance;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(tolerance::Deviations)
Q_DECLARE_METATYPE(tolerance::Edition)

namespace {

constexpr int kNoFault = -1;

ClassCode code(const QString& text)
{
    return std::get<ClassCode>(parseClassCode(text.toStdString()));
}

Deviations at35(const QString& text)
{
    return *deviationsOf(code(text), 35 * kNanometresPerMm);
}

QString pairText(const ClassPair& pair)
{
    return q(textOf(pair.hole)) + u'/' + q(textOf(pair.shaft));
}

// Lists of a side, as many as a search over every class, with the widths spread over 120 values
// and the codes of commonly used pairs repeated among them.
std::vector<Candidate> madeUp(Side side)
{
    const char* const codes[2][4] = {{"H7", "F7", "JS6", "X7"}, {"h6", "g6", "p6", "js7"}};
    std::vector<Candidate> made;
    for (int i = 0; i < 500; ++i) {
        const Length lower = (i * 37) % 601 - 300;
        const Length width = (i * 13) % 120 + 1;
        made.push_back(
            {codes[side == Side::Hole ? 0 : 1][i % 4],
             {(lower + width) * kNanometresPerMicrometre, lower * kNanometresPerMicrometre}});
    }
    return made;
}

// A pair by its places in the lists searched, and whether it is marked commonly used.
using Placed = std::tuple<std::ptrdiff_t, std::ptrdiff_t, bool>;

// The order the finder promises, the plain way: every pair in list order, then a stable sort.
std::vector<Placed> sortedPairs(const std::vector<Candidate>& holes,
                                const std::vector<Candidate>& shafts,
                                const Requirement& requirement)
{
    struct Met
    {
        Placed at;
        Length width;
    };
    std::vector<Met> met;
    for (std::size_t h = 0; h < holes.size(); ++h) {
        for (std::size_t s = 0; s < shafts.size(); ++s) {
            if ((requirement.basis == Basis::Hole && !isBasisClass(holes[h].code, Side::Hole)) ||
                (requirement.basis == Basis::Shaft && !isBasisClass(shafts[s].code, Side::Shaft)))
                continue;
            const Fit fit = fitOf(holes[h].deviations, shafts[s].deviations);
            if (admits(requirement, fit))
                met.push_back({{std::ptrdiff_t(h), std::ptrdiff_t(s),
                                isPreferredFit(holes[h].code, shafts[s].code)},
                               fitTolerance(fit)});
        }
    }
    std::stable_sort(met.begin(), met.end(), [](const Met& a, const Met& b) {
        if (std::get<2>(a.at) != std::get<2>(b.at))
            return std::get<2>(a.at);
        return a.width > b.width;
    });
    std::vector<Placed> placed;
    for (const Met& m : met)
        placed.push_back(m.at);
    return placed;
}

// Where two answers first part, as text, or nothing when they agree.
QString firstDifference(const std::vector<Placed>& found, const std::vector<Placed>& expected)
{
    const auto text = [](const Placed& p) {
        return u"%1/%2%3"_s.arg(std::get<0>(p))
            .arg(std::get<1>(p))
            .arg(std::get<2>(p) ? u"*"_s : u""_s);
    };
    for (std::size_t i = 0; i < std::min(found.size(), expected.size()); ++i)
        if (found[i] != expected[i])
            return u"row %1: %2, not %3"_s.arg(i).arg(text(found[i]), text(expected[i]));
    if (found.size() != expected.size())
        return u"%1 rows, not %2"_s.arg(found.size()).arg(expected.size());
    return {};
}

} // namespace

class TestFitChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // How many classes each basis class is commonly paired with in JIS B 0401's tables.
    void preferredCounts_data()
    {
        QTest::addColumn<QString>("basis");
        QTest::addColumn<int>("count");
        const std::pair<const char*, int> rows[] = {{"H6", 13}, {"H7", 17}, {"H8", 7},  {"H9", 7},
                                                    {"H10", 3}, {"h5", 6},  {"h6", 21}, {"h7", 5},
                                                    {"h8", 7},  {"h9", 10}};
        for (const auto& [basis, count] : rows)
            QTest::newRow(basis) << QString::fromLatin1(basis) << count;
    }

    void preferredCounts()
    {
        QFETCH(QString, basis);
        QFETCH(int, count);
        const auto groups = preferredGroups();
        const auto group = std::find_if(groups.begin(), groups.end(), [&](const PreferredGroup& g) {
            return q(g.basis) == basis;
        });
        QVERIFY(group != groups.end());
        const QStringList mates = q(group->mates).split(u' ');
        QCOMPARE(mates.size(), count);
        // Every mate is a class of our table on the other side, and listed once.
        const Side other = basis.front().isUpper() ? Side::Shaft : Side::Hole;
        for (const QString& mate : mates) {
            QVERIFY2(findClass(other, mate.toStdString()), qPrintable(mate));
            QCOMPARE(mates.count(mate), 1);
        }
    }

    void preferredPairs_data()
    {
        QTest::addColumn<QString>("hole");
        QTest::addColumn<QString>("shaft");
        QTest::addColumn<bool>("preferred");
        QTest::newRow("H7/g6") << u"H7"_s << u"g6"_s << true;
        QTest::newRow("G7/h6, the same fit shaft basis") << u"G7"_s << u"h6"_s << true;
        QTest::newRow("H7/h6, of both systems") << u"H7"_s << u"h6"_s << true;
        QTest::newRow("H7/x6, the tightest of H7") << u"H7"_s << u"x6"_s << true;
        QTest::newRow("B10/h9, the loosest of h9") << u"B10"_s << u"h9"_s << true;
        QTest::newRow("H6/f7, not with H6") << u"H6"_s << u"f7"_s << false;
        QTest::newRow("B10/b9, neither a basis") << u"B10"_s << u"b9"_s << false;
        QTest::newRow("H11/c11, not in JIS's table") << u"H11"_s << u"c11"_s << false;
        QTest::newRow("h6/H7, the sides swapped") << u"h6"_s << u"H7"_s << false;
        QTest::newRow("H7/G6, a hole for the shaft") << u"H7"_s << u"G6"_s << false;
    }

    void preferredPairs()
    {
        QFETCH(QString, hole);
        QFETCH(QString, shaft);
        QFETCH(bool, preferred);
        QCOMPARE(isPreferredFit(hole.toStdString(), shaft.toStdString()), preferred);
    }

    // A commonly used pair comes before wider pairs that are not, and is marked. At 35 mm the
    // widths: B10/b9 100 + 62, B10/g6 100 + 16, H7/b9 25 + 62, H7/g6 25 + 16 µm.
    void finderPutsPreferredFirst()
    {
        const std::vector<Candidate> holes{{"B10", at35(u"B10"_s)}, {"H7", at35(u"H7"_s)}};
        const std::vector<Candidate> shafts{{"b9", at35(u"b9"_s)}, {"g6", at35(u"g6"_s)}};
        const auto found = findFits(holes, shafts, Requirement{});
        QStringList order;
        for (const FoundFit& f : found)
            order << q(f.hole->code) + u'/' + q(f.shaft->code) + (f.preferred ? u"*"_s : u""_s);
        QCOMPARE(order, QStringList({u"H7/g6*"_s, u"B10/b9"_s, u"B10/g6"_s, u"H7/b9"_s}));
    }

    // Over whole lists the finder's order is a stable sort's of every pair in list order: the
    // commonly used first, then the widest, ties in list order. Both of its answers, the one by
    // pointers and the one by places written over a list that held another answer.
    void finderOrderOverWholeLists_data()
    {
        QTest::addColumn<int>("millimetres"); // 0: made-up lists
        QTest::addColumn<bool>("everyClass");
        QTest::addColumn<int>("bounds");
        enum
        {
            None,
            Clearance10To30,
            Interference,
            HoleBasis,
            ShaftBasis
        };
        QTest::newRow("our classes, 35 mm") << 35 << false << int(None);
        QTest::newRow("our classes, 3 mm, hole basis") << 3 << false << int(HoleBasis);
        QTest::newRow("every class, 35 mm") << 35 << true << int(None);
        QTest::newRow("every class, 35 mm, 10 to 30 µm") << 35 << true << int(Clearance10To30);
        QTest::newRow("every class, 120 mm, interference") << 120 << true << int(Interference);
        QTest::newRow("every class, 500 mm, shaft basis") << 500 << true << int(ShaftBasis);
        QTest::newRow("every class, 3150 mm") << 3150 << true << int(None);
        QTest::newRow("made up") << 0 << true << int(None);
        QTest::newRow("made up, hole basis") << 0 << true << int(HoleBasis);
    }
    void finderOrderOverWholeLists()
    {
        QFETCH(int, millimetres);
        QFETCH(bool, everyClass);
        QFETCH(int, bounds);
        const auto sideAt = [&](Side side) {
            if (millimetres == 0)
                return madeUp(side);
            return candidatesAt(side, millimetres * kNanometresPerMm,
                                millimetres > 500 ? Edition::Iso2010 : Edition::Jis1984,
                                everyClass ? ClassScope::Every : ClassScope::Table)
                .classes;
        };
        const std::vector<Candidate> holes = sideAt(Side::Hole);
        const std::vector<Candidate> shafts = sideAt(Side::Shaft);
        Requirement requirement;
        if (bounds == 1) {
            requirement.minimumClearance = 10 * kNanometresPerMicrometre;
            requirement.maximumClearance = 30 * kNanometresPerMicrometre;
        }
        if (bounds == 2)
            requirement.type = FitType::Interference;
        if (bounds == 3)
            requirement.basis = Basis::Hole;
        if (bounds == 4)
            requirement.basis = Basis::Shaft;
        const std::vector<Placed> expected = sortedPairs(holes, shafts, requirement);
        QVERIFY(!expected.empty());

        std::vector<Placed> byPointers;
        for (const FoundFit& f : findFits(holes, shafts, requirement))
            byPointers.emplace_back(f.hole - holes.data(), f.shaft - shafts.data(), f.preferred);
        QCOMPARE(firstDifference(byPointers, expected), QString());

        // Written over a longer answer, and over a shorter one.
        std::vector<FitAt> byPlaces;
        findFitsAt(madeUp(Side::Hole), madeUp(Side::Shaft), {}, byPlaces);
        for (int round = 0; round < 2; ++round) {
            findFitsAt(holes, shafts, requirement, byPlaces);
            std::vector<Placed> placed;
            for (const FitAt& f : byPlaces)
                placed.emplace_back(f.hole, f.shaft, f.preferred);
            QCOMPARE(firstDifference(placed, expected), QString());
            QVERIFY(std::all_of(byPlaces.begin(), byPlaces.end(), [&](const FitAt& f) {
                const Fit fit = fitOf(holes[std::size_t(f.hole)].deviations,
                                      shafts[std::size_t(f.shaft)].deviations);
                return f.fit.maximumClearance == fit.maximumClearance &&
                       f.fit.minimumClearance == fit.minimumClearance && f.fit.type == fit.type;
            }));
            byPlaces.assign(3, FitAt{-1, -1, {}, true});
        }
    }

    void limits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("upper"); // nm
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("fault");
        const int none = kNoFault;
        QTest::newRow("bearing bore") << u"0/-0.009"_s << 0 << -9000 << none;
        QTest::newRow("bush") << u"+0.021/+0.008"_s << 21000 << 8000 << none;
        QTest::newRow("±") << u"±0.005"_s << 5000 << -5000 << none;
        QTest::newRow("+- for ±") << u"+-0.005"_s << 5000 << -5000 << none;
        QTest::newRow("one size") << u"0.01/0.01"_s << 10000 << 10000 << none;
        QTest::newRow("0.1 µm") << u"+0.0001/-0.0001"_s << 100 << -100 << none;
        QTest::newRow("zeros past 4 decimals") << u"0/-0.00900"_s << 0 << -9000 << none;
        const auto fault = [](LimitsFault f) { return int(f); };
        QTest::newRow("empty") << QString() << 0 << 0 << fault(LimitsFault::Empty);
        QTest::newRow("lower above upper")
            << u"-0.009/0"_s << 0 << 0 << fault(LimitsFault::LowerAboveUpper);
        QTest::newRow("5 decimals")
            << u"0/-0.00001"_s << 0 << 0 << fault(LimitsFault::TooManyDecimals);
        QTest::newRow("± with 5 decimals")
            << u"±0.00005"_s << 0 << 0 << fault(LimitsFault::TooManyDecimals);
        QTest::newRow("one figure") << u"0.005"_s << 0 << 0 << fault(LimitsFault::NotLimits);
        QTest::newRow("three figures")
            << u"0/-0.009/0"_s << 0 << 0 << fault(LimitsFault::NotLimits);
        QTest::newRow("± of a signed figure")
            << u"±-0.005"_s << 0 << 0 << fault(LimitsFault::NotLimits);
        QTest::newRow("± of two figures")
            << u"+-0.005/0"_s << 0 << 0 << fault(LimitsFault::NotLimits);
        QTest::newRow("spaces") << u"0 / -0.009"_s << 0 << 0 << fault(LimitsFault::NotLimits);
        QTest::newRow("two signs") << u"+-0.1/-0.2"_s << 0 << 0 << fault(LimitsFault::NotLimits);
        QTest::newRow("junk beside too fine")
            << u"0.00001/x"_s << 0 << 0 << fault(LimitsFault::NotLimits);
        QTest::newRow("beyond 3150 mm") << u"3151/0"_s << 0 << 0 << fault(LimitsFault::TooLarge);
    }

    void limits()
    {
        QFETCH(QString, text);
        QFETCH(int, upper);
        QFETCH(int, lower);
        QFETCH(int, fault);
        const auto parsed = parseLimits(text.toStdString());
        if (fault != kNoFault) {
            QVERIFY(std::holds_alternative<LimitsFault>(parsed));
            QCOMPARE(int(std::get<LimitsFault>(parsed)), fault);
            return;
        }
        QVERIFY(std::holds_alternative<Deviations>(parsed));
        QCOMPARE(std::get<Deviations>(parsed), (Deviations{upper, lower}));
        // What the answer names the side by reads back to the same deviations.
        const std::string named = textOfLimits(std::get<Deviations>(parsed));
        QCOMPARE(std::get<Deviations>(parseLimits(named)), (Deviations{upper, lower}));
    }

    // The clearances 99.73 % of assemblies lie within and the probability of an interference,
    // against hand calculations. At 35 mm H7 is +25/0 µm and k6 +18/+2 µm: the clearance runs
    // from 0 - 18 = -18 to 25 - 2 = +23 µm.
    //  Normal: mean 12.5 - 10 = 2.5 µm; σ = √(25² + 16²) / 6 = √881 / 6 = 4.94694 µm; the range
    //  2.5 ∓ 3σ = -12.3408 … 17.3408 µm; P(c < 0) = Φ(-2.5 / 4.94694) = Φ(-0.50536) = 0.306652.
    //  Uniform: the clearance less -18 is the sum of uniforms over 25 and 16 µm, a trapezoid
    //  rising to 16, flat to 25, falling to 41; P(c < 0) = P(sum < 18) on the flat part,
    //  (18 - 16/2) / 25 = 0.4 exactly. Its tails of 0.135 % end √(2·25·16·0.00135) = 1.03923 µm
    //  in from either end: -16.9608 … 21.9608 µm.
    void statistics_data()
    {
        QTest::addColumn<Deviations>("hole");
        QTest::addColumn<Deviations>("shaft");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<double>("low"); // nm
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("probability");
        const Deviations h7{25000, 0};
        const Deviations k6{18000, 2000};
        QTest::newRow("H7/k6 normal") << h7 << k6 << true << -12340.822 << 17340.822 << 0.306652;
        QTest::newRow("H7/k6 uniform") << h7 << k6 << false << -16960.770 << 21960.770 << 0.4;
        // H7/g6 (g6 -9/-25 µm): mean 29.5 µm, 5.963σ from zero: Φ(-5.963) = 1.2361e-9.
        QTest::newRow("H7/g6 normal, a far tail")
            << h7 << Deviations{-9000, -25000} << true << 14659.178 << 44340.822 << 1.2361097e-9;
        // Both sides made to one size each: the clearance is that size's difference, certain.
        const Deviations exact10{10000, 10000};
        const Deviations exact12{12000, 12000};
        QTest::newRow("both exact, normal")
            << exact10 << exact12 << true << -2000.0 << -2000.0 << 1.0;
        QTest::newRow("both exact, uniform")
            << exact10 << exact12 << false << -2000.0 << -2000.0 << 1.0;
        QTest::newRow("both exact, touching") << exact10 << exact10 << false << 0.0 << 0.0 << 0.0;
        // Touching is no interference: a clearance of zero, under either spread.
        QTest::newRow("both exact, touching, normal")
            << exact10 << exact10 << true << 0.0 << 0.0 << 0.0;
        // An exact hole on a shaft of ±10 µm: the clearance spreads as the shaft does, even
        // about zero. Normal: ±3σ = ±10 µm. Uniform: 20 µm wide, 0.135 % of it is 0.027 µm.
        const Deviations zero{0, 0};
        const Deviations pm10{10000, -10000};
        QTest::newRow("exact hole, normal") << zero << pm10 << true << -10000.0 << 10000.0 << 0.5;
        QTest::newRow("exact hole, uniform") << zero << pm10 << false << -9973.0 << 9973.0 << 0.5;
        // H7/j6 (j6 +11/-5): the clearance from -11 to +30 µm; uniform, zero lies on the rising
        // corner, P = 11² / (2·25·16) = 121/800 = 0.15125; the tails end 1.03923 µm in, as above.
        QTest::newRow("H7/j6 uniform, the rising corner")
            << h7 << Deviations{11000, -5000} << false << -9960.770 << 28960.770 << 0.15125;
        // H7/u6 at 50 (H7 +25/0, u6 +86/+70): mean -65.5 µm, σ = √881/6 = 4.946940 µm,
        // z = 13.2405; the chance of a clearance Φ(-13.2405) = 2.56012e-40, of an interference
        // 1 less that, which a double holds only as 1.
        QTest::newRow("H7/u6 at 50 normal, a near certainty")
            << h7 << Deviations{86000, 70000} << true << -80340.822 << -50659.178 << 1.0;
    }

    void statistics()
    {
        QFETCH(Deviations, hole);
        QFETCH(Deviations, shaft);
        QFETCH(bool, normal);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, probability);
        const FitStatistics s =
            fitStatistics(hole, shaft, normal ? Distribution::Normal : Distribution::Uniform);
        QVERIFY2(std::abs(s.clearanceLow - low) < 0.01,
                 qPrintable(QString::number(s.clearanceLow)));
        QVERIFY2(std::abs(s.clearanceHigh - high) < 0.01,
                 qPrintable(QString::number(s.clearanceHigh)));
        QVERIFY2(std::abs(s.interferenceProbability - probability) <= 1e-6 * probability,
                 qPrintable(QString::number(s.interferenceProbability, 'g', 10)));
        // The other side from its own tail: the far side of a near certainty keeps its figures.
        const double clearance = QTest::currentDataTag() == QByteArray("H7/u6 at 50 normal, a "
                                                                       "near certainty")
                                     ? 2.56012e-40
                                     : 1 - probability;
        QVERIFY2(std::abs(s.clearanceProbability - clearance) <= 1e-5 * clearance,
                 qPrintable(QString::number(s.clearanceProbability, 'g', 10)));
    }

    // As a designer reads a chance: never in powers of ten, never a certainty it is not.
    void percent_data()
    {
        QTest::addColumn<double>("probability");
        QTest::addColumn<double>("complement"); // worked out on its own
        QTest::addColumn<QString>("text");
        QTest::newRow("H7/k6's chance") << 0.306652 << 0.693348 << u"30.67"_s;
        QTest::newRow("a small one keeps its figures")
            << 0.0000123456 << 0.9999876544 << u"0.001235"_s;
        QTest::newRow("H7/g6's far tail") << 1.2361097e-9 << 1 - 1.2361097e-9 << u"< 0.0001"_s;
        QTest::newRow("the far tail's other side")
            << 1 - 1.2361097e-9 << 1.2361097e-9 << u"> 99.9999"_s;
        // H7/u6 at 50: 1 - 2.56e-40 is 1 in a double, yet no certainty.
        QTest::newRow("a near certainty's double of 1") << 1.0 << 2.56012e-40 << u"> 99.9999"_s;
        QTest::newRow("99.995 % is not 100") << 0.99995 << 0.00005 << u"99.995"_s;
        QTest::newRow("99.97 %, four figures") << 0.99968 << 0.00032 << u"99.97"_s;
        QTest::newRow("certain") << 1.0 << 0.0 << u"100"_s;
        QTest::newRow("never") << 0.0 << 1.0 << u"0"_s;
    }

    void percent()
    {
        QFETCH(double, probability);
        QFETCH(double, complement);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(tolerance::formatPercent(probability, complement)), text);
    }

    // A window takes its locale from the desktop; a German one writes "0,02298" through printf.
    // The core's figures keep the full stop. Needs the de_DE.UTF-8 locale (install-deps).
    void fullStopUnderACommaLocale()
    {
        const std::string before = std::setlocale(LC_ALL, nullptr);
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "no de_DE.UTF-8 locale: install-deps");
        const std::string percent = formatPercent(0.0002298, 1 - 0.0002298);
        const std::string rounded = formatPercent(0.99995, 0.00005);
        const std::string figure = service::formatFigure(22.5);
        const std::string celsius = service::formatCelsius(-40.5);
        std::setlocale(LC_ALL, before.c_str());
        QCOMPARE(q(percent), u"0.02298"_s);
        QCOMPARE(q(rounded), u"99.995"_s);
        QCOMPARE(q(figure), u"22.5"_s);
        QCOMPARE(q(celsius), u"-40.5"_s);
    }

    // The same fit in the other system is always a pair of our 65 classes: the same clearances
    // wherever such a pair exists, in either arrangement of the grades, else the nearest.
    // At 35 with the 2016 rules H8 +39/0, js7 ±12.5: -12.5 … 51.5, as JS7/h8; JS8/h7 is no
    // class of ours. H11/c11 (0.120 … 0.440): C10/h9 +220/+120 with 0/-62 clears 0.120 … 0.282,
    // 158 µm short at its loosest; B10/h9 (+270/+170) is as far in all, 108 + 50, but of other
    // letters.
    void otherBasis_data()
    {
        QTest::addColumn<QString>("fit");
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<QString>("other");
        QTest::addColumn<int>("maximumShift"); // µm
        QTest::addColumn<int>("minimumShift");
        // H7/js6 and H7/k7 are rows of the command line's suite.
        QTest::newRow("H8/js7, 2016: never JS8, not ours")
            << u"H8/js7"_s << Edition::Iso2010 << u"JS7/h8"_s << 0 << 0;
        QTest::newRow("H11/c11: the nearest of ours, its letters on a tie")
            << u"H11/c11"_s << Edition::Jis1984 << u"C10/h9"_s << -158 << 0;
    }
    void otherBasis()
    {
        QFETCH(QString, fit);
        QFETCH(Edition, edition);
        QFETCH(QString, other);
        QFETCH(int, maximumShift);
        QFETCH(int, minimumShift);
        const auto found = otherBasisFit(code(fit.section(u'/', 0, 0)), code(fit.section(u'/', 1)),
                                         35 * kNanometresPerMm, edition);
        QVERIFY(found);
        QCOMPARE(pairText(found->pair), other);
        QCOMPARE(found->maximumShift, Length(maximumShift) * kNanometresPerMicrometre);
        QCOMPARE(found->minimumShift, Length(minimumShift) * kNanometresPerMicrometre);
    }

    // Over every fit of our classes with a basis class, at every range of the table, in both
    // editions: the answer is a pair of ours, and it says "the same" exactly when some pair of
    // ours in the other system clears alike (found here by trying every one).
    void otherBasisEverywhere()
    {
        const auto ours = [](Side side) {
            std::vector<ClassCode> codes;
            for (const ToleranceClass& cls : classesOf(side))
                codes.push_back(code(q(cls.code)));
            return codes;
        };
        const std::vector<ClassCode> holes = ours(Side::Hole);
        const std::vector<ClassCode> shafts = ours(Side::Shaft);
        const auto isBasis = [](const ClassCode& c) {
            return c.letters == "H" || c.letters == "h";
        };
        int answers = 0;
        for (const Edition edition : {Edition::Jis1984, Edition::Iso2010}) {
            for (std::size_t range = 0; range < kSizeRangeCount; ++range) {
                const RangeBounds& r = rangeBounds()[range];
                const Length d = (r.lower + r.upper) / 2 + 1;
                std::vector<std::pair<ClassCode, Deviations>> holesAt, shaftsAt;
                for (const ClassCode& c : holes)
                    if (const auto d0 = lookUp(c, d, edition).deviations)
                        holesAt.push_back({c, *d0});
                for (const ClassCode& c : shafts)
                    if (const auto d0 = lookUp(c, d, edition).deviations)
                        shaftsAt.push_back({c, *d0});
                // Every pair's clearances in each system, to find an equal by.
                QSet<std::pair<Length, Length>> holeBasis, shaftBasis;
                for (const auto& [h, hd] : holesAt)
                    for (const auto& [s, sd] : shaftsAt) {
                        const Fit f = fitOf(hd, sd);
                        if (isBasis(h))
                            holeBasis.insert({f.maximumClearance, f.minimumClearance});
                        if (isBasis(s))
                            shaftBasis.insert({f.maximumClearance, f.minimumClearance});
                    }
                for (const auto& [h, hd] : holesAt) {
                    for (const auto& [s, sd] : shaftsAt) {
                        if (isBasis(h) == isBasis(s))
                            continue;
                        const auto found = otherBasisFit(h, s, d, edition);
                        QVERIFY(found);
                        ++answers;
                        QVERIFY(findClass(Side::Hole, textOf(found->pair.hole)));
                        QVERIFY(findClass(Side::Shaft, textOf(found->pair.shaft)));
                        // A hole-basis fit's other system has the h shafts, and back.
                        QVERIFY(isBasis(isBasis(h) ? found->pair.shaft : found->pair.hole));
                        const Fit target = fitOf(hd, sd);
                        const bool exists =
                            (isBasis(h) ? shaftBasis : holeBasis)
                                .contains({target.maximumClearance, target.minimumClearance});
                        QVERIFY2(found->same() == exists,
                                 qPrintable(pairText({h, s}) + u" → "_s + pairText(found->pair)));
                    }
                }
            }
        }
        QVERIFY(answers > 10000);
    }

    void mirroredPairs_data()
    {
        QTest::addColumn<QString>("fit");
        QTest::addColumn<QString>("other");
        QTest::newRow("hole basis") << u"H7/g6"_s << u"G7/h6"_s;
        QTest::newRow("shaft basis") << u"G7/h6"_s << u"H7/g6"_s;
        QTest::newRow("two letters") << u"JS6/h5"_s << u"H6/js5"_s;
        QTest::newRow("grade 01") << u"H01/zc8"_s << u"ZC01/h8"_s;
        QTest::newRow("of both systems") << u"H7/h6"_s << u"H7/h6"_s;
        QTest::newRow("neither a basis") << u"G7/k6"_s << QString();
    }

    void mirroredPairs()
    {
        QFETCH(QString, fit);
        QFETCH(QString, other);
        const auto pair = mirroredPair(code(fit.section(u'/', 0, 0)), code(fit.section(u'/', 1)));
        QCOMPARE(pair ? pairText(*pair) : QString(), other);
    }

    // ISO 286-1's Δ gives K, M, N (to IT8) and P to ZC (to IT7) holes the clearances of the
    // hole-basis fit one grade finer on the shaft; A to H mirror exactly. With equal grades the
    // Δ is still added, so H7/k7 and K7/h7 differ: at 35 mm k7 +27/+2, K7 +7/-18 (Δ 9), H7/k7
    // clears -27 … +23, K7/h7 -18 … +32; M7 0/-25 gives M7/h7 -25 … +25, the nearer.
    void sameClearancesInTheOtherBasis_data()
    {
        QTest::addColumn<QString>("fit");
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("maximumShift"); // nm
        QTest::addColumn<int>("minimumShift");
        QTest::newRow("H7/g6") << u"H7/g6"_s << QStringList{u"G7"_s} << 0 << 0 << 0;
        QTest::newRow("H7/p6, by the Δ") << u"H7/p6"_s << QStringList{u"P7"_s} << 0 << 0 << 0;
        QTest::newRow("H8/k7, by the Δ") << u"H8/k7"_s << QStringList{u"K8"_s} << 0 << 0 << 0;
        // JS has no Δ: H7/js6 (js6 ±8) clears -8 … +33, JS7/h6 (JS7 ±12.5) -12.5 … +28.5.
        QTest::newRow("H7/js6, no Δ for JS")
            << u"H7/js6"_s << QStringList{u"JS7"_s} << 0 << -4500 << -4500;
        QTest::newRow("H7/k7, the nearest")
            << u"H7/k7"_s << QStringList{u"K7"_s, u"M7"_s} << 1 << 2000 << 2000;
        QTest::newRow("H7/k7, the mirror alone")
            << u"H7/k7"_s << QStringList{u"K7"_s} << 0 << 9000 << 9000;
        QTest::newRow("G7/h6 back") << u"G7/h6"_s << QStringList{u"g6"_s, u"f6"_s} << 0 << 0 << 0;
        QTest::newRow("a tie goes to the earlier")
            << u"H7/g6"_s << QStringList{u"F7"_s, u"G7"_s, u"G7"_s} << 1 << 0 << 0;
    }

    void sameClearancesInTheOtherBasis()
    {
        QFETCH(QString, fit);
        QFETCH(QStringList, candidates);
        QFETCH(int, index);
        QFETCH(int, maximumShift);
        QFETCH(int, minimumShift);
        const ClassCode hole = code(fit.section(u'/', 0, 0));
        const ClassCode shaft = code(fit.section(u'/', 1));
        const std::optional<ClassPair> mirrored = mirroredPair(hole, shaft);
        QVERIFY(mirrored);
        const ClassPair& other = *mirrored;
        const bool holesVary = other.shaft.letters == "h";
        std::vector<Deviations> listed;
        for (const QString& c : candidates)
            listed.push_back(at35(c));
        const Deviations fixed = at35(q(textOf(holesVary ? other.shaft : other.hole)));
        const auto match = nearestFit(fitOf(at35(q(textOf(hole))), at35(q(textOf(shaft)))), listed,
                                      fixed, holesVary ? Side::Hole : Side::Shaft);
        QVERIFY(match);
        QCOMPARE(int(match->index), index);
        QCOMPARE(match->maximumShift, Length(maximumShift));
        QCOMPARE(match->minimumShift, Length(minimumShift));
    }
};

QTEST_APPLESS_MAIN(TestFitChoice)
#include "tst_fit_choice.moc"
