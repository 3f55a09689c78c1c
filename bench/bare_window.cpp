// SPDX-License-Identifier: MIT
// The start-up baselines: an empty QMainWindow of a given size, built with the same compiler,
// flags and Qt as the program and reporting its first paint the same way (first_paint.cpp). With
// --label it also shows one caption in the design font, the least a window of Japanese text loads.
#include "desktop/fonts.h"
#include "window/window_texts.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool label = argc == 4 && std::strcmp(argv[3], "--label") == 0;
    if (argc != 3 && !label) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT [--label]\n", argv[0]);
        return 2;
    }
    QMainWindow window;
    window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    if (label) {
        fonts::installApplicationFonts(windowTexts::everyText());
        auto* caption = new QLabel(u"基準軸"_s);
        caption->setFont(fonts::designFont(14.25));
        window.setCentralWidget(caption);
    }
    window.show();
    return QApplication::exec();
}
