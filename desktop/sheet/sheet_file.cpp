// SPDX-License-Identifier: MIT
#include "desktop/sheet/sheet_file.h"

#include "desktop/sheet/sheet_pages.h"

#include "tolerance/sheet/fit_sheet.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#ifndef TESSALY_VERSION
#error "TESSALY_VERSION must name the project version"
#endif

namespace sheetFile {

namespace {

QPageLayout sheetLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

} // namespace

tolerance::sheet::Stamp stamp()
{
    return {tolerance::sheet::localDate(), "Tessaly " TESSALY_VERSION};
}

QString savePdf(const tolerance::sheet::Sheet& sheet, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(sheetLayout());
        pdf.setTitle(QString::fromStdString(sheet.title + ' ' + sheet.subject));
        pdf.setCreator(QStringLiteral("Tessaly"));
        if (sheetPages::paint(sheet, pdf) == 0) {
            file.cancelWriting();
            return QStringLiteral("the PDF could not be drawn");
        }
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

void setSheetPage(QPrinter& printer)
{
    printer.setPageLayout(sheetLayout());
}

QString print(const tolerance::sheet::Sheet& sheet, QPrinter& printer)
{
    if (sheetPages::paint(sheet, printer) == 0)
        return QStringLiteral("the printer refused the pages");
    return {};
}

} // namespace sheetFile
