// The start-up baseline: an empty QMainWindow of a given size, built with the same compiler,
// flags and Qt as the program, reporting its first paint the same way.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    QMainWindow window;
    window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    exitAtFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
