// SPDX-License-Identifier: MIT
#include "fits_window.h"
#include "look/fonts.h"
#include "platform/session_end.h"
#include "platform/termination_signals.h"

#include <QApplication>

#include <cstdio>

namespace {

// The desktop's own font where it has Japanese, else the first of our chain that has; the
// desktop's size either way. The chain's fonts hold all of JIS X 0208 or none of it, so a sample
// of the window's words decides.
void useJapaneseFont()
{
    const QStringList sample = {
        QStringLiteral("はめあい計算 公差域 穴軸 すきましめしろ 中間ばめ "
                       "寸法許容差 最大最小 変動量 出典 図面用にコピー 探す")};
    QFont font = QApplication::font();
    if (!fonts::firstCovering({font.family()}, sample).isEmpty())
        return;
    const QString family = fonts::firstCovering(fonts::standInChain(), sample);
    if (family.isEmpty()) {
        std::fputs("tessaly-fits: no installed font has every character of the window, so some "
                   "may show as boxes; install a Japanese font such as fonts-ipafont-gothic\n",
                   stderr);
        return;
    }
    font.setFamilies({family});
    QApplication::setFont(font);
}

} // namespace

int main(int argc, char* argv[])
{
    // On a Wayland session Qt's own choice, native Wayland, is the right one here: the workbench
    // needs no place of its own, and native Wayland draws crisply at fractional scales.
    ignoreBrokenPipe();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kelvan"));
    QApplication::setApplicationName(QStringLiteral("TessalyFits"));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSALY_FITS_APP_ID));
    useJapaneseFont();

    FitsWindow window;
    window.restoreLast();
    window.show();
    // Signals at shutdown and logout, the session manager and a lost display save as a close does.
    // The workbench has no quit without saving, and its geometry is still known without a display.
    SessionEnd sessionEnd({[] { return false; }, [&window] { window.close(); },
                           [&window] { window.saveNow(); }, [&window] { window.saveNow(); }});
    return QApplication::exec();
}
