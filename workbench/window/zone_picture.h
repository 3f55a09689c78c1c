// SPDX-License-Identifier: MIT
#pragma once

#include "model/fit_query.h"

#include <QWidget>

#include <optional>

// The tolerance zones (公差域) of a hole and a shaft at one scale in µm: the zero line across,
// each zone a box in its own column with its deviations written beside it. Painted from the
// desktop's palette, at the screen's device-pixel ratio.
class ZonePicture : public QWidget
{
    Q_OBJECT

public:
    explicit ZonePicture(QWidget* parent = nullptr);

    // Nothing shown but the zero line when either side is missing.
    void show(const std::optional<workbench::SideFigures>& hole,
              const std::optional<workbench::SideFigures>& shaft);

    // The zones at a working temperature, drawn beside those at 20 °C; nothing to take them away.
    struct WarmZones
    {
        tolerance::Deviations hole;
        tolerance::Deviations shaft;
        QString caption; // "80 °C"
    };
    void showWarm(const std::optional<WarmZones>& warm);

    // Where a zone is drawn, in the widget's coordinates; empty when none is.
    QRectF zoneRect(tolerance::Side side) const;
    QRectF warmRect(tolerance::Side side) const;
    qreal zeroLineY() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF plotArea() const;
    qreal rowOf(tolerance::Length deviation) const;
    qreal snapped(qreal logical) const;
    QRectF columnRect(tolerance::Side side, qreal from, tolerance::Deviations zone) const;
    void paintZone(QPainter& painter, tolerance::Side side) const;
    void paintWarm(QPainter& painter, tolerance::Side side) const;
    void describe();
    void paintPicture();

    std::optional<workbench::SideFigures> m_hole;
    std::optional<workbench::SideFigures> m_shaft;
    std::optional<WarmZones> m_warm;
};
