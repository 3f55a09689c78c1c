// SPDX-License-Identifier: MIT
#include "window/fits_window.h"

#include "desktop/platform_choice.h"
#include "resources/resources.h"
#include "window/class_box.h"
#include "window/copy_route.h"
#include "window/finder_panel.h"
#include "window/fit_texts.h"
#include "window/outlook_lines.h"
#include "window/service_panel.h"
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
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

using namespace workbench;
using tolerance::Edition;
using tolerance::Side;

namespace {

const QString kNone = QStringLiteral("—");

// A label whose changing text never moves the layout: as wide as the sample, whatever it shows.
// Word wrap would let the window shrink below what its labels need, so lines break only where
// the text says.
void steadyWidth(QLabel* label, const QString& sample)
{
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(sample));
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QLabel* figureLabel(const char* name)
{
    auto* label = new QLabel(kNone);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    steadyWidth(label, QStringLiteral("-3150.0000 "));
    return label;
}

// A problem reads in red on light and dark desktops alike.
QColor problemColour(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(255, 130, 120)
                                                             : QColor(180, 0, 0);
}

QLabel* messageLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText); // it quotes what was typed
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    steadyWidth(label, QStringLiteral("JS7x: この記号の公差クラスはありません"));
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
      m_shaftMessage(messageLabel("shaftMessage")), m_type(figureLabel("fitKind")),
      m_looseName(new QLabel), m_looseValue(figureLabel("looseValue")), m_tightName(new QLabel),
      m_tightValue(figureLabel("tightValue")), m_fitTolerance(figureLabel("fitTolerance")),
      m_outlook(new OutlookLines), m_notes(new QLabel),
      m_copyButton(new QPushButton(QStringLiteral("図面用にコピー(&C)"))),
      m_picture(new ZonePicture), m_finder(new FinderPanel), m_service(new ServicePanel)
{
    setObjectName(QStringLiteral("FitsWindow"));
    setWindowTitle(QStringLiteral("Tessaly はめあい計算"));
    setWindowIcon(tessaly::resources::windowIcon());

    auto* pictureBox = new QGroupBox(QStringLiteral("公差域（単位 µm）"));
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    pictureLayout->addWidget(m_picture);
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildResults(), 3);
    middle->addWidget(pictureBox, 2);
    auto* finderBox = new QGroupBox(QStringLiteral("はめあいを探す"));
    (new QVBoxLayout(finderBox))->addWidget(m_finder);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildInputs());
    layout->addWidget(m_service);
    layout->addLayout(middle, 3);
    layout->addWidget(finderBox, 2);
    setCentralWidget(central);
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
    connect(m_service, &ServicePanel::answered, this, [this] {
        m_picture->showWarm(m_service->warmZones());
        m_finder->setService(m_service->answer().search());
    });
    // Size, hole, shaft: a fit is typed without the mouse.
    setTabOrder(m_size, m_hole);
    setTabOrder(m_hole, m_shaft);
    setTabOrder(m_shaft, m_edition);
    m_size->setFocus();
    refresh();
    // Roomy where the screen allows, never larger than it.
    const QSize roomy =
        sizeHint().expandedTo(QSize(fontMetrics().height() * 60, fontMetrics().height() * 44));
    resize(screen() ? roomy.boundedTo(screen()->availableGeometry().size() * 0.9)
                          .expandedTo(minimumSizeHint())
                    : roomy);
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
        {m_edition, nullptr, QStringLiteral("規格(&E)"),
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
    grid->setRowMinimumHeight(2, 2 * fontMetrics().height());
    return box;
}

