#pragma once

#include <QObject>

#include <functional>

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
    // What a window that saves at its close offers the routes that do not pass through it.
    struct Steps
    {
        std::function<bool()> hasEnded;      // after a quit command: save nothing
        std::function<void()> close;         // the window's close step, which saves
        std::function<void()> save;          // save now, the window stays
        std::function<void()> saveLastKnown; // save with the display gone
    };

    explicit SessionEnd(Form1& form);
    explicit SessionEnd(Steps steps);
    ~SessionEnd() override;

private:
    void signalArrived();
    void commitData(QSessionManager& manager);
    static void displayLost();

    Steps m_steps;
    QSocketNotifier* m_notifier = nullptr;
};
