#include "app/position/atomic_file.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace position {

namespace {

std::error_code lastError()
{
    return {errno, std::system_category()};
}

std::error_code writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), static_cast<size_t>(bytes.size()));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        bytes = bytes.sliced(written);
    }
    return {};
}

// What a file created afresh gets: everything the umask allows, as QSettings and QSaveFile do.
mode_t modeFor(const QByteArray& path)
{
    struct stat old = {};
    if (::stat(path.constData(), &old) == 0)
        return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A new, empty, uniquely named file beside path; fd is -1 on failure.
int createBeside(const QByteArray& path, QByteArray& name)
{
    name = path + ".XXXXXX";
    return ::mkstemp(name.data());
}

// Until the folder is flushed, the rename may not outlast a power cut. Best effort: the new file
// is in place already, and some file systems cannot flush a folder.
void flushFolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : path.first(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::error_code replaceFileAtomically(const QString& path, QByteArrayView bytes)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0)
        return lastError();
    std::error_code error = writeAll(fd, bytes);
    if (!error && ::fchmod(fd, modeFor(target)) != 0)
        error = lastError();
    if (!error && ::fsync(fd) != 0)
        error = lastError();
    if (::close(fd) != 0 && !error)
        error = lastError();
    if (!error && ::rename(temporary.constData(), target.constData()) != 0)
        error = lastError();
    if (error) {
        ::unlink(temporary.constData());
        return error;
    }
    flushFolderOf(target);
    return {};
}

std::error_code probeFolderWritable(const QString& folder)
{
    QByteArray name;
    const int fd = createBeside(QFile::encodeName(folder) + "/.Kelvan.probe", name);
    if (fd < 0)
        return lastError();
    std::error_code error = writeAll(fd, "probe\n");
    if (!error && ::fsync(fd) != 0)
        error = lastError();
    ::close(fd);
    ::unlink(name.constData());
    return error;
}

} // namespace position
