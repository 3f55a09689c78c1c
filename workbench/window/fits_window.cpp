// SPDX-License-Identifier: MIT
#include "window/fits_window.h"

#include "desktop/access_keys.h"
#include "desktop/answer_first.h"
#include "desktop/language_menu.h"
#include "desktop/language_texts.h"
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
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMargins>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace workbench;
using tolerance::Edition;
using tolerance::Side;

namespace {

void showOrHide(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

// Wraps its lines within a fixed height. Not asked for a height at its width: the window would
// then be laid out at its preferred height, never at its least.
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
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, problemColour(palette));
    label->setPalette(palette);
    return label;
}

// A name in a sentence as the head of a row: "maximum clearance" as "Maximum clearance".
QString headed(const QString& name)
{
    return name.isEmpty() ? name : name.front().toUpper() + name.mid(1);
}

QComboBox* classBox(Side side, const char* name)
{
    auto* combo = new ClassBox(side);
    combo->setObjectName(QString::fromLatin1(name));
    return combo;
}

} // namespace

FitsWindow::FitsWindow(QWidget* parent)
    : QMainWindow(parent), m_size(new QLineEdit), m_hole(classBox(Side::Hole, "holeClass")),
      m_shaft(classBox(Side::Shaft, "shaftClass")), m_edition(new QComboBox),
      m_sizeMessage(messageLabel("sizeMessage")), m_holeMessage(messageLabel("holeMessage")),
      m_shaftMessage(messageLabel("shaftMessage")), m_type(figureLabel("fitKind", {})),
      m_looseName(plainLabel()), m_looseValue(figureLabel("looseValue", {})),
      m_tightName(plainLabel()), m_tightValue(figureLabel("tightValue", {})),
      m_fitTolerance(figureLabel("fitTolerance", {})), m_notes(new FigureLabel),
      m_copyButton(new QPushButton), m_spoken(new SpokenChanges(*this)), m_picture(new ZonePicture),
      m_finder(new FinderPanel), m_service(new ServicePanel), m_texts(new LanguageTexts(*this))
{
    {
        QSettings store = lastInputs::store();
        m_languageChoice = language::kept(store);
    }
    setObjectName(QStringLiteral("FitsWindow"));
    m_texts->add([this] {
        setWindowTitle(tr("Tessaly はめあい計算"));
        m_type->setMeaning(tr("はめあいの種類"));
        m_fitTolerance->setMeaning(tr("はめあいの変動量"));
        m_notes->setMeaning(tr("図面用の表記"));
        m_copyButton->setText(tr("図面用にコピー(&C)"));
        // The type as wide as its longest name with the margins a figure keeps for its focus
        // frame ("interference fit" lost its last letter without them), or a figure's width
        // where that is wider.
        const QString figure = QStringLiteral("-3150.0000 ");
        steadyWidth(m_type, figure);
        const QMargins margins = m_type->contentsMargins();
        int least = m_type->fontMetrics().horizontalAdvance(figure);
        for (const auto type : {tolerance::FitType::Clearance, tolerance::FitType::Transition,
                                tolerance::FitType::Interference}) {
            least =
                std::max(least, m_type->fontMetrics().horizontalAdvance(fitTexts::typeName(type)) +
                                    margins.left() + margins.right());
        }
        m_type->setMinimumWidth(least);
        for (QLabel* message : {m_sizeMessage, m_holeMessage, m_shaftMessage})
            steadyWidth(message, tr("h7 は軸の公差クラスです。　", "the width of a problem"));
    });
    setWindowIcon(tessaly::resources::windowIcon());

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildInputs());
    // The answer first: the fit's figures and its zones on top, never cut above the
    // clearances; below them the finder and 使用条件 as pages that give way.
    m_body = new AnswerFirst(buildAnswer(), m_fitTolerance);
    m_body->setObjectName(QStringLiteral("workbenchBody"));
    m_body->addTool(m_finder, {});
    m_body->addTool(buildServicePage(), {});
    // A bearing by its number fills the size and a side: a tool like the others.
    m_bearing = new BearingBox(*m_spoken);
    auto* bearingPage = new QWidget;
    bearingPage->setObjectName(QStringLiteral("bearingPage"));
    auto* bearingColumn = new QVBoxLayout(bearingPage);
    bearingColumn->setContentsMargins(0, 0, 0, 0);
    bearingColumn->addWidget(m_bearing);
    bearingColumn->addStretch(1); // the box at its own height, the page's room below it
    m_body->addTool(bearingPage, {});
    m_texts->add([this, bearingPage] {
        m_body->setToolTitle(m_finder, tr("はめあいを探す"));
        m_body->setToolTitle(m_servicePage, tr("使用条件"));
        m_body->setToolTitle(bearingPage, tr("軸受"));
    });
    layout->addWidget(m_body, 1);
    setCentralWidget(central);
    accessKeys::install(*this, [this](QWidget& control) { return reveal(control); });
    buildMenus();
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
    connect(m_bearing, &BearingBox::bearingChanged, this, [this] {
        m_finder->setRing(ringSearchOf(m_answer, m_bearing->bearing()));
        // What the number names and the classes recommended are what it was typed for: on a
        // low screen the page gives them room rather than cutting them off under the fields.
        QTimer::singleShot(0, m_bearing, [this] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            if (m_bearing->summary()->isVisible())
                m_body->bringIntoView(m_bearing->summary());
        });
    });
    m_service->setSpokenChanges(m_spoken);
    connect(m_service, &ServicePanel::answered, this, [this] {
        m_picture->showWarm(m_service->warmZones());
        m_finder->setService(m_service->answer().search());
        if (m_service->isChecked())
            holdServicePage();
    });
    connect(m_service, &QGroupBox::toggled, this, [this](bool open) {
        m_serviceFolded->setVisible(!open);
        if (open)
            showService();
    });
    setTabChain();
    m_size->setFocus();
    refresh();
    // Figures, problems and the lines for a drawing in the new words, and the status bar's line:
    // the tip of the field the focus is in, or what the window does.
    const auto statusLine = [this] {
        const QWidget* focus = focusWidget();
        statusBar()->showMessage(
            focus && !focus->statusTip().isEmpty()
                ? focus->statusTip()
                : tr("寸法と穴・軸の公差クラスを入力すると、すぐに計算します"));
    };
    statusBar()->showMessage(tr("寸法と穴・軸の公差クラスを入力すると、すぐに計算します"));
    m_texts->thenRedo([this, statusLine] {
        refresh();
        statusLine();
    });
}

