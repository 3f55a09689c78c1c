#pragma once

#include <QHash>
#include <QObject>

class QLabel;
class QWidget;

// Writes the hint of the control under the pointer into a status panel. Anything not in the
// table leaves the panel alone, so it keeps the last hint written: the lists (which lie above
// their pointer areas), the labels, the tab strip, the status bar, the menus and the shaft
// page's surface.
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
