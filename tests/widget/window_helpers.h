#pragma once

#include "main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <string_view>

// Widgets are found by their design names; the label arrays by name and page.
template <typename T> T* child(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

inline QLabel* labelOn(const Form1& form, const QString& name, int index)
{
    const QString page = index == 0 ? QStringLiteral("Picture1") : QStringLiteral("Picture2");
    return child<QLabel>(child<QWidget>(&form, page), name);
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

inline QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
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
