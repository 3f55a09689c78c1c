// SPDX-License-Identifier: MIT
#include "fonts.h"

const char* fonts::missingFontAdvice()
{
    return "tessaly: no installed font has every character of the window, so some may show as "
           "boxes; install the package fonts-ipafont-gothic\n";
}