QWidget* FitsWindow::buildInputs()
{
    struct Field
    {
        QWidget* widget;
        QLabel* message;
        QString (*label)();
        QString (*hint)();
    };
    m_size->setObjectName(QStringLiteral("sizeField"));
    m_edition->setObjectName(QStringLiteral("edition"));
    for (const Edition edition : {Edition::Jis1984, Edition::Iso2010})
        m_edition->addItem(fitTexts::editionName(edition), QVariant::fromValue(edition));
    m_texts->add([this] { m_size->setPlaceholderText(tr("例: 35")); });
    const Field fields[] = {
        {m_size, m_sizeMessage, [] { return tr("呼び寸法 mm(&S)"); },
         [] { return tr("呼び寸法を mm で入力します（0 を超え 3150 以下、小数 4 桁まで）"); }},
        {m_hole, m_holeMessage, [] { return tr("穴の公差クラス(&H)"); },
         [] {
             return tr("穴の公差クラス。一覧から選ぶか、H7 のように大文字で入力します。"
                       "買う部品は寸法許容差を 0/-0.009 のように入力できます");
         }},
        {m_shaft, m_shaftMessage, [] { return tr("軸の公差クラス(&J)"); },
         [] {
             return tr("軸の公差クラス。一覧から選ぶか、g6 のように小文字で入力します。"
                       "買う部品は寸法許容差を +0.021/+0.008 のように入力できます");
         }},
        {m_edition, nullptr, [] { return tr("規格(&K)"); },
         [] { return tr("JIS B 0401 (1984) の表か、JIS B 0401:2016 (= ISO 286:2010) か"); }},
    };
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    int column = 0;
    for (const Field& field : fields) {
        auto* label = new QLabel;
        label->setBuddy(field.widget);
        m_texts->add([label, field] {
            label->setText(field.label());
            field.widget->setAccessibleName(accessKeys::withoutKey(label->text()));
            field.widget->setToolTip(field.hint());
            field.widget->setStatusTip(field.widget->toolTip());
        });
        grid->addWidget(label, 0, column);
        grid->addWidget(field.widget, 1, column);
        if (field.message)
            grid->addWidget(field.message, 2, column, Qt::AlignTop);
        grid->setColumnStretch(column, 1);
        ++column;
    }
    return box;
}

FitsWindow::SideLabels& FitsWindow::labelsOf(Side side)
{
    return m_sides[side == Side::Hole ? 0 : 1];
}

void FitsWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QString());
    file->setObjectName(QStringLiteral("fileMenu"));
    QAction* quit = file->addAction(QString(), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    // The calculation sheet is the core's, from what the window shows.
    new SheetActions(*this, *file, [this]() -> std::optional<tolerance::sheet::Sheet> {
        const auto asked = sheetAsked(inputs(), m_answer, m_service->typedFields(),
                                      m_service->answer(), m_outlook->distribution());
        return asked ? std::optional(tolerance::sheet::fitSheet(*asked, sheetFile::stamp(),
                                                                SheetActions::words()))
                     : std::nullopt;
    });
    QMenu* edit = menuBar()->addMenu(QString());
    edit->setObjectName(QStringLiteral("editMenu"));
    m_copyAction = edit->addAction(QString(), this, &FitsWindow::copyFit);
    m_copyAction->setObjectName(QStringLiteral("copyAction"));
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_undoAction = edit->addAction(QString(), this, &FitsWindow::undoPair);
    m_undoAction->setObjectName(QStringLiteral("undoPairAction"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setEnabled(false);
    m_texts->add([this, file, quit, edit] {
        file->setTitle(tr("ファイル(&F)"));
        quit->setText(tr("終了(&X)"));
        edit->setTitle(tr("編集(&E)"));
        m_copyAction->setText(tr("図面用にコピー(&C)"));
        m_copyAction->setStatusTip(m_copyButton->statusTip());
        m_undoAction->setText(tr("元に戻す(&U)"));
        m_undoAction->setStatusTip(tr("一覧から使った組の前の穴と軸に戻します"));
    });
    m_language = new LanguageMenu(*menuBar(), m_languageChoice);
}

void FitsWindow::setTabChain()
{
    // Size, hole, shaft: a fit is typed without the mouse; then every figure in reading order,
    // the picture, the tabs of the tools below and the page shown.
    QList<QWidget*> chain = {m_size, m_hole, m_shaft, m_edition};
    for (const SideLabels& side : m_sides)
        chain << side.upper << side.lower << side.maximum << side.minimum;
    chain << m_type << m_looseValue << m_tightValue << m_fitTolerance << m_outlook->tabOrder()
          << m_notes << m_copyButton << m_picture << m_body->findChild<QTabBar*>()
          << m_body->findChild<QToolButton*>() << m_finder << m_service;
    // 使用条件's own fields and answers follow its box, in the order the group gave them.
    for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
        if (m_service->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus))
            chain << next;
    }
    // The bearing's fields on their page, last.
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
    m_finder->setRing(ringSearchOf(m_answer, m_bearing->bearing()));
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
    labels.head->setText(
        (hole ? tr("穴 %1") : tr("軸 %1")).arg(figures ? figures->code : QString()));
    labels.upper->showValue(figures ? fitTexts::deviation(figures->upper) : QString());
    labels.lower->showValue(figures ? fitTexts::deviation(figures->lower) : QString());
    labels.maximum->showValue(figures ? fitTexts::millimetres(figures->maximum) : QString());
    labels.minimum->showValue(figures ? fitTexts::millimetres(figures->minimum) : QString());
    const auto source = [&] {
        return figures->given() ? fitTexts::givenSourceText(*figures)
                                : fitTexts::sourceText(figures->source,
                                                       m_edition->currentData().value<Edition>());
    };
    showOrHide(labels.source,
               figures ? (hole ? tr("穴の%1") : tr("軸の%1")).arg(source()) : QString());
}

void FitsWindow::showPair(const Answer& answer)
{
    // Copy stays on without a fit, to say that there is nothing to copy.
    const bool complete = answer.complete();
    m_copyButton->setEnabled(complete);
    if (!complete) {
        const auto [loose, tight] = fitTexts::clearanceNames();
        m_looseName->setText(headed(loose));
        m_tightName->setText(headed(tight));
        m_looseValue->setMeaning(m_looseName->text());
        m_tightValue->setMeaning(m_tightName->text());
        for (FigureLabel* label : {m_type, m_looseValue, m_tightValue, m_fitTolerance})
            label->showValue({});
        m_notes->showValue({});
        return;
    }
    const auto [loose, tight] = fitTexts::clearanceFigures(*answer.pair);
    m_type->showValue(fitTexts::typeName(answer.pair->type));
    m_looseName->setText(headed(loose.name));
    m_tightName->setText(headed(tight.name));
    m_looseValue->setMeaning(loose.name);
    m_tightValue->setMeaning(tight.name);
    m_looseValue->showValue(loose.value);
    m_tightValue->showValue(tight.value);
    m_fitTolerance->showValue(fitTexts::millimetres(tolerance::fitTolerance(*answer.pair)));
    const QString notes = fitTexts::copyText(answer).trimmed();
    m_notes->showValue(notes);
    // Three lines at least, four in English, whose pair line takes two: never one under the
    // button where the window gives the answer little height.
    m_notes->setMinimumHeight(int(std::max<qsizetype>(3, notes.count(u'\n') + 1)) *
                              m_notes->fontMetrics().lineSpacing());
}

void FitsWindow::choosePair(const QString& hole, const QString& shaft)
{
    const QString before = m_hole->currentText() + u'/' + m_shaft->currentText();
    m_replaced.append({m_hole->currentText(), m_shaft->currentText()});
    m_undoAction->setEnabled(true);
    setPair(hole, shaft);
    statusBar()->showMessage(
        tr("%1/%2 を使いました（Ctrl+Z で %3 に戻します）").arg(hole, shaft, before));
}

void FitsWindow::undoPair()
{
    if (m_replaced.isEmpty())
        return;
    const auto [hole, shaft] = m_replaced.takeLast();
    m_undoAction->setEnabled(!m_replaced.isEmpty());
    setPair(hole, shaft);
    statusBar()->showMessage(tr("%1/%2 に戻しました").arg(hole, shaft), 4000);
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
        statusBar()->showMessage(tr("コピーできるはめあいがありません"), 4000);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    statusBar()->showMessage(tr("コピーしました: %1").arg(text.section(u'\n', 2, 2)), 4000);
}
