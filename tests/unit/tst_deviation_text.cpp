// SPDX-License-Identifier: MIT
// The four shapes a deviation text may take, and reading their values exactly.
#include "test_support.h"

#include "tolerance/deviation_text.h"

#include <QTest>

using namespace tolerance;

Q_DECLARE_METATYPE(tolerance::DeviationForm)

class TestDeviationText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void forms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<DeviationForm>("form");
        QTest::addColumn<int>("half"); // half micrometres; ignored where the form has no value

        QTest::newRow("signed plus") << QByteArray("+0.025") << DeviationForm::Signed << 50;
        QTest::newRow("signed minus") << QByteArray("-0.009") << DeviationForm::Signed << -18;
        QTest::newRow("signed trailing zeros")
            << QByteArray("-0.100") << DeviationForm::Signed << -200;
        QTest::newRow("signed over 1 mm") << QByteArray("+1.090") << DeviationForm::Signed << 2180;
        QTest::newRow("zero") << QByteArray(" 0") << DeviationForm::Zero << 0;
        QTest::newRow("plus-minus")
            << QStringLiteral("±").toUtf8() << DeviationForm::PlusMinus << 0;
        QTest::newRow("magnitude") << QByteArray("0.003") << DeviationForm::Magnitude << 6;
        QTest::newRow("magnitude half") << QByteArray("0.0045") << DeviationForm::Magnitude << 9;
        QTest::newRow("undefined") << QByteArray("  ---") << DeviationForm::Undefined << 0;

        QTest::newRow("bare zero") << QByteArray("0") << DeviationForm::Invalid << 0;
        QTest::newRow("signed zero") << QByteArray("+0.000") << DeviationForm::Invalid << 0;
        QTest::newRow("two decimals") << QByteArray("+0.02") << DeviationForm::Invalid << 0;
        QTest::newRow("four decimals signed")
            << QByteArray("+0.0250") << DeviationForm::Invalid << 0;
        QTest::newRow("no sign") << QByteArray("0.0250") << DeviationForm::Invalid << 0;
        QTest::newRow("leading zero") << QByteArray("+00.025") << DeviationForm::Invalid << 0;
        QTest::newRow("no whole part") << QByteArray("+.025") << DeviationForm::Invalid << 0;
        QTest::newRow("comma") << QByteArray("+0,025") << DeviationForm::Invalid << 0;
        QTest::newRow("space in number") << QByteArray("+0.0 5") << DeviationForm::Invalid << 0;
        QTest::newRow("half not five") << QByteArray("0.0044") << DeviationForm::Invalid << 0;
        QTest::newRow("zero magnitude") << QByteArray("0.000") << DeviationForm::Invalid << 0;
        QTest::newRow("magnitude over 1 mm") << QByteArray("1.000") << DeviationForm::Invalid << 0;
        QTest::newRow("three hyphens") << QByteArray("---") << DeviationForm::Invalid << 0;
        QTest::newRow("ASCII plus-minus") << QByteArray("+-") << DeviationForm::Invalid << 0;
        QTest::newRow("empty") << QByteArray() << DeviationForm::Invalid << 0;
        QTest::newRow("zero without space") << QByteArray("0 ") << DeviationForm::Invalid << 0;
        QTest::newRow("huge") << QByteArray("+99999999999.000") << DeviationForm::Invalid << 0;
    }

    void forms()
    {
        QFETCH(QByteArray, text);
        QFETCH(DeviationForm, form);
        QFETCH(int, half);
        const std::string_view view(text.data(), text.size());
        QCOMPARE(formOf(view), form);
        const auto value = halfMicrometres(view);
        const bool hasValue = form == DeviationForm::Signed || form == DeviationForm::Zero ||
                              form == DeviationForm::Magnitude;
        QCOMPARE(value.has_value(), hasValue);
        if (hasValue)
            QCOMPARE(*value, half);
    }

    void pairs_data()
    {
        QTest::addColumn<QByteArray>("upper");
        QTest::addColumn<QByteArray>("lower");
        QTest::addColumn<bool>("wellFormed");

        QTest::newRow("signed pair") << QByteArray("+0.025") << QByteArray(" 0") << true;
        QTest::newRow("equal values") << QByteArray("-0.009") << QByteArray("-0.009") << true;
        QTest::newRow("upper below lower") << QByteArray(" 0") << QByteArray("+0.006") << false;
        QTest::newRow("plus-minus pair")
            << QStringLiteral("±").toUtf8() << QByteArray("0.0045") << true;
        QTest::newRow("plus-minus over signed")
            << QStringLiteral("±").toUtf8() << QByteArray("+0.004") << false;
        QTest::newRow("magnitude on top") << QByteArray("0.004") << QByteArray("0.004") << false;
        QTest::newRow("both undefined") << QByteArray("  ---") << QByteArray("  ---") << true;
        QTest::newRow("half undefined") << QByteArray("  ---") << QByteArray("-0.010") << false;
        QTest::newRow("undefined below value")
            << QByteArray("+0.010") << QByteArray("  ---") << false;
    }

    void pairs()
    {
        QFETCH(QByteArray, upper);
        QFETCH(QByteArray, lower);
        QFETCH(bool, wellFormed);
        const DeviationPair pair{std::string_view(upper.data(), upper.size()),
                                 std::string_view(lower.data(), lower.size())};
        QCOMPARE(isWellFormed(pair), wellFormed);
    }
};

QTEST_APPLESS_MAIN(TestDeviationText)
#include "tst_deviation_text.moc"
