// SPDX-License-Identifier: MIT
#include "desktop/settings.h"

using namespace Qt::Literals::StringLiterals;

namespace settings {

QByteArray configFolder()
{
    return {}; // the registry, not a folder
}

QByteArray sharedFile()
{
    return {};
}

QString storeLocation(QStringView application)
{
    return u"HKEY_CURRENT_USER\\Software\\"_s + organisation() + u'\\' + application;
}

QSettings store(QStringView application)
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, organisation(),
                     application.toString());
}

// A key of its own under the user's registry hive: nothing in the way that QSettings would not
// report itself.
std::optional<QString> saveObstacle(QStringView)
{
    return std::nullopt;
}

std::error_code probeFolderWritable(const QByteArray&)
{
    return {};
}

std::optional<QString> saveFailure(QStringView)
{
    return std::nullopt;
}

} // namespace settings
