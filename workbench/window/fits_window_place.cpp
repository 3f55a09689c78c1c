// SPDX-License-Identifier: MIT
// Where the workbench opens, how large, how its tools below the answer were left, and what a
// close keeps of it.
#include "window/fits_window.h"

#include "desktop/answer_first.h"
#include "desktop/language_menu.h"
#include "desktop/platform_choice.h"
#include "desktop/work_area.h"
#include "window/finder_panel.h"
#include "window/service_panel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStyle>
#include <QTimer>

namespace {

AnswerFirst::State keptTools()
{
    QSettings settings = lastInputs::store();
    settings.beginGroup(QStringLiteral("tools"));
    return {settings.value(QStringLiteral("page"), 0).toInt(),
            settings.value(QStringLiteral("folded"), false).toBool(),
            settings.value(QStringLiteral("height"), 0).toInt()};
}

void writeTools(QSettings& settings, const AnswerFirst::State& tools)
{
    settings.beginGroup(QStringLiteral("tools"));
    settings.setValue(QStringLiteral("page"), tools.page);
    settings.setValue(QStringLiteral("folded"), tools.folded);
    settings.setValue(QStringLiteral("height"), tools.toolsHeight);
    settings.endGroup();
}

QRect areaAt(const QRect& frame)
{
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : frame;
}

} // namespace

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
    m_serviceFolded->setVisible(!m_service->isChecked());
    AnswerFirst::State tools = keptTools();
    const lastInputs::Window window = lastInputs::loadWindow();
    // Native Wayland lets no client place its window: only the size comes back there.
    const bool place = platformChoice::currentPlatformPlacesWindows();
    const workArea::Kept kept = place ? workArea::keptFrame(window.geometry) : workArea::Kept{};
    // The margins the window manager drew last time, or a guess where nothing was kept.
    const QMargins margins = kept.frame.isValid() ? kept.margins : workArea::frameMargins(*this);
    QRect frame = kept.frame;
    if (!frame.isValid() && window.size.isValid()) {
        frame = QRect(QPoint(), window.size.grownBy(margins));
        frame.moveCenter(areaAt(frame).center());
    }
    if (!frame.isValid()) {
        // A first start: roomy where the screen allows, as large as it where it does not, and
        // 使用条件's page when it was left open by a window that kept no more.
        if (m_service->isChecked())
            tools.page = 1;
        const QSize roomy = workArea::freshSizeHint(*this).expandedTo(
            QSize(fontMetrics().height() * 60, fontMetrics().height() * 44));
        if (const QScreen* screen = this->screen())
            frame = workArea::firstFrame(*screen, roomy, margins);
        else
            frame = QRect(QPoint(), roomy.grownBy(margins));
    }
    // A window kept larger than this screen, or on a screen gone, comes back within this one.
    workArea::placeFrame(*this, workArea::frameWithin(frame, areaAt(frame)), margins, place);
    if (kept.maximized)
        setWindowState(Qt::WindowMaximized);
    // Left open, 使用条件's page is held whole once the window manager has framed the window (a
    // size asked for before that, it answers with the one it knew).
    workArea::keepFrameInside(*this, place, [this] {
        if (m_service->isChecked())
            holdServicePage();
    });
    m_body->restore(tools);
}

void FitsWindow::saveNow()
{
    // Where native Wayland reports no true place, the place kept from an X11 session stays.
    const bool place = platformChoice::currentPlatformPlacesWindows();
    if (!isMaximized() && !isFullScreen()) {
        // A window grown past the work area by hand is kept as large as the area holds.
        const QRect frame = frameGeometry();
        const QRect within = workArea::frameWithin(frame, workArea::areaOf(*this));
        if (within != frame) {
            resize(within.size().shrunkBy(workArea::frameMargins(*this)));
            if (place)
                move(within.topLeft());
        }
    }
    const AnswerFirst::State tools = m_body->state();
    lastInputs::save(m_complete, {place ? saveGeometry() : QByteArray(), size()},
                     [this, tools](QSettings& settings) {
                         m_service->writeTo(settings);
                         writeTools(settings, tools);
                         language::keep(settings, m_language->choice());
                     });
}

void FitsWindow::closeEvent(QCloseEvent* event)
{
    saveNow();
    event->accept();
}

bool FitsWindow::reveal(QWidget& control)
{
    QWidget* page = m_body->toolOf(&control);
    if (!page)
        return false;
    m_body->showTool(page);
    return true;
}

void FitsWindow::showService()
{
    m_body->showTool(m_servicePage);
    holdServicePage();
}

void FitsWindow::holdServicePage()
{
    if (!isVisible() || isMaximized() || isFullScreen() || m_holding)
        return;
    // Once the layouts have taken in what the group shows now, so that the page's hint counts it;
    // once for any number of changes.
    m_holding = true;
    QTimer::singleShot(0, this, [this] {
        m_holding = false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (m_body->currentTool() != m_servicePage || m_body->isFolded())
            return;
        const QSize page = m_servicePage->size();
        // Room for the page's scroll bar, where the window cannot grow as high as the page.
        const QSize wanted =
            m_servicePage->sizeHint() +
            QSize(m_servicePage->style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0);
        const QSize more(std::max(0, wanted.width() - page.width()),
                         std::max(0, wanted.height() - page.height()));
        if (more.isNull())
            return;
        // Grown within the work area; the answer keeps its height, what the window gains is
        // the page's, and what it cannot gain the page scrolls.
        const QMargins margins = workArea::frameMargins(*this);
        const QRect frame = workArea::frameWithin(
            QRect(frameGeometry().topLeft(), (size() + more).grownBy(margins)),
            workArea::areaOf(*this));
        resize(frame.size().shrunkBy(margins));
        if (platformChoice::currentPlatformPlacesWindows())
            move(frame.topLeft());
    });
}
