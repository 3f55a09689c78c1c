// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <iostream>
#include <optional>

namespace position {

// The window's left and top edges as saved at the last close, in twips; each may be missing.
struct SavedPosition
{
    std::optional<float> x1;
    std::optional<float> y1;

    friend bool operator==(const SavedPosition&, const SavedPosition&) = default;
};

// The organisation's shared file in the user's configuration folder on Linux
// (settings::sharedFile), its key under HKEY_CURRENT_USER\Software on Windows: section
// "Form1_StrtUp", keys "X1" and "Y1".
QString positionStoreLocation();

// Each edge on its own; one that is missing or no valid text gives nothing. Never writes.
SavedPosition readSavedPosition();

// Writes both edges and keeps everything else of the store; on failure one line on report names
// the store and the cause, and the store keeps what it held (README's "Failure behaviour").
bool writeSavedPosition(float x1, float y1, std::ostream& report = std::cerr);

} // namespace position