void FitsWindow::addSideRows(QGridLayout* grid)
{
    const char* names[2][6] = {
        {"holeHead", "holeUpper", "holeLower", "holeMaximum", "holeMinimum", "holeSource"},
        {"shaftHead", "shaftUpper", "shaftLower", "shaftMaximum", "shaftMinimum", "shaftSource"}};
    const QString rows[] = {QStringLiteral("上の寸法許容差"), QStringLiteral("下の寸法許容差"),
                            QStringLiteral("最大許容寸法"), QStringLiteral("最小許容寸法")};
    grid->addWidget(new QLabel(QStringLiteral("mm")), 0, 0);
    for (int side = 0; side < 2; ++side) {
        SideLabels& labels = m_sides[side];
        labels.head = new QLabel(side == 0 ? QStringLiteral("穴") : QStringLiteral("軸"));
        labels.head->setObjectName(QString::fromLatin1(names[side][0]));
        labels.head->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(labels.head, 0, side + 1);
        QLabel** figures[] = {&labels.upper, &labels.lower, &labels.maximum, &labels.minimum};
        for (int row = 0; row < 4; ++row) {
            if (side == 0)
                grid->addWidget(new QLabel(rows[row]), row + 1, 0);
            QLabel* figure = figureLabel(names[side][row + 1]);
            figure->setAccessibleName((side == 0 ? u"穴の" : u"軸の") + rows[row]);
            grid->addWidget(figure, row + 1, side + 1);
            *figures[row] = figure;
        }
        labels.source = new QLabel;
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
        {new QLabel(QStringLiteral("はめあいの種類")), m_type},
        {m_looseName, m_looseValue},
        {m_tightName, m_tightValue},
        {new QLabel(QStringLiteral("はめあいの変動量")), m_fitTolerance},
    };
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(pairRows[i].first, pairRow + i, 0);
        grid->addWidget(pairRows[i].second, pairRow + i, 1, 1, 2);
    }
    m_fitTolerance->setToolTip(QStringLiteral("最大すきまと最小すきまの差（穴と軸の公差の和）"));
    m_notes->setObjectName(QStringLiteral("drawingNotes"));
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes->setAccessibleName(QStringLiteral("図面用の表記"));
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
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    m_copyAction =
        edit->addAction(QStringLiteral("図面用にコピー(&C)"), this, &FitsWindow::copyFit);
    m_copyAction->setObjectName(QStringLiteral("copyAction"));
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setStatusTip(m_copyButton->statusTip());
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
    message->setText(lines.trimmed());
    field->setAccessibleDescription(problem);
}

void FitsWindow::showSide(Side side, const std::optional<SideFigures>& figures)
{
    const SideLabels& labels = labelsOf(side);
    const bool hole = side == Side::Hole;
    labels.head->setText((hole ? QStringLiteral("穴 ") : QStringLiteral("軸 ")) +
                         (figures ? figures->code : QString()));
    labels.upper->setText(figures ? fitTexts::deviation(figures->upper) : kNone);
    labels.lower->setText(figures ? fitTexts::deviation(figures->lower) : kNone);
    labels.maximum->setText(figures ? fitTexts::millimetres(figures->maximum) : kNone);
    labels.minimum->setText(figures ? fitTexts::millimetres(figures->minimum) : kNone);
    const Edition edition = m_edition->currentData().value<Edition>();
    labels.source->setText(figures ? (hole ? u"穴の" : u"軸の") +
                                         (figures->given()
                                              ? QStringLiteral("寸法許容差: 入力した値")
                                              : fitTexts::sourceText(figures->source, edition))
                                   : QString());
}

void FitsWindow::showPair(const Answer& answer)
{
    const bool complete = answer.complete();
    m_copyButton->setEnabled(complete);
    m_copyAction->setEnabled(complete);
    if (!complete) {
        for (QLabel* label : {m_type, m_looseValue, m_tightValue, m_fitTolerance})
            label->setText(kNone);
        m_looseName->setText(QStringLiteral("最大すきま"));
        m_tightName->setText(QStringLiteral("最小すきま"));
        m_notes->clear();
        return;
    }
    const auto [loose, tight] = fitTexts::clearanceFigures(*answer.pair);
    m_type->setText(fitTexts::typeName(answer.pair->type));
    m_looseName->setText(loose.name);
    m_looseValue->setText(loose.value);
    m_tightName->setText(tight.name);
    m_tightValue->setText(tight.value);
    m_looseValue->setAccessibleName(loose.name);
    m_tightValue->setAccessibleName(tight.name);
    m_fitTolerance->setText(fitTexts::millimetres(tolerance::fitTolerance(*answer.pair)));
    m_notes->setText(fitTexts::copyText(answer).trimmed());
}

void FitsWindow::choosePair(const QString& hole, const QString& shaft)
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
    if (platformChoice::currentPlatformPlacesWindows() && !window.geometry.isEmpty())
        restoreGeometry(window.geometry);
    else if (window.size.isValid())
        resize(window.size.expandedTo(minimumSizeHint()));
}

void FitsWindow::saveNow()
{
    // Where native Wayland reports no true place, the place kept from an X11 session stays.
    const bool placed = platformChoice::currentPlatformPlacesWindows();
    lastInputs::save(m_complete, {placed ? saveGeometry() : QByteArray(), size()});
    m_service->save();
}

void FitsWindow::closeEvent(QCloseEvent* event)
{
    saveNow();
    event->accept();
}
