// SPDX-License-Identifier: MIT
// 使用条件 read as typed: materials by name in any case or width, temperatures one for both or
// apart, the joint and the finder's load in the core's units; each fault's problem under its own
// field and nothing worked out from it; a closed group asking nothing; the fields kept.
#include "model/service_inputs.h"
#include "test_support.h"

#include "tolerance/service/figures.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using tolerance::Length;
using workbench::ServiceField;
using F = workbench::ServiceField;

namespace {

constexpr Length kMm = tolerance::kNanometresPerMm;

using Typed = QList<std::pair<F, QString>>;

workbench::ServiceFields open(const Typed& typed)
{
    workbench::ServiceFields fields;
    fields.open = true;
    for (const auto& [field, text] : typed)
        fields.text[field] = text;
    return fields;
}

workbench::Answer fitOf(const QString& size, const QString& hole, const QString& shaft)
{
    return workbench::answerFor({size, hole, shaft, tolerance::Edition::Jis1984});
}

const Typed kSteelJoint = {{F::HoleMaterial, u"S45C"_s},
                           {F::ShaftMaterial, u"S45C"_s},
                           {F::HubOuter, u"80"_s},
                           {F::JointLength, u"40"_s},
                           {F::Friction, u"0.15"_s}};

QString figure(double value)
{
    return QString::fromStdString(tolerance::service::formatFigure(value));
}

} // namespace

Q_DECLARE_METATYPE(Typed)
Q_DECLARE_METATYPE(workbench::ServiceField)

class TestServiceInputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The temperatures as the core takes them: one for both, or each part its own.
    void temperatures_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<double>("hole");
        QTest::addColumn<double>("shaft");
        const Typed steel = {{F::HoleMaterial, u"A5052"_s}, {F::ShaftMaterial, u"S45C"_s}};
        QTest::newRow("80 for both") << steel + Typed{{F::HoleCelsius, u"80"_s}} << 80.0 << 80.0;
        QTest::newRow("full-width 80, the names in small full-width letters")
            << Typed{{F::HoleMaterial, u"ａ５０５２"_s},
                     {F::ShaftMaterial, u"ｓ４５ｃ"_s},
                     {F::HoleCelsius, u"８０"_s}}
            << 80.0 << 80.0;
        QTest::newRow("60 and 90 apart")
            << steel + Typed{{F::HoleCelsius, u"60"_s}, {F::ShaftCelsius, u"90"_s}} << 60.0 << 90.0;
        QTest::newRow("the shaft alone: the hub at 20")
            << steel + Typed{{F::ShaftCelsius, u"-20.5"_s}} << 20.0 << -20.5;
        QTest::newRow("absolute zero itself")
            << steel + Typed{{F::HoleCelsius, u"-273.15"_s}} << -273.15 << -273.15;
    }
    void temperatures()
    {
        QFETCH(Typed, typed);
        QFETCH(double, hole);
        QFETCH(double, shaft);
        const auto answer =
            workbench::serviceAnswerFor(open(typed), fitOf(u"35"_s, u"H7"_s, u"g6"_s));
        QCOMPARE(answer.holeMaterial, u"A5052"_s);
        QCOMPARE(answer.shaftMaterial, u"S45C"_s);
        QVERIFY(answer.working);
        QCOMPARE(answer.working->holeCelsius, hole);
        QCOMPARE(answer.working->shaftCelsius, shaft);
        QVERIFY(answer.thermal);
        for (int i = 0; i < workbench::kServiceFieldCount; ++i)
            QVERIFY2(answer.problems[F(i)].isEmpty(), qPrintable(answer.problems[F(i)]));
    }

    // The joint read exactly: lengths to the nanometre, the roughness in µm, the load in N·m and N.
    void joint()
    {
        const auto answer =
            workbench::serviceAnswerFor(open(kSteelJoint + Typed{{F::ShaftBore, u"２０"_s},
                                                                 {F::HoleRz, u"6.3"_s},
                                                                 {F::ShaftRz, u"4"_s},
                                                                 {F::Torque, u"500"_s},
                                                                 {F::AxialForce, u"1500"_s},
                                                                 {F::Safety, u"1.5"_s}}),
                                        fitOf(u"50"_s, u"H7"_s, u"s6"_s));
        QVERIFY(answer.joint);
        QCOMPARE(answer.joint->diameter, 50 * kMm);
        QCOMPARE(answer.joint->hubOuter, 80 * kMm);
        QCOMPARE(answer.joint->shaftBore, 20 * kMm);
        QCOMPARE(answer.joint->length, 40 * kMm);
        QCOMPARE(answer.joint->friction, 0.15);
        QVERIFY(answer.joint->roughness);
        QCOMPARE(answer.joint->roughness->hole, Length(6300));
        QCOMPARE(answer.joint->roughness->shaft, Length(4000));
        QVERIFY(answer.needs);
        QCOMPARE(answer.needs->torqueNm, 500.0);
        QCOMPARE(answer.needs->axialForceN, 1500.0);
        QCOMPARE(answer.needs->safety, 1.5);
        QVERIFY(answer.search());
        QVERIFY(answer.press && answer.press->elastic);
    }

    // The worked example the README gives on the command line: the same figures from the fields.
    void pressFitAsTheCommandLine()
    {
        const auto answer =
            workbench::serviceAnswerFor(open(kSteelJoint), fitOf(u"50"_s, u"H7"_s, u"s6"_s));
        QVERIFY(answer.press);
        const auto& s = answer.press->at20;
        QCOMPARE((QStringList{figure(s.pressureMinMpa), figure(s.torqueMinNm),
                              figure(s.axialForceMinN / 1000), figure(s.pressureMaxMpa),
                              figure(*s.hubSafety)}),
                 (QStringList{u"22.5"_s, u"530"_s, u"21.2"_s, u"73.7"_s, u"2.28"_s}));
        QVERIFY(!answer.thermal && !answer.working && !answer.warm());
        QVERIFY(!answer.search()); // no load given: the finder is left alone
    }

    // Each fault: its problem under its own field, no other field blamed, nothing worked out
    // from it.
    void problems_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<ServiceField>("field");
        QTest::addColumn<QString>("says");
        const Typed steel = {{F::HoleMaterial, u"S45C"_s}, {F::ShaftMaterial, u"S45C"_s}};
        const auto joint = [&](F field, const QString& text) {
            Typed typed = kSteelJoint;
            for (auto& entry : typed)
                if (entry.first == field)
                    entry.second = text;
            if (std::none_of(typed.begin(), typed.end(), [&](auto& e) { return e.first == field; }))
                typed.append({field, text});
            return typed;
        };
        QTest::newRow("an unknown material")
            << Typed{{F::HoleMaterial, u"S45X"_s}, {F::ShaftMaterial, u"S45C"_s}} << F::HoleMaterial
            << u"S45X: この材料は一覧にありません"_s;
        QTest::newRow("below absolute zero")
            << steel + Typed{{F::HoleCelsius, u"-273.16"_s}} << F::HoleCelsius << u"絶対零度"_s;
        QTest::newRow("a letter O for a zero")
            << steel + Typed{{F::ShaftCelsius, u"8O"_s}} << F::ShaftCelsius << u"数字で"_s;
        QTest::newRow("a temperature, no materials")
            << Typed{{F::HoleCelsius, u"80"_s}, {F::ShaftMaterial, u"S45C"_s}} << F::HoleMaterial
            << u"材料を選んで"_s;
        // H7's bore at 50 may be 50.025, s6's shaft as small as 50.043: the walls are held to
        // those, not to the nominal size.
        QTest::newRow("a hub inside the bore's greatest size")
            << joint(F::HubOuter, u"50.01"_s) << F::HubOuter
            << u"穴の最大許容寸法 50.025 mm より大きく"_s;
        QTest::newRow("a bore not under the shaft's least size")
            << joint(F::ShaftBore, u"50.043"_s) << F::ShaftBore
            << u"軸の最小許容寸法 50.043 mm より小さく"_s;
        QTest::newRow("a length of 0")
            << joint(F::JointLength, u"0"_s) << F::JointLength << u"0 より長い"_s;
        QTest::newRow("a friction over 1") << joint(F::Friction, u"1.5"_s) << F::Friction
                                           << u"摩擦係数は 0 より大きく 1 以下です（例: 0.15）"_s;
        QTest::newRow("a friction of 0, which holds nothing")
            << joint(F::Friction, u"0"_s) << F::Friction
            << u"摩擦係数は 0 より大きく 1 以下です（例: 0.15）"_s;
        // Each number field in its own words, not the finder's clearance example.
        QTest::newRow("a friction in letters") << joint(F::Friction, u"abc"_s) << F::Friction
                                               << u"摩擦係数は数字で入力してください（例: 0.15）"_s;
        QTest::newRow("a torque to five decimals") << joint(F::Torque, u"0.00001"_s) << F::Torque
                                                   << u"トルクの小数は 4 桁までです（例: 500）"_s;
        QTest::newRow("a temperature in exponent notation")
            << steel + Typed{{F::HoleCelsius, u"1e4"_s}} << F::HoleCelsius << u"指数表記"_s;
        QTest::newRow("a temperature over 1000 °C")
            << steel + Typed{{F::ShaftCelsius, u"1000.01"_s}} << F::ShaftCelsius
            << u"温度は 1000 °C までです"_s;
        QTest::newRow("one roughness alone")
            << joint(F::HoleRz, u"6.3"_s) << F::ShaftRz << u"穴と軸の両方の Rz"_s;
        QTest::newRow("a friction with a comma")
            << joint(F::Friction, u"0,15"_s) << F::Friction << u"「.」"_s;
        QTest::newRow("a negative roughness")
            << joint(F::HoleRz, u"-3"_s) << F::HoleRz << u"0 以上"_s;
        QTest::newRow("a hub without the length")
            << steel + Typed{{F::HubOuter, u"80"_s}, {F::Friction, u"0.1"_s}} << F::JointLength
            << u"圧入の計算に要ります"_s;
        QTest::newRow("a torque without a joint")
            << steel + Typed{{F::Torque, u"500"_s}} << F::Torque << u"荷重で探すには"_s;
        QTest::newRow("a negative torque") << joint(F::Torque, u"-5"_s) << F::Torque << u"0 以上"_s;
        // A negative safety and a safety of 0 are told the same rule.
        QTest::newRow("a safety of 0") << joint(F::Torque, u"5"_s) + Typed{{F::Safety, u"0"_s}}
                                       << F::Safety << u"安全率は 0 より大きい数です（例: 1.5）"_s;
        QTest::newRow("a negative safety")
            << joint(F::Torque, u"5"_s) + Typed{{F::Safety, u"-1"_s}} << F::Safety
            << u"安全率は 0 より大きい数です（例: 1.5）"_s;
        QTest::newRow("a plastic hub with a load")
            << Typed{{F::HoleMaterial, u"POM"_s}, {F::ShaftMaterial, u"S45C"_s},
                     {F::HubOuter, u"80"_s},      {F::JointLength, u"40"_s},
                     {F::Friction, u"0.15"_s},    {F::Torque, u"5"_s}}
            << F::HoleMaterial << u"樹脂"_s;
    }
    void problems()
    {
        QFETCH(Typed, typed);
        QFETCH(ServiceField, field);
        QFETCH(QString, says);
        const auto answer =
            workbench::serviceAnswerFor(open(typed), fitOf(u"50"_s, u"H7"_s, u"s6"_s));
        QVERIFY2(answer.problems[field].contains(says), qPrintable(answer.problems[field]));
        for (int i = 0; i < workbench::kServiceFieldCount; ++i)
            QVERIFY2(
                F(i) == field || answer.problems[F(i)].isEmpty(),
                qPrintable(workbench::serviceFieldKey(F(i)) + u": "_s + answer.problems[F(i)]));
        QVERIFY(!answer.search());
        if (field >= F::HoleCelsius && field <= F::ShaftCelsius)
            QVERIFY(!answer.thermal);
        if (field >= F::HubOuter && field <= F::ShaftRz)
            QVERIFY(!answer.press);
    }

    // Folded away, the group asks nothing, whatever its fields hold.
    void closedAsksNothing()
    {
        workbench::ServiceFields fields =
            open(kSteelJoint +
                 Typed{{F::Friction, u"junk"_s}, {F::HoleCelsius, u"80"_s}, {F::Torque, u"500"_s}});
        fields.open = false;
        const auto answer = workbench::serviceAnswerFor(fields, fitOf(u"50"_s, u"H7"_s, u"s6"_s));
        for (int i = 0; i < workbench::kServiceFieldCount; ++i)
            QVERIFY(answer.problems[F(i)].isEmpty());
        QVERIFY(!answer.thermal && !answer.press && !answer.search() && !answer.warm());
    }

    // Each of the thirteen fields as typed, every one a text of its own, and whether the group
    // was open, in the workbench's store.
    void kept()
    {
        QSettings(QSettings::IniFormat, QSettings::UserScope, u"Kelvan"_s, u"TessalyFits"_s)
            .clear();
        QVERIFY(!workbench::loadServiceFields().open);
        workbench::ServiceFields fields = open(kSteelJoint + Typed{{F::HoleCelsius, u"８０"_s},
                                                                   {F::ShaftCelsius, u"90"_s},
                                                                   {F::ShaftBore, u"20"_s},
                                                                   {F::HoleRz, u"6.3"_s},
                                                                   {F::ShaftRz, u"4"_s},
                                                                   {F::Torque, u"500"_s},
                                                                   {F::AxialForce, u"1500"_s},
                                                                   {F::Safety, u"1.5"_s}});
        fields.text[F::ShaftMaterial] = u"A5052"_s;
        for (int i = 0; i < workbench::kServiceFieldCount; ++i)
            for (int j = 0; j < i; ++j)
                QVERIFY(fields.text[F(i)] != fields.text[F(j)]);
        workbench::saveServiceFields(fields);
        const workbench::ServiceFields back = workbench::loadServiceFields();
        QVERIFY(back.open);
        for (int i = 0; i < workbench::kServiceFieldCount; ++i)
            QCOMPARE(back.text[F(i)], fields.text[F(i)]);
        fields.open = false;
        workbench::saveServiceFields(fields);
        QVERIFY(!workbench::loadServiceFields().open);
    }
};

TESSALY_QT_TEST_MAIN(QCoreApplication, TestServiceInputs)
#include "tst_service_inputs.moc"
