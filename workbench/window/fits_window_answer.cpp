// SPDX-License-Identifier: MIT
// The workbench's answer, laid out to be read first: both sides' figures with the pair's beside
// them on the same rows, then the sources, the outlook and the lines for a drawing; the zones to
// the right. And 使用条件's page, where the group stands with its answers.
#include "desktop/language_texts.h"
#include "window/figure_label.h"
#include "window/fits_window.h"
#include "window/label_kinds.h"
#include "window/outlook_lines.h"
#include "window/pinned_heads.h"
#include "window/service_panel.h"
#include "window/zone_picture.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// Columns of the results' grid: the sides' rows, a gap, the pair's rows beside them.
enum Column
{
    RowNames,
    HoleFigures,
    ShaftFigures,
    Gap,
    PairNames,
    PairFigures,
    Columns
};

// A page that scrolls only where the window is too low for it: its hint is its content's
// whole size, its least a few lines, so that the page never holds the window up.
class PageScrollArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override
    {
        return widget() ? widget()->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth())
                        : QScrollArea::sizeHint();
    }
    QSize minimumSizeHint() const override
    {
        return {QScrollArea::minimumSizeHint().width(), fontMetrics().height() * 3};
    }
};

// Holds a widget at the top of the room it is given, as high as the part of that room still seen
// where a pane above cuts the answer at its foot (down to the widget's least): the zone picture
// is drawn smaller, its figures whole, rather than cut below its lower deviations.
class ShownColumn : public QWidget
{
public:
    explicit ShownColumn(QWidget* content) : m_content(content)
    {
        content->setParent(this);
        setSizePolicy(content->sizePolicy());
    }

    QSize sizeHint() const override { return m_content->sizeHint(); }
    QSize minimumSizeHint() const override { return m_content->minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent*) override { place(); }
    void showEvent(QShowEvent*) override
    {
        // A pane that cuts moves no widget of the answer: its own size is what tells.
        for (QWidget* up = parentWidget(); up && !m_watching; up = up->parentWidget())
            up->installEventFilter(this);
        m_watching = true;
        place();
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            place();
        return false;
    }

private:
    void place()
    {
        int shown = height();
        for (const QWidget* up = parentWidget(); up; up = up->parentWidget())
            shown = std::min(shown, up->height() - mapTo(up, QPoint()).y());
        m_content->setGeometry(0, 0, width(),
                               std::max(shown, m_content->minimumSizeHint().height()));
    }

    QWidget* m_content;
    bool m_watching = false;
};

} // namespace

void FitsWindow::addSideRows(QGridLayout* grid)
{
    const char* names[2][6] = {
        {"holeHead", "holeUpper", "holeLower", "holeMaximum", "holeMinimum", "holeSource"},
        {"shaftHead", "shaftUpper", "shaftLower", "shaftMaximum", "shaftMinimum", "shaftSource"}};
    // The row's name, and the figure's meaning for a listener on each side.
    static const std::array<QString (*)(), 4> rows = {
        [] { return tr("上の寸法許容差"); }, [] { return tr("下の寸法許容差"); },
        [] { return tr("最大許容寸法"); }, [] { return tr("最小許容寸法"); }};
    static const std::array<QString (*)(), 8> meanings = {
        [] { return tr("穴の上の寸法許容差"); }, [] { return tr("穴の下の寸法許容差"); },
        [] { return tr("穴の最大許容寸法"); },   [] { return tr("穴の最小許容寸法"); },
        [] { return tr("軸の上の寸法許容差"); }, [] { return tr("軸の下の寸法許容差"); },
        [] { return tr("軸の最大許容寸法"); },   [] { return tr("軸の最小許容寸法"); }};
    grid->addWidget(plainLabel(QStringLiteral("mm")), 0, RowNames);
    for (int side = 0; side < 2; ++side) {
        SideLabels& labels = m_sides[side];
        labels.head = plainLabel();
        labels.head->setObjectName(QString::fromLatin1(names[side][0]));
        labels.head->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(labels.head, 0, HoleFigures + side);
        FigureLabel** figures[] = {&labels.upper, &labels.lower, &labels.maximum, &labels.minimum};
        for (int row = 0; row < 4; ++row) {
            if (side == 0) {
                QLabel* name = plainLabel();
                m_texts->add([name, row] {
                    name->setText(rows[row]());
                    wrapInEnglish(name);
                });
                grid->addWidget(name, row + 1, RowNames);
            }
            FigureLabel* figure = figureLabel(names[side][row + 1], {});
            m_texts->add([figure, side, row] { figure->setMeaning(meanings[4 * side + row]()); });
            grid->addWidget(figure, row + 1, HoleFigures + side);
            *figures[row] = figure;
        }
        labels.source = hiddenWhileEmpty(plainLabel());
        labels.source->setObjectName(QString::fromLatin1(names[side][5]));
        m_texts->add([source = labels.source] {
            steadyWidth(source, tr("穴の出典: JIS B 0401:2016（1984 年版の表にない値）"));
        });
        grid->addWidget(labels.source, 5 + side, 0, 1, Columns);
    }
}

