#include "app/position/position_store.h"

#include "app/position/twips_text.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

#include <chrono>
#include <memory>

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
// is ever handed to QSettings.
bool isFileOrAbsent(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

// How long one holder may keep the lock before it counts as never letting go (a hung process).
constexpr std::chrono::milliseconds kHolderPatience{2000};
// Polling at this step, a lock that changes hands many times a second is still seen free now and
// then; QLockFile's own waits double from 100 ms and miss such gaps.
constexpr std::chrono::milliseconds kPollStep{5};

// Whether the lock can be taken now or soon. Many copies closing at once (the end of a session)
// each hold it for a few milliseconds: as long as it changes hands, keep trying; give up only on
// one holder that keeps it for kHolderPatience.
bool lockCanBeTaken(const QString& lock)
{
    QLockFile probe(lock);
    qint64 holder = -1;
    QDeadlineTimer holderLimit(kHolderPatience);
    while (!probe.tryLock(0)) {
        if (probe.error() != QLockFile::LockFailedError)
            return false;
        qint64 pid = -1;
        QString hostname;
        QString application;
        if (!probe.getLockInfo(&pid, &hostname, &application))
            pid = -1; // between two holders, or not written yet
        if (pid != -1 && pid != holder) {
            holder = pid;
            holderLimit.setRemainingTime(kHolderPatience);
        }
        if (holderLimit.hasExpired())
            return false;
        QThread::msleep(static_cast<unsigned long>(kPollStep.count()));
    }
    probe.unlock();
    return true;
}

// What stands in the way of a write that QSettings would not report: it waits without limit for
// its lock file, also when the lock can never be taken (a folder in its place, a live holder).
std::optional<QString> obstacleToWriting(const QString& file)
{
    const QString lock = file + u".lock"_s;
    if (!isFileOrAbsent(file))
        return u"it is not a regular file"_s;
    if (!isFileOrAbsent(lock))
        return u"its lock file is not a regular file"_s;
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return u"its folder cannot be created"_s;
    if (!lockCanBeTaken(lock))
        return u"its lock cannot be taken"_s;
    return std::nullopt;
}

// True when the file holds more than our two keys or did not parse: random bytes read as keys of
// their own, and QSettings would carry them over into the file it writes.
bool isDamaged(const QSettings& store)
{
    if (store.status() != QSettings::NoError)
        return true;
    const QStringList ours{kSection + u'/' + kLeftKey, kSection + u'/' + kTopKey};
    const QStringList keys = store.allKeys();
    for (const QString& key : keys) {
        if (!ours.contains(key))
            return true;
    }
    return false;
}
#endif

// QSettings reports FormatError after replacing a damaged file, even though the new file is clean:
// read it again and compare.
bool holds(const QString& left, const QString& top)
{
    const std::unique_ptr<QSettings> store = openStore();
    store->beginGroup(kSection);
    return store->status() == QSettings::NoError && store->value(kLeftKey) == left &&
           store->value(kTopKey) == top;
}

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
#ifndef Q_OS_WIN
    if (const auto obstacle = obstacleToWriting(positionStoreLocation())) {
        reportFailure(report, *obstacle);
        return false;
    }
#endif
    const QString left = twipsText(x1);
    const QString top = twipsText(y1);
    const std::unique_ptr<QSettings> store = openStore();
#ifndef Q_OS_WIN
    if (isDamaged(*store))
        store->clear();
#endif
    store->beginGroup(kSection);
    store->setValue(kLeftKey, left);
    store->setValue(kTopKey, top);
    store->endGroup();
    store->sync();
    switch (store->status()) {
    case QSettings::NoError:
        return true;
    case QSettings::FormatError:
        if (holds(left, top))
            return true;
        reportFailure(report, u"the file did not keep the values written"_s);
        return false;
    case QSettings::AccessError:
        break;
    }
    reportFailure(report, u"access denied"_s);
    return false;
}

} // namespace position
