// SPDX-License-Identifier: MIT
#include "desktop/sheet/sheet_actions.h"

#include "desktop/language.h"
#include "desktop/language_texts.h"
#include "desktop/settings.h"
#include "desktop/sheet/sheet_file.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>

namespace {

// Every word these actions say, in one place, in the language in force.
struct Texts
{
    QString save = SheetActions::tr("計算書を PDF で保存(&E)…");
    QString saveTip = SheetActions::tr("表示中の答えの計算書を PDF で保存します (Ctrl+Shift+E)");
    QString print = SheetActions::tr("印刷(&P)…");
    QString printTip = SheetActions::tr("表示中の答えの計算書を印刷します (Ctrl+P)");
    QString dialogTitle = SheetActions::tr("計算書を PDF で保存");
    QString pdfFiles = QStringLiteral("PDF (*.pdf)");
    QString nothing = SheetActions::tr("計算書にできる答えがありません");
    QString saved = SheetActions::tr("計算書を保存しました: %1");
    QString notSaved = SheetActions::tr("計算書を保存できません");
    QString notSavedWhy = SheetActions::tr("%1 に書けませんでした: %2");
    QString printed = SheetActions::tr("計算書を印刷に送りました");
    QString notPrinted = SheetActions::tr("印刷できません");
};

Texts texts()
{
    return {};
}

constexpr QStringView kFolderKey = u"sheet/folder";

QString keptFolder()
{
    const QString folder =
        settings::store(QCoreApplication::applicationName()).value(kFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void keepFolder(const QString& folder)
{
    settings::save(QCoreApplication::applicationName(), u"the folder of the calculation sheet",
                   [&](QSettings& store) { store.setValue(kFolderKey, folder); });
}

} // namespace

SheetActions::SheetActions(QMainWindow& window, QMenu& file, Compose compose)
    : QObject(&window), m_window(window), m_compose(std::move(compose)),
      m_save(new QAction(&window)), m_print(new QAction(&window))
{
    m_save->setObjectName(QStringLiteral("saveSheetAction"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_print->setObjectName(QStringLiteral("printSheetAction"));
    m_print->setShortcut(QKeySequence::Print);
    (new LanguageTexts(*this))->add([this] {
        const Texts words = texts();
        m_save->setText(words.save);
        m_save->setStatusTip(words.saveTip);
        m_print->setText(words.print);
        m_print->setStatusTip(words.printTip);
    });
    QAction* last = file.actions().isEmpty() ? nullptr : file.actions().last();
    file.insertAction(last, m_save);
    file.insertAction(last, m_print);
    if (last)
        file.insertSeparator(last);
    connect(m_save, &QAction::triggered, this, &SheetActions::askAndSave);
    connect(m_print, &QAction::triggered, this, &SheetActions::askAndPrint);
}

const tolerance::sheet::Words& SheetActions::words()
{
    return tolerance::sheet::wordsIn(language::current() == language::Language::English
                                         ? tolerance::sheet::Language::English
                                         : tolerance::sheet::Language::Japanese);
}

void SheetActions::say(const QString& message)
{
    m_window.statusBar()->showMessage(message, 6000);
}

std::optional<tolerance::sheet::Sheet> SheetActions::sheetOrSay()
{
    auto sheet = m_compose();
    if (!sheet)
        say(texts().nothing);
    return sheet;
}

QString SheetActions::saveTo(const QString& path)
{
    const auto sheet = sheetOrSay();
    if (!sheet)
        return texts().nothing;
    if (const QString failure = sheetFile::savePdf(*sheet, path); !failure.isEmpty())
        return texts().notSavedWhy.arg(QDir::toNativeSeparators(path), failure);
    keepFolder(QFileInfo(path).absolutePath());
    say(texts().saved.arg(QDir::toNativeSeparators(path)));
    return {};
}

void SheetActions::askAndSave()
{
    const auto sheet = sheetOrSay();
    if (!sheet)
        return;
    QFileDialog dialog(&m_window, texts().dialogTitle);
    dialog.setObjectName(QStringLiteral("sheetFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(texts().pdfFiles);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(keptFolder());
    dialog.selectFile(QString::fromStdString(tolerance::sheet::suggestedFileName(*sheet)) +
                      QStringLiteral(".pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    if (const QString problem = saveTo(dialog.selectedFiles().constFirst()); !problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, texts().notSaved, problem, QMessageBox::Ok,
                        &m_window);
        box.setObjectName(QStringLiteral("sheetProblem"));
        box.exec();
    }
}

QString SheetActions::printOn(QPrinter& printer)
{
    const auto sheet = sheetOrSay();
    if (!sheet)
        return texts().nothing;
    const QString failure = sheetFile::print(*sheet, printer);
    if (failure.isEmpty())
        say(texts().printed);
    return failure;
}

void SheetActions::askAndPrint()
{
    if (!m_compose()) {
        say(texts().nothing);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    sheetFile::setSheetPage(printer);
    QPrintDialog dialog(&printer, &m_window);
    dialog.setObjectName(QStringLiteral("sheetPrintDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const QString problem = printOn(printer); !problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, texts().notPrinted, problem, QMessageBox::Ok,
                        &m_window);
        box.setObjectName(QStringLiteral("sheetProblem"));
        box.exec();
    }
}
