// SPDX-License-Identifier: MIT
#include "window/fits_window.h"

#include "desktop/platform_choice.h"
#include "desktop/sheet/sheet_actions.h"
#include "desktop/sheet/sheet_file.h"
#include "model/sheet_asked.h"
#include "resources/resources.h"
#include "window/bearing_box.h"
#include "window/class_box.h"
#include "window/copy_route.h"
#include "window/figure_label.h"
#include "window/finder_panel.h"
#include "window/fit_texts.h"
#include "window/label_kinds.h"
#include "window/outlook_lines.h"
#include "window/service_panel.h"
#include "window/spoken_changes.h"
#include "window/zone_picture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMargins>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

using namespace workbench;
using tolerance::Edition;
using tolerance::Side;

namespace {

// A label whose changing text never moves the layout: as wide as the sample, whatever it shows.
// Word wrap would let the window shrink below what its labels need, so lines break only where
// the text says.
void steadyWidth(QLabel* label, const QString& sample)
{
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(sample));
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    policy.setVerticalPolicy(QSizePolicy::Preferred);
    policy.setHeightForWidth(false);
    label->setSizePolicy(policy);
}

FigureLabel* figureLabel(const char* name, const QString& meaning)
{
    auto* label = new FigureLabel(meaning);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    steadyWidth(label, QStringLiteral("-3150.0000 "));
    return label;
}

QScrollArea* scrolling(QWidget* content, const char* name)
{
    auto* area = new QScrollArea;
    area->setObjectName(QString::fromLatin1(name));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

// A label with nothing to say is hidden, so that no screen reader meets an empty one, yet keeps
// its room, so that nothing moves when it speaks.
QLabel* hiddenWhileEmpty(QLabel* label)
{
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
    return label;
}

void showOrHide(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

// Wraps its lines within a fixed height. Not asked for a height at its width: a scrolling view
// would then lay the window out at its preferred height, never at its least.
class FixedLinesLabel : public QLabel
{
public:
    using QLabel::QLabel;
    bool hasHeightForWidth() const override { return false; }
};

QLabel* messageLabel(const char* name)
{
    auto* label = hiddenWhileEmpty(new FixedLinesLabel);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText); // it quotes what was typed
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Two lines, wrapped where they must: narrow enough for an 800-pixel screen, and a fixed
    // height, so that nothing typed can make the window grow.
    label->setWordWrap(true);
    label->setFixedHeight(2 * label->fontMetrics().lineSpacing());
    steadyWidth(label, QStringLiteral("h7 は軸の公差クラスです。　"));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, problemColour(palette));
    label->setPalette(palette);
    return label;
}

QComboBox* classBox(Side side, const char* name)
{
    auto* combo = new ClassBox(side);
    combo->setObjectName(QString::fromLatin1(name));
    return combo;
}

// The window, frame and all, within the work area of the screen it is on: no larger than the
// area and not beyond its edges. Before the window is shown it has no frame yet; a title bar's
// height stands in for it.
void keepWithinScreen(QWidget& window, bool placed)
{
    const QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    if (!screen)
        screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect client = window.geometry();
    const QRect frame = window.frameGeometry();
    const QMargins margins =
        frame != client ? QMargins(client.left() - frame.left(), client.top() - frame.top(),
                                   frame.right() - client.right(), frame.bottom() - client.bottom())
                        : QMargins(0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    const QRect room = area.marginsRemoved(margins);
    QRect within(client.topLeft(), client.size().boundedTo(room.size()));
    if (placed) {
        within.moveLeft(std::clamp(within.left(), room.left(), room.right() + 1 - within.width()));
        within.moveTop(std::clamp(within.top(), room.top(), room.bottom() + 1 - within.height()));
    }
    if (within != client)
        window.setGeometry(within);
}

// The label's text without its access key, as a screen reader should say it.
QString spoken(const QString& label)
{
    QString text = label;
    const qsizetype key = text.indexOf(QStringLiteral("(&"));
    return key < 0 ? text.remove(u'&') : text.left(key);
}

} // namespace

