// SPDX-License-Identifier: MIT
#include "desktop/application_name.h"
#include "desktop/fonts.h"
#include "desktop/language.h"
#include "desktop/platform_choice.h"
#include "desktop/session_end.h"
#include "desktop/termination_signals.h"
#include "fits_window.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[])
{
    ignoreBrokenPipe();
    // On a Wayland session Qt's own choice, native Wayland, is the right one here: the workbench
    // needs no place of its own, and native Wayland draws crisply at fractional scales.
    if (!platformChoice::displayAvailable(argc, argv))
        return 1;
    QApplication app(argc, argv);
    settings::nameApplication(QStringLiteral("TessalyFits"), QStringLiteral(TESSALY_FITS_APP_ID));
    // The desktop's own font where it has Japanese, else the first of the chain that has. The
    // chain's fonts hold all of JIS X 0208 or none of it, so a sample of the window's words
    // decides.
    fonts::installDesktopFont(
        {QStringLiteral("はめあい計算 公差域 穴軸 すきましめしろ 中間ばめ "
                        "寸法許容差 最大最小 変動量 出典 図面用にコピー 探す")});

    // The language kept from last time, else the desktop's, before any widget has words.
    {
        QSettings store = lastInputs::store();
        language::apply(language::resolved(language::kept(store)));
    }

    FitsWindow window;
    window.restoreLast();
    window.show();
    // Signals at shutdown and logout, the session manager and a lost display save as a close does.
    // The workbench has no quit without saving, and its geometry is still known without a display.
    SessionEnd sessionEnd({[] { return false; }, [&window] { window.close(); },
                           [&window] { window.saveNow(); }, [&window] { window.saveNow(); }});
    return QApplication::exec();
}
