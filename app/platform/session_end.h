#pragma once

#include <QObject>

class Form1;
class QSessionManager;
class QSocketNotifier;

// The close routes that do not pass through the window, joined to its close step: the end of the
// system or of the session (SIGTERM from systemd at shutdown, SIGHUP from logind at logout,
// SIGINT from Ctrl+C in a terminal), an X11 session manager's request to save, and a display
// connection that breaks (the X server ends at logout). Each saves the position as the close box
// does; a signal then ends the program with status 0. After a quit command none of them saves.
// One instance, living through QApplication::exec() in main().
class SessionEnd : public QObject
{
    Q_OBJECT

public:
    explicit SessionEnd(Form1& form);
    ~SessionEnd() override;

private:
    void signalArrived();
    void commitData(QSessionManager& manager);
    static void displayLost();

    Form1& m_form;
    QSocketNotifier* m_notifier = nullptr;
};
