// SPDX-License-Identifier: MIT
#include "desktop/termination_signals.h"

// Windows ends a session with messages to the window, which reach the close step through Qt.
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}

// A Windows program writing into a closed pipe gets an error, not a signal.
void ignoreBrokenPipe() {}
