// SPDX-License-Identifier: MIT
#pragma once

#include "test_support.h"

#include <QTabBar>
#include <QTest>
#include <QWindow>

#include <optional>

// Moves the pointer to local in widget, through the window the way a real pointer arrives.
inline void moveOver(QWidget* widget, QPoint local)
{
    QWidget* window = widget->window();
    const QPoint at = widget->mapTo(window, local);
    // QTest takes a null point to mean the middle of the window.
    if (at.isNull())
        qFatal("the window's top-left corner cannot be pointed at");
    QTest::mouseMove(window->windowHandle(), at);
    QCoreApplication::processEvents();
}

// A point of widget where nothing of its window lies above it, its centre if possible.
inline std::optional<QPoint> uncoveredPoint(QWidget* widget)
{
    QWidget* window = widget->window();
    const auto uncovered = [&](QPoint p) {
        const QPoint at = widget->mapTo(window, p);
        return !at.isNull() && window->childAt(at) == widget;
    };
    if (uncovered(widget->rect().center()))
        return widget->rect().center();
    for (int y = 0; y < widget->height(); ++y)
        for (int x = 0; x < widget->width(); ++x)
            if (uncovered(QPoint(x, y)))
                return QPoint(x, y);
    return std::nullopt;
}

// What lies under the pointer at local in widget.
inline QWidget* topmostAt(QWidget* widget, QPoint local)
{
    QWidget* window = widget->window();
    return window->childAt(widget->mapTo(window, local));
}

// Selects a tab the way the user does, by clicking it.
inline void clickTab(Form1& form, int index)
{
    auto* tabs = child<QTabBar>(&form, QStringLiteral("SSTab1Tabs"));
    const QPoint at = tabs->mapTo(&form, tabs->tabRect(index).center());
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    if (tabs->currentIndex() != index)
        qFatal("tab %d not selected by a click", index);
}
