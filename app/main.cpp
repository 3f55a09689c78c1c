#include "look/fonts.h"
#include "main_window.h"
#include "platform/platform_choice.h"
#include "platform/session_end.h"
#include "window/window_texts.h"

#include <QApplication>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

int main(int argc, char* argv[])
{
#ifdef Q_OS_UNIX
    // With the terminal that started it gone, a line on stderr (a warning of Qt's, a failed save)
    // must cost that line only, not the window and its saved place.
    ::signal(SIGPIPE, SIG_IGN);
#endif
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
