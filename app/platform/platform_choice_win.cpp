// SPDX-License-Identifier: MIT
#include "platform_choice.h"

// Windows has one platform, which places windows.
void platformChoice::preferX11OnWayland(int, char**) {}
