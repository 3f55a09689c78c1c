// SPDX-License-Identifier: MIT
#include "stack_window.h"

#include "answer_panel.h"
#include "desktop/access_keys.h"
#include "desktop/accessibility/announcer.h"
#include "desktop/language_menu.h"
#include "desktop/language_texts.h"
#include "desktop/platform_choice.h"
#include "desktop/sheet/sheet_actions.h"
#include "desktop/sheet/sheet_file.h"
#include "desktop/work_area.h"
#include "general_lookup.h"
#include "members_panel.h"
#include "resources/resources.h"
#include "share_chart.h"
#include "window_texts.h"

#include "tolerance/sheet/stack_sheet.h"
#include "tolerance/stack/shares.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString title()
{
    return StackWindow::tr("Tessaly 公差の積み上げ");
}

QString filter()
{
    return StackWindow::tr("公差の積み上げ (*.json);;すべてのファイル (*)");
}

constexpr int kRestMs = 600;

QAction* action(QMenu* menu, const char* name, const QList<QKeySequence>& keys)
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcuts(keys);
    return a;
}

} // namespace

StackWindow::StackWindow(QWidget* parent)
    : QMainWindow(parent), m_answer(new AnswerPanel), m_members(new MembersPanel(m_model.table())),
      m_chart(new ShareChart), m_general(new GeneralLookup), m_tools(new QTabWidget),
      m_splitter(new QSplitter), m_texts(new LanguageTexts(*this))
{
    setObjectName(QStringLiteral("StackWindow"));
    {
        QSettings store = lastChain::store();
        m_languageChoice = language::kept(store);
    }
    setWindowIcon(tessaly::resources::windowIcon());
    setCentralWidget(buildCentre());
    buildMenus();
    statusBar()->showMessage(
        tr("部品を追加 (Ctrl++) して向き・呼び寸法・公差を入力すると、すぐに計算します"));

    m_rest.setSingleShot(true);
    m_rest.setInterval(kRestMs);
    connect(&m_rest, &QTimer::timeout, this, [this] {
        // A problem first, with its row; else a new answer. Nothing is said twice.
        if (!m_problem.isEmpty() && m_problem != m_saidProblem)
            say(m_problem);
        else if (m_model.answer()) {
            const QString answer = windowTexts::spokenAnswer(*m_model.answer());
            if (answer != m_saidAnswer)
                say(answer);
            m_saidAnswer = answer;
        }
        m_saidProblem = m_problem;
    });
    connect(&m_model, &StackModel::answered, this, &StackWindow::showAnswer);
    connect(&m_model, &StackModel::monteCarloChanged, this,
            [this] { m_answer->showMonteCarlo(m_model); });
    connect(&m_model, &StackModel::fileChanged, this, &StackWindow::showTitle);
    connect(&m_model, &StackModel::settingsReplaced, this,
            [this] { m_answer->showSettings(m_model); });
    connect(m_answer, &AnswerPanel::requirementEdited, &m_model, &StackModel::setRequirement);
    connect(m_answer, &AnswerPanel::distributionChosen, &m_model, &StackModel::setDistribution);
    connect(m_members, &MembersPanel::problemShown, this, [this](const QString& problem) {
        m_problem = problem;
        m_rest.start();
    });
    connect(&m_model.table(), &MemberTable::undoChanged, this, [this] {
        m_undo->setEnabled(m_model.table().canUndo());
        m_redo->setEnabled(m_model.table().canRedo());
    });
    setTabChain();
    // Alt and a letter reaches a control on the tools' page not shown, and never types its
    // letter into the cell or field with the focus.
    accessKeys::install(*this, [this](QWidget& control) { return reveal(control); });
    showAnswer();
    showTitle();
    // The model's problems and names in the new words; the answer shown again with them.
    const auto statusLine = [this] {
        const QWidget* focus = focusWidget();
        statusBar()->showMessage(
            focus && !focus->statusTip().isEmpty()
                ? focus->statusTip()
                : tr("部品を追加 (Ctrl++) して向き・呼び寸法・公差を入力すると、すぐに計算します"));
    };
    m_texts->thenRedo([this, statusLine] {
        statusLine();
        m_model.retranslate();
        showTitle();
        showShares();
    });
    m_members->view()->setFocus();
}

bool StackWindow::reveal(QWidget& control)
{
    for (int page = 0; page < m_tools->count(); ++page) {
        if (!m_tools->widget(page)->isAncestorOf(&control))
            continue;
        m_tools->setCurrentIndex(page);
        // Folded away by the splitter, the tools get their share back.
        if (const QList<int> sizes = m_splitter->sizes(); sizes.value(1) == 0)
            m_splitter->setSizes({sizes.value(0) * 3 / 5, sizes.value(0) * 2 / 5});
        return true;
    }
    return false;
}

