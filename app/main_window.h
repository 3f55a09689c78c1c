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

    // Shows the window, then fills the four lists in order and picks the first item of each
    // right after filling it, so that the first hole and shaft lookups run exactly once each.
    void load();

    // The close step's save, also asked for by a session manager before the session ends: the
    // frame position the window has now, or, while minimized or maximized, the one it has when
    // restored. Nothing on a platform that cannot tell where the window is (native Wayland): the
    // stored position is left as it was rather than overwritten with a guess.
    void savePosition();
    // The same for a window whose display has gone: the position as of its last move.
    void saveLastKnownPosition();
    // True once the close step has run or a quit command has ended the program; no route saves
    // after that.
    bool hasEnded() const { return m_ended; }

    const SideControls& hole() const { return m_hole; }
    const SideControls& shaft() const { return m_shaft; }

Q_SIGNALS:
    // A pick on side was handled (whether or not it found something to show).
    void pickHandled(tolerance::Side side);

protected:
    // The close box and every other close route of the platform save the position; the quit
    // commands end the program without coming here.
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Load steps 1 and 2: the frame where it was last closed, or at its design position.
    void placeAtStart();
    // The frame's corner on the primary screen when nothing usable was saved.
    QRect designFrame() const;
    // On every move and change of state: the frame margins while shown normally, and the
    // position to save, so that both are known once the display has gone.
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
    // The frame around the window in its normal state: what a minimized or maximized window
    // will have again when restored, and so what its saved position must allow for.
    QMargins m_restoredMargins;
    // framePositionToSave() as of the last move or change of state, known without the display.
    std::optional<QPoint> m_lastFramePosition;
    bool m_ended = false;
    // Where placeAtStart() put the frame, and where the window first reported it once shown.
    // At a scale such as 150 % the two can differ by a pixel (the toolkit rounds the frame's
    // margins and the client's corner apart); a window not moved since then saves the first, so
    // that closing and reopening never walks the window across the screen. Only a report within
    // a pixel of the placement counts as that rounding.
    QPoint m_placedAt;
    std::optional<QPoint> m_shownAt;
};
