// SPDX-License-Identifier: MIT
// The tolerance stack-up's arithmetic: published and hand-worked chains, the spreads of sums of
// even members against their known tails, and the Monte Carlo run against the closed forms.
#include "test_support.h"

#include "tolerance/stack/chain.h"
#include "tolerance/stack/monte_carlo.h"
#include "tolerance/stack/random_draws.h"
#include "tolerance/stack/shares.h"
#include "tolerance/stack/uniform_sum.h"

#include <QStringList>
#include <QTest>

#include <atomic>
#include <cmath>

using namespace tolerance;
using namespace tolerance::stack;
using namespace Qt::Literals::StringLiterals;

namespace {

// "name,direction,nominal,tolerance[,material,temperature]" per member, ";" between members.
Chain chainOf(const QString& members, Distribution distribution = Distribution::Normal,
              const QString& requirement = {})
{
    ChainText text;
    for (const QString& member : members.split(u';')) {
        const QStringList f = member.split(u',');
        text.members.push_back({f[0].toStdString(),
                                f[1].toStdString(),
                                f[2].toStdString(),
                                f[3].toStdString(),
                                f.value(4).toStdString(),
                                f.value(5).toStdString(),
                                {}});
    }
    text.requirement = requirement.toStdString();
    text.distribution = std::string(nameOf(distribution));
    auto chain = readChain(text);
    if (!std::holds_alternative<Chain>(chain))
        qFatal("chain does not read: %s", qPrintable(members));
    return std::get<Chain>(chain);
}

QString mm(Length value)
{
    return q(formatMillimetres(value));
}

QString statistical(double nanometres)
{
    return q(formatStatisticalClearance(nanometres));
}

QString percents(const std::vector<Share>& shares, bool variance)
{
    std::vector<double> values;
    for (const Share& s : shares)
        values.push_back(variance ? s.variance : s.worstCase);
    QStringList texts;
    for (const int tenths : tenthsOfPercent(values))
        texts << q(percentText(tenths));
    return texts.join(u' ');
}

// The A5052 housing and S45C spacer of the thermal row below.
const QString kHandWorked = u"housing,+,62,H8;spacer,-,20,h11;ring,-,1.6,0/-0.06;"
                            u"shoulder,-,40,js9"_s;

} // namespace