QWidget* StackWindow::buildCentre()
{
    auto* chartArea = new QScrollArea;
    chartArea->setObjectName(QStringLiteral("shareArea"));
    chartArea->setWidget(m_chart);
    chartArea->setWidgetResizable(true);
    chartArea->setFrameShape(QFrame::NoFrame);
    chartArea->setFocusPolicy(Qt::NoFocus); // the chart itself is the stop, read as a whole
    m_tools->setObjectName(QStringLiteral("tools"));
    m_tools->addTab(chartArea, QString());
    m_tools->addTab(m_general, QString());
    m_texts->add([this] {
        m_tools->setTabText(0, tr("寄与率(&C)"));
        m_tools->setTabText(1, tr("普通公差(&G)"));
    });
    m_tools->setDocumentMode(true);

    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->addWidget(m_members);
    m_splitter->addWidget(m_tools);
    m_splitter->setStretchFactor(0, 3);
    m_splitter->setStretchFactor(1, 2);
    // On a narrow screen the tools fold away entirely, never the table.
    m_splitter->setCollapsible(0, false);
    m_splitter->setChildrenCollapsible(true);
    m_splitter->setCollapsible(0, false);

    auto* centre = new QWidget;
    auto* layout = new QVBoxLayout(centre);
    layout->addWidget(m_answer);
    layout->addWidget(m_splitter, 1);
    return centre;
}

void StackWindow::buildMenus()
{
    // Each action with its words, set again when the language changes.
    const auto words = [this](QAction* a, QString (*text)(), QString (*hint)()) {
        m_texts->add([a, text, hint] {
            a->setText(text());
            if (hint)
                a->setStatusTip(hint());
        });
        return a;
    };
    QMenu* file = menuBar()->addMenu(QString());
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(words(
                action(file, "newAction", {QKeySequence::New}), [] { return tr("新規(&N)"); },
                [] { return tr("空の積み上げを始めます"); }),
            &QAction::triggered, this, &StackWindow::newChain);
    connect(words(
                action(file, "openAction", {QKeySequence::Open}), [] { return tr("開く(&O)…"); },
                [] { return tr("積み上げのファイル (.json) を開きます"); }),
            &QAction::triggered, this, &StackWindow::openChosen);
    m_recentMenu = file->addMenu(QString());
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    file->addSeparator();
    connect(words(
                action(file, "saveAction", {QKeySequence::Save}), [] { return tr("保存(&S)"); },
                [] { return tr("積み上げをファイルに保存します"); }),
            &QAction::triggered, this, &StackWindow::save);
    connect(words(
                action(file, "saveAsAction", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
                [] { return tr("名前を付けて保存(&A)…"); },
                [] { return tr("積み上げを新しいファイルに保存します"); }),
            &QAction::triggered, this, &StackWindow::saveAs);
    file->addSeparator();
    connect(words(
                action(file, "quitAction", {QKeySequence::Quit}), [] { return tr("終了(&X)"); },
                nullptr),
            &QAction::triggered, this, &QWidget::close);
    // The calculation sheet is the core's, from the chain the window answers.
    new SheetActions(*this, *file, [this]() -> std::optional<tolerance::sheet::Sheet> {
        if (!m_model.chain() || !m_model.answer())
            return std::nullopt;
        return tolerance::sheet::stackSheet(
            {m_model.kept().chain, *m_model.chain(), m_model.monteCarlo()}, sheetFile::stamp(),
            SheetActions::words());
    });

    QMenu* edit = menuBar()->addMenu(QString());
    edit->setObjectName(QStringLiteral("editMenu"));
    m_undo = words(
        action(edit, "undoAction", {QKeySequence::Undo}), [] { return tr("元に戻す(&U)"); },
        [] { return tr("部品の表の変更を一つ戻します"); });
    m_redo = words(
        action(
            edit, "redoAction",
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}),
        [] { return tr("やり直し(&R)"); }, [] { return tr("戻した変更をやり直します"); });
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    connect(m_undo, &QAction::triggered, this, [this] { undo(true); });
    connect(m_redo, &QAction::triggered, this, [this] { undo(false); });
    edit->addSeparator();
    connect(words(
                action(edit, "addAction",
                       {QKeySequence(Qt::CTRL | Qt::Key_Plus),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus),
                        QKeySequence(Qt::CTRL | Qt::Key_Insert)}),
                [] { return tr("部品を追加(&I)"); },
                [] { return tr("選んだ部品の下に部品を追加します"); }),
            &QAction::triggered, m_members, &MembersPanel::addMember);
    connect(words(
                action(edit, "removeAction",
                       {QKeySequence(Qt::CTRL | Qt::Key_Minus),
                        QKeySequence(Qt::CTRL | Qt::Key_Delete)}),
                [] { return tr("部品を削除(&D)"); }, [] { return tr("選んだ部品を削除します"); }),
            &QAction::triggered, m_members, &MembersPanel::removeMember);
    connect(words(
                action(edit, "upAction", {QKeySequence(Qt::ALT | Qt::Key_Up)}),
                [] { return tr("上へ移動(&P)"); }, nullptr),
            &QAction::triggered, this, [this] { m_members->moveMember(-1); });
    connect(words(
                action(edit, "downAction", {QKeySequence(Qt::ALT | Qt::Key_Down)}),
                [] { return tr("下へ移動(&W)"); }, nullptr),
            &QAction::triggered, this, [this] { m_members->moveMember(1); });
    m_texts->add([this, file, edit] {
        file->setTitle(tr("ファイル(&F)"));
        m_recentMenu->setTitle(tr("最近使ったファイル(&R)"));
        edit->setTitle(tr("編集(&E)"));
    });
    m_language = new LanguageMenu(*menuBar(), m_languageChoice);
}

