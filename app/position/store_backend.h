// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// What each platform's store does behind position_store.h: the INI file (position_store_unix.cpp)
// or the registry (position_store_win.cpp).
namespace position::backend {

// Said instead of a cause: the user chose it, so it is no failure of ours.
inline const QString kReadOnly =
    QStringLiteral("the file is read-only, the position was not saved");

// Sets "X1" and "Y1" to the texts given; the reason when the store did not keep them.
std::optional<QString> write(const QString& left, const QString& top);

} // namespace position::backend
