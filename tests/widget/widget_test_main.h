#pragma once

#include "look/fonts.h"
#include "window/window_texts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

// main() for the widget tests: the offscreen platform unless one is set, a private settings
// folder so no test reads or writes the user's, and the fonts the program itself installs.
#define TESSALY_WIDGET_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QTemporaryDir config;                                                                      \
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());                                   \
        QApplication app(argc, argv);                                                              \
        fonts::installApplicationFonts(windowTexts::everyText());                                                  \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