void StackWindow::setTabChain()
{
    // The table first (a chain is typed there), its buttons, the tools; then the answer's fields
    // and figures, which Shift+Tab reaches at once from the table.
    QList<QWidget*> chain = {m_members->view()};
    for (const char* name : {"addMember", "removeMember", "moveUp", "moveDown"})
        chain << m_members->findChild<QWidget*>(QString::fromLatin1(name));
    chain << m_tools << m_chart << m_general->sizeField() << m_general->classBox()
          << m_answer->requirementField() << m_answer->distributionBox();
    chain << m_answer->figures();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void StackWindow::showAnswer()
{
    m_answer->showAnswer(m_model);
    showShares();
    if (m_model.answer())
        m_rest.start();
}

void StackWindow::showShares()
{
    const auto& answer = m_model.answer();
    if (!answer) {
        m_chart->showShares({});
        return;
    }
    std::vector<double> variance;
    std::vector<double> worst;
    for (const auto& share : answer->shares) {
        variance.push_back(share.variance);
        worst.push_back(share.worstCase);
    }
    const std::vector<int> varianceTenths = tolerance::stack::tenthsOfPercent(variance);
    const std::vector<int> worstTenths = tolerance::stack::tenthsOfPercent(worst);
    std::vector<ShareChart::Bar> bars;
    const auto& members = m_model.chain()->members;
    for (std::size_t i = 0; i < members.size(); ++i)
        bars.push_back(
            {QString::fromStdString(members[i].name), varianceTenths[i], worstTenths[i]});
    m_chart->showShares(std::move(bars));
}

void StackWindow::showTitle()
{
    const QString file = m_model.filePath();
    setWindowTitle(
        file.isEmpty() ? title() : QFileInfo(file).fileName() + QStringLiteral("[*] - ") + title());
    setWindowModified(!file.isEmpty() && m_model.modified());
    fillRecentMenu();
}

void StackWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_model.recentFiles();
    m_recentMenu->setEnabled(!files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* recent = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(recent, &QAction::triggered, this, [this, path] {
            if (keepChanges())
                openFile(path);
        });
    }
}

void StackWindow::undo(bool back)
{
    const QModelIndex at = back ? m_model.table().undo() : m_model.table().redo();
    if (at.isValid())
        m_members->goTo(at.row(), at.column());
    statusBar()->showMessage(back ? tr("元に戻しました") : tr("やり直しました"), 3000);
}

void StackWindow::say(const QString& text)
{
    accessibility::announce(*this, text);
}

