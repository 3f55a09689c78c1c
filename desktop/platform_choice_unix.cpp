// SPDX-License-Identifier: MIT
#include "desktop/platform_choice.h"

#include <QtGlobal>

#include <cstdio>
#include <cstring>

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
    return true;
}

} // namespace platformChoice
