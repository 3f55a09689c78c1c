// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QString;
class QWidget;

// Alt and a letter as a keyboard user means it in window: the control whose access key it is,
// also where that control stands on a page not shown (reveal shows the page, or says it cannot),
// and never the letter typed into the field that has the focus, which is what Qt does with the
// access key of a control that is hidden or disabled.
namespace accessKeys {

void install(QWidget& window, std::function<bool(QWidget& control)> reveal);

// A label's text without its access key, as a screen reader should say it: "穴の公差クラス" for
// "穴の公差クラス(&H)", "Hole class" for "&Hole class".
QString withoutKey(const QString& label);

} // namespace accessKeys
