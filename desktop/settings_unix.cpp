// SPDX-License-Identifier: MIT
#include "desktop/settings.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace settings {

namespace {

QString systemMessage(int error)
{
    return QString::fromStdString(std::system_category().message(error));
}

QByteArray storeFile(QStringView application)
{
    return configFolder() + '/' + QFile::encodeName(organisation()) + '/' +
           QFile::encodeName(application.toString()) + ".ini";
}

bool sameFile(const struct stat& one, const QByteArray& other)
{
    struct stat info = {};
    return ::stat(other.constData(), &info) == 0 && info.st_dev == one.st_dev &&
           info.st_ino == one.st_ino;
}

// Where a path's links end, for an existing file; empty when that cannot be told.
QByteArray resolved(const QByteArray& path)
{
    char buffer[PATH_MAX];
    return ::realpath(path.constData(), buffer) ? QByteArray(buffer) : QByteArray();
}

// A file made read-only (chmod a-w) keeps what it holds: even root leaves it.
bool isReadOnly(const QByteArray& file, const struct stat& info)
{
    if (::access(file.constData(), W_OK) != 0 && (errno == EACCES || errno == EPERM))
        return true;
    return (info.st_mode & 0222) == 0;
}

std::optional<QString> fileObstacle(const QByteArray& file)
{
    struct stat link = {};
    if (::lstat(file.constData(), &link) != 0)
        return std::nullopt; // a first save creates it
    struct stat info = {};
    if (::stat(file.constData(), &info) != 0)
        return u"it is a link to nothing that can be written ("_s + systemMessage(errno) + u')';
    if (S_ISDIR(info.st_mode))
        return systemMessage(EISDIR);
    if (!S_ISREG(info.st_mode))
        return u"it is not a regular file"_s;
    const QByteArray shared = sharedFile();
    if (sameFile(info, shared))
        return u"it is %1, which this program does not write"_s.arg(QFile::decodeName(shared));
    if (S_ISLNK(link.st_mode)) {
        // A dotfile manager's link to a file of the same name is ours still.
        const QByteArray target = resolved(file);
        const QByteArray name = file.mid(file.lastIndexOf('/'));
        if (!target.endsWith(name))
            return u"it leads to %1, a file not ours alone"_s.arg(QFile::decodeName(target));
    }
    if (info.st_nlink > 1)
        return u"it has %1 names (hard links), so it is not ours alone"_s.arg(info.st_nlink);
    if (isReadOnly(file, info))
        return kReadOnly.toString();
    return std::nullopt;
}

std::optional<QString> folderObstacle(const QByteArray& folder)
{
    if (!QDir().mkpath(QFile::decodeName(folder))) {
        struct stat info = {};
        const bool notFolder = ::stat(folder.constData(), &info) == 0 && !S_ISDIR(info.st_mode);
        return u"its folder cannot be created: "_s + systemMessage(notFolder ? ENOTDIR : errno);
    }
    if (::access(folder.constData(), W_OK) != 0)
        return systemMessage(errno);
    return std::nullopt;
}

} // namespace

QByteArray configFolder()
{
    QByteArray folder = qgetenv("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is ignored, as the XDG rules say.
    if (!folder.startsWith('/')) {
        QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/')) {
            const passwd* user = ::getpwuid(::geteuid());
            home = user && user->pw_dir ? QByteArray(user->pw_dir) : QByteArray("/");
        }
        while (home.endsWith('/'))
            home.chop(1);
        folder = home + "/.config";
    }
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    return folder;
}

QByteArray sharedFile()
{
    return configFolder() + '/' + QFile::encodeName(organisation()) + ".ini";
}

std::error_code probeFolderWritable(const QByteArray& folder)
{
    QByteArray name = folder + "/." + QFile::encodeName(organisation()) + ".probe.XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {errno, std::system_category()};
    std::error_code error;
    if (::write(fd, "probe\n", 6) != 6 || ::fsync(fd) != 0)
        error = {errno, std::system_category()};
    ::close(fd);
    ::unlink(name.constData());
    return error;
}

QString storeLocation(QStringView application)
{
    return QFile::decodeName(storeFile(application));
}

QSettings store(QStringView application)
{
    // A file of our own by its path: the organisation-wide fallbacks QSettings would read beside
    // it are the shared file and the system's, neither ours to take values from.
    return QSettings(storeLocation(application), QSettings::IniFormat);
}

std::optional<QString> saveFailure(QStringView application)
{
    const QByteArray file = storeFile(application);
    if (const std::error_code error = probeFolderWritable(file.first(file.lastIndexOf('/'))))
        return QString::fromStdString(error.message());
    return std::nullopt;
}

std::optional<QString> saveObstacle(QStringView application)
{
    const QByteArray file = storeFile(application);
    if (auto obstacle = fileObstacle(file))
        return obstacle;
    return folderObstacle(file.first(file.lastIndexOf('/')));
}

} // namespace settings