FitsWindow::FitsWindow(QWidget* parent)
    : QMainWindow(parent), m_size(new QLineEdit), m_hole(classBox(Side::Hole, "holeClass")),
      m_shaft(classBox(Side::Shaft, "shaftClass")), m_edition(new QComboBox),
      m_sizeMessage(messageLabel("sizeMessage")), m_holeMessage(messageLabel("holeMessage")),
      m_shaftMessage(messageLabel("shaftMessage")),
      m_type(figureLabel("fitKind", QStringLiteral("はめあいの種類"))), m_looseName(plainLabel()),
      m_looseValue(figureLabel("looseValue", QStringLiteral("最大すきま"))),
      m_tightName(plainLabel()),
      m_tightValue(figureLabel("tightValue", QStringLiteral("最小すきま"))),
      m_fitTolerance(figureLabel("fitTolerance", QStringLiteral("はめあいの変動量"))),
      m_outlook(new OutlookLines), m_notes(new FigureLabel(QStringLiteral("図面用の表記"))),
      m_copyButton(new QPushButton(QStringLiteral("図面用にコピー(&C)"))),
      m_spoken(new SpokenChanges(*this)), m_picture(new ZonePicture), m_finder(new FinderPanel),
      m_service(new ServicePanel)
{
    setObjectName(QStringLiteral("FitsWindow"));
    setWindowTitle(QStringLiteral("Tessaly はめあい計算"));
    setWindowIcon(tessaly::resources::windowIcon());

    // The Greek μ of JIS X 0208, not the micro sign: a title with the micro sign was drawn in a
    // fallback font, taller than the room the Windows style leaves a title, and lost its lower
    // strokes there.
    auto* pictureBox = new QGroupBox(QStringLiteral("公差域（単位 μm）"));
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    // The picture paints its whole rectangle; under the Windows style a title whose kanji come
    // from a taller fallback font reaches below the room the style leaves it, and was painted over.
    pictureLayout->setContentsMargins(pictureLayout->contentsMargins() +
                                      QMargins(0, fontMetrics().height() / 2, 0, 0));
    pictureLayout->addWidget(m_picture);
    // 使用条件 sits with the results it adds to: folded, it takes a line of their room, not of
    // the finder's; open, it scrolls with them.
    auto* results = new QWidget;
    auto* column = new QVBoxLayout(results);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_service);
    m_bearing = new BearingBox(*m_spoken);
    column->addWidget(m_bearing);
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildResults(), 3);
    middle->addWidget(pictureBox, 2);
    column->addLayout(middle, 1);
    // On a low screen the results scroll, and the finder keeps rows enough to choose from.
    // Only up and down: across, the whole window scrolls, as it does on a narrow screen.
    auto* resultsArea = scrolling(results, "resultsArea");
    resultsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resultsArea->setMinimumSize(results->minimumSizeHint().width() +
                                    resultsArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                                fontMetrics().height() * 7);
    auto* finderBox = new QGroupBox(QStringLiteral("はめあいを探す"));
    (new QVBoxLayout(finderBox))->addWidget(m_finder);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildInputs());
    layout->addWidget(resultsArea, 3);
    layout->addWidget(finderBox, 2);
    // On a screen smaller than the window's least size the window still fits, and what it cannot
    // show scrolls; the focus brings every control into view.
    setCentralWidget(scrolling(central, "workbenchArea"));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // Innermost first; each outer area then shows the inner one, so a widget taller than
        // the inner view is shown from its top rather than scrolled past.
        QWidget* shown = now;
        for (QWidget* up = now; now && up && up != this; up = up->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(up); area && area->widget() != shown) {
                area->ensureWidgetVisible(shown, 0, 0);
                shown = area;
            }
        }
    });
    buildMenus();
    statusBar()->showMessage(
        QStringLiteral("寸法と穴・軸の公差クラスを入力すると、すぐに計算します"));
    new CopyRoute(this);

    connect(m_size, &QLineEdit::textChanged, this, &FitsWindow::refresh);
    connect(m_hole, &QComboBox::editTextChanged, this, &FitsWindow::refresh);
    connect(m_shaft, &QComboBox::editTextChanged, this, &FitsWindow::refresh);
    connect(m_edition, &QComboBox::currentIndexChanged, this, &FitsWindow::refresh);
    connect(m_copyButton, &QPushButton::clicked, this, &FitsWindow::copyFit);
    connect(m_finder, &FinderPanel::pairChosen, this, &FitsWindow::choosePair);
    connect(m_bearing, &BearingBox::fillRequested, this,
            [this](const QString& size, Side side, const QString& text) {
                m_size->setText(size);
                (side == Side::Hole ? m_hole : m_shaft)->setEditText(text);
            });
    m_service->setSpokenChanges(m_spoken);
    connect(m_service, &ServicePanel::answered, this, [this] {
        m_picture->showWarm(m_service->warmZones());
        m_finder->setService(m_service->answer().search());
    });
    setTabChain();
    m_size->setFocus();
    refresh();
    // Roomy where the screen allows, never larger than it; on a small screen all of it.
    const QSize roomy =
        sizeHint().expandedTo(QSize(fontMetrics().height() * 60, fontMetrics().height() * 44));
    resize(
        screen()
            ? roomy.boundedTo(screen()->availableGeometry().size() * 0.9).expandedTo(contentSize())
            : roomy);
    keepWithinScreen(*this, false);
}

