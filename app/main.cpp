#include "first_paint.h"
#include "fonts.h"
#include "main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kelvan"));
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    fonts::installSubstitutes();
    // Menus and the about box, which the design gives no font, use the design family too, as a
    // Japanese system's menus use its Japanese font. Left to the platform default, their kana
    // would load a second Japanese font as a fallback at start (about 2.5 MB and 15% of the
    // start-up instructions).
    QApplication::setFont(fonts::designFont(9));

    Form1 form;
    exitAtFirstPaintIfAsked(form);
    form.load();
    return QApplication::exec();
}
