#pragma once

#include <QByteArrayView>
#include <QString>

#include <system_error>

namespace position {

// Replaces the file at path with bytes so that the path holds, at every moment and also after a
// crash or a power cut, either the old content whole or the new content whole: the bytes go to a
// new file beside it, which is flushed to the disk, given the old file's permissions and renamed
// over the old one; then the folder is flushed. The folder must exist. Returns the system's error
// of the first step that failed (the new file is then removed), or no error.
std::error_code replaceFileAtomically(const QString& path, QByteArrayView bytes);

// Whether a new file can be created and written in folder: the system's error when it cannot
// (permission denied, a read-only file system, no space left on the device), or no error.
std::error_code probeFolderWritable(const QString& folder);

} // namespace position
