// SPDX-License-Identifier: MIT
#include "window/pinned_heads.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

PinnedHeads::PinnedHeads(QScrollArea& page, std::function<QList<QLabel*>()> heads,
                         std::function<QWidget*()> rows)
    : QWidget(page.viewport()), m_page(page), m_heads(std::move(heads)), m_rows(std::move(rows))
{
    setObjectName(QStringLiteral("pinnedHeads"));
    // The rows scrolling under it do not show through.
    setAutoFillBackground(true);
    hide();
    m_soon.setSingleShot(true);
    m_soon.setInterval(0);
    connect(&m_soon, &QTimer::timeout, this, &PinnedHeads::follow);
    connect(page.verticalScrollBar(), &QScrollBar::valueChanged, this, &PinnedHeads::follow);
    page.viewport()->installEventFilter(this);
    if (page.widget())
        page.widget()->installEventFilter(this);
}

bool PinnedHeads::eventFilter(QObject* watched, QEvent* event)
{
    // The page resized, or its content laid out anew: the heads may stand elsewhere.
    if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)
        followSoon();
    return QWidget::eventFilter(watched, event);
}

void PinnedHeads::follow()
{
    QWidget* viewport = m_page.viewport();
    const QList<QLabel*> heads = m_heads();
    const QWidget* rows = m_rows();
    int height = 0;
    for (const QLabel* head : heads)
        height = std::max(height, head->height());
    // Pinned while the heads stand above the page's top and some of their rows below it.
    const bool pinned = !heads.isEmpty() && rows && rows->isVisible() &&
                        heads.first()->mapTo(viewport, QPoint()).y() < 0 &&
                        rows->mapTo(viewport, QPoint(0, rows->height())).y() > 2 * height;
    if (!pinned) {
        hide();
        return;
    }
    while (m_copies.size() < heads.size()) {
        auto* copy = new QLabel(this);
        copy->setTextFormat(Qt::PlainText);
        m_copies << copy;
    }
    const int left = rows->mapTo(viewport, QPoint()).x();
    for (qsizetype i = 0; i < m_copies.size(); ++i) {
        QLabel* copy = m_copies[i];
        copy->setVisible(i < heads.size());
        if (i >= heads.size())
            continue;
        const QLabel* head = heads[i];
        copy->setObjectName(head->objectName() + QStringLiteral("Pinned"));
        copy->setText(head->text());
        copy->setAlignment(head->alignment());
        copy->setGeometry(
            QRect(QPoint(head->mapTo(viewport, QPoint()).x() - left, 0), head->size()));
    }
    // One line under the heads, as a header ends; as wide as the rows they head.
    setGeometry(left, 0, rows->width(), height + 1);
    raise();
    show();
}

void PinnedHeads::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
