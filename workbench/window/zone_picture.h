// SPDX-License-Identifier: MIT
#pragma once

#include "model/fit_query.h"

#include <QFont>
#include <QList>
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
        QString holeCaption; // "80 °C", each part's own
        QString shaftCaption;
    };
    void showWarm(const std::optional<WarmZones>& warm);

    // Where a zone is drawn, in the widget's coordinates; empty when none is.
    QRectF zoneRect(tolerance::Side side) const;
    QRectF warmRect(tolerance::Side side) const;
    qreal zeroLineY() const;

    // Every text the picture draws, in the room it is given and the font it is drawn in. A text
    // too wide for its room is drawn smaller, never cut: "+74.98" at a narrow width is not "+74.9".
    struct Label
    {
        QString text;
        QRectF room;
        QFont font;
        Qt::Alignment alignment;
    };
    QList<Label> labels() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // One side's half of the picture: its zones and the room beside each for its figures, all in
    // the font that lets the figures fit.
    struct Column
    {
        QRectF zone;
        QRectF warm; // empty without a working temperature
        qreal figuresLeft;
        qreal figuresRight;
        qreal warmFiguresLeft;
        qreal right;
        QFont font;
    };
    QRectF plotArea() const;
    qreal rowOf(tolerance::Length deviation) const;
    qreal snapped(qreal logical) const;
    QRectF upright(qreal left, qreal width, tolerance::Deviations zone) const;
    Column columnOf(tolerance::Side side) const;
    void addFigures(QList<Label>& labels, const Column& column, tolerance::Deviations zone,
                    qreal left, qreal right) const;
    void describe();
    void paintPicture();

    std::optional<workbench::SideFigures> m_hole;
    std::optional<workbench::SideFigures> m_shaft;
    std::optional<WarmZones> m_warm;
};
