// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class Figure;
class QComboBox;
class QLabel;
class QLineEdit;

// A drawing's general tolerance for a size, as JIS B 0405 gives it: a size and a class in, the
// tolerance of a length, of a broken edge and of an angle whose shorter side is that long out.
// A member whose tolerance is the drawing's note takes the class letter alone (m).
class GeneralLookup : public QWidget
{
    Q_OBJECT

public:
    explicit GeneralLookup(QWidget* parent = nullptr);

    QLineEdit* sizeField() const { return m_size; }
    QComboBox* classBox() const { return m_class; }

private:
    void refresh();

    QLineEdit* m_size;
    QComboBox* m_class;
    QLabel* m_problem;
    Figure* m_linear;
    Figure* m_chamfer;
    Figure* m_angle;
};
