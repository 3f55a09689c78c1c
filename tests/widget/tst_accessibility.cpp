// SPDX-License-Identifier: MIT
// What the accessibility pieces send a screen reader: an announcement is a notification that
// turns showing with the words as its name, while the focus stays where the user types; a figure
// is reached by Tab and named by its meaning and value.
#include "desktop/accessibility/announcer.h"
#include "desktop/accessibility/readable_figure.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// What a platform bridge sends as the object turning showing: the Show event of a widget, at
// which moment its accessible role and name are what the reader is given. (The offscreen
// platform has no bridge, so the accessibility events themselves are not sent here.)
class ShowRecorder : public QObject
{
public:
    QStringList notifications;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(watched);
            if (face && face->role() == QAccessible::Notification)
                notifications << face->text(QAccessible::Name);
        }
        return false;
    }
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qApp->installEventFilter(&m_shows); }

    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto* column = new QVBoxLayout(m_window.get());
        m_field = new QLineEdit;
        m_field->setAccessibleName(u"穴のクラス"_s);
        m_figure = new QLabel;
        column->addWidget(m_field);
        column->addWidget(m_figure);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), m_field);
        m_shows.notifications.clear();
    }
    void cleanup() { m_window.reset(); }

    // Each announcement is heard, the same words twice too, and the typing goes on.
    void eachAnnouncementIsANotificationShown_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("one") << QStringList{u"すきまばめ 最大すきま +0.089"_s};
        QTest::newRow("two different") << QStringList{u"すきまばめ"_s, u"しまりばめ"_s};
        QTest::newRow("the same twice") << QStringList{u"中間ばめ"_s, u"中間ばめ"_s};
    }
    void eachAnnouncementIsANotificationShown()
    {
        QFETCH(QStringList, texts);
        for (const QString& text : std::as_const(texts))
            accessibility::announce(*m_field, text);
        QCOMPARE(m_shows.notifications, texts);
        QCOMPARE(QApplication::focusWidget(), m_field);
        // One notification per window, however often it speaks.
        QCOMPARE(m_window->findChildren<accessibility::Announcer*>().size(), 1);
    }

    // A problem names its field, so it is tied to it wherever the focus is.
    void aProblemNamesItsField_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("named") << u"穴のクラス"_s << u"穴のクラス、数字で入力してください"_s;
        QTest::newRow("unnamed") << QString() << u"数字で入力してください"_s;
    }
    void aProblemNamesItsField()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, expected);
        m_field->setAccessibleName(fieldName);
        accessibility::announceProblem(*m_field, u"数字で入力してください"_s);
        QCOMPARE(m_shows.notifications, QStringList{expected});
    }

    void aFigureIsReachedAndReadWithItsMeaning_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("name");
        QTest::newRow("a value") << u"+0.039"_s << u"穴の上の寸法許容差 +0.039"_s;
        QTest::newRow("no value yet") << QString() << u"穴の上の寸法許容差"_s;
    }
    void aFigureIsReachedAndReadWithItsMeaning()
    {
        QFETCH(QString, value);
        QFETCH(QString, name);
        accessibility::makeReadable(*m_figure);
        accessibility::showFigure(*m_figure, u"穴の上の寸法許容差"_s, value);
        QCOMPARE(m_figure->text(), value);
        QCOMPARE(QAccessible::queryAccessibleInterface(m_figure)->text(QAccessible::Name), name);
        QTest::keyClick(m_field, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), m_figure);
    }

private:
    ShowRecorder m_shows;
    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_field = nullptr;
    QLabel* m_figure = nullptr;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
