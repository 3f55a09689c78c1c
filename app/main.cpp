// SPDX-License-Identifier: MIT
#include "desktop/application_name.h"
#include "desktop/fonts.h"
#include "desktop/platform_choice.h"
#include "desktop/termination_signals.h"
#include "main_window.h"
#include "session_steps.h"
#include "window/window_texts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    ignoreBrokenPipe();
    if (!platformChoice::displayAvailable(argc, argv))
        return 1;
    platformChoice::preferX11OnWayland(argc, argv);
    QApplication app(argc, argv);
    settings::nameApplication(QStringLiteral("Tessaly"), QStringLiteral(TESSALY_APP_ID));
    fonts::installApplicationFonts(windowTexts::everyText());

    Form1 form;
    form.load();
    SessionEnd sessionEnd(form);
    return QApplication::exec();
}
