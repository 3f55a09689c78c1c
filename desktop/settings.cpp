// SPDX-License-Identifier: MIT
#include "desktop/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace settings {

namespace {

void reportFailure(std::ostream& report, QStringView application, QStringView what,
                   const QString& why)
{
    const QString location = QDir::toNativeSeparators(storeLocation(application));
    report << qUtf8Printable(programName()) << ": ";
    if (why == kReadOnly)
        report << qUtf8Printable(location) << ": " << qUtf8Printable(why) << ", "
               << qUtf8Printable(what.toString()) << " were not saved";
    else
        report << "could not save " << qUtf8Printable(what.toString()) << " to "
               << qUtf8Printable(location) << ": " << qUtf8Printable(why);
    report << '\n';
    report.flush();
}

// QSettings tells only that a write failed, not why.
QString failureOf(const QSettings& written, QStringView application)
{
    if (written.status() == QSettings::FormatError)
        return u"the file did not keep the values written"_s;
    return saveFailure(application).value_or(u"the file could not be written"_s);
}

} // namespace

QString organisation()
{
    return u"Kelvan"_s;
}

QString programName()
{
    if (!QCoreApplication::instance())
        return u"tessaly"_s;
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

bool save(QStringView application, QStringView what, const std::function<void(QSettings&)>& write,
          std::ostream& report)
{
    if (const std::optional<QString> obstacle = saveObstacle(application)) {
        reportFailure(report, application, what, *obstacle);
        return false;
    }
    QSettings written = store(application);
    write(written);
    written.sync();
    if (written.status() == QSettings::NoError)
        return true;
    // A damaged file read before is rewritten clean, yet QSettings still reports it damaged.
    if (written.status() == QSettings::FormatError &&
        store(application).status() == QSettings::NoError)
        return true;
    reportFailure(report, application, what, failureOf(written, application));
    return false;
}

} // namespace settings
