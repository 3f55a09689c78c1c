#pragma once

class QAction;
class QLabel;
class QWidget;

// What the View menu's always-on-top items and the Help menu's about item act on. The choice is
// held nowhere else: it is the window's stacking together with the check marks and panel 2.
struct OnTopControls
{
    QWidget* window;
    QLabel* panel2; // says "FormTop" while the window stays on top
    QAction* on;    // FormTop_ON
    QAction* off;   // FormTop_OFF
};

// Where the platform cannot keep a window above others (native Wayland, where the compositor
// alone decides the stacking), ON and its F4 are unavailable, shown greyed: choosing them could
// only pretend. OFF and the about item keep all their steps, since normal stacking is what such
// a platform gives anyway.
void offerOnTop(const OnTopControls& controls, bool platformKeepsOnTop);

// Each handler's steps run in a fixed order: the panel first, then the window manager, then the
// check marks, ON's before OFF's. Should the window manager refuse ON, panel 2 is cleared again
// and the marks stay as they were.
void formTopOn(const OnTopControls& controls);
void formTopOff(const OnTopControls& controls);

// Returns the window to ordinary stacking exactly as formTopOff does, then shows the modal about
// box until it closes. The earlier choice is not restored afterwards.
void aboutChosen(const OnTopControls& controls);
