#pragma once

#include <QObject>

// SIGTERM (shutdown), SIGHUP (logout) and SIGINT (Ctrl+C) as a Qt signal on the user-interface
// thread, so that they can run the close step. Where the platform has no such signals it never
// fires.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent);

Q_SIGNALS:
    void arrived();
};
