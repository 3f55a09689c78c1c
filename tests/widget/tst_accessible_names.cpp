// SPDX-License-Identifier: MIT
// What a screen reader announces: every list, deviation box and range box has a Japanese name
// of its own, and beside it the value the control shows.
#include "test_support.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QTabBar>

using namespace Qt::Literals::StringLiterals;

namespace {

QAccessibleInterface* faceOf(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        qFatal("%s has no accessible interface", qPrintable(widget->objectName()));
    return face;
}

QString announced(QWidget* widget, QAccessible::Text what)
{
    return faceOf(widget)->text(what);
}

// The name a reader speaks: that of the label the control is labelled by where there is one
// (on Linux a list's own name is its choice), else the control's own.
QString spokenName(QWidget* widget)
{
    const auto labels = faceOf(widget)->relations(QAccessible::Label);
    if (!labels.isEmpty())
        return labels.first().first->text(QAccessible::Name);
    return announced(widget, QAccessible::Name);
}

} // namespace

class TestAccessibleNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_form = loadedForm(); }
    void cleanup() { m_form.reset(); }

    void eachControlIsNamed_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        // The exact code points: the ASCII space, the full-width tilde U+FF5E and the full-width
        // parentheses, as the status bar's hints have them.
        // The lists as the window labels them (呼び寸法, クラス), with the side, full-width
        // parentheses.
        QTest::newRow("Combo1") << 0 << u"Combo1"_s << u"呼び寸法\uFF08穴\uFF09"_s;
        QTest::newRow("Combo2") << 0 << u"Combo2"_s << u"クラス\uFF08穴\uFF09"_s;
        QTest::newRow("Combo3") << 1 << u"Combo3"_s << u"呼び寸法\uFF08軸\uFF09"_s;
        QTest::newRow("Combo4") << 1 << u"Combo4"_s << u"クラス\uFF08軸\uFF09"_s;
        QTest::newRow("Text1") << 0 << u"Text1"_s << u"穴の寸法許容差\uFF08上限\uFF09"_s;
        QTest::newRow("Text2") << 0 << u"Text2"_s << u"穴の寸法許容差\uFF08下限\uFF09"_s;
        QTest::newRow("Text3") << 1 << u"Text3"_s << u"軸の寸法許容差\uFF08上限\uFF09"_s;
        QTest::newRow("Text4") << 1 << u"Text4"_s << u"軸の寸法許容差\uFF08下限\uFF09"_s;
        QTest::newRow("Label5 on the hole page") << 0 << u"Label5"_s << u"穴の呼び寸法"_s;
        QTest::newRow("Label5 on the shaft page") << 1 << u"Label5"_s << u"軸の呼び寸法"_s;
    }
    // The label beside each list is what a sighted user reads; the list's name starts with it.
    void aListIsNamedAsTheWindowLabelsIt_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("label");
        QTest::newRow("hole sizes") << 0 << u"Combo1"_s << u"Label2"_s;
        QTest::newRow("hole classes") << 0 << u"Combo2"_s << u"Label4"_s;
        QTest::newRow("shaft sizes") << 1 << u"Combo3"_s << u"Label2"_s;
        QTest::newRow("shaft classes") << 1 << u"Combo4"_s << u"Label4"_s;
    }
    void aListIsNamedAsTheWindowLabelsIt()
    {
        QFETCH(int, page);
        QFETCH(QString, list);
        QFETCH(QString, label);
        const QString shown = qobject_cast<QLabel*>(onPage(*m_form, page, label))->text();
        QVERIFY(!shown.isEmpty());
        QVERIFY2(spokenName(onPage(*m_form, page, list)).startsWith(shown), qPrintable(shown));
    }

    // The drawing of each page is described, and nothing of it shows: the pointer hint stays
    // empty, the picture takes no focus.
    void eachDrawingIsDescribed_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("side");
        QTest::newRow("hole page") << 0 << u"穴"_s;
        QTest::newRow("shaft page") << 1 << u"軸"_s;
    }
    void eachDrawingIsDescribed()
    {
        QFETCH(int, page);
        QFETCH(QString, side);
        auto* drawing = child<QWidget>(m_form.get(), page == 0 ? u"Picture1"_s : u"Picture2"_s);
        const QString description = announced(drawing, QAccessible::Description);
        QVERIFY(description.contains(u"穴の上に軸"_s));
        QVERIFY(description.contains(side + u"の呼び寸法"_s));
        QVERIFY(announced(drawing, QAccessible::Name).endsWith(u'\uFF08' + side + u'\uFF09'));
        QCOMPARE(drawing->focusPolicy(), Qt::NoFocus);
    }
    void eachControlIsNamed()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget* widget = onPage(*m_form, page, control);
        QCOMPARE(spokenName(widget), name);
        QCOMPARE(widget->accessibleName(), name); // where the platform reads the control's own
    }

    // The name says what a control is, the value what it shows now: a pick changes the value
    // and keeps the name.
    void aPickChangesTheValueNotTheName_data()
    {
        QTest::addColumn<int>("side");
        QTest::addRow("hole") << 0;
        QTest::addRow("shaft") << 1;
    }
    void aPickChangesTheValueNotTheName()
    {
        QFETCH(int, side);
        const SideControls& s = side == 0 ? m_form->hole() : m_form->shaft();
        child<QTabBar>(m_form.get(), u"SSTab1Tabs"_s)->setCurrentIndex(side);
        const QList<QWidget*> controls{s.range, s.toleranceClass, s.upper, s.lower, s.rangeCaption};
        QStringList names;
        for (QWidget* control : controls)
            names << spokenName(control);

        pickByKeyboard(s.range, u"30～40"_s);
        pickByKeyboard(s.toleranceClass, side == 0 ? u"JS7"_s : u"k6"_s);
        for (qsizetype i = 0; i < controls.size(); ++i)
            QCOMPARE(spokenName(controls[i]), names[i]);
        QCOMPARE(announced(s.range, QAccessible::Value), u"30～40"_s);
        QCOMPARE(announced(s.toleranceClass, QAccessible::Value), s.toleranceClass->currentText());
        QCOMPARE(announced(s.upper, QAccessible::Value), s.upper->text());
        QCOMPARE(announced(s.lower, QAccessible::Value), s.lower->text());
        QCOMPARE(announced(s.rangeCaption, QAccessible::Description), u"30～40"_s);
        QVERIFY(!s.upper->text().isEmpty());
    }

    // A list or a box added later without a name would be read out as nothing at all.
    void noListOrBoxIsLeftUnnamed()
    {
        QStringList seen;
        const auto check = [&](QWidget* widget) {
            const QString name = spokenName(widget);
            QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen << name;
        };
        for (auto* list : m_form->findChildren<QComboBox*>())
            check(list);
        for (auto* box : m_form->findChildren<QLineEdit*>())
            check(box);
        QCOMPARE(seen.size(), 8);
    }

private:
    std::unique_ptr<Form1> m_form;
};

TESSALY_WIDGET_TEST_MAIN(TestAccessibleNames)
#include "tst_accessible_names.moc"
