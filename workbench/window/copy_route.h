// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// Ctrl+C copies the fit wherever the focus is in the window, but a field with text selected
// copies that text as usual. A text field claims Ctrl+C for itself even with nothing selected,
// so the claim is turned down here unless there is a selection. Ctrl+Z likewise undoes a field's
// own typing where it has some, and otherwise the window's last pair taken from the finder. Also
// shows a field's hint in the
// status bar when it takes the focus, as the pointer does when it passes over.
class CopyRoute : public QObject
{
    Q_OBJECT

public:
    explicit CopyRoute(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};
