// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <vector>

// Each member's share of the closing dimension's spread, a bar a member in the chain's order:
// its share of the variance (the statistical answer's) drawn full, its share of the worst case
// drawn thin beneath. A screen reader hears the shares, largest first.
class ShareChart : public QWidget
{
    Q_OBJECT

public:
    struct Bar
    {
        QString name;
        int varianceTenths; // of a percent
        int worstCaseTenths;
    };

    explicit ShareChart(QWidget* parent = nullptr);

    // No bars: the chain does not read yet.
    void showShares(std::vector<Bar> bars);
    const std::vector<Bar>& bars() const { return m_bars; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rowHeight() const;
    QString description() const;

    std::vector<Bar> m_bars;
};
