// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// SIGTERM (shutdown), SIGHUP (logout) and SIGINT (Ctrl+C) as a Qt signal on the user-interface
// thread, where the close step can run.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent);

Q_SIGNALS:
    void arrived();
};

// With the terminal that started it gone, a line on stderr (a warning of Qt's, a failed save)
// must cost that line only, not the window and its saved place. Call first in main().
void ignoreBrokenPipe();
