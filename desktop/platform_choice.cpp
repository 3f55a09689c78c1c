// SPDX-License-Identifier: MIT
#include "desktop/platform_choice.h"

#include <QGuiApplication>

namespace platformChoice {

std::optional<QByteArray> preferredPlatform(bool userChose, QByteArrayView waylandDisplay,
                                            QByteArrayView sessionType, QByteArrayView display)
{
    const bool waylandSession = !waylandDisplay.isEmpty() || sessionType == "wayland";
    if (userChose || !waylandSession || display.isEmpty())
        return std::nullopt;
    return QByteArray("xcb;wayland");
}

bool displayGiven(bool userChose, QByteArrayView waylandDisplay, QByteArrayView display)
{
    return userChose || !waylandDisplay.isEmpty() || !display.isEmpty();
}

bool placesWindows(QStringView platformName)
{
    return !platformName.startsWith(u"wayland");
}

bool currentPlatformPlacesWindows()
{
    return placesWindows(QGuiApplication::platformName());
}

} // namespace platformChoice