QWidget* FitsWindow::buildInputs()
{
    struct Field
    {
        QWidget* widget;
        QLabel* message;
        QString label;
        QString hint;
    };
    m_size->setObjectName(QStringLiteral("sizeField"));
    m_size->setPlaceholderText(QStringLiteral("例: 35"));
    m_edition->setObjectName(QStringLiteral("edition"));
    for (const Edition edition : {Edition::Jis1984, Edition::Iso2010})
        m_edition->addItem(fitTexts::editionName(edition), QVariant::fromValue(edition));
    const Field fields[] = {
        {m_size, m_sizeMessage, QStringLiteral("呼び寸法 mm(&S)"),
         QStringLiteral("呼び寸法を mm で入力します（0 を超え 3150 以下、小数 4 桁まで）")},
        {m_hole, m_holeMessage, QStringLiteral("穴の公差クラス(&H)"),
         QStringLiteral("穴の公差クラス。一覧から選ぶか、H7 のように大文字で入力します。"
                        "買う部品は寸法許容差を 0/-0.009 のように入力できます")},
        {m_shaft, m_shaftMessage, QStringLiteral("軸の公差クラス(&J)"),
         QStringLiteral("軸の公差クラス。一覧から選ぶか、g6 のように小文字で入力します。"
                        "買う部品は寸法許容差を +0.021/+0.008 のように入力できます")},
        {m_edition, nullptr, QStringLiteral("規格(&K)"),
         QStringLiteral("JIS B 0401 (1984) の表か、JIS B 0401:2016 (= ISO 286:2010) か")},
    };
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    int column = 0;
    for (const Field& field : fields) {
        auto* label = new QLabel(field.label);
        label->setBuddy(field.widget);
        field.widget->setAccessibleName(spoken(field.label));
        field.widget->setToolTip(field.hint);
        field.widget->setStatusTip(field.hint);
        grid->addWidget(label, 0, column);
        grid->addWidget(field.widget, 1, column);
        if (field.message)
            grid->addWidget(field.message, 2, column, Qt::AlignTop);
        grid->setColumnStretch(column, 1);
        ++column;
    }
    return box;
}

