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

// Where the position lives: section "Form1_StrtUp", keys "X1" and "Y1", text values, in the
// per-user settings of application "Kelvan". On Linux that is the file Kelvan.ini in
// $XDG_CONFIG_HOME (when absolute; by default ~/.config), the file QSettings(IniFormat, UserScope,
// "Kelvan") uses, read and edited as bytes; on Windows the registry key
// HKEY_CURRENT_USER\Software\Kelvan.
QString positionStoreLocation();

// Reads both edges, each on its own: a key that is absent, not a text, or not a valid edge
// (twipsFromText) gives nothing for that edge. A store that cannot be read reads as nothing saved.
// Reading never writes to the store.
SavedPosition readSavedPosition();

// Writes "X1" then "Y1" as texts (twipsText) and makes sure they reached the store. On failure
// prints one line naming the store and the cause as the system gave it (no space left on device,
// permission denied, the process holding the lock...) to `report` and returns false; the store
// keeps what it held. A file the user made read-only is left as it is, with one line saying so.
// Every other byte of the file is kept (iniWithPosition), and so are its links, owner, mode and
// extended attributes; the file is replaced as a whole, so a crash or a full disk leaves the old
// one.
bool writeSavedPosition(float x1, float y1, std::ostream& report = std::cerr);

} // namespace position
