#include "on_top.h"

#include "about_box.h"
#include "form_top.h"

#include <QAction>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

void formTopOn(const OnTopControls& controls)
{
    controls.panel2->setText(u"FormTop"_s);
    FormTop::SetFormTop(*controls.window, 1); // a refusal goes unnoticed: the marks follow anyway
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