void FitsWindow::addSideRows(QGridLayout* grid)
{
    const char* names[2][6] = {
        {"holeHead", "holeUpper", "holeLower", "holeMaximum", "holeMinimum", "holeSource"},
        {"shaftHead", "shaftUpper", "shaftLower", "shaftMaximum", "shaftMinimum", "shaftSource"}};
    const QString rows[] = {QStringLiteral("上の寸法許容差"), QStringLiteral("下の寸法許容差"),
                            QStringLiteral("最大許容寸法"), QStringLiteral("最小許容寸法")};
    grid->addWidget(plainLabel(QStringLiteral("mm")), 0, 0);
    for (int side = 0; side < 2; ++side) {
        SideLabels& labels = m_sides[side];
        labels.head = plainLabel(side == 0 ? QStringLiteral("穴") : QStringLiteral("軸"));
        labels.head->setObjectName(QString::fromLatin1(names[side][0]));
        labels.head->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(labels.head, 0, side + 1);
        FigureLabel** figures[] = {&labels.upper, &labels.lower, &labels.maximum, &labels.minimum};
        for (int row = 0; row < 4; ++row) {
            if (side == 0)
                grid->addWidget(plainLabel(rows[row]), row + 1, 0);
            FigureLabel* figure =
                figureLabel(names[side][row + 1], (side == 0 ? u"穴の" : u"軸の") + rows[row]);
            grid->addWidget(figure, row + 1, side + 1);
            *figures[row] = figure;
        }
        labels.source = hiddenWhileEmpty(plainLabel());
        labels.source->setObjectName(QString::fromLatin1(names[side][5]));
        steadyWidth(labels.source,
                    QStringLiteral("穴の出典: JIS B 0401:2016（1984 年版の表にない値）"));
        grid->addWidget(labels.source, 5 + side, 0, 1, 3);
    }
}

FitsWindow::SideLabels& FitsWindow::labelsOf(Side side)
{
    return m_sides[side == Side::Hole ? 0 : 1];
}

