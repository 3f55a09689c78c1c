// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class Form1;
class QSessionManager;

// The close routes that bypass the window (signals, the session manager, a lost display) joined
// to its close step; README's "What happens at shutdown". One instance, through exec().
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
