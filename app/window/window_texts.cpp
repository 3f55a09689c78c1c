// SPDX-License-Identifier: MIT
#include "window_texts.h"

#include "window/about_box.h"
#include "window/core_texts.h"
#include "window/hints.h"
#include "window/layout.h"

namespace windowTexts {

QStringList everyText()
{
    QStringList texts;
    for (QStringView text : {kFileMenu, kQuit, kViewMenu, kFrontTop, kOn, kOff, kHelpMenu, kAbout,
                             kHoleTab, kShaftTab})
        texts << text.toString().remove(u'&');
    for (const layout::Placement& p : layout::placements())
        texts << p.caption.toString();
    for (const hints::Hint& hint : hints::table())
        texts << hint.text.toString();
    texts << aboutBoxTexts() << coreTexts::rangeLabels()
          << coreTexts::classCodes(tolerance::Side::Hole)
          << coreTexts::classCodes(tolerance::Side::Shaft) << coreTexts::deviationTexts();
    // The status bar's "FormTop" and the menus' key names (F4, F5) are plain ASCII: every
    // printable ASCII character stands for them.
    QString ascii;
    for (char16_t c = u' '; c <= u'~'; ++c)
        ascii += QChar(c);
    texts << ascii;
    return texts;
}

} // namespace windowTexts
