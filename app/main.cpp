// SPDX-License-Identifier: MIT
#include "look/fonts.h"
#include "main_window.h"
#include "platform/platform_choice.h"
#include "platform/session_end.h"
#include "platform/termination_signals.h"
#include "window/window_texts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    ignoreBrokenPipe();
    platformChoice::preferX11OnWayland(argc, argv);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kelvan"));
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    // Lets the desktop match the window with its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSALY_APP_ID));
    fonts::installApplicationFonts(windowTexts::everyText());

    Form1 form;
    form.load();
    SessionEnd sessionEnd(form);
    return QApplication::exec();
}
