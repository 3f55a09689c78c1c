#pragma once

class QWidget;

// For the start-up benchmark: with TESSALY_EXIT_AT_FIRST_PAINT set in the environment, once the
// first frame of window has been painted and handed to the screen, print
// "first-paint <steady clock in ns> <width> <height>" on standard output and end the process.
// Unset, it reads the variable once and does nothing else: no filter, no timer.
void exitAtFirstPaintIfAsked(QWidget& window);
