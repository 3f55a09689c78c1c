// SPDX-License-Identifier: MIT
#include "desktop/fonts.h"

const char* fonts::missingFontAdvice()
{
    return "install the package fonts-ipafont-gothic";
}
