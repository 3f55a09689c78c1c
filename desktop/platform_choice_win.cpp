// SPDX-License-Identifier: MIT
#include "desktop/platform_choice.h"

// Windows has one platform, which places windows, and always a desktop to draw on.
void platformChoice::preferX11OnWayland(int, char**) {}

bool platformChoice::displayAvailable(int, char**)
{
    return true;
}
