// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace position {

// The shared settings file, read and edited as bytes: only our "X1" and "Y1" lines are ours
// (README's "The settings file" says what counts as a line, a header and a key).

// The raw values of "X1" and "Y1"; the last one counts, as QSettings reads it.
struct PositionTexts
{
    std::optional<QByteArray> x1;
    std::optional<QByteArray> y1;
};
PositionTexts positionTextsIn(QByteArrayView file);

// The file with our "X1" and "Y1" set to the given values and every other byte kept.
QByteArray iniWithPosition(QByteArrayView file, QByteArrayView x1, QByteArrayView y1);

} // namespace position
