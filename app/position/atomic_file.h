// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <system_error>

namespace position {

// A path of bytes as Qt's file classes can take it: a folder whose name is not UTF-8 is reached
// through /proc/self/fd/N, kept open as long as this lives.
class QtFileName
{
public:
    explicit QtFileName(const QByteArray& path);
    ~QtFileName();
    QtFileName(const QtFileName&) = delete;
    QtFileName& operator=(const QtFileName&) = delete;

    // Empty when the folder could not be opened.
    const QString& name() const { return m_name; }

private:
    QString m_name;
    int m_folder = -1;
};

// The file a path stands for: the path itself, or where its chain of symbolic links ends (which
// need not exist yet: a save then creates it, as QSaveFile and QSettings do).
QByteArray followLinks(const QByteArray& path);

// Replaces the file whole (old or new content even after a power cut), keeping its mode, owner
// and extended attributes, which QSaveFile drops. Gives the reason on failure.
std::optional<QString> replaceFile(const QByteArray& path, QByteArrayView bytes);

// Removes what a save killed at the wrong moment left beside path: "<name>.XXXXXX", the name
// QSaveFile and QTemporaryFile give, a regular file of ours. Only to be called under the lock.
void removeLeftovers(const QByteArray& path);

} // namespace position
