// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class Form1;
class QSessionManager;

// The close routes that bypass the window, joined to its close step: a termination signal, an X11
// session manager's request to save, and a display connection that breaks (the X server ends at
// logout). Each saves as the close box does; after a quit command none does. README's "What
// happens at shutdown" has the whole story. One instance, living through QApplication::exec().
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
};
