// SPDX-License-Identifier: MIT
#pragma once

#include <QSplitter>

#include <optional>

class QStackedWidget;
class QTabBar;
class QToolButton;

// A window's body that puts its answer first: the answer on top and, under a handle the user
// moves, its tools as pages with a tab each. Where the window is low the tools give way, and the
// answer is cut at its foot, never above the widget it must keep in view; the tools can be folded
// to their tabs. What takes the focus is brought into view by moving the handle, so that a
// keyboard user sees where they are. No scroll area: a page that needs one brings its own.
class AnswerFirst : public QSplitter
{
    Q_OBJECT

public:
    // keep: the answer's widget whose foot is the least of it that is always seen.
    AnswerFirst(QWidget* answer, QWidget* keep, QWidget* parent = nullptr);

    void addTool(QWidget* page, const QString& title);
    void setToolTitle(QWidget* page, const QString& title);
    // The page shown, and the tools unfolded.
    void showTool(QWidget* page);
    QWidget* currentTool() const;
    // The page widget is on, when it is on one.
    QWidget* toolOf(const QWidget* widget) const;

    void setFolded(bool folded);
    bool isFolded() const;

    // What is kept between sessions: the page, whether folded, and the tools' height.
    struct State
    {
        int page = 0;
        bool folded = false;
        int toolsHeight = 0; // 0: arranged as on a first start
    };
    State state() const;
    // Applied once the body has its size, if it has none yet. A first start shows the answer
    // whole where the body holds it with the page's least beside it, and folds the tools
    // elsewhere: the answer comes first.
    void restore(const State& state);

    // The answer's whole height, and the tools' height for the page shown at its own size.
    int answerHeight() const;
    int toolsHeightWanted() const;
    void setToolsHeight(int height);
    // Moves the handle so that widget is seen whole where a pane cuts it at its foot, as the
    // focus is; for what appears as the user types, away from the focus.
    void bringIntoView(QWidget* widget);

protected:
    void resizeEvent(QResizeEvent* event) override;

Q_SIGNALS:
    void toolChanged(QWidget* page);

private:
    void applyPending();
    void arrangeFirst();
    int toolsLeast() const;

    QWidget* m_answerPane;
    QWidget* m_toolsPane;
    QTabBar* m_tabs;
    QToolButton* m_fold;
    QStackedWidget* m_pages;
    int m_unfoldedHeight = 0; // the tools' height before they were folded
    std::optional<State> m_pending;
    bool m_arranging = false;
};
