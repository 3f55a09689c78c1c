// SPDX-License-Identifier: MIT
#include "on_top_and_about.h"

#include "platform/form_top.h"
#include "window/about_box.h"

#include <QAction>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

void offerOnTop(const OnTopControls& controls, bool platformKeepsOnTop)
{
    controls.on->setEnabled(platformKeepsOnTop);
}

void formTopOn(const OnTopControls& controls)
{
    controls.panel2->setText(u"FormTop"_s);
    // Panel 2 and the marks never claim what the window manager refused.
    if (FormTop::SetFormTop(*controls.window, 1) == 0) {
        controls.panel2->clear();
        return;
    }
    controls.on->setChecked(true);
    controls.off->setChecked(false);
}

void formTopOff(const OnTopControls& controls)
{
    controls.panel2->clear();
    FormTop::SetFormTop(*controls.window, 0);
    controls.on->setChecked(false);
    controls.off->setChecked(true);
}

void aboutChosen(const OnTopControls& controls)
{
    formTopOff(controls);
    showAboutBox(controls.window);
}