class TestStack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closedForms_data()
    {
        QTest::addColumn<QString>("members");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("worstMinimum");
        QTest::addColumn<QString>("worstMaximum");
        QTest::addColumn<QString>("statisticalMinimum");
        QTest::addColumn<QString>("statisticalMaximum");
        QTest::addColumn<QString>("varianceShares");
        QTest::addColumn<QString>("worstShares");

        // metricmech.com, "Tolerance stack-up: a worked example using worst-case and RSS" (a
        // spacer and a retaining ring in a housing bore): gap = A - B - C - D = 40 - 25 - 2 - 10
        // = 3.00; worst case ±(0.10 + 0.05 + 0.03 + 0.05) = ±0.23, 2.77 to 3.23; RSS
        // √(0.01 + 0.0025 + 0.0009 + 0.0025) = √0.0159 = ±0.12610, 2.8739 to 3.1261. Shares of
        // the variance 0.01/0.0159 = 62.89 %, 15.72 %, 5.66 %, 15.72 % (tenths 628.9, 157.2, 56.6,
        // 157.2: the two tenths left go to the largest remainders, A and C); of the worst case
        // 0.10/0.23 = 43.48 %, 21.74 %, 13.04 %, 21.74 % (again A and C round up).
        QTest::newRow("metricmech retaining ring gap")
            << u"A,+,40,±0.10;B,-,25,±0.05;C,-,2,±0.03;D,-,10,±0.05"_s << u"3.000"_s << u"2.770"_s
            << u"3.230"_s << u"2.8739"_s << u"3.1261"_s << u"62.9 15.7 5.7 15.7"_s
            << u"43.5 21.7 13.1 21.7"_s;
        // mech.toolfusion.net, "Tolerance Stack-Up Calculator": five parts of ±0.1 in series
        // stack to ±0.5 worst case and ±0.224 by RSS (√5 × 0.1 = 0.22361).
        QTest::newRow("toolfusion five of ±0.1")
            << u"a,+,10,±0.1;b,+,10,±0.1;c,+,10,±0.1;d,+,10,±0.1;e,+,10,±0.1"_s << u"50.000"_s
            << u"49.500"_s << u"50.500"_s << u"49.7764"_s << u"50.2236"_s
            << u"20.0 20.0 20.0 20.0 20.0"_s << u"20.0 20.0 20.0 20.0 20.0"_s;
        // By hand from the ISO 286-1 tables (IT8 over 50 to 80 mm is 46 µm, IT11 over 18 to
        // 30 mm 130 µm, IT9 over 30 to 50 mm 62 µm): housing 62 H8 +0.046/0, spacer 20 h11
        // 0/-0.130, ring 1.6 0/-0.06, shoulder 40 js9 ±0.031. Gap 62 - 20 - 1.6 - 40 = 0.4.
        // Largest: housing at +0.046, the others at their lower limits: 0.4 + 0.046 + 0.130 +
        // 0.06 + 0.031 = 0.667; smallest: 0.4 + 0 - 0 - 0 - 0.031 = 0.369. Centre 0.4 + 0.023 +
        // 0.065 + 0.03 + 0 = 0.518; widths² 0.046² + 0.130² + 0.06² + 0.062² = 0.002116 +
        // 0.0169 + 0.0036 + 0.003844 = 0.02646, √ = 0.162665, half 0.081333: 0.43667 to 0.59933.
        // Variance 8.00 %, 63.87 %, 13.61 %, 14.53 % (tenths 79.97, 638.70, 136.05, 145.28: the
        // two left to the housing and the spacer); worst case 0.046/0.298 = 15.44 %, 43.62 %,
        // 20.13 %, 20.81 % (154.36, 436.24, 201.34, 208.05 plus one tenth, to the housing).
        QTest::newRow("ISO classes by hand")
            << kHandWorked << u"0.400"_s << u"0.369"_s << u"0.667"_s << u"0.4367"_s << u"0.5993"_s
            << u"8.0 63.9 13.6 14.5"_s << u"15.5 43.6 20.1 20.8"_s;
        // One member that is made exactly: no spread at all, no share to give.
        QTest::newRow("a gauge block alone")
            << u"block,+,25,0/0"_s << u"25.000"_s << u"25.000"_s << u"25.000"_s << u"25.000"_s
            << u"25.000"_s << u"0.0"_s << u"0.0"_s;
    }
    void closedForms()
    {
        QFETCH(QString, members);
        QFETCH(QString, nominal);
        QFETCH(QString, worstMinimum);
        QFETCH(QString, worstMaximum);
        QFETCH(QString, statisticalMinimum);
        QFETCH(QString, statisticalMaximum);
        QFETCH(QString, varianceShares);
        QFETCH(QString, worstShares);
        const ChainAnswer answer = answerChain(chainOf(members));
        QCOMPARE(mm(answer.nominal), nominal);
        QCOMPARE(mm(answer.worstMinimum), worstMinimum);
        QCOMPARE(mm(answer.worstMaximum), worstMaximum);
        QCOMPARE(statistical(answer.statistical.minimum), statisticalMinimum);
        QCOMPARE(statistical(answer.statistical.maximum), statisticalMaximum);
        QCOMPARE(percents(answer.shares, true), varianceShares);
        QCOMPARE(percents(answer.shares, false), worstShares);
    }

    void outsideTheRequirement_data()
    {
        QTest::addColumn<QString>("members");
        QTest::addColumn<Distribution>("distribution");
        QTest::addColumn<QString>("requirement");
        QTest::addColumn<double>("outside");
        QTest::addColumn<double>("within");

        // The hand-worked chain above, σ = 0.081333 / 3 = 0.027111 about 0.518: below 0.45 is
        // z = -2.50822, Φ = 0.0062097 - 0.822 × 0.0001731 = 0.0060674 (between the table's 2.50
        // and 2.51); above 0.6 is z = 3.02461, 0.0012639 - 0.461 × 0.0000411 = 0.0012450.
        QTest::newRow("normal, both tails")
            << kHandWorked << Distribution::Normal << u"0.45..0.6"_s << 0.0073124 << 3e-6;
        QTest::newRow("normal, lower bound only")
            << kHandWorked << Distribution::Normal << u"0.45.."_s << 0.0060674 << 3e-6;
        // Two even spreads of ±0.1 add to a triangle over -0.2 … 0.2; below -0.1 it holds
        // (0.1)² / (2 × 0.2 × 0.2) = 1/8, and as much above 0.1.
        QTest::newRow("uniform triangle") << u"a,+,10,±0.1;b,-,10,±0.1"_s << Distribution::Uniform
                                          << u"-0.1..0.1"_s << 0.25 << 1e-6;
        // A chain that is always 3.000 lies within 2.9 … 3.1 for certain, never outside.
        QTest::newRow("no spread, inside")
            << u"a,+,3,0/0"_s << Distribution::Normal << u"2.9..3.1"_s << 0.0 << 0.0;
        QTest::newRow("no spread, outside")
            << u"a,+,3,0/0"_s << Distribution::Uniform << u"3.1.."_s << 1.0 << 0.0;
    }
    void outsideTheRequirement()
    {
        QFETCH(QString, members);
        QFETCH(Distribution, distribution);
        QFETCH(QString, requirement);
        QFETCH(double, outside);
        QFETCH(double, within);
        const ChainAnswer answer = answerChain(chainOf(members, distribution, requirement));
        QVERIFY(answer.statistical.outsideShare);
        QVERIFY2(std::abs(*answer.statistical.outsideShare - outside) <= within,
                 qPrintable(QString::number(*answer.statistical.outsideShare, 'g', 8)));
    }

    void farTailsReadOnTheirOwnSide()
    {
        // One member ±0.03 (σ = 0.01) about 3 against 3.1..: nearly every assembly is outside,
        // and within is the normal tail beyond 10σ, Q(10) = 7.6199e-24 (tables of the normal
        // tail), not 1 less a share a double cannot tell from 1.
        const ChainAnswer answer = answerChain(chainOf(u"a,+,3,±0.03"_s, Distribution::Normal,
                                                       u"3.1.."_s));
        QVERIFY(std::abs(*answer.statistical.insideShare / 7.6199e-24 - 1) < 1e-3);
        QCOMPARE(q(formatPercent(*answer.statistical.outsideShare,
                                 *answer.statistical.insideShare)),
                 u"> 99.9999"_s);
    }

    void evenSpreadsKnownTails_data()
    {
        QTest::addColumn<int>("members");
        QTest::addColumn<double>("point");
        // The sum's 0.135 % point, for members each even over -1 … 1. One: -1 + 2 × 0.00135.
        // Two, a triangle whose lowest share is (x + 2)² / 8: x = -2 + 2√(2 × 0.00135) =
        // -1.896077. Three, the Irwin–Hall sum (Irwin 1927, Hall 1927), whose lowest share of
        // three U(0, 1) is y³/6: y = (6 × 0.00135)^(1/3) = 0.200830, x = -3 + 2y = -2.598340.
        QTest::newRow("one") << 1 << -0.9973;
        QTest::newRow("two, the triangle") << 2 << -1.896077;
        QTest::newRow("three, Irwin-Hall") << 3 << -2.598340;
    }
    void evenSpreadsKnownTails()
    {
        QFETCH(int, members);
        QFETCH(double, point);
        const std::vector<double> halves(members, 1.0);
        const UniformSum sum(halves);
        QVERIFY2(std::abs(sum.point(kTailShare) - point) < 2e-5,
                 qPrintable(QString::number(sum.point(kTailShare), 'g', 8)));
        // Symmetric, and read back from its own point.
        QVERIFY(std::abs(sum.point(1 - kTailShare) + sum.point(kTailShare)) < 1e-12);
        QVERIFY(std::abs(sum.below(sum.point(kTailShare)) - kTailShare) < 1e-9);
    }

    void temperatureMovesTheChain()
    {
        // Growth α (T - 20 °C) L, α from the material library: the A5052 housing (23.8e-6/K)
        // at 80 °C grows 23.8e-6 × 60 × 62 = 0.088536 mm; the S45C spacer (11.7e-6/K) at 60 °C
        // 11.7e-6 × 40 × 20 = 0.00936 mm, which takes away. Shift +0.079176; the worst case
        // 0.369 … 0.667 of the row above moves with it to 0.448176 … 0.746176.
        const ChainAnswer answer =
            answerChain(chainOf(u"housing,+,62,H8,a5052,80;spacer,-,20,h11,S45C,60;"
                                u"ring,-,1.6,0/-0.06;shoulder,-,40,js9,S45C,"_s));
        QCOMPARE(mm(answer.nominal), u"0.400"_s);
        QCOMPARE(mm(answer.thermalShift), u"0.079176"_s);
        QCOMPARE(mm(answer.worstMinimum), u"0.448176"_s);
        QCOMPARE(mm(answer.worstMaximum), u"0.746176"_s);
    }

    void monteCarloAgreesWithClosedForms_data()
    {
        QTest::addColumn<QString>("members");
        QTest::addColumn<Distribution>("distribution");
        QTest::addColumn<QString>("requirement");
        QTest::newRow("normal, hand-worked")
            << kHandWorked << Distribution::Normal << u"0.47..0.57"_s;
        QTest::newRow("uniform, hand-worked")
            << kHandWorked << Distribution::Uniform << u"0.47..0.57"_s;
        QTest::newRow("uniform, triangle")
            << u"a,+,10,±0.1;b,-,10,±0.1"_s << Distribution::Uniform << u"-0.15..0.1"_s;
    }
    void monteCarloAgreesWithClosedForms()
    {
        QFETCH(QString, members);
        QFETCH(Distribution, distribution);
        QFETCH(QString, requirement);
        constexpr std::size_t kSamples = 200'000;
        const Chain chain = chainOf(members, distribution, requirement);
        const Statistical closed = answerChain(chain).statistical;
        const std::optional<MonteCarlo> run = runMonteCarlo(chain, {kSamples, 7, 2});
        QVERIFY(run);
        // The 0.135 % points to a tenth of the sum's σ (four standard errors of so many samples
        // at a normal tail are 0.07 σ; an even sum's tails are steeper), the share outside to
        // four standard errors.
        const double sigma = (closed.maximum - closed.minimum) / 6;
        QVERIFY2(std::abs(run->minimum - closed.minimum) < 0.1 * sigma,
                 qPrintable(u"%1 against %2"_s.arg(run->minimum).arg(closed.minimum)));
        QVERIFY2(std::abs(run->maximum - closed.maximum) < 0.1 * sigma,
                 qPrintable(u"%1 against %2"_s.arg(run->maximum).arg(closed.maximum)));
        const double error = samplingError(*closed.outsideShare, kSamples);
        QVERIFY2(*closed.outsideShare > 0.01 &&
                     std::abs(*run->outsideShare - *closed.outsideShare) < 4 * error,
                 qPrintable(u"%1 against %2"_s.arg(*run->outsideShare).arg(*closed.outsideShare)));
    }

    void monteCarloRepeats()
    {
        const Chain chain = chainOf(kHandWorked, Distribution::Normal, u"0.47..0.57"_s);
        // Some 25 blocks, which four threads share out as they come.
        const auto once = runMonteCarlo(chain, {400'000, 11, 1});
        const auto again = runMonteCarlo(chain, {400'000, 11, 4});
        const auto other = runMonteCarlo(chain, {400'000, 12, 4});
        // The same seed, one thread or four: the same assemblies to the last bit.
        QCOMPARE(once->minimum, again->minimum);
        QCOMPARE(once->maximum, again->maximum);
        QCOMPARE(*once->outsideShare, *again->outsideShare);
        QVERIFY(other->minimum != once->minimum);
        // Told to stop, it stops and says so.
        std::atomic<int> asked = 0;
        QVERIFY(!runMonteCarlo(chain, {1'000'000, 11, 2}, [&] { return ++asked > 3; }));
        QVERIFY(asked < 20);
    }

    void zigguratLayersClose()
    {
        // The top layer of Marsaglia and Tsang's 256 must end at the density's peak.
        QVERIFY(std::abs(zigguratClosure()) < 1e-9);
    }
};

QTEST_APPLESS_MAIN(TestStack)
#include "tst_stack.moc"