QWidget* FitsWindow::buildResults()
{
    auto* box = new QGroupBox;
    auto* grid = new QGridLayout(box);
    addSideRows(grid);
    // The pair's rows beside the sides' deviations: the type and the clearances stand as high
    // as the figures they come from, and are the last of the answer a low window cuts.
    QLabel* typeName = plainLabel();
    QLabel* toleranceName = plainLabel();
    const std::pair<QLabel*, QLabel*> pairRows[] = {
        {typeName, m_type},
        {m_looseName, m_looseValue},
        {m_tightName, m_tightValue},
        {toleranceName, m_fitTolerance},
    };
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(pairRows[i].first, i + 1, PairNames);
        grid->addWidget(pairRows[i].second, i + 1, PairFigures);
    }
    grid->setColumnMinimumWidth(Gap, fontMetrics().height());
    m_notes->setObjectName(QStringLiteral("drawingNotes"));
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_notes->setMinimumHeight(3 * m_notes->fontMetrics().lineSpacing());
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    m_texts->add([this, box, typeName, toleranceName] {
        box->setTitle(tr("寸法とはめあい"));
        typeName->setText(tr("はめあいの種類"));
        toleranceName->setText(tr("はめあいの変動量"));
        for (QLabel* name : {typeName, toleranceName, m_looseName, m_tightName})
            wrapInEnglish(name);
        m_fitTolerance->setToolTip(tr("最大すきまと最小すきまの差（穴と軸の公差の和）"));
        steadyWidth(m_notes,
                    tr("φ3149.9999 ZC18/zc18 すきまばめ 最大すきま 0.000 最小すきま 0.000"));
        m_copyButton->setToolTip(
            tr("穴・軸の寸法許容差とはめあいを図面の表記でコピーします (Ctrl+C)"));
        m_copyButton->setStatusTip(m_copyButton->toolTip());
    });
    m_outlook = new OutlookLines(grid, 7, Columns, this);
    grid->addWidget(m_notes, 9, 0, 1, Columns);
    grid->addWidget(m_copyButton, 10, 0, 1, Columns, Qt::AlignLeft);
    // What height the group gets beyond its rows goes below them: the rows never move, and
    // what the window cuts is the foot.
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 11, 0);
    grid->setRowStretch(11, 1);
    for (const int column : {HoleFigures, ShaftFigures, Gap, PairFigures})
        grid->setColumnStretch(column, 1);
    return box;
}

QWidget* FitsWindow::buildAnswer()
{
    // The Greek μ of JIS X 0208, not the micro sign: a title with the micro sign was drawn in a
    // fallback font, taller than the room the Windows style leaves a title, and lost its lower
    // strokes there.
    auto* pictureBox = new QGroupBox;
    m_texts->add([pictureBox] { pictureBox->setTitle(tr("公差域（単位 μm）")); });
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    // The picture paints its whole rectangle; under the Windows style a title whose kanji come
    // from a taller fallback font reaches below the room the style leaves it, and was painted over.
    pictureLayout->setContentsMargins(pictureLayout->contentsMargins() +
                                      QMargins(0, fontMetrics().height() / 2, 0, 0));
    pictureLayout->addWidget(m_picture);
    auto* answer = new QWidget;
    answer->setObjectName(QStringLiteral("answer"));
    auto* row = new QHBoxLayout(answer);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buildResults(), 3);
    row->addWidget(new ShownColumn(pictureBox), 2);
    return answer;
}

QScrollArea* FitsWindow::buildServicePage()
{
    // Folded, the group is its title, and a line under it says what opening it does.
    m_serviceFolded = plainLabel();
    m_texts->add([this] { m_serviceFolded->setText(ServicePanel::purpose()); });
    m_serviceFolded->setObjectName(QStringLiteral("serviceFoldedHint"));
    m_serviceFolded->setWordWrap(true);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_service);
    column->addWidget(m_serviceFolded);
    column->addStretch(1);
    m_servicePage = new PageScrollArea;
    m_servicePage->setObjectName(QStringLiteral("servicePage"));
    m_servicePage->setFrameShape(QFrame::NoFrame);
    // Tab goes from the tabs straight to the group; the page scrolls to follow the focus.
    m_servicePage->setFocusPolicy(Qt::NoFocus);
    m_servicePage->setWidgetResizable(true);
    m_servicePage->setWidget(content);
    // Where the page scrolls, the answers' column heads stay at its top.
    auto* heads = new PinnedHeads(
        *m_servicePage, [this] { return m_service->columnHeads(); },
        [this] { return m_service->answers(); });
    connect(m_service, &ServicePanel::answered, heads, &PinnedHeads::followSoon);
    return m_servicePage;
}
