// SPDX-License-Identifier: MIT
#include "desktop/application_name.h"
#include "desktop/fonts.h"
#include "desktop/language.h"
#include "desktop/platform_choice.h"
#include "desktop/session_end.h"
#include "desktop/termination_signals.h"
#include "stack_window.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[])
{
    ignoreBrokenPipe();
    // On a Wayland session Qt's own choice, native Wayland, is the right one here: the window
    // needs no place of its own, and native Wayland draws crisply at fractional scales.
    if (!platformChoice::displayAvailable(argc, argv))
        return 1;
    QApplication app(argc, argv);
    settings::nameApplication(QStringLiteral("TessalyStack"), QStringLiteral(TESSALY_STACK_APP_ID));
    // The desktop's own font where it has Japanese, else the first of the chain that has. The
    // chain's fonts hold all of JIS X 0208 or none of it, so a sample of the window's words
    // decides.
    fonts::installDesktopFont({QStringLiteral(
        "公差の積み上げ 結果寸法 最悪値 統計 正規分布 一様分布 要求 外れる確率 寄与率 部品 "
        "呼び寸法 寸法許容差 材料 温度 名前を付けて保存 元に戻す")});

    // The language kept from last time, else the desktop's, before any widget has words.
    {
        QSettings store = lastChain::store();
        language::apply(language::resolved(language::kept(store)));
    }

    StackWindow window;
    window.restoreLast();
    // A chain file named on the command line, as a file manager opens one.
    const QStringList files = QApplication::arguments().mid(1);
    if (!files.isEmpty())
        window.openFile(files.constFirst());
    window.show();
    // Signals at shutdown and logout, the session manager and a lost display save as a close does.
    SessionEnd sessionEnd({[] { return false; }, [&window] { window.close(); },
                           [&window] { window.saveNow(); }, [&window] { window.saveNow(); }});
    return QApplication::exec();
}
