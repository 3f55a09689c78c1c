// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <string_view>

// QTest prints QStrings in failure messages; the core's texts are UTF-8 views.
inline QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// main() for a test of Qt objects, the application object of the kind given: the offscreen
// platform unless one is set, and a private settings folder, so that no test reads or writes the
// user's settings; then setUp, once the application exists.
#define TESSALY_TEST_MAIN_WITH(Application, TestClass, setUp)                                      \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QTemporaryDir config;                                                                      \
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());                                   \
        /* The windows' texts in Japanese, which the suites read, whatever the machine speaks; */  \
        /* TESSALY_TEST_LANGUAGE=en runs a suite that reads no words in English. */                \
        const QByteArray language = qgetenv("TESSALY_TEST_LANGUAGE");                              \
        qputenv("TESSALY_LANGUAGE", language == "en" ? "en" : "ja");                               \
        Application app(argc, argv);                                                               \
        QTranslator english;                                                                       \
        if (language == "en") {                                                                    \
            if (!english.load(QStringLiteral(":/i18n/tessaly_en.qm")))                             \
                qFatal("TESSALY_TEST_LANGUAGE=en: no English built into this test");               \
            QCoreApplication::installTranslator(&english);                                         \
        }                                                                                          \
        setUp;                                                                                     \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// The workbench's window and its model, which choose no fonts of their own.
#define TESSALY_QT_TEST_MAIN(Application, TestClass)                                               \
    TESSALY_TEST_MAIN_WITH(Application, TestClass, )

#ifdef QT_WIDGETS_LIB
#include <QRect>
#include <QWidget>

#include <memory>

// What of a widget a person sees, in its window's coordinates: its rectangle cut by every widget
// it lies in (a scroll area's viewport, a pane that cuts its content, the window itself); empty
// when it is hidden. isVisible() says nothing of a widget scrolled away or cut by its parent.
inline QRect seenRect(const QWidget* widget)
{
    if (!widget->isVisible())
        return {};
    const QWidget* window = widget->window();
    QRect seen(widget->mapTo(window, QPoint()), widget->size());
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        seen &= QRect(up->mapTo(window, QPoint()), up->size());
    return seen;
}

// Whether the whole of a widget is seen.
inline bool whollySeen(const QWidget* widget)
{
    return widget->isVisible() &&
           seenRect(widget) == QRect(widget->mapTo(widget->window(), QPoint()), widget->size());
}

// A window of the test's, shown and active, as a user has it: shortcuts go to the active window.
template <typename Window> std::unique_ptr<Window> activeWindow(QSize size = {})
{
    auto window = std::make_unique<Window>();
    if (size.isValid())
        window->resize(size);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("window not active");
    return window;
}
#endif

// What follows is for the tests that link the window.
#if __has_include("main_window.h")

#include "app/position/position_store.h"
#include "desktop/fonts.h"
#include "main_window.h"
#include "window/window_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Widgets are found by their design names.
template <typename T> T* child(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// A control by name on the page with index (0 hole, 1 shaft); the label arrays share names.
template <typename T = QWidget> T* onPage(const Form1& form, int page, const QString& name)
{
    const QString picture = page == 0 ? QStringLiteral("Picture1") : QStringLiteral("Picture2");
    return child<T>(child<QWidget>(&form, picture), name);
}

inline std::unique_ptr<Form1> loadedForm()
{
    auto form = std::make_unique<Form1>();
    form->load();
    form->activateWindow(); // shortcuts such as Esc, F4 and F5 go to the active window only
    if (!QTest::qWaitForWindowActive(form.get()))
        qFatal("window not active");
    return form;
}

// A user's pick: keyboard navigation from the first entry down to text, one pick per step.
inline void pickByKeyboard(QComboBox* combo, const QString& text)
{
    const int target = combo->findText(text, Qt::MatchExactly);
    if (target < 0)
        qFatal("%s has no entry %s", qPrintable(combo->objectName()), qPrintable(text));
    combo->setFocus();
    if (combo->currentIndex() > target)
        QTest::keyClick(combo, Qt::Key_Home);
    while (combo->currentIndex() < target)
        QTest::keyClick(combo, Qt::Key_Down);
}

// The saved edges as the store's own reader gives them, "X1 Y1" in twips, "-" for a missing one.
inline QString savedEdges()
{
    const position::SavedPosition saved = position::readSavedPosition();
    const auto text = [](std::optional<float> edge) {
        return edge ? QString::number(*edge) : QStringLiteral("-");
    };
    return text(saved.x1) + u' ' + text(saved.y1);
}

// main() for the window's tests: what every Qt test starts with (below), and the fonts the
// program itself chooses.
#define TESSALY_WIDGET_TEST_MAIN(TestClass)                                                        \
    TESSALY_TEST_MAIN_WITH(QApplication, TestClass,                                                \
                           fonts::installApplicationFonts(windowTexts::everyText()))

#endif
