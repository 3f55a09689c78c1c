// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QStringList>

// The Help menu's box: the series, the program and its version, and one button that Esc clicks.
// Its close box closes it too.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* owner);
};

// Shows the box centred on owner's screen, modal to the whole program, and returns once it has
// closed.
void showAboutBox(QWidget* owner);

// The texts the box shows: its lines and its button's caption.
QStringList aboutBoxTexts();
