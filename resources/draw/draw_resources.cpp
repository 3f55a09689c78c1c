// SPDX-License-Identifier: MIT
// Draws the program's bitmaps into a folder: the fit diagram and the window icon at every size
// a desktop may ask for. `cmake --build build --target redraw_resources` runs it on resources/.
#include "fit_diagram.h"
#include "icon.h"
#include "palette.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

bool save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "draw_resources: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QImage iconForFile(int size)
{
    using namespace tessaly::drawing;
    const QImage icon = drawIcon(size);
    // Small icons go out as palette PNGs: the file itself then holds at most 16 colours.
    return size <= largestPaletteIcon ? toPalette(icon, iconPalette()) : icon;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Draws fit_diagram.png and icon_<size>.png."_s);
    parser.addHelpOption();
    const QCommandLineOption sizeOption(
        u"icon-size"_s, u"Draw the icon at this size only (repeatable)."_s, u"pixels"_s);
    parser.addOption(sizeOption);
    parser.addPositionalArgument(u"folder"_s, u"Where to write the PNG files."_s);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QDir folder(parser.positionalArguments().constFirst());
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "draw_resources: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    QList<int> sizes(std::begin(tessaly::drawing::kIconSizes),
                     std::end(tessaly::drawing::kIconSizes));
    if (parser.isSet(sizeOption)) {
        sizes.clear();
        for (const QString& text : parser.values(sizeOption)) {
            bool ok = false;
            const int size = text.toInt(&ok);
            if (!ok || size < 1 || size > 4096) {
                std::fprintf(stderr, "draw_resources: bad icon size %s\n", qPrintable(text));
                return 2;
            }
            sizes << size;
        }
    }

    using namespace tessaly::drawing;
    bool ok = save(toPalette(drawFitDiagram(), fitDiagramPalette()), folder, u"fit_diagram.png"_s);
    for (int size : sizes)
        ok = save(iconForFile(size), folder, u"icon_%1.png"_s.arg(size)) && ok;
    return ok ? 0 : 1;
}
