#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <optional>

// Which windowing platform the program runs on, and what that platform lets it do.
namespace platformChoice {

// Call first in main(), before the application object exists. On a Wayland session that also
// runs Xwayland (GNOME, KDE), Qt would pick its native Wayland platform, where a program can
// neither place its window nor keep it above others: the saved position and ON would not hold.
// Unless the user has chosen a platform (QT_QPA_PLATFORM, or -platform on the command line),
// the program then asks for X11 through Xwayland, falling back to Wayland.
void preferX11OnWayland(int argc, char** argv);

// The decision behind preferX11OnWayland: the platform list to ask for, or nothing to leave the
// choice to Qt. The texts are the environment's WAYLAND_DISPLAY, XDG_SESSION_TYPE and DISPLAY.
std::optional<QByteArray> preferredPlatform(bool userChose, QByteArrayView waylandDisplay,
                                            QByteArrayView sessionType, QByteArrayView display);

// Whether a program on this platform (QGuiApplication::platformName()) can place its window,
// learn where its frame is and keep it above other windows: not so on native Wayland
// ("wayland", "wayland-egl", ...), where the compositor alone decides.
bool placesWindows(QStringView platformName);

// placesWindows for the platform the application runs on (needs a QGuiApplication).
bool currentPlatformPlacesWindows();

} // namespace platformChoice
