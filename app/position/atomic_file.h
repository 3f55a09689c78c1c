#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <system_error>

namespace position {

// File names are bytes on Linux; Qt's file classes take a QString, which cannot hold a name that
// is not UTF-8 (it turns such bytes into U+FFFD and so names another file). For such a name the
// folder is opened by its bytes and reached as /proc/self/fd/N, kept open as long as this lives.
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

// Replaces the file at path (no symbolic link) with bytes by QSaveFile, so that it holds, also
// after a crash or a power cut, the old content whole or the new whole; and keeps what QSaveFile
// drops: the exact mode, the owner and group (a root run on a user's file leaves it the user's)
// and the extended attributes (ACLs, SELinux labels, user.* tags). Gives the reason on failure.
std::optional<QString> replaceFile(const QByteArray& path, QByteArrayView bytes);

// Removes what a save killed at the wrong moment left beside path: "<name>.XXXXXX", the name
// QSaveFile and QTemporaryFile give, a regular file of ours. Only to be called under the lock.
void removeLeftovers(const QByteArray& path);

// Whether a new file can be created and written in folder: the system's error when it cannot
// (permission denied, a read-only file system, no space left on the device), or no error.
std::error_code probeFolderWritable(const QByteArray& folder);

} // namespace position
