// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <optional>

// Which windowing platform the program runs on, and what that platform lets it do.
namespace platformChoice {

// X11 through Xwayland on a Wayland session, unless the user chose a platform: native Wayland
// lets no program place its window or keep it on top. Call before the application object exists.
void preferX11OnWayland(int argc, char** argv);

// Whether there is a display to open the window on: one the user chose by its platform
// (QT_QPA_PLATFORM, -platform; offscreen is one), or an X11 or Wayland display named.
bool displayGiven(bool userChose, QByteArrayView waylandDisplay, QByteArrayView display);

// Whether the window has a display to open on; if not, one line on stderr that says how to give
// one (Qt itself would abort with a core dump). Call before the application object exists.
bool displayAvailable(int argc, char** argv);

// The platform list to ask for, from WAYLAND_DISPLAY, XDG_SESSION_TYPE and DISPLAY; nothing to
// leave the choice to Qt.
std::optional<QByteArray> preferredPlatform(bool userChose, QByteArrayView waylandDisplay,
                                            QByteArrayView sessionType, QByteArrayView display);

// Whether a program on this platform can place its window and keep it on top: not on native
// Wayland, where the compositor alone decides.
bool placesWindows(QStringView platformName);

// placesWindows for the platform the application runs on (needs a QGuiApplication).
bool currentPlatformPlacesWindows();

} // namespace platformChoice
