// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStringView>

// The program's pictures. The window draws them at run time with the code in draw/, for the
// device-pixel ratio of the screen it is on; the PNGs drawn by the same code at ratio 1 are
// compiled into the static library `tessaly_resources` for the tests and installed for desktops.
// Linking it is all a program needs: no Q_INIT_RESOURCE call.
namespace tessaly::resources {

// 470 x 408, three colours; a tab page shows its top-left 397 x 341.
inline constexpr QStringView fitDiagramPath = u":/fit_diagram.png";
// 32 x 32, 16 colours: the window's icon as designed.
inline constexpr QStringView iconPath = u":/icon_32.png";

// The fit diagram for a screen of `ratio` device pixels per device-independent one: drawn once
// per ratio asked for and kept, so a repaint only copies it. At 1 it is fit_diagram.png.
QPixmap fitDiagram(qreal ratio);

// The window icon drawn at whatever pixel size is asked for, so a title bar, a task bar and a
// scaled screen each get one drawn for them; the committed sizes are offered first.
QIcon windowIcon();

} // namespace tessaly::resources
