// SPDX-License-Identifier: MIT
#pragma once

#include "model/fit_query.h"
#include "model/last_inputs.h"

#include <QMainWindow>

#include <optional>

#include "desktop/language.h"

class AnswerFirst;
class BearingBox;
class FigureLabel;
class FinderPanel;
class LanguageMenu;
class LanguageTexts;
class SpokenChanges;
class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class OutlookLines;
class QPushButton;
class QScrollArea;
class ServicePanel;
class ZonePicture;

// The fit workbench: a size, a hole class, a shaft class and an edition in; the limits of both,
// the pair's clearances and type, the tolerance zones and the finder out, all as the user types.
class FitsWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit FitsWindow(QWidget* parent = nullptr);

    // The last inputs and the size (and, where the platform places windows, the place) saved,
    // and how the tools below the answer were left; on a first start a size that follows the
    // screen, the frame inside its work area.
    void restoreLast();
    // Saves the inputs when they make a complete fit, and the window's geometry; every close
    // route calls it.
    void saveNow();

    // The current fit for a drawing, or empty when there is none; Copy puts it on the clipboard.
    QString copyText() const;
    void copyFit();
    // Brings back the pair of classes that a pair taken from the finder replaced.
    void undoPair();

protected:
    void closeEvent(class QCloseEvent* event) override;

private:
    // The figures of one side, top to bottom, and where they come from.
    struct SideLabels
    {
        QLabel* head;
        FigureLabel* upper;
        FigureLabel* lower;
        FigureLabel* maximum;
        FigureLabel* minimum;
        QLabel* source;
    };

    QWidget* buildInputs();
    QWidget* buildResults();
    QWidget* buildAnswer();
    QScrollArea* buildServicePage();
    void buildMenus();
    void addSideRows(QGridLayout* grid);
    SideLabels& labelsOf(tolerance::Side side);
    void refresh();
    void showProblem(QWidget* field, QLabel* message, const QString& problem);
    void showSide(tolerance::Side side, const std::optional<workbench::SideFigures>& figures);
    void showPair(const workbench::Answer& answer);
    void choosePair(const QString& hole, const QString& shaft);
    void setPair(const QString& hole, const QString& shaft);
    void setTabChain();
    // Shows 使用条件's page, and grows the window within the work area until it holds the page.
    void showService();
    // Grows the window within the work area until it holds 使用条件's page, where that is shown.
    void holdServicePage();
    // Shows what control stands on: its page of the tools, unfolded.
    bool reveal(QWidget& control);
    workbench::Inputs inputs() const;

    QLineEdit* m_size;
    QComboBox* m_hole;
    QComboBox* m_shaft;
    QComboBox* m_edition;
    QLabel* m_sizeMessage;
    QLabel* m_holeMessage;
    QLabel* m_shaftMessage;
    SideLabels m_sides[2]; // hole, shaft
    FigureLabel* m_type;
    QLabel* m_looseName;
    FigureLabel* m_looseValue;
    QLabel* m_tightName;
    FigureLabel* m_tightValue;
    FigureLabel* m_fitTolerance;
    OutlookLines* m_outlook = nullptr;
    FigureLabel* m_notes;
    QPushButton* m_copyButton;
    QAction* m_copyAction = nullptr;
    QAction* m_undoAction = nullptr;
    SpokenChanges* m_spoken;
    // The pairs the finder's choices replaced, the latest last.
    QList<std::pair<QString, QString>> m_replaced;
    ZonePicture* m_picture;
    FinderPanel* m_finder;
    ServicePanel* m_service;
    BearingBox* m_bearing = nullptr;
    QLabel* m_serviceFolded = nullptr; // what the folded group does, under its title
    QScrollArea* m_servicePage = nullptr;
    AnswerFirst* m_body = nullptr;
    bool m_holding = false; // a growth for 使用条件's page is on its way
    workbench::Answer m_answer;
    std::optional<lastInputs::Inputs> m_complete; // the inputs as they stand, when complete
    LanguageTexts* m_texts;
    language::Choice m_languageChoice = language::Choice::Desktop; // as kept, until the menu has it
    LanguageMenu* m_language = nullptr;
};
