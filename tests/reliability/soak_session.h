// SPDX-License-Identifier: MIT
#pragma once

#include "main_window.h"

#include <QRandomGenerator>
#include <QString>

#include <array>
#include <memory>
#include <optional>

// The window under a stream of random user actions, and what it must show after each one. The
// expectation is kept apart from the widgets: list positions follow from the keys and clicks
// sent, never from reading the lists back, and the boxes' texts come from the core's tables.
class SoakSession
{
public:
    struct Tally
    {
        qint64 actions = 0;
        qint64 picks = 0;
        qint64 mismatches = 0;
    };

    explicit SoakSession(quint64 seed);
    ~SoakSession();

    // Runs count random actions, checking the window after each.
    void run(qint64 count);
    // The close box: the window saves its position and goes.
    void close();
    const Tally& tally() const { return m_tally; }

private:
    // What one side must show.
    struct Expected
    {
        int range = 0;          // position in the range list
        int toleranceClass = 0; // position in the class list
        QString caption;
        QString upper;
        QString lower;
    };

    void act();
    // Each moves a list as a user would and says whether that was a pick; position is where
    // the list is expected to stand afterwards.
    void switchPage();
    bool keyOnList(QComboBox* list, int& position);
    bool wheelOnList(QComboBox* list, int& position);
    bool clickInPopup(QComboBox* list, int& position);
    bool keysInPopup(QComboBox* list, int& position);
    void typeIntoBox();
    // A pick moved side's list to a position (or kept it): the side shows the core's entry.
    void picked(Expected& side, bool rangeList);
    QString randomText(int maxLength);
    void check();
    void mismatch(const char* what, const QString& shown, const QString& expected);

    const SideControls& controls(int side) const;

    QRandomGenerator m_random;
    std::unique_ptr<Form1> m_form;
    std::array<Expected, 2> m_expected; // hole, shaft
    int m_page = 0;
    Tally m_tally;
    const char* m_lastAction = "";
};
