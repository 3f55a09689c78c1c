#include "app/position/position_store.h"

#include "app/position/twips_text.h"

#ifndef Q_OS_WIN
#include "app/position/atomic_file.h"
#include "app/position/ini_text.h"
#endif

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <chrono>
#include <filesystem>
#include <memory>
#include <system_error>

using namespace Qt::Literals::StringLiterals;

namespace position {

namespace {

const QString kSection = u"Form1_StrtUp"_s;
const QString kLeftKey = u"X1"_s;
const QString kTopKey = u"Y1"_s;

std::unique_ptr<QSettings> openStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(positionStoreLocation(), QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(positionStoreLocation(), QSettings::IniFormat);
#endif
}

std::optional<float> edgeAt(const QSettings& store, const QString& key)
{
    const QVariant value = store.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return twipsFromText(value.toString());
}

void reportFailure(std::ostream& report, const QString& why)
{
    report << "tessaly: could not save the window position to "
           << qUtf8Printable(QDir::toNativeSeparators(positionStoreLocation())) << ": "
           << qUtf8Printable(why) << '\n';
    report.flush();
}

#ifndef Q_OS_WIN
// Opening a FIFO or a device blocks or reads without end, so only a regular file, or nothing yet,
// is ever opened.
bool isFileOrAbsent(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

QString systemMessage(const std::error_code& error)
{
    return QString::fromStdString(error.message());
}

// How long one holder may keep the lock before it counts as never letting go (a hung process).
constexpr std::chrono::milliseconds kHolderPatience{2000};
// Polling at this step, a lock that changes hands many times a second is still seen free now and
// then; QLockFile's own waits double from 100 ms and miss such gaps.
constexpr std::chrono::milliseconds kPollStep{5};

// Takes the lock that QSettings, and so every other program of "Kelvan", takes around a change of
// the file. Many copies closing at once (the end of a session) each hold it for a few
// milliseconds: as long as it changes hands, keep trying; give up only on one holder that keeps
// it for kHolderPatience. Gives the reason when the lock cannot be taken.
std::optional<QString> takeLock(QLockFile& lock, const QString& folder)
{
    qint64 holder = -1;
    QString holderHost;
    QDeadlineTimer holderLimit(kHolderPatience);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError) {
            // QLockFile tells neither a read-only disk from a denied folder nor a full disk.
            if (const std::error_code error = probeFolderWritable(folder))
                return systemMessage(error);
            return u"its lock file cannot be created"_s;
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
                return u"its lock file cannot be read"_s;
            return u"its lock is held by process %1 on %2"_s.arg(holder).arg(holderHost);
        }
        QThread::msleep(static_cast<unsigned long>(kPollStep.count()));
    }
    return std::nullopt;
}

std::optional<QString> readWhole(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return std::nullopt;
}

// Sets our two keys in the file and keeps everything else in it, under the lock, replacing the
// file as a whole. Gives the reason when the file could not be written.
std::optional<QString> writeIniFile(const QString& file, const QString& left, const QString& top)
{
    const QString lockPath = file + u".lock"_s;
    const QFileInfo info(file);
    if (info.isDir())
        return systemMessage(std::make_error_code(std::errc::is_a_directory));
    if (!isFileOrAbsent(file))
        return u"it is not a regular file"_s;
    if (!isFileOrAbsent(lockPath))
        return u"its lock file is not a regular file"_s;
    const QString folder = info.absolutePath();
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error)
        return u"its folder cannot be created: "_s + systemMessage(error);

    QLockFile lock(lockPath);
    if (auto busy = takeLock(lock, folder))
        return busy;
    QByteArray old;
    if (auto unreadable = readWhole(file, old))
        return unreadable;
    error = replaceFileAtomically(file, iniWithPosition(old, left.toUtf8(), top.toUtf8()));
    if (error)
        return systemMessage(error);
    return std::nullopt;
}
#else
// QSettings reports FormatError after replacing a damaged value, even though what it wrote is
// clean: read it again and compare.
bool holds(const QString& left, const QString& top)
{
    const std::unique_ptr<QSettings> store = openStore();
    store->beginGroup(kSection);
    return store->status() == QSettings::NoError && store->value(kLeftKey) == left &&
           store->value(kTopKey) == top;
}

std::optional<QString> writeRegistry(const QString& left, const QString& top)
{
    const std::unique_ptr<QSettings> store = openStore();
    store->beginGroup(kSection);
    store->setValue(kLeftKey, left);
    store->setValue(kTopKey, top);
    store->endGroup();
    store->sync();
    switch (store->status()) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::FormatError:
        if (holds(left, top))
            return std::nullopt;
        return u"the file did not keep the values written"_s;
    case QSettings::AccessError:
        break;
    }
    return u"access denied"_s;
}
#endif

} // namespace

QString positionStoreLocation()
{
#ifdef Q_OS_WIN
    return u"HKEY_CURRENT_USER\\Software\\Kelvan"_s;
#else
    // The folder QSettings itself uses for UserScope files on XDG platforms.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + u"/.config"_s;
    return folder + u"/Kelvan.ini"_s;
#endif
}

SavedPosition readSavedPosition()
{
#ifndef Q_OS_WIN
    if (!isFileOrAbsent(positionStoreLocation()))
        return {};
#endif
    const std::unique_ptr<QSettings> store = openStore();
    // A file that did not parse cleanly (an unterminated section header, say) is not trusted,
    // even where QSettings still found keys in it.
    if (store->status() != QSettings::NoError)
        return {};
    store->beginGroup(kSection);
    return {edgeAt(*store, kLeftKey), edgeAt(*store, kTopKey)};
}

bool writeSavedPosition(float x1, float y1, std::ostream& report)
{
    const QString left = twipsText(x1);
    const QString top = twipsText(y1);
#ifdef Q_OS_WIN
    const std::optional<QString> failure = writeRegistry(left, top);
#else
    const std::optional<QString> failure = writeIniFile(positionStoreLocation(), left, top);
#endif
    if (!failure)
        return true;
    reportFailure(report, *failure);
    return false;
}

} // namespace position
