// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

struct ModalRun
{
    bool appeared = false;    // a modal box opened
    bool closedInTime = true; // and closed before the test ran out of patience
};

// Runs open, which must show a modal box and return once the box has closed. act runs once on the
// box while it is open, inside the box's own event loop. A box still open patienceMs after it
// appeared is closed from here, so that a test fails instead of hanging.
inline ModalRun whileModal(const std::function<void()>& open,
                           const std::function<void(QWidget* box)>& act, int patienceMs = 5000)
{
    ModalRun run;
    QElapsedTimer since;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        if (!run.appeared) {
            run.appeared = true;
            since.start();
            act(box);
        } else if (since.elapsed() > patienceMs) {
            run.closedInTime = false;
            if (auto* dialog = qobject_cast<QDialog*>(box))
                dialog->done(QDialog::Rejected);
            else
                box->hide();
        }
    });
    poll.start();
    open();
    poll.stop();
    return run;
}
