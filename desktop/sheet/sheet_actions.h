// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/sheet/sheet.h"
#include "tolerance/sheet/words.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMainWindow;
class QMenu;
class QPrinter;

// ファイル → 計算書を PDF で保存… (Ctrl+Shift+E) and 印刷… (Ctrl+P) for a window of ours: the
// sheet of what the window shows, composed by the core, saved as PDF or printed. The save
// dialog opens in the folder the last sheet went to; a failed write is said and leaves nothing.
class SheetActions : public QObject
{
    Q_OBJECT

public:
    // The sheet of what the window shows now, or nothing when it shows no answer.
    using Compose = std::function<std::optional<tolerance::sheet::Sheet>()>;

    // Adds both actions to the menu, before its last action (終了) with a line after them.
    SheetActions(QMainWindow& window, QMenu& file, Compose compose);

    // The sheet's words in the language the windows speak now.
    static const tolerance::sheet::Words& words();

    QAction* saveAction() const { return m_save; }
    // What the actions would save or print now.
    std::optional<tolerance::sheet::Sheet> sheet() const { return m_compose(); }
    QAction* printAction() const { return m_print; }

    // The sheet saved to path, the folder kept for the next time; the problem in the user's
    // words, or empty. What the dialog's choice runs, and tests without a dialog.
    QString saveTo(const QString& path);
    // The sheet on a printer set up already; the problem, or empty.
    QString printOn(QPrinter& printer);

private:
    void askAndSave();
    void askAndPrint();
    std::optional<tolerance::sheet::Sheet> sheetOrSay();
    void say(const QString& message);

    QMainWindow& m_window;
    Compose m_compose;
    QAction* m_save;
    QAction* m_print;
};
