// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/session_end.h"
#include "main_window.h"

// What the lookup window offers the close routes that do not pass through it: after Quit nothing
// is saved; otherwise its close step, its place now, or its last known place once the display is
// gone. SessionEnd finds this beside Form1.
inline SessionEnd::Steps sessionSteps(Form1& form)
{
    return {[&form] { return form.hasEnded(); }, [&form] { form.close(); },
            [&form] { form.savePosition(); }, [&form] { form.saveLastKnownPosition(); }};
}
