// SPDX-License-Identifier: MIT
// The workbench and the stack-up in English beside Japanese: no Japanese word left in an English
// window's titles, names, menus, tips and lists (only what a user typed may hold one); 表示 → 言語
// switching a window at once, both ways, and kept with the inputs; access keys apart in each
// language. The Japanese suites themselves run unchanged, Japanese forced by the shared fixture.
#include "desktop/language.h"
#include "model/last_inputs.h"
#include "stack_window.h"
#include "test_support.h"
#include "window/class_box.h"
#include "window/fits_window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using language::Language;

Q_DECLARE_METATYPE(language::Language)

namespace {

// Kana, kanji and the Japanese marks (、。「」（）); the full-width tilde of a range is the core's.
const QRegularExpression kJapanese(
    u"[\\x{3000}-\\x{303f}\\x{3040}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff08}\\x{ff09}\\x{ff66}-\\x{ff9f}]"_s);

// Every text of a window a user reads or hears, each with where it stands.
QStringList textsOf(QMainWindow& window)
{
    QStringList texts{u"title: "_s + window.windowTitle()};
    const auto add = [&texts](const QObject* where, const QString& what, const QString& text) {
        if (!text.isEmpty())
            texts << where->objectName() + u' ' + what + u": " + text;
    };
    const std::function<void(const QMenu*)> menu = [&](const QMenu* m) {
        add(m, u"menu"_s, m->title());
        for (const QAction* a : m->actions()) {
            add(m, u"item"_s, a->text());
            add(m, u"item tip"_s, a->statusTip());
            if (a->menu())
                menu(a->menu());
        }
    };
    for (const QAction* a : window.menuBar()->actions())
        menu(a->menu());
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        add(w, u"name"_s, w->accessibleName());
        add(w, u"description"_s, w->accessibleDescription());
        add(w, u"tip"_s, w->toolTip());
        add(w, u"status tip"_s, w->statusTip());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            add(w, u"label"_s, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            add(w, u"button"_s, button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            add(w, u"group"_s, group->title());
        if (const auto* field = qobject_cast<const QLineEdit*>(w))
            add(w, u"placeholder"_s, field->placeholderText());
        if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                add(w, u"item"_s, combo->itemText(i));
        }
        if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(w, u"tab"_s, tabs->tabText(i));
        }
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                add(w, u"head"_s, model->headerData(column, Qt::Horizontal).toString());
                for (int row = 0; row < std::min(model->rowCount(), 20); ++row)
                    add(w, u"cell"_s, model->index(row, column).data().toString());
            }
        }
    }
    return texts;
}

// The access keys of a window's controls and of its menu bar, and of each menu's items: each
// list must hold a key once.
QList<QStringList> accessKeysOf(QMainWindow& window)
{
    QList<QStringList> scopes(1);
    const auto key = [](const QString& text) { return QKeySequence::mnemonic(text).toString(); };
    const std::function<void(const QMenu*)> menu = [&](const QMenu* m) {
        QStringList items;
        for (const QAction* a : m->actions()) {
            if (!a->isSeparator())
                items << key(a->text()) + u' ' + a->text();
            if (a->menu())
                menu(a->menu());
        }
        scopes << items;
    };
    for (const QAction* a : window.menuBar()->actions()) {
        scopes[0] << key(a->text()) + u' ' + a->text();
        menu(a->menu());
    }
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            text = label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            text = button->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            text = group->title();
        else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (!key(tabs->tabText(i)).isEmpty())
                    scopes[0] << key(tabs->tabText(i)) + u' ' + tabs->tabText(i);
        }
        if (!key(text).isEmpty())
            scopes[0] << key(text) + u' ' + text;
    }
    return scopes;
}

