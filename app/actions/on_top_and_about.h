// SPDX-License-Identifier: MIT
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

// ON is greyed where the platform cannot keep a window on top (native Wayland): choosing it could
// only pretend.
void offerOnTop(const OnTopControls& controls, bool platformKeepsOnTop);

// The panel, then the window manager, then the marks; a refused ON clears the panel again.
void formTopOn(const OnTopControls& controls);
void formTopOff(const OnTopControls& controls);

// Returns the window to ordinary stacking exactly as formTopOff does, then shows the modal about
// box until it closes. The earlier choice is not restored afterwards.
void aboutChosen(const OnTopControls& controls);
