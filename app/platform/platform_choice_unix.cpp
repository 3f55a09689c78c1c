// SPDX-License-Identifier: MIT
#include "platform_choice.h"

#include <QtGlobal>

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

} // namespace

void preferX11OnWayland(int argc, char** argv)
{
    const bool userChose =
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || platformOnCommandLine(argc, argv);
    const auto platform = preferredPlatform(userChose, qgetenv("WAYLAND_DISPLAY"),
                                            qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"));
    if (platform)
        qputenv("QT_QPA_PLATFORM", *platform);
}

} // namespace platformChoice
