// SPDX-License-Identifier: MIT
#include "layout.h"

#include "app/position/twips.h"

#include <QtGlobal>

#include <array>

namespace layout {

namespace {

using enum Container;

// clang-format off
constexpr std::array kPlacements = {
    //        name            container   left  top   width height  pt     caption
    Placement{u"StatusBar1",  Window,     0,    5535, 6105, 315,    0,     {}},
    Placement{u"SSTab1",      Window,     0,    0,    6075, 5535,   9.75,  {}},
    Placement{u"Command3",    Window,     240,  540,  975,  375,    0,     u"終\u3000了"},
    Placement{u"Picture1",    Tab,        60,   360,  5955, 5115,   0,     {}},
    Placement{u"Picture2",    Tab,        60,   360,  5955, 5115,   0,     {}},

    Placement{u"Combo1",      HolePage,   1440, 3840, 1335, 345,    11.25, {}},
    Placement{u"Combo2",      HolePage,   2820, 3840, 765,  345,    11.25, {}},
    Placement{u"Text1",       HolePage,   3660, 3540, 795,  300,    12,    {}},
    Placement{u"Text2",       HolePage,   3660, 3885, 795,  300,    12,    {}},
    Placement{u"Label5",      HolePage,   2220, 1440, 1455, 345,    14.25, {}},
    Placement{u"Label3",      HolePage,   2520, 1050, 855,  285,    14.25, u"基準軸"},
    Placement{u"Label2",      HolePage,   1710, 3555, 765,  195,    9.75,  u"呼び寸法"},
    Placement{u"Label4",      HolePage,   2940, 3555, 480,  195,    9.75,  u"クラス"},
    Placement{u"Label1",      HolePage,   4800, 240,  960,  240,    12,    u"単位：mm"},
    Placement{u"Image1",      HolePage,   1410, 3465, 1380, 750,    0,     {}},
    Placement{u"Image2",      HolePage,   2805, 3465, 810,  750,    0,     {}},

    Placement{u"Combo3",      ShaftPage,  1440, 1380, 1335, 345,    11.25, {}},
    Placement{u"Combo4",      ShaftPage,  2820, 1380, 765,  345,    11.25, {}},
    Placement{u"Text3",       ShaftPage,  3630, 1095, 795,  300,    12,    {}},
    Placement{u"Text4",       ShaftPage,  3630, 1425, 795,  300,    12,    {}},
    Placement{u"Label5",      ShaftPage,  2280, 3900, 1455, 345,    14.25, {}},
    Placement{u"Label3",      ShaftPage,  2580, 3540, 855,  285,    14.25, u"基準穴"},
    Placement{u"Label2",      ShaftPage,  1725, 1095, 765,  195,    9.75,  u"呼び寸法"},
    Placement{u"Label4",      ShaftPage,  2940, 1095, 480,  195,    9.75,  u"クラス"},
    Placement{u"Label1",      ShaftPage,  4800, 240,  960,  240,    12,    u"単位：mm"},
    Placement{u"Image3",      ShaftPage,  1410, 1020, 1380, 750,    0,     {}},
    Placement{u"Image4",      ShaftPage,  2805, 1020, 810,  750,    0,     {}},
};
// clang-format on

} // namespace

std::span<const Placement> placements()
{
    return kPlacements;
}

const Placement& placement(QStringView name, Container container)
{
    for (const Placement& p : kPlacements) {
        if (p.name == name && p.container == container)
            return p;
    }
    // Names come from the code, never from the user: a miss is a typo in the program.
    qFatal("layout: no control %s in container %d", qPrintable(name.toString()),
           static_cast<int>(container));
}

QRect pixelRect(const Placement& p)
{
    return twips::toPixels(p.left, p.top, p.width, p.height);
}

} // namespace layout
