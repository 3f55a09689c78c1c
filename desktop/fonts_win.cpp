// SPDX-License-Identifier: MIT
#include "desktop/fonts.h"

const char* fonts::missingFontAdvice()
{
    return "add the Japanese Supplemental Fonts (Settings, Apps, Optional features)";
}