// A window as a user has it, with a fit (or a chain) in it and every page's texts made.
std::unique_ptr<QMainWindow> windowWithAnswer(const QString& which)
{
    if (which == u"stack") {
        auto window = std::make_unique<StackWindow>();
        window->openFile(QFINDTESTDATA("../../docs/end-play.json"));
        window->show();
        return window;
    }
    auto window = std::make_unique<FitsWindow>();
    window->show();
    window->findChild<QLineEdit*>(u"sizeField"_s)->setText(u"35"_s);
    window->findChild<QComboBox*>(u"holeClass"_s)->setEditText(u"H8"_s);
    window->findChild<QComboBox*>(u"shaftClass"_s)->setEditText(u"f7"_s);
    window->findChild<ClassBox*>(u"holeClass"_s)->fill();
    window->findChild<QGroupBox*>(u"serviceGroup"_s)->setChecked(true);
    window->findChild<QComboBox*>(u"holeMaterial"_s)->setEditText(u"S45C"_s);
    window->findChild<QComboBox*>(u"shaftMaterial"_s)->setEditText(u"S45C"_s);
    window->findChild<QLineEdit*>(u"holeCelsius"_s)->setText(u"80"_s);
    return window;
}

QString fitKind(const QMainWindow& window)
{
    return window.findChild<QLabel*>(u"fitKind"_s)->text();
}

void choose(QMainWindow& window, const char* item)
{
    window.findChild<QAction*>(QString::fromLatin1(item))->trigger();
    // The change reaches the widgets through posted events, the answer once they all have it:
    // the checks after it wait for what they read (a loaded machine takes longer than a moment).
    QTest::qWait(50);
}

} // namespace

