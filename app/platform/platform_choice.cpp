// SPDX-License-Identifier: MIT
#include "platform_choice.h"

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

bool placesWindows(QStringView platformName)
{
    return !platformName.startsWith(u"wayland");
}

bool currentPlatformPlacesWindows()
{
    return placesWindows(QGuiApplication::platformName());
}

} // namespace platformChoice
