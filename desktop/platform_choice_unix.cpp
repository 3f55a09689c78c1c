// SPDX-License-Identifier: MIT
#include "desktop/platform_choice.h"

#include <QByteArrayList>
#include <QtGlobal>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>
#include <optional>

namespace platformChoice {

namespace {

bool platformOnCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

bool userChosePlatform(int argc, char** argv)
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || platformOnCommandLine(argc, argv);
}

// The value after a command-line option such as -platform or -display, or null.
const char* optionValue(int argc, char** argv, const char* option)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0 ||
            (argv[i][0] == '-' && std::strcmp(argv[i] + 1, option) == 0))
            return argv[i + 1];
    }
    return nullptr;
}

// The platforms Qt will try, as the user named them, or the empty list for Qt's own choice.
QByteArray chosenPlatforms(int argc, char** argv)
{
    if (const char* given = optionValue(argc, argv, "-platform"))
        return given;
    return qgetenv("QT_QPA_PLATFORM");
}

// The X11 display Qt's xcb platform will open and, when it is the only platform to be tried, the
// name of where it comes from: DISPLAY or -display. Nothing where another platform comes first
// or stands behind it (Wayland, offscreen, a list with more than xcb).
struct X11Display
{
    QByteArray name;
    const char* from;
};
std::optional<X11Display> onlyX11Display(int argc, char** argv)
{
    const QByteArray chosen = chosenPlatforms(argc, argv);
    const bool xcbAlone = chosen.isEmpty()
                              ? qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                              : chosen.split(';').size() == 1 && chosen.split(':').first() == "xcb";
    if (!xcbAlone)
        return std::nullopt;
    if (const char* display = optionValue(argc, argv, "-display"))
        return X11Display{display, "-display"};
    return X11Display{qgetenv("DISPLAY"), "DISPLAY"};
}

bool x11DisplayOpens(const QByteArray& name)
{
    xcb_connection_t* connection =
        xcb_connect(name.isEmpty() ? nullptr : name.constData(), nullptr);
    const bool opens = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opens;
}

const char* programName(int argc, char** argv)
{
    if (argc < 1 || !argv[0] || !*argv[0])
        return "tessaly";
    const char* slash = std::strrchr(argv[0], '/');
    return slash ? slash + 1 : argv[0];
}

} // namespace

void preferX11OnWayland(int argc, char** argv)
{
    const bool userChose = userChosePlatform(argc, argv);
    const auto platform = preferredPlatform(userChose, qgetenv("WAYLAND_DISPLAY"),
                                            qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"));
    if (platform)
        qputenv("QT_QPA_PLATFORM", *platform);
}

bool displayAvailable(int argc, char** argv)
{
    if (!displayGiven(userChosePlatform(argc, argv), qgetenv("WAYLAND_DISPLAY"),
                      qgetenv("DISPLAY"))) {
        std::fprintf(stderr,
                     "%s: there is no display to open the window on; start it from a desktop "
                     "session, or name one in DISPLAY (X11) or WAYLAND_DISPLAY (Wayland)\n",
                     programName(argc, argv));
        return false;
    }
    // Qt's xcb platform aborts with a core dump on a display that does not answer (a tunnel
    // gone, a DISPLAY left over from another session): it is tried here first, the same way.
    const auto x11 = onlyX11Display(argc, argv);
    if (x11 && !x11DisplayOpens(x11->name)) {
        std::fprintf(stderr,
                     "%s: there is no display to open the window on: the X11 display %s (%s) "
                     "cannot be opened; start it from a desktop session, or name one in DISPLAY "
                     "(X11) or WAYLAND_DISPLAY (Wayland)\n",
                     programName(argc, argv), x11->name.isEmpty() ? "\"\"" : x11->name.constData(),
                     x11->from);
        return false;
    }
    return true;
}

} // namespace platformChoice
