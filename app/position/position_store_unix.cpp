// SPDX-License-Identifier: MIT
#include "app/position/position_store.h"

#include "app/position/atomic_file.h"
#include "app/position/ini_text.h"
#include "app/position/store_backend.h"
#include "app/position/twips_text.h"
#include "desktop/settings.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace position {

using backend::kReadOnly;

namespace {

// The organisation's shared file; the desktop layer knows where the user's settings live.
QByteArray storePath()
{
    return settings::sharedFile();
}

QString systemMessage(int error)
{
    return QString::fromStdString(std::system_category().message(error));
}

// The whole file, if it is a regular one: a FIFO or a device is never read (it blocks or reads
// without end). Gives the reason when it cannot be read.
std::optional<QString> readWhole(const QByteArray& path, QByteArray& bytes, bool& exists)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    exists = fd >= 0 || errno != ENOENT;
    if (fd < 0)
        return exists ? std::optional(systemMessage(errno)) : std::nullopt;
    QFile file;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return u"it is not a regular file"_s;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return std::nullopt;
}

// Creates the missing folders of path. Run as root (sudo -E), each new folder is given the owner
// of the one it is made in, so that the user can save there later.
std::optional<QString> makeFolders(const QByteArray& folder)
{
    struct stat parent = {};
    for (qsizetype slash = 1; slash > 0 && slash <= folder.size(); ++slash) {
        slash = folder.indexOf('/', slash);
        const QByteArray part = slash < 0 ? folder : folder.first(slash);
        if (::mkdir(part.constData(), 0777) == 0) {
            if (::geteuid() == 0) [[maybe_unused]]
                const int ignored = ::chown(part.constData(), parent.st_uid, parent.st_gid);
        } else if (errno != EEXIST) {
            return u"its folder cannot be created: "_s + systemMessage(errno);
        }
        if (::stat(part.constData(), &parent) != 0 || !S_ISDIR(parent.st_mode))
            return u"its folder cannot be created: "_s + systemMessage(ENOTDIR);
        if (slash < 0)
            break;
    }
    return std::nullopt;
}

// How long one holder may keep the lock before it counts as never letting go (a hung process).
constexpr std::chrono::milliseconds kHolderPatience{2000};
// tryLock(timeout) sleeps 100 ms and doubles, missing the gaps of a lock that changes hands fast
// (20 writers: some gave up in 3 runs of 3; polling saved every one).
constexpr std::chrono::milliseconds kPollStep{5};

QString lockAdvice(const QByteArray& lockPath)
{
    return u"its lock file cannot be read or removed: remove %1 if no copy of tessaly is running"_s
        .arg(QFile::decodeName(lockPath));
}

// QSettings' lock, which every program of the organisation takes: while it changes hands (copies
// closing at a session's end) keep trying; give up only on one holder that keeps it
// kHolderPatience.
std::optional<QString> takeLock(QLockFile& lock, const QByteArray& lockPath,
                                const QByteArray& folder)
{
    qint64 holder = -1;
    QString holderHost;
    QDeadlineTimer holderLimit(kHolderPatience);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError) {
            // QLockFile tells neither a read-only disk from a denied folder nor a full disk.
            if (const std::error_code error = settings::probeFolderWritable(folder))
                return QString::fromStdString(error.message());
            return lockAdvice(lockPath);
        }
        qint64 pid = -1;
        QString hostname;
        QString application;
        if (!lock.getLockInfo(&pid, &hostname, &application))
            pid = -1; // between two holders, or not written yet
        if (pid != -1 && pid != holder) {
            holder = pid;
            holderHost = hostname;
            holderLimit.setRemainingTime(kHolderPatience);
        }
        if (holderLimit.hasExpired()) {
            if (holder == -1)
                return lockAdvice(lockPath);
            return u"its lock is held by process %1 on %2"_s.arg(holder).arg(holderHost);
        }
        QThread::msleep(static_cast<unsigned long>(kPollStep.count()));
    }
    return std::nullopt;
}

// A file the user made read-only (chmod a-w, chattr +i) pins the position: even root leaves it.
bool isReadOnly(const QByteArray& file)
{
    struct stat info = {};
    if (::stat(file.constData(), &info) != 0)
        return false;
    if (::access(file.constData(), W_OK) != 0)
        return errno == EACCES || errno == EPERM;
    return (info.st_mode & 0222) == 0;
}

// What stands in the way of a save before the lock is taken, if anything.
std::optional<QString> obstacle(const QByteArray& file, const QByteArray& lockPath)
{
    struct stat info = {};
    if (::stat(file.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return systemMessage(EISDIR);
    if (::stat(file.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return u"it is not a regular file"_s;
    if (::lstat(lockPath.constData(), &info) == 0) {
        if (S_ISLNK(info.st_mode) && ::stat(lockPath.constData(), &info) != 0)
            return lockAdvice(lockPath); // a dangling link QLockFile can neither take nor clear
        if (!S_ISREG(info.st_mode))
            return u"its lock file is not a regular file"_s;
    }
    return std::nullopt;
}

// Sets our two keys in the file and keeps every other byte, under the lock, replacing the file
// as a whole. Gives the reason when the file could not be written.
std::optional<QString> writeIniFile(const QByteArray& path, const QString& left, const QString& top)
{
    const QByteArray lockPath = path + ".lock";
    const QByteArray folder = path.first(path.lastIndexOf('/'));
    if (auto failure = obstacle(path, lockPath))
        return failure;
    if (auto failure = makeFolders(folder))
        return failure;
    const QByteArray target = followLinks(path);
    if (isReadOnly(target))
        return kReadOnly;

    const QtFileName lockName(lockPath);
    QLockFile lock(lockName.name());
    if (auto busy = takeLock(lock, lockPath, folder))
        return busy;
    removeLeftovers(path);
    removeLeftovers(target);
    QByteArray old;
    bool exists = false;
    if (auto unreadable = readWhole(target, old, exists))
        return unreadable;
    return replaceFile(target, iniWithPosition(old, left.toLatin1(), top.toLatin1()));
}

} // namespace

QString positionStoreLocation()
{
    return QFile::decodeName(storePath());
}

SavedPosition readSavedPosition()
{
    QByteArray bytes;
    bool exists = false;
    if (readWhole(storePath(), bytes, exists))
        return {};
    const PositionTexts texts = positionTextsIn(bytes);
    const auto edge = [](const std::optional<QByteArray>& text) -> std::optional<float> {
        return text ? twipsFromText(QString::fromLatin1(*text)) : std::nullopt;
    };
    return {edge(texts.x1), edge(texts.y1)};
}

std::optional<QString> backend::write(const QString& left, const QString& top)
{
    return writeIniFile(storePath(), left, top);
}

} // namespace position