class tst_languages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { language::apply(Language::Japanese); }

    // TESSALY_LANGUAGE stands in for the desktop; the desktop's own variables are read by Qt
    // (xvfb_languages starts the programs under them).
    void forcedLanguage_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<Language>("language");
        QTest::newRow("ja") << "ja"_ba << Language::Japanese;
        QTest::newRow("a locale's name") << "ja_JP.UTF-8"_ba << Language::Japanese;
        QTest::newRow("en") << "en"_ba << Language::English;
        QTest::newRow("British English") << "en_GB"_ba << Language::English;
    }
    void forcedLanguage()
    {
        QFETCH(QByteArray, value);
        QFETCH(Language, language);
        qputenv("TESSALY_LANGUAGE", value);
        QCOMPARE(language::desktop(), language);
        qputenv("TESSALY_LANGUAGE", "ja");
    }

    void englishHoldsNoJapanese_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("workbench") << u"fits"_s;
        QTest::newRow("stack-up") << u"stack"_s;
    }
    void englishHoldsNoJapanese()
    {
        QFETCH(QString, which);
        language::apply(Language::English);
        const auto window = windowWithAnswer(which);
        QTest::qWait(50);
        QStringList japanese;
        for (const QString& text : textsOf(*window)) {
            if (text.contains(kJapanese))
                japanese << text;
        }
        QVERIFY2(japanese.isEmpty(), qPrintable(japanese.join(u'\n')));
        // And the same window in Japanese has its words as ever: the check reads them.
        language::apply(Language::Japanese);
        QTRY_VERIFY(window->windowTitle().contains(kJapanese));
    }

    // Both ways at once, without a restart, and the answer's words with them.
    void switchesAtOnce()
    {
        language::apply(Language::English);
        const auto window = windowWithAnswer(u"fits"_s);
        QTRY_COMPARE(window->windowTitle(), u"Tessaly Fits"_s);
        QTRY_COMPARE(fitKind(*window), u"clearance fit"_s);
        choose(*window, "languageJapanese");
        QTRY_COMPARE(window->windowTitle(), u"Tessaly はめあい計算"_s);
        QTRY_COMPARE(fitKind(*window), u"すきまばめ"_s);
        QTRY_COMPARE(window->findChild<QLabel*>(u"looseValue"_s)->accessibleName(),
                     u"最大すきま 0.089"_s);
        choose(*window, "languageEnglish");
        QTRY_COMPARE(fitKind(*window), u"clearance fit"_s);
        QTRY_COMPARE(window->findChild<QLabel*>(u"looseValue"_s)->accessibleName(),
                     u"maximum clearance 0.089"_s);
        // A bearing's ring picked from the list is named in the new words, and still reads.
        auto* hole = window->findChild<QComboBox*>(u"holeClass"_s);
        hole->setEditText(u"軸受内輪 0 級"_s);
        QTest::qWait(50);
        QTRY_COMPARE(hole->currentText(),
                     u"軸受内輪 0 級"_s); // as typed, until the language changes
        choose(*window, "languageJapanese");
        choose(*window, "languageEnglish");
        QTRY_COMPARE(hole->currentText(), u"bearing inner ring class 0"_s);
        QTRY_COMPARE(window->findChild<QLabel*>(u"holeUpper"_s)->text(), u"0"_s);
        QTRY_COMPARE(window->findChild<QLabel*>(u"holeLower"_s)->text(), u"-0.012"_s);

        auto stack = windowWithAnswer(u"stack"_s);
        QTRY_COMPARE(stack->windowTitle(), u"end-play.json[*] - Tessaly Tolerance Stack-up"_s);
        choose(*stack, "languageJapanese");
        QTRY_COMPARE(stack->windowTitle(), u"end-play.json[*] - Tessaly 公差の積み上げ"_s);
        QTRY_COMPARE(stack->findChild<QLabel*>(u"worstCase"_s)->text(), u"0.150 ～ 0.602"_s);
        choose(*stack, "languageEnglish");
        QTRY_COMPARE(stack->findChild<QLabel*>(u"worstCase"_s)->text(), u"0.150 to 0.602"_s);
    }

    // The workbench in English holds the smallest screen it is checked at, 800 pixels wide,
    // whether built in English or switched to it: 746 px at least in Japanese, past 800 in
    // English while its names of several words stood on one line.
    void englishHoldsAnEightHundredScreen_data()
    {
        QTest::addColumn<bool>("switched");
        QTest::newRow("built in English") << false;
        QTest::newRow("switched to English") << true;
    }
    void englishHoldsAnEightHundredScreen()
    {
        QFETCH(bool, switched);
        if (!switched)
            language::apply(Language::English);
        const auto window = windowWithAnswer(u"fits"_s);
        if (switched)
            choose(*window, "languageEnglish");
        QTRY_COMPARE(fitKind(*window), u"clearance fit"_s);
        QTRY_VERIFY2(window->minimumSizeHint().width() <= 800,
                     qPrintable(QString::number(window->minimumSizeHint().width())));
    }

    // Chosen by hand, kept with the inputs for the next start; "as the desktop" forgets it.
    void keptWithTheInputs()
    {
        const auto window = windowWithAnswer(u"fits"_s);
        auto* fits = static_cast<FitsWindow*>(window.get());
        choose(*window, "languageEnglish");
        fits->saveNow();
        QSettings store = lastInputs::store();
        QCOMPARE(language::kept(store), language::Choice::English);
        choose(*window, "languageDesktop");
        fits->saveNow();
        store.sync();
        QCOMPARE(language::kept(store), language::Choice::Desktop);
    }

    void accessKeysApart_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<Language>("language");
        for (const auto& [which, name] :
             {std::pair(u"fits"_s, "workbench"), std::pair(u"stack"_s, "stack-up")}) {
            QTest::addRow("%s, Japanese", name) << which << Language::Japanese;
            QTest::addRow("%s, English", name) << which << Language::English;
        }
    }
    void accessKeysApart()
    {
        QFETCH(QString, which);
        QFETCH(Language, language);
        language::apply(language);
        const auto window = windowWithAnswer(which);
        QTest::qWait(50);
        for (QStringList scope : accessKeysOf(*window)) {
            scope.sort();
            for (qsizetype i = 1; i < scope.size(); ++i)
                QVERIFY2(scope[i].section(u' ', 0, 0) != scope[i - 1].section(u' ', 0, 0),
                         qPrintable(scope[i - 1] + u" and "_s + scope[i]));
        }
    }
};

TESSALY_QT_TEST_MAIN(QApplication, tst_languages)
#include "tst_languages.moc"
