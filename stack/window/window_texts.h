// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit_statistics.h"
#include "tolerance/length.h"
#include "tolerance/stack/chain.h"
#include "tolerance/stack/monte_carlo.h"

#include <QColor>
#include <QPalette>
#include <QString>

// The window's words around the core's figures: every number is the core's text, put into a
// whole Japanese phrase here, in one place.
namespace windowTexts {

QString millimetres(tolerance::Length value);
QString signedMillimetres(tolerance::Length value);
// "0.400 ～ 0.798", exact.
QString exactRange(tolerance::Length minimum, tolerance::Length maximum);
// "0.5025 ～ 0.6955", to 0.1 µm.
QString statisticalRange(double minimum, double maximum);
// "0.0841 %", "< 0.0001 %", "> 99.9999 %": a share, with its other side worked out on its own.
QString percent(double share, double otherSide);
QString distributionName(tolerance::Distribution distribution);
// "統計（正規分布、99.73 % が入る範囲）"
QString statisticalHeading(tolerance::Distribution distribution);
// "モンテカルロ法（100 万個）"
QString monteCarloHeading(std::size_t samples);
// The closing range as a screen reader hears it when it changes.
QString spokenAnswer(const tolerance::stack::ChainAnswer& answer);

// A problem reads in red on light and dark desktops alike.
QColor problemColour(const QPalette& palette);

} // namespace windowTexts
