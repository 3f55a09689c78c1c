// SPDX-License-Identifier: MIT
#pragma once

#include "model/stack_model.h"

#include <QMainWindow>
#include <QTimer>

#include "desktop/language.h"

class AnswerPanel;
class GeneralLookup;
class LanguageMenu;
class LanguageTexts;
class MembersPanel;
class QAction;
class QMenu;
class QSplitter;
class QTabWidget;
class ShareChart;

// The tolerance stack-up window: the closing dimension's answer first, then the members' table
// beside the tools (each member's share, the general tolerances), which give way to it on a small
// screen. The chain and its file are the model's; the window shows them and asks for files.
class StackWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StackWindow(QWidget* parent = nullptr);

    StackModel& model() { return m_model; }

    // The last chain, the recent files and the window's size (and place, where the platform
    // places windows) as they were kept.
    void restoreLast();
    // Keeps the chain as typed and the window's geometry; every close route calls it.
    void saveNow();

    // The file menu's steps; each says what went wrong itself. false: nothing was done.
    bool newChain();
    bool openFile(const QString& path);
    bool save();
    bool saveAs();

protected:
    void closeEvent(class QCloseEvent* event) override;

private:
    QWidget* buildCentre();
    void buildMenus();
    void fillRecentMenu();
    void setTabChain();
    void showTitle();
    void showShares();
    void showAnswer();
    bool keepChanges();
    bool saveTo(const QString& path);
    void say(const QString& text);
    void openChosen();
    void undo(bool back);
    // Shows the tools' page control stands on.
    bool reveal(QWidget& control);

    StackModel m_model;
    AnswerPanel* m_answer;
    MembersPanel* m_members;
    ShareChart* m_chart;
    GeneralLookup* m_general;
    QTabWidget* m_tools;
    QSplitter* m_splitter;
    QMenu* m_recentMenu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    // What a screen reader is told once the typing rests, and what it was last told.
    QTimer m_rest;
    QString m_saidAnswer;
    QString m_problem;
    QString m_saidProblem;
    LanguageTexts* m_texts;
    language::Choice m_languageChoice = language::Choice::Desktop; // as kept, until the menu has it
    LanguageMenu* m_language = nullptr;
};
