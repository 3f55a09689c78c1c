// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

// Alt and a letter as a keyboard user means it in window: the control whose access key it is,
// also where that control stands on a page not shown (reveal shows the page, or says it cannot),
// and never the letter typed into the field that has the focus, which is what Qt does with the
// access key of a control that is hidden or disabled.
namespace accessKeys {

void install(QWidget& window, std::function<bool(QWidget& control)> reveal);

} // namespace accessKeys
