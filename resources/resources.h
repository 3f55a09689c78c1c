#pragma once

#include <QIcon>
#include <QStringView>

// The program's bitmaps, compiled into the static library `tessaly_resources`. Linking it is all
// a program needs: the resources register themselves before main(), no Q_INIT_RESOURCE call.
namespace tessaly::resources {

// 470 x 408, three colours; a tab page shows its top-left 397 x 341.
inline constexpr QStringView fitDiagramPath = u":/fit_diagram.png";
// 32 x 32, 16 colours: the window's icon as designed.
inline constexpr QStringView iconPath = u":/icon_32.png";

// The window icon at every drawn size, so the title bar and the task bar each get a sharp one.
QIcon windowIcon();

} // namespace tessaly::resources
