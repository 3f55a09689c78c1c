// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QWidget>

class QTabBar;

// Two tabs in one row above a framed area, each tab showing one page. Unlike QTabWidget, whose
// page inset depends on the style, the pages sit exactly where the design puts them.
class TabControl : public QWidget
{
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent = nullptr);

    // page keeps the geometry it was given, relative to this control.
    void addPage(QWidget* page, const QString& caption);
    // The captions' font, narrowed where needed so that each caption fits its tab.
    void setTabFont(const QFont& font);

    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return m_tabBar; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitCaptions();
    void showPage(int index);
    void turn(int step);

    QTabBar* m_tabBar;
    QFont m_tabFont;
    QList<QWidget*> m_pages;
};
