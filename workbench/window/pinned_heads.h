// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QScrollArea;

// Column heads that stay in view, as a table's header does: where the page they stand on has
// scrolled them past its top while the rows under them are still seen, a copy of each stands at
// the page's top edge above its own column, so that no figure is seen without the temperature it
// is at. Each copy is named as its head, with "Pinned" after.
class PinnedHeads : public QWidget
{
public:
    // heads: the heads shown now, left to right; rows: what they head, whose foot ends the
    // pinning. Both asked again at each follow(): a page may make them late.
    PinnedHeads(QScrollArea& page, std::function<QList<QLabel*>()> heads,
                std::function<QWidget*()> rows);

    // Places the copies for the page as it stands, once the events of the moment are done.
    void followSoon() { m_soon.start(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QScrollArea& m_page;
    std::function<QList<QLabel*>()> m_heads;
    std::function<QWidget*()> m_rows;
    QList<QLabel*> m_copies;
    QTimer m_soon;
};
