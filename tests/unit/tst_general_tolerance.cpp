// SPDX-License-Identifier: MIT
// General tolerances against the published tables: every step boundary on both sides, the "—"
// cells, every class at one step of each table, and what lies outside the tables.
#include "test_support.h"

#include "tolerance/general/general_tolerance.h"

#include <QStringList>
#include <QTest>

using namespace tolerance;
using namespace tolerance::general;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(tolerance::general::GeneralFault)

namespace {

// "m linear 35": the class, the kind and the size in mm.
std::variant<GeneralTolerance, GeneralFault> lookUp(const QString& query)
{
    const QStringList words = query.split(u' ');
    const Length size = *magnitudeOf(*splitDecimal(words[2].toStdString()));
    return generalTolerance(*generalClassNamed(words[0].toStdString()),
                            *kindNamed(words[1].toStdString()), size);
}

void figure(const char* query, const char* step, const char* figure)
{
    QTest::newRow(query) << QString::fromUtf8(query) << QString::fromUtf8(step)
                         << QString::fromUtf8(figure);
}

void fault(const char* query, GeneralFault fault)
{
    QTest::newRow(query) << QString::fromUtf8(query) << fault;
}

} // namespace

class TestGeneralTolerance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The figures as the public excerpts print them: JIS B 0405 tables 1 to 3 from MIKI PULLEY's
    // 「普通公差 (JIS B 0405-1991/JIS B 0419-1991 抜粋)」 and NBK's 「普通公差 JIS B 0405:1991/
    // JIS B 0419:1991より抜粋」; JIS B 0419 table 1 from MISUMI's 「個々に公差の指示がない形体に
    // 対する幾何公差」 and MIKI PULLEY; tables 2 to 4 from kikai-seizu.s-projects.net's 「普通幾何
    // 公差」 with MISUMI (table 2) and rivi-manufacturing.com (tables 3 and 4). A size on a
    // boundary belongs to the step below ("over 30 up to and including 120"); 0.0001 mm more is
    // the next step's.
    void publishedFigures_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("figure");

        figure("c linear 0.5", "0.5～3", "±0.2");
        figure("c linear 3", "0.5～3", "±0.2");
        figure("c linear 3.0001", "3～6", "±0.3");
        figure("v linear 3", "0.5～3", "—");
        figure("v linear 3.0001", "3～6", "±0.5");
        figure("f linear 6", "3～6", "±0.05");
        figure("f linear 6.0001", "6～30", "±0.1");
        figure("m linear 30", "6～30", "±0.2");
        figure("m linear 30.0001", "30～120", "±0.3");
        figure("m linear 120", "30～120", "±0.3");
        figure("m linear 120.0001", "120～400", "±0.5");
        figure("m linear 400", "120～400", "±0.5");
        figure("m linear 400.0001", "400～1000", "±0.8");
        figure("m linear 1000", "400～1000", "±0.8");
        figure("m linear 1000.0001", "1000～2000", "±1.2");
        figure("f linear 2000", "1000～2000", "±0.5");
        figure("f linear 2000.0001", "2000～4000", "—");
        figure("v linear 4000", "2000～4000", "±8");
        figure("f linear 35", "30～120", "±0.15");
        figure("c linear 35", "30～120", "±0.8");
        figure("v linear 35", "30～120", "±1.5");
        figure("f chamfer 3", "0.5～3", "±0.2");
        figure("m chamfer 3.0001", "3～6", "±0.5");
        figure("v chamfer 6", "3～6", "±1");
        figure("c chamfer 6.0001", "6～", "±2");
        figure("c chamfer 100000", "6～", "±2");
        figure("c angle 10", "～10", "±1°30′");
        figure("c angle 10.0001", "10～50", "±1°");
        figure("m angle 50", "10～50", "±0°30′");
        figure("m angle 50.0001", "50～120", "±0°20′");
        figure("v angle 120", "50～120", "±1°");
        figure("v angle 120.0001", "120～400", "±0°30′");
        figure("f angle 400", "120～400", "±0°10′");
        figure("f angle 400.0001", "400～", "±0°5′");
        figure("v angle 30", "10～50", "±2°");
        figure("H straightness 10", "～10", "0.02");
        figure("H straightness 10.0001", "10～30", "0.05");
        figure("K straightness 30", "10～30", "0.1");
        figure("K straightness 30.0001", "30～100", "0.2");
        figure("L straightness 100", "30～100", "0.4");
        figure("L straightness 100.0001", "100～300", "0.8");
        figure("H flatness 300", "100～300", "0.2");
        figure("H flatness 300.0001", "300～1000", "0.3");
        figure("K flatness 1000", "300～1000", "0.6");
        figure("L flatness 1000.0001", "1000～3000", "1.6");
        figure("H perpendicularity 100", "～100", "0.2");
        figure("H perpendicularity 100.0001", "100～300", "0.3");
        figure("K perpendicularity 300", "100～300", "0.6");
        figure("K perpendicularity 300.0001", "300～1000", "0.8");
        figure("L perpendicularity 1000", "300～1000", "1.5");
        figure("K perpendicularity 1000.0001", "1000～3000", "1");
        figure("L symmetry 100", "～100", "0.6");
        figure("L symmetry 100.0001", "100～300", "1");
        figure("K symmetry 300", "100～300", "0.6");
        figure("K symmetry 300.0001", "300～1000", "0.8");
        figure("H symmetry 1000.0001", "1000～3000", "0.5");
        figure("K symmetry 1000.0001", "1000～3000", "1");
        figure("H runout 1", "", "0.1");
        figure("K runout 3000", "", "0.2");
        figure("L runout 100000", "", "0.5");
    }

    void publishedFigures()
    {
        QFETCH(QString, query);
        QFETCH(QString, step);
        QFETCH(QString, figure);
        const auto answer = lookUp(query);
        QVERIFY(std::holds_alternative<GeneralTolerance>(answer));
        const auto& tolerance = std::get<GeneralTolerance>(answer);
        QCOMPARE(q(stepLabel(tolerance.step)), step);
        QCOMPARE(q(toleranceText(tolerance)), figure);
    }

    void outsideTheTables_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<GeneralFault>("fault");

        fault("m linear 0.4999", GeneralFault::BelowTable);
        fault("c chamfer 0.4999", GeneralFault::BelowTable);
        fault("f angle 0", GeneralFault::BelowTable);
        fault("m linear 4000.0001", GeneralFault::AboveTable);
        fault("H flatness 3000.0001", GeneralFault::AboveTable);
        fault("L symmetry 3000.0001", GeneralFault::AboveTable);
        fault("m straightness 35", GeneralFault::OtherStandard);
        fault("K linear 35", GeneralFault::OtherStandard);
    }

    void outsideTheTables()
    {
        QFETCH(QString, query);
        QFETCH(GeneralFault, fault);
        const auto answer = lookUp(query);
        QVERIFY(std::holds_alternative<GeneralFault>(answer));
        QCOMPARE(std::get<GeneralFault>(answer), fault);
    }

    // A chain's member written as a bare class: JIS B 0405's ±0.3 at 35 (MIKI, NBK) in nm.
    void chainMember()
    {
        const auto limits = linearLimits(GeneralClass::m, 35 * kNanometresPerMm);
        QVERIFY(std::holds_alternative<Deviations>(limits));
        QCOMPARE(std::get<Deviations>(limits), (Deviations{300'000, -300'000}));
        const auto fault = [](GeneralClass c, Length size) {
            return std::get<GeneralFault>(linearLimits(c, size * kNanometresPerMm));
        };
        QCOMPARE(fault(GeneralClass::v, 2), GeneralFault::NoValue);
        QCOMPARE(fault(GeneralClass::f, 3000), GeneralFault::NoValue);
        QCOMPARE(fault(GeneralClass::m, 5000), GeneralFault::AboveTable);
        QCOMPARE(fault(GeneralClass::H, 35), GeneralFault::OtherStandard);
    }
};

QTEST_APPLESS_MAIN(TestGeneralTolerance)
#include "tst_general_tolerance.moc"
