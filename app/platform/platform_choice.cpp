#include "platform_choice.h"

#include <QGuiApplication>

#include <cstring>

namespace platformChoice {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
namespace {

bool platformOnCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace
#endif

std::optional<QByteArray> preferredPlatform(bool userChose, QByteArrayView waylandDisplay,
                                            QByteArrayView sessionType, QByteArrayView display)
{
    const bool waylandSession = !waylandDisplay.isEmpty() || sessionType == "wayland";
    if (userChose || !waylandSession || display.isEmpty())
        return std::nullopt;
    return QByteArray("xcb;wayland");
}

void preferX11OnWayland(int argc, char** argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const bool userChose =
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || platformOnCommandLine(argc, argv);
    const auto platform = preferredPlatform(userChose, qgetenv("WAYLAND_DISPLAY"),
                                            qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"));
    if (platform)
        qputenv("QT_QPA_PLATFORM", *platform);
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
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
