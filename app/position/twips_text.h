// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace position {

// Twice what an X11 coordinate reaches, and every whole number in it exact in a float, so an edge
// read writes back as the same text (README's "The settings file").
inline constexpr float kMaxEdgeTwips = 1'000'000.0f;

// The shortest decimal text of at most 7 digits: 2880 -> "2880", 1234.5 -> "1234.5"; empty for a
// value that is not finite, which reading rejects.
QString twipsText(float twips);

// An edge read back strictly ("-"? digits ("." digits)?), in whole twips within ±kMaxEdgeTwips.
std::optional<float> twipsFromText(QStringView text);

} // namespace position
