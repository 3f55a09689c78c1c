// SPDX-License-Identifier: MIT
#pragma once

#include "actions/on_top_and_about.h"
#include "actions/picks.h"

#include <QMainWindow>
#include <QMargins>
#include <QPoint>

#include <optional>

class QComboBox;
class QLabel;
class TabControl;
class TightStyle;

// The program's one window: a fit diagram on two tab pages, the hole's lists and deviations on
// the first, the shaft's on the second.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Shows the window, then fills the four lists, picking the first item of each as a user would.
    void load();

    // The close step's save, also a session manager's: nothing where the platform cannot say
    // where the window is (README's "Where the window opens, and what it saves").
    void savePosition();
    // The same for a window whose display has gone: the position as of its last move.
    void saveLastKnownPosition();
    // Once the close step or a quit command has run, no route saves any more.
    bool hasEnded() const { return m_ended; }

    const SideControls& hole() const { return m_hole; }
    const SideControls& shaft() const { return m_shaft; }

Q_SIGNALS:
    // A pick on side was handled (whether or not it found something to show).
    void pickHandled(tolerance::Side side);

protected:
    // Every close route of the platform saves; the quit commands never come here.
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Load steps 1 and 2: the frame where it was last closed, or at its design position.
    void placeAtStart();
    // The frame's corner on the primary screen when nothing usable was saved.
    QRect designFrame() const;
    // Keeps what a save needs once the display has gone.
    void rememberPlace();
    std::optional<QPoint> framePositionToSave() const;
    // The quit commands: the program ends at once, without the close step, so nothing is saved.
    void endWithoutSaving();

    using Handler = void (*)(const SideControls&);
    void pick(Handler handler, const SideControls& side);
    void fillAndPickFirst(QComboBox* list, const QStringList& items, Handler handler,
                          const SideControls& side);
    void createMenus();
    void createStatusBar();
    QWidget* createClientArea();
    void connectSide(const SideControls& side);

    TightStyle* m_tightStyle;
    TabControl* m_tabs = nullptr;
    QLabel* m_panel1 = nullptr;
    QLabel* m_panel2 = nullptr;
    OnTopControls m_onTop{};
    SideControls m_hole{};
    SideControls m_shaft{};
    // The frame while shown normally, which a minimized or maximized window will wear again.
    QMargins m_restoredMargins;
    // framePositionToSave() as of the last move or change of state, known without the display.
    std::optional<QPoint> m_lastFramePosition;
    bool m_ended = false;
    // Where placeAtStart() put the frame and where it was first reported: at 150 % they can
    // differ by the toolkit's rounding, and an unmoved window saves the first, so it never walks.
    QPoint m_placedAt;
    std::optional<QPoint> m_shownAt;
};
