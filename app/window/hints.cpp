// SPDX-License-Identifier: MIT
#include "hints.h"

#include <array>

namespace hints {

namespace {

// The texts keep the ASCII space, the full-width tilde U+FF5E (not the wave dash U+301C) and the
// full-width parentheses U+FF08 and U+FF09.
// clang-format off
constexpr std::array kHints = {
    Hint{u"Image1",   u"穴径選択範囲 0～500mm"},
    Hint{u"Image2",   u"クラス選択範囲 B10～X7"},
    Hint{u"Image3",   u"軸径選択範囲 0～500mm"},
    Hint{u"Image4",   u"クラス選択範囲 b9～x6"},
    Hint{u"Text1",    u"穴の寸法許容差（上限）"},
    Hint{u"Text2",    u"穴の寸法許容差（下限）"},
    Hint{u"Text3",    u"軸の寸法許容差（上限）"},
    Hint{u"Text4",    u"軸の寸法許容差（下限）"},
    Hint{u"Picture1", u""},
};
// clang-format on

} // namespace

std::span<const Hint> table()
{
    return kHints;
}

QString textOf(QStringView control)
{
    for (const Hint& hint : kHints) {
        if (hint.control == control)
            return hint.text.toString();
    }
    qFatal("hints: no hint for %s", qPrintable(control.toString()));
}

} // namespace hints