bool StackWindow::keepChanges()
{
    if (!m_model.modified() || m_model.table().rowCount() == 0)
        return true;
    QMessageBox ask(QMessageBox::Question, title(), tr("積み上げは変更されています。保存しますか?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    ask.setObjectName(QStringLiteral("keepChanges"));
    ask.button(QMessageBox::Save)->setText(tr("保存(&S)"));
    ask.button(QMessageBox::Discard)->setText(tr("保存しない(&N)"));
    ask.button(QMessageBox::Cancel)->setText(tr("キャンセル"));
    ask.setDefaultButton(QMessageBox::Save);
    switch (ask.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool StackWindow::newChain()
{
    if (!keepChanges())
        return false;
    m_model.newChain();
    m_answer->showSettings(m_model);
    statusBar()->showMessage(tr("新しい積み上げです"), 3000);
    return true;
}

void StackWindow::openChosen()
{
    if (!keepChanges())
        return;
    const QString folder = m_model.filePath().isEmpty()
                               ? QDir::homePath()
                               : QFileInfo(m_model.filePath()).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, tr("積み上げを開く"), folder, filter());
    if (!path.isEmpty())
        openFile(path);
}

bool StackWindow::openFile(const QString& path)
{
    if (const auto problem = m_model.open(path)) {
        QMessageBox::warning(
            this, title(),
            tr("%1 を開けませんでした。\n%2").arg(QDir::toNativeSeparators(path), *problem));
        return false;
    }
    m_answer->showSettings(m_model);
    m_members->goTo(0, 0);
    statusBar()->showMessage(tr("開きました: %1").arg(QDir::toNativeSeparators(path)), 4000);
    return true;
}

bool StackWindow::save()
{
    return m_model.filePath().isEmpty() ? saveAs() : saveTo(m_model.filePath());
}

bool StackWindow::saveAs()
{
    if (const QString problem = m_model.saveProblem(); !problem.isEmpty()) {
        statusBar()->showMessage(tr("保存できません: %1").arg(problem), 6000);
        say(tr("保存できません。%1").arg(problem));
        if (const auto row = m_model.table().firstProblem())
            m_members->goTo(row->first, 0);
        return false;
    }
    QFileDialog dialog(this, tr("名前を付けて保存"),
                       m_model.filePath().isEmpty() ? QDir::homePath() : m_model.filePath(),
                       filter());
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveTo(dialog.selectedFiles().constFirst());
}

bool StackWindow::saveTo(const QString& path)
{
    if (const auto problem = m_model.saveAs(path)) {
        if (const auto row = m_model.table().firstProblem()) {
            statusBar()->showMessage(tr("保存できません: %1").arg(*problem), 6000);
            say(tr("保存できません。%1").arg(*problem));
            m_members->goTo(row->first, 0);
            return false;
        }
        QMessageBox::warning(
            this, title(),
            tr("%1 に保存できませんでした。\n%2").arg(QDir::toNativeSeparators(path), *problem));
        return false;
    }
    statusBar()->showMessage(tr("保存しました: %1").arg(QDir::toNativeSeparators(path)), 4000);
    return true;
}

void StackWindow::restoreLast()
{
    m_model.setRecentFiles(lastChain::recentFiles());
    if (const auto kept = lastChain::loadChain())
        m_model.restore(*kept);
    m_answer->showSettings(m_model);
    showTitle();
    if (m_model.table().rowCount() > 0)
        m_members->goTo(0, 0);
    const lastChain::Window window = lastChain::loadWindow();
    if (!window.splitter.isEmpty())
        m_splitter->restoreState(window.splitter);
    m_tools->setCurrentIndex(window.toolPage);
    // Native Wayland lets no client place its window: only the size comes back there.
    const bool place = platformChoice::currentPlatformPlacesWindows();
    const workArea::Kept kept = place ? workArea::keptFrame(window.geometry) : workArea::Kept{};
    const QMargins margins = kept.frame.isValid() ? kept.margins : workArea::frameMargins(*this);
    QRect frame = kept.frame;
    if (!frame.isValid() && window.size.isValid())
        frame = QRect(QPoint(), window.size.expandedTo(minimumSizeHint()).grownBy(margins));
    if (!frame.isValid()) {
        // A first start: roomy where the screen allows, as large as it where it does not.
        const int line = fontMetrics().height();
        const QSize roomy = workArea::freshSizeHint(*this).expandedTo(QSize(line * 72, line * 48));
        frame = screen() ? workArea::firstFrame(*screen(), roomy, margins)
                         : QRect(QPoint(), roomy.grownBy(margins));
    }
    if (!kept.frame.isValid() && screen())
        frame.moveCenter(screen()->availableGeometry().center());
    // A window kept larger than this screen, or on a screen gone, comes back within this one.
    const QScreen* on = QGuiApplication::screenAt(frame.center());
    workArea::placeFrame(
        *this, workArea::frameWithin(frame, on ? on->availableGeometry() : workArea::areaOf(*this)),
        margins, place);
    if (kept.maximized)
        setWindowState(Qt::WindowMaximized);
    workArea::keepFrameInside(*this, place);
}

void StackWindow::saveNow()
{
    const bool placed = platformChoice::currentPlatformPlacesWindows();
    if (!isMaximized() && !isFullScreen()) {
        // A window grown past the work area by hand is kept as large as the area holds.
        const QRect frame = frameGeometry();
        const QRect within = workArea::frameWithin(frame, workArea::areaOf(*this));
        if (within != frame) {
            resize(within.size().shrunkBy(workArea::frameMargins(*this)));
            if (placed)
                move(within.topLeft());
        }
    }
    lastChain::save(m_model.kept(),
                    {placed ? saveGeometry() : QByteArray(), size(), m_splitter->saveState(),
                     m_tools->currentIndex()},
                    m_model.recentFiles(), [this](QSettings& settings) {
                        language::keep(settings, m_language->choice());
                    });
}

void StackWindow::closeEvent(QCloseEvent* event)
{
    // Nothing is lost at a close: the chain is kept as typed, with its file and its changes.
    saveNow();
    event->accept();
}
