// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QSessionManager;

// The close routes that bypass a window (signals, the session manager, a lost display) joined to
// its close step; README's "What happens at shutdown". One instance, through exec(). It knows no
// window: each offers its steps.
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

    explicit SessionEnd(Steps steps);
    // A window whose steps its own code gives, through a sessionSteps(window) beside the window.
    template <typename Window>
    explicit SessionEnd(Window& window) : SessionEnd(sessionSteps(window))
    {}
    ~SessionEnd() override;

private:
    void signalArrived();
    void commitData(QSessionManager& manager);
    static void displayLost();

    Steps m_steps;
};
