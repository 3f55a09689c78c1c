// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "actions/pointer_hints.h"
#include "app/position/twips.h"
#include "desktop/fonts.h"
#include "desktop/platform_choice.h"
#include "look/designed_palette.h"
#include "look/tight_style.h"
#include "resources/resources.h"
#include "window/accessible_names.h"
#include "window/core_texts.h"
#include "window/hints.h"
#include "window/layout.h"
#include "window/page_builder.h"
#include "window/picture_box.h"
#include "window/tab_control.h"
#include "window/window_texts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

Form1::Form1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_tightStyle(new TightStyle)
{
    designedPalette::install();
    m_tightStyle->setParent(this);
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Morvane【Tessaly】 JIS B 0401(1984)"_s);
    setWindowIcon(tessaly::resources::windowIcon());

    createMenus();
    setCentralWidget(createClientArea());
    createStatusBar();
    offerOnTop(m_onTop, platformChoice::currentPlatformPlacesWindows());
    new PointerHints(this, m_panel1);
    accessibleNames::apply(*this);
    // Nothing inside follows a change of size, so the size is fixed: menu bar plus client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() = default;

QWidget* Form1::createClientArea()
{
    auto* client = new QWidget;
    client->setObjectName(u"ClientArea"_s);
    const int statusTop = layout::placement(u"StatusBar1", layout::Container::Window).top;
    client->setFixedSize(twips::toPixels(layout::kClientWidth), twips::toPixels(statusTop));

    // Created first, so the tab control lies over it: never seen, only clicked by Esc.
    const layout::Placement& quitButton = layout::placement(u"Command3", layout::Container::Window);
    auto* command3 = new QPushButton(quitButton.caption.toString(), client);
    command3->setObjectName(quitButton.name.toString());
    command3->setGeometry(layout::pixelRect(quitButton));
    command3->setFocusPolicy(Qt::NoFocus);
    // The window's cancel button: Esc clicks it at once (a button's own shortcut would
    // animate the press first and end the program a moment later).
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, command3, &QPushButton::click);
    connect(command3, &QPushButton::clicked, this, &Form1::endWithoutSaving);

    const layout::Placement& tabs = layout::placement(u"SSTab1", layout::Container::Window);
    m_tabs = new TabControl(client);
    m_tabs->setObjectName(tabs.name.toString());
    m_tabs->setGeometry(layout::pixelRect(tabs));
    m_tabs->setTabFont(fonts::designFont(layout::kTabCaptionPointSize));

    const Page hole = buildPage(layout::Container::HolePage, m_tightStyle);
    const Page shaft = buildPage(layout::Container::ShaftPage, m_tightStyle);
    m_tabs->addPage(hole.picture, windowTexts::kHoleTab.toString());
    m_tabs->addPage(shaft.picture, windowTexts::kShaftTab.toString());
    m_tabs->setCurrentIndex(0);

    m_hole = {tolerance::Side::Hole, hole.range, hole.toleranceClass, hole.upper, hole.lower,
              hole.rangeCaption};
    m_shaft = {tolerance::Side::Shaft, shaft.range, shaft.toleranceClass, shaft.upper, shaft.lower,
               shaft.rangeCaption};
    connectSide(m_hole);
    connectSide(m_shaft);

    // The designed focus order, among the controls that take the focus.
    QWidget::setTabOrder(m_hole.lower, m_hole.range);
    QWidget::setTabOrder(m_hole.range, m_hole.toleranceClass);
    QWidget::setTabOrder(m_hole.toleranceClass, m_shaft.range);
    QWidget::setTabOrder(m_shaft.range, m_shaft.toleranceClass);
    QWidget::setTabOrder(m_shaft.toleranceClass, m_hole.upper);
    QWidget::setTabOrder(m_hole.upper, m_tabs->tabBar());
    QWidget::setTabOrder(m_tabs->tabBar(), m_shaft.lower);
    QWidget::setTabOrder(m_shaft.lower, m_shaft.upper);
    return client;
}

