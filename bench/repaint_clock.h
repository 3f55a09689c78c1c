// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>
#include <QObject>

#include <chrono>
#include <optional>

// When a window's first repaint since the last start() ended: installed as the window's event
// filter, it lets the repaint run and notes the time it finished.
class RepaintClock : public QObject
{
public:
    using Clock = std::chrono::steady_clock;

    void start() { m_painted.reset(); }
    std::optional<Clock::time_point> painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::UpdateRequest || m_painted)
            return false;
        watched->event(event);
        m_painted = Clock::now();
        return true;
    }

private:
    std::optional<Clock::time_point> m_painted;
};