QWidget* FitsWindow::buildResults()
{
    auto* box = new QGroupBox(QStringLiteral("寸法とはめあい"));
    auto* grid = new QGridLayout(box);
    addSideRows(grid);
    const int pairRow = 7;
    const std::pair<QLabel*, QLabel*> pairRows[] = {
        {plainLabel(QStringLiteral("はめあいの種類")), m_type},
        {m_looseName, m_looseValue},
        {m_tightName, m_tightValue},
        {plainLabel(QStringLiteral("はめあいの変動量")), m_fitTolerance},
    };
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(pairRows[i].first, pairRow + i, 0);
        grid->addWidget(pairRows[i].second, pairRow + i, 1, 1, 2);
    }
    m_fitTolerance->setToolTip(QStringLiteral("最大すきまと最小すきまの差（穴と軸の公差の和）"));
    m_notes->setObjectName(QStringLiteral("drawingNotes"));
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_notes->setMinimumHeight(3 * m_notes->fontMetrics().lineSpacing());
    steadyWidth(m_notes, QStringLiteral(
                             "φ3149.9999 ZC18/zc18 すきまばめ 最大すきま 0.000 最小すきま 0.000"));
    grid->addWidget(m_outlook, pairRow + 4, 0, 1, 3);
    grid->addWidget(m_notes, pairRow + 5, 0, 1, 3);
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    const QString copyHint =
        QStringLiteral("穴・軸の寸法許容差とはめあいを図面の表記でコピーします (Ctrl+C)");
    m_copyButton->setToolTip(copyHint);
    m_copyButton->setStatusTip(copyHint);
    grid->addWidget(m_copyButton, pairRow + 6, 0, 1, 3, Qt::AlignLeft);
    grid->setRowStretch(pairRow + 7, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

void FitsWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    QAction* quit = file->addAction(QStringLiteral("終了(&X)"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    // The calculation sheet is the core's, from what the window shows.
    new SheetActions(*this, *file, [this]() -> std::optional<tolerance::sheet::Sheet> {
        const auto asked = sheetAsked(inputs(), m_answer, m_service->typedFields(),
                                      m_service->answer(), m_outlook->distribution());
        return asked ? std::optional(tolerance::sheet::fitSheet(*asked, sheetFile::stamp()))
                     : std::nullopt;
    });
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    m_copyAction =
        edit->addAction(QStringLiteral("図面用にコピー(&C)"), this, &FitsWindow::copyFit);
    m_copyAction->setObjectName(QStringLiteral("copyAction"));
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setStatusTip(m_copyButton->statusTip());
    m_undoAction = edit->addAction(QStringLiteral("元に戻す(&U)"), this, &FitsWindow::undoPair);
    m_undoAction->setObjectName(QStringLiteral("undoPairAction"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setStatusTip(QStringLiteral("一覧から使った組の前の穴と軸に戻します"));
    m_undoAction->setEnabled(false);
}

QSize FitsWindow::contentSize() const
{
    const QWidget* content = findChild<QScrollArea*>(QStringLiteral("workbenchArea"))->widget();
    return content->sizeHint() +
           QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void FitsWindow::setTabChain()
{
    // Size, hole, shaft: a fit is typed without the mouse; then every figure in reading order,
    // the picture, and the finder.
    QList<QWidget*> chain = {m_size, m_hole, m_shaft, m_edition, m_service};
    // 使用条件's own fields and answers follow its box, in the order the group gave them.
    for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
        if (m_service->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus))
            chain << next;
    }
    for (const SideLabels& side : m_sides)
        chain << side.upper << side.lower << side.maximum << side.minimum;
    chain << m_type << m_looseValue << m_tightValue << m_fitTolerance << m_outlook << m_notes
          << m_copyButton << m_picture << m_finder;
    // The bearing's box last: the fit's figures follow its fields as they always have.
    chain << m_bearing->focusChain();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

Inputs FitsWindow::inputs() const
{
    return {m_size->text(), m_hole->currentText(), m_shaft->currentText(),
            m_edition->currentData().value<Edition>()};
}

void FitsWindow::refresh()
{
    const Inputs typed = inputs();
    m_answer = answerFor(typed);
    showProblem(m_size, m_sizeMessage, m_answer.sizeProblem);
    showProblem(m_hole, m_holeMessage, m_answer.holeProblem);
    showProblem(m_shaft, m_shaftMessage, m_answer.shaftProblem);
    showSide(Side::Hole, m_answer.hole);
    showSide(Side::Shaft, m_answer.shaft);
    showPair(m_answer);
    m_outlook->showFor(m_answer, typed.edition);
    m_spoken->setFit(fitTexts::fitSummary(m_answer));
    m_picture->show(m_answer.hole, m_answer.shaft);
    m_finder->setSize(m_answer.diameter, typed.edition);
    m_service->setFit(m_answer);
    // A close with bad input leaves what was kept before.
    m_complete = keptInputs(typed, m_answer);
}

void FitsWindow::showProblem(QWidget* field, QLabel* message, const QString& problem)
{
    QString lines = problem;
    lines.replace(QStringLiteral("。"), QStringLiteral("。\n"))
        .replace(u'（', QStringLiteral("\n（"));
    showOrHide(message, lines.trimmed());
    field->setAccessibleDescription(problem);
    m_spoken->setProblem(*field, problem);
}

void FitsWindow::showSide(Side side, const std::optional<SideFigures>& figures)
{
    const SideLabels& labels = labelsOf(side);
    const bool hole = side == Side::Hole;
    labels.head->setText((hole ? QStringLiteral("穴 ") : QStringLiteral("軸 ")) +
                         (figures ? figures->code : QString()));
    labels.upper->showValue(figures ? fitTexts::deviation(figures->upper) : QString());
    labels.lower->showValue(figures ? fitTexts::deviation(figures->lower) : QString());
    labels.maximum->showValue(figures ? fitTexts::millimetres(figures->maximum) : QString());
    labels.minimum->showValue(figures ? fitTexts::millimetres(figures->minimum) : QString());
    showOrHide(labels.source,
               figures ? (hole ? u"穴の" : u"軸の") +
                             (figures->given()
                                  ? fitTexts::givenSourceText(*figures)
                                  : fitTexts::sourceText(figures->source,
                                                         m_edition->currentData().value<Edition>()))
                       : QString());
}

void FitsWindow::showPair(const Answer& answer)
{
    // Copy stays on without a fit, to say that there is nothing to copy.
    const bool complete = answer.complete();
    m_copyButton->setEnabled(complete);
    if (!complete) {
        m_looseName->setText(QStringLiteral("最大すきま"));
        m_tightName->setText(QStringLiteral("最小すきま"));
        m_looseValue->setMeaning(m_looseName->text());
        m_tightValue->setMeaning(m_tightName->text());
        for (FigureLabel* label : {m_type, m_looseValue, m_tightValue, m_fitTolerance})
            label->showValue({});
        m_notes->showValue({});
        return;
    }
    const auto [loose, tight] = fitTexts::clearanceFigures(*answer.pair);
    m_type->showValue(fitTexts::typeName(answer.pair->type));
    m_looseName->setText(loose.name);
    m_tightName->setText(tight.name);
    m_looseValue->setMeaning(loose.name);
    m_tightValue->setMeaning(tight.name);
    m_looseValue->showValue(loose.value);
    m_tightValue->showValue(tight.value);
    m_fitTolerance->showValue(fitTexts::millimetres(tolerance::fitTolerance(*answer.pair)));
    m_notes->showValue(fitTexts::copyText(answer).trimmed());
}

void FitsWindow::choosePair(const QString& hole, const QString& shaft)
{
    const QString before = m_hole->currentText() + u'/' + m_shaft->currentText();
    m_replaced.append({m_hole->currentText(), m_shaft->currentText()});
    m_undoAction->setEnabled(true);
    setPair(hole, shaft);
    statusBar()->showMessage(
        QStringLiteral("%1/%2 を使いました（Ctrl+Z で %3 に戻します）").arg(hole, shaft, before));
}

void FitsWindow::undoPair()
{
    if (m_replaced.isEmpty())
        return;
    const auto [hole, shaft] = m_replaced.takeLast();
    m_undoAction->setEnabled(!m_replaced.isEmpty());
    setPair(hole, shaft);
    statusBar()->showMessage(QStringLiteral("%1/%2 に戻しました").arg(hole, shaft), 4000);
}

void FitsWindow::setPair(const QString& hole, const QString& shaft)
{
    {
        // The figures once for the whole pair, never for half of it.
        const QSignalBlocker holeQuiet(m_hole);
        const QSignalBlocker shaftQuiet(m_shaft);
        m_hole->setEditText(hole);
        m_shaft->setEditText(shaft);
    }
    refresh();
}

QString FitsWindow::copyText() const
{
    const QString fit = fitTexts::copyText(m_answer);
    return fit.isEmpty() ? fit : fit + m_service->copyLines();
}

void FitsWindow::copyFit()
{
    const QString text = copyText();
    if (text.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("コピーできるはめあいがありません"), 4000);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    statusBar()->showMessage(QStringLiteral("コピーしました: ") + text.section(u'\n', 2, 2), 4000);
}

void FitsWindow::restoreLast()
{
    if (const auto last = lastInputs::loadInputs()) {
        m_edition->setCurrentIndex(m_edition->findData(QVariant::fromValue(last->edition)));
        m_hole->setEditText(last->hole);
        m_shaft->setEditText(last->shaft);
        m_size->setText(last->size);
    } else {
        m_hole->setEditText(QStringLiteral("H7"));
        m_shaft->setEditText(QStringLiteral("g6"));
    }
    m_service->restore();
    const lastInputs::Window window = lastInputs::loadWindow();
    // Native Wayland lets no client place its window: only the size comes back there.
    const bool placed = platformChoice::currentPlatformPlacesWindows();
    if (placed && !window.geometry.isEmpty())
        restoreGeometry(window.geometry);
    else if (window.size.isValid())
        resize(window.size.expandedTo(minimumSizeHint()));
    // A window kept larger than this screen, or on a screen gone, comes back within this one.
    keepWithinScreen(*this, placed);
}

void FitsWindow::saveNow()
{
    // Where native Wayland reports no true place, the place kept from an X11 session stays.
    const bool placed = platformChoice::currentPlatformPlacesWindows();
    if (!isMaximized() && !isFullScreen())
        keepWithinScreen(*this, placed);
    lastInputs::save(m_complete, {placed ? saveGeometry() : QByteArray(), size()},
                     [this](QSettings& settings) { m_service->writeTo(settings); });
}

void FitsWindow::closeEvent(QCloseEvent* event)
{
    saveNow();
    event->accept();
}
