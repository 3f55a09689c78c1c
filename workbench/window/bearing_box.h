// SPDX-License-Identifier: MIT
#pragma once

#include "model/bearing_side.h"

#include "tolerance/classes.h"

#include <QGroupBox>

class QGridLayout;

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SpokenChanges;

// A bearing by its number: which ring meets the fit, its class and the load case; Enter or
// 「寸法と側に入れる」 puts its diameter into the size and its ring into the side's box. The
// classes the makers' tables recommend for the load stand beside it.
class BearingBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit BearingBox(SpokenChanges& spoken, QWidget* parent = nullptr);

    // The fields a Tab passes through, in order.
    QList<QWidget*> focusChain() const;
    // The bearing as the fields stand: its size, and the classes recommended for the load case.
    const workbench::BearingFill& bearing() const { return m_found; }
    // The lines that name the bearing and the classes recommended for it, shown once it is known.
    QWidget* summary() const;

Q_SIGNALS:
    // The bearing or its load case changed.
    void bearingChanged();
    // The size field's text and the side's, for the side the ring stands on.
    void fillRequested(const QString& size, tolerance::Side side, const QString& sideText);

private:
    void placeChoices(QGridLayout& grid);
    void update();
    void fill();

    SpokenChanges& m_spoken;
    QLineEdit* m_number;
    QComboBox* m_ring;
    QComboBox* m_class;
    QComboBox* m_load;
    QComboBox* m_loadSize;
    QPushButton* m_apply;
    QLabel* m_message;
    QLabel* m_summary;
    workbench::BearingFill m_found;
};
