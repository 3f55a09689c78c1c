// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <vector>

class QWidget;

// What a screen reader is told without the user moving: a new fit, and a field's new problem,
// once the typing has rested a moment. Typing "H7" passes through "H", which is no class: only
// what still stands when the keys stop is said, and a fit or a problem already said is not said
// again.
class SpokenChanges : public QObject
{
    Q_OBJECT

public:
    explicit SpokenChanges(QWidget& window);

    // The problem field has now; empty when it has none.
    void setProblem(QWidget& field, const QString& problem);
    // The fit in words; empty while there is no complete fit.
    void setFit(const QString& fit);
    // What a number typed names (a bearing, the classes recommended for it); empty for none.
    // Said once the typing rests, as a fit is: its lines are away from the focus.
    void setFound(const QString& found);

    static constexpr int kRestMs = 600;

private:
    void speak();

    struct Problem
    {
        QPointer<QWidget> field;
        QString now;
        QString said;
    };
    QWidget& m_window;
    QTimer m_rest;
    std::vector<Problem> m_problems;
    QString m_fit;
    QString m_saidFit;
    QString m_found;
    QString m_saidFound;
};
