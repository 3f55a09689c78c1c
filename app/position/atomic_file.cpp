// SPDX-License-Identifier: MIT
#include "app/position/atomic_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace position {

namespace {

QString systemMessage(int error)
{
    return QString::fromStdString(std::system_category().message(error));
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.first(slash);
}

QByteArray nameOf(const QByteArray& path)
{
    return path.sliced(path.lastIndexOf('/') + 1);
}

// Until the folder is flushed, the rename may not outlast a power cut. Best effort: the new file
// is in place already, and some file systems cannot flush a folder.
void flushFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Copies the extended attributes of the file at source (POSIX ACLs are among them) onto fd.
// Attributes that only a privileged process may set (trusted.*, some security.*) are left to the
// system; any other failure fails the save rather than lose them.
std::optional<QString> copyAttributes(const QByteArray& source, int fd)
{
    const ssize_t listSize = ::listxattr(source.constData(), nullptr, 0);
    if (listSize <= 0)
        return std::nullopt; // none, or a file system without them
    QByteArray names(listSize, '\0');
    if (::listxattr(source.constData(), names.data(), names.size()) < 0)
        return systemMessage(errno);
    for (const QByteArray& name : names.split('\0')) {
        if (name.isEmpty())
            continue;
        const ssize_t size = ::getxattr(source.constData(), name.constData(), nullptr, 0);
        QByteArray value(std::max<ssize_t>(size, 0), '\0');
        if (size < 0 ||
            ::getxattr(source.constData(), name.constData(), value.data(), value.size()) != size)
            return systemMessage(errno);
        if (::fsetxattr(fd, name.constData(), value.constData(), value.size(), 0) != 0 &&
            errno != EPERM && errno != EACCES && errno != ENOTSUP)
            return systemMessage(errno);
    }
    return std::nullopt;
}

// What QSaveFile leaves to us: the exact mode (as root it adds the owner's write bit to a file it
// may write anyway), the owner and group (its new file is the writer's), the extended attributes.
std::optional<QString> keepIdentity(const QByteArray& path, int fd)
{
    struct stat old = {};
    struct stat made = {};
    if (::fstat(fd, &made) != 0)
        return systemMessage(errno);
    if (::stat(path.constData(), &old) != 0) {
        // A new file made by root in a user's folder (sudo -E) stays the folder owner's, or the
        // user could never save again.
        if (::geteuid() != 0 || ::stat(folderOf(path).constData(), &old) != 0)
            return std::nullopt;
        old.st_mode = made.st_mode;
    }
    // Only root may give a file away; a user may still give it a group of theirs.
    if ((old.st_uid != made.st_uid || old.st_gid != made.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0 && ::geteuid() == 0)
        return systemMessage(errno);
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        return systemMessage(errno);
    return copyAttributes(path, fd);
}

bool isTemporarySuffix(QByteArrayView suffix)
{
    bool random = false;
    for (const char c : suffix) {
        const bool lower = c >= 'a' && c <= 'z';
        const bool other = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!lower && !other)
            return false;
        random = random || other;
    }
    // An all-lowercase word ("backup", "before") is more likely a name the user gave.
    return suffix.size() == 6 && random;
}

} // namespace

QtFileName::QtFileName(const QByteArray& path)
{
    m_name = QFile::decodeName(path);
    if (QFile::encodeName(m_name) == path)
        return;
    m_folder = ::open(folderOf(path).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    m_name = m_folder < 0 ? QString()
                          : QStringLiteral("/proc/self/fd/%1/").arg(m_folder) +
                                QFile::decodeName(nameOf(path));
}

QtFileName::~QtFileName()
{
    if (m_folder >= 0)
        ::close(m_folder);
}

QByteArray followLinks(const QByteArray& path)
{
    QByteArray at = path;
    for (int hop = 0; hop < 40; ++hop) { // as many as the kernel follows
        QByteArray target(PATH_MAX, '\0');
        const ssize_t size = ::readlink(at.constData(), target.data(), target.size());
        if (size < 0)
            return at;
        target.truncate(size);
        at = target.startsWith('/') ? target : folderOf(at) + '/' + target;
    }
    return at;
}

std::optional<QString> replaceFile(const QByteArray& path, QByteArrayView bytes)
{
    const QtFileName name(path);
    if (name.name().isEmpty())
        return systemMessage(errno);
    QSaveFile file(name.name());
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush())
        return file.errorString();
    if (auto failure = keepIdentity(path, file.handle())) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return file.errorString();
    flushFolder(folderOf(path));
    return std::nullopt;
}

void removeLeftovers(const QByteArray& path)
{
    const QByteArray folder = folderOf(path);
    const QByteArray prefix = nameOf(path) + '.';
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.constData()), &::closedir);
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArrayView name(entry->d_name);
        if (!name.startsWith(prefix) || !isTemporarySuffix(name.sliced(prefix.size())))
            continue;
        const QByteArray leftover = folder + '/' + name.toByteArray();
        struct stat info = {};
        if (::lstat(leftover.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid())
            ::unlink(leftover.constData());
    }
}

} // namespace position