void Form1::connectSide(const SideControls& side)
{
    // Every pick by the user, also of the entry already shown, arrives as activated exactly
    // once; the program's own selections run the handlers directly (see load()).
    const SideControls* s = side.side == tolerance::Side::Hole ? &m_hole : &m_shaft;
    connect(side.range, &QComboBox::activated, this, [this, s] { pick(&rangePicked, *s); });
    connect(side.toleranceClass, &QComboBox::activated, this,
            [this, s] { pick(&classPicked, *s); });
}

void Form1::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(u"MenuBar"_s);

    QMenu* file = bar->addMenu(windowTexts::kFileMenu.toString());
    file->setObjectName(u"file"_s);
    QAction* quit = file->addAction(windowTexts::kQuit.toString());
    quit->setObjectName(u"Quit"_s);
    connect(quit, &QAction::triggered, this, &Form1::endWithoutSaving);

    QMenu* view = bar->addMenu(windowTexts::kViewMenu.toString());
    view->setObjectName(u"View"_s);
    QMenu* frontTop = view->addMenu(windowTexts::kFrontTop.toString());
    frontTop->setObjectName(u"FrontTop"_s);
    QAction* on = frontTop->addAction(windowTexts::kOn.toString());
    on->setObjectName(u"FormTop_ON"_s);
    on->setShortcut(QKeySequence(Qt::Key_F4));
    on->setCheckable(true);
    QAction* off = frontTop->addAction(windowTexts::kOff.toString());
    off->setObjectName(u"FormTop_OFF"_s);
    off->setShortcut(QKeySequence(Qt::Key_F5));
    off->setCheckable(true);
    // Qt flips a checkable item's mark just before it reports the choice; the handlers then set
    // both marks themselves, so what the menu shows afterwards is always theirs.
    m_onTop.window = this;
    m_onTop.on = on;
    m_onTop.off = off;
    connect(on, &QAction::triggered, this, [this] { formTopOn(m_onTop); });
    connect(off, &QAction::triggered, this, [this] { formTopOff(m_onTop); });

    QMenu* help = bar->addMenu(windowTexts::kHelpMenu.toString());
    help->setObjectName(u"Help"_s);
    QAction* about = help->addAction(windowTexts::kAbout.toString());
    about->setObjectName(u"About"_s);
    connect(about, &QAction::triggered, this, [this] { aboutChosen(m_onTop); });
}

void Form1::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(u"StatusBar1"_s);
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(
        layout::pixelRect(layout::placement(u"StatusBar1", layout::Container::Window)).height());
    bar->setFont(fonts::designFont(9));

    // Permanent panels stay visible while a menu shows a status tip.
    m_panel1 = new QLabel;
    m_panel1->setObjectName(u"Panel1"_s);
    m_panel1->setFixedWidth(twips::toPixels(layout::kStatusPanel1Width));
    m_panel2 = new QLabel;
    m_panel2->setObjectName(u"Panel2"_s);
    m_panel2->setFixedWidth(twips::toPixels(layout::kStatusPanel2Width));
    m_onTop.panel2 = m_panel2;
    for (QLabel* panel : {m_panel1, m_panel2}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(panel);
    }
}

void Form1::pick(Handler handler, const SideControls& side)
{
    handler(side);
    Q_EMIT pickHandled(side.side);
}

void Form1::fillAndPickFirst(QComboBox* list, const QStringList& items, Handler handler,
                             const SideControls& side)
{
    list->addItems(items);
    // Selecting the first item is a pick like the user's, so the same handling runs once.
    list->setCurrentIndex(0);
    pick(handler, side);
}

void Form1::load()
{
    placeAtStart();
    show();
    const QStringList ranges = coreTexts::rangeLabels();
    fillAndPickFirst(m_hole.range, ranges, &rangePicked, m_hole);
    fillAndPickFirst(m_hole.toleranceClass, coreTexts::classCodes(tolerance::Side::Hole),
                     &classPicked, m_hole);
    fillAndPickFirst(m_shaft.range, ranges, &rangePicked, m_shaft);
    fillAndPickFirst(m_shaft.toleranceClass, coreTexts::classCodes(tolerance::Side::Shaft),
                     &classPicked, m_shaft);
}
