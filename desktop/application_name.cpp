// SPDX-License-Identifier: MIT
#include "desktop/application_name.h"

#include "desktop/settings.h"

#include <QGuiApplication>

namespace settings {

void nameApplication(const QString& application, const QString& desktopFileName)
{
    QCoreApplication::setOrganizationName(organisation());
    QCoreApplication::setApplicationName(application);
    // Lets the desktop match the window with its installed entry and icon.
    QGuiApplication::setDesktopFileName(desktopFileName);
}

} // namespace settings
