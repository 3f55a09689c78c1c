// SPDX-License-Identifier: MIT
#pragma once

class QString;

namespace settings {

// Names the application for the desktop and for QSettings. Call once the application exists.
void nameApplication(const QString& application, const QString& desktopFileName);

} // namespace settings
