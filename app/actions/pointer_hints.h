// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>

class QLabel;
class QWidget;

// Writes the hint of the control under the pointer into a status panel; anything not in the
// table leaves the last hint standing.
class PointerHints : public QObject
{
    Q_OBJECT

public:
    // Watches the table's controls, found by name below window. panel outlives this object.
    PointerHints(QWidget* window, QLabel* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* control, const QString& text);

    QLabel* m_panel;
    QHash<const QObject*, QString> m_boxTexts; // text boxes report no movement of their own
};
