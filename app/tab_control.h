#pragma once

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
    void setTabFont(const QFont& font);

    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return m_tabBar; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage(int index);
    void turn(int step);

    QTabBar* m_tabBar;
    QList<QWidget*> m_pages;
};
