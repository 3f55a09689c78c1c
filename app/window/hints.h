// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace hints {

struct Hint
{
    QStringView control; // objectName of what the pointer is over
    QStringView text;    // what status panel 1 then says
};

// Every control that explains itself when the pointer passes over it, and what it says. The
// hole page's row stands for its bare surface only, and its text is empty: it wipes the hint.
std::span<const Hint> table();

// The hint of the control named control; a name the table lacks is a programming error.
QString textOf(QStringView control);

} // namespace hints
