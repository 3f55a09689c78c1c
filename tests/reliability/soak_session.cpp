// SPDX-License-Identifier: MIT
#include "soak_session.h"

#include "user_input.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QTabBar>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using tolerance::Side;

namespace {

// What a user might type into a box: ASCII, the window's own signs, full-width and half-width
// forms, kanji. A fixed pool keeps the set of glyphs drawn bounded, so memory can settle.
const QString kTypable = u" !\"#$%&'()*+,-./0123456789:;<=>?@ABCXYZ[\\]^_`abcxyz{|}~"
                         u"±～０１２．＋－ー漢字穴軸寸法ｱｲｳﾃｽﾄ"_s;

constexpr int kMaxMismatchReports = 20;

int clamp(int index, int count)
{
    return std::clamp(index, 0, count - 1);
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTabBar* tabBarOf(const Form1& form)
{
    return child<QTabBar>(&form, u"SSTab1Tabs"_s);
}

} // namespace

SoakSession::SoakSession(quint64 seed) : m_random(seed), m_form(loadedForm())
{
    // Start-up picks the first entry of every list.
    for (Expected& side : m_expected)
        picked(side, true);
    m_tally.picks = 0;
    check();
}

SoakSession::~SoakSession() = default;

const SideControls& SoakSession::controls(int side) const
{
    return side == 0 ? m_form->hole() : m_form->shaft();
}

void SoakSession::run(qint64 count)
{
    for (qint64 i = 0; i < count; ++i) {
        act();
        settle();
        ++m_tally.actions;
        check();
    }
}

void SoakSession::close()
{
    m_form->close();
    settle();
    m_form.reset();
}

void SoakSession::act()
{
    const SideControls& side = controls(m_page);
    Expected& e = m_expected[std::size_t(m_page)];
    const bool rangeList = m_random.bounded(2) == 0;
    QComboBox* list = rangeList ? side.range : side.toleranceClass;
    int& position = rangeList ? e.range : e.toleranceClass;

    const quint32 roll = m_random.bounded(100);
    if (roll < 8) {
        switchPage();
        return;
    }
    if (roll < 38) {
        typeIntoBox();
        return;
    }
    bool pick = false;
    if (roll < 78)
        pick = keyOnList(list, position);
    else if (roll < 92)
        pick = wheelOnList(list, position);
    else if (roll < 93)
        pick = clickInPopup(list, position);
    else
        pick = keysInPopup(list, position);
    if (pick)
        picked(e, rangeList);
}

void SoakSession::switchPage()
{
    QTabBar* bar = tabBarOf(*m_form);
    if (m_random.bounded(2) == 0) {
        m_lastAction = "click on a tab";
        m_page = int(m_random.bounded(2));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(m_page).center());
        return;
    }
    m_lastAction = "arrow key on the tabs";
    bar->setFocus(Qt::TabFocusReason);
    const bool left = m_random.bounded(2) == 0;
    QTest::keyClick(bar, left ? Qt::Key_Left : Qt::Key_Right);
    m_page = clamp(m_page + (left ? -1 : 1), 2);
}

// The keys that move a closed list: by one, or to either end. A move that goes nowhere is no pick.
bool SoakSession::keyOnList(QComboBox* list, int& position)
{
    static constexpr std::array<Qt::Key, 6> kKeys = {Qt::Key_Down,   Qt::Key_Up,   Qt::Key_PageDown,
                                                     Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
    const Qt::Key key = kKeys[m_random.bounded(quint32(kKeys.size()))];
    m_lastAction = "key on a list";
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, key);
    const int count = list->count();
    const int before = position;
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        position = clamp(position + 1, count);
        break;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        position = clamp(position - 1, count);
        break;
    case Qt::Key_Home:
        position = 0;
        break;
    default:
        position = count - 1;
        break;
    }
    return position != before;
}

bool SoakSession::wheelOnList(QComboBox* list, int& position)
{
    m_lastAction = "wheel on a list";
    const int notch = m_random.bounded(2) == 0 ? 1 : -1;
    userInput::wheel(list, notch);
    const int before = position;
    position = clamp(position - notch, list->count()); // up is towards the first entry
    return position != before;
}

// A click on an entry of the open list; the entry already shown is a pick too.
bool SoakSession::clickInPopup(QComboBox* list, int& position)
{
    m_lastAction = "click in an open list";
    list->showPopup();
    QAbstractItemView* view = list->view();
    if (!QTest::qWaitForWindowExposed(view->window())) {
        mismatch("the list after showPopup", u"closed"_s, u"open"_s);
        return false;
    }
    QList<int> visible;
    for (int row = 0; row < list->count(); ++row) {
        const QRect item = view->visualRect(view->model()->index(row, 0));
        if (item.top() >= 0 && item.bottom() < view->viewport()->height())
            visible << row;
    }
    if (visible.isEmpty()) {
        mismatch("entries shown in the open list", u"none"_s, u"some"_s);
        list->hidePopup();
        return false;
    }
    const int row = visible[qsizetype(m_random.bounded(quint32(visible.size())))];
    if (!userInput::clickInOpenList(list, row)) {
        mismatch("the open list after a click", u"open"_s, u"closed"_s);
        list->hidePopup();
        return false;
    }
    position = row;
    return true;
}

// Open the list from the keyboard, move through it, then Return picks (also the entry already
// shown) and Esc leaves it as it was.
bool SoakSession::keysInPopup(QComboBox* list, int& position)
{
    static constexpr std::array<Qt::Key, 3> kOpeners = {Qt::Key_Space, Qt::Key_Space, Qt::Key_Down};
    m_lastAction = "keys in an open list";
    list->setFocus(Qt::TabFocusReason);
    const Qt::Key opener = kOpeners[m_random.bounded(quint32(kOpeners.size()))];
    QTest::keyClick(list, opener, opener == Qt::Key_Down ? Qt::AltModifier : Qt::NoModifier);
    QAbstractItemView* view = list->view();
    if (!QTest::qWaitForWindowExposed(view->window())) {
        mismatch("the list after F4, Space or Alt+Down", u"closed"_s, u"open"_s);
        return false;
    }
    const int steps = int(m_random.bounded(11)) - 5;
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(view, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    const bool pick = m_random.bounded(4) != 0;
    QTest::keyClick(view, pick ? Qt::Key_Return : Qt::Key_Escape);
    if (pick)
        position = clamp(position + steps, list->count());
    if (!QTest::qWaitFor([&] { return !view->isVisible(); }))
        mismatch("the list after Return or Esc", u"open"_s, u"closed"_s);
    return pick;
}

void SoakSession::typeIntoBox()
{
    const SideControls& side = controls(m_page);
    Expected& e = m_expected[std::size_t(m_page)];
    const bool upper = m_random.bounded(2) == 0;
    QLineEdit* box = upper ? side.upper : side.lower;
    QString& text = upper ? e.upper : e.lower;
    const QPoint at(1 + int(m_random.bounded(quint32(box->width() - 2))), box->height() / 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, at);
    switch (m_random.bounded(3)) {
    case 0: {
        m_lastAction = "typing over a box";
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        const QString typed = randomText(8);
        userInput::type(box, typed);
        text = typed;
        break;
    }
    case 1: {
        m_lastAction = "typing at the end of a box";
        QTest::keyClick(box, Qt::Key_End);
        const QString typed = randomText(4);
        userInput::type(box, typed);
        text += typed;
        break;
    }
    default: {
        m_lastAction = "backspace in a box";
        QTest::keyClick(box, Qt::Key_End);
        const int count = 1 + int(m_random.bounded(3));
        for (int i = 0; i < count; ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        text.chop(count);
        break;
    }
    }
}

QString SoakSession::randomText(int maxLength)
{
    QString text;
    const int length = 1 + int(m_random.bounded(quint32(maxLength)));
    for (int i = 0; i < length; ++i)
        text += kTypable[m_random.bounded(quint32(kTypable.size()))];
    return text;
}

void SoakSession::picked(Expected& e, bool rangeList)
{
    const Side side = &e == &m_expected[0] ? Side::Hole : Side::Shaft;
    const QString range = q(tolerance::kSizeRanges[std::size_t(e.range)]);
    if (rangeList)
        e.caption = range;
    const QString code = q(tolerance::classesOf(side)[std::size_t(e.toleranceClass)].code);
    const auto entry = userInput::coreEntry(side, code, range);
    e.upper = entry->first;
    e.lower = entry->second;
    ++m_tally.picks;
}

void SoakSession::check()
{
    if (tabBarOf(*m_form)->currentIndex() != m_page)
        mismatch("page", QString::number(tabBarOf(*m_form)->currentIndex()),
                 QString::number(m_page));
    for (int s = 0; s < 2; ++s) {
        const SideControls& side = controls(s);
        const Expected& e = m_expected[std::size_t(s)];
        const auto compare = [&](const char* what, const QString& shown, const QString& expected) {
            if (shown != expected)
                mismatch(what, shown, expected);
        };
        compare(s == 0 ? "Combo1 position" : "Combo3 position",
                QString::number(side.range->currentIndex()), QString::number(e.range));
        compare(s == 0 ? "Combo2 position" : "Combo4 position",
                QString::number(side.toleranceClass->currentIndex()),
                QString::number(e.toleranceClass));
        compare(s == 0 ? "hole caption" : "shaft caption", side.rangeCaption->text(), e.caption);
        compare(s == 0 ? "Text1" : "Text3", side.upper->text(), e.upper);
        compare(s == 0 ? "Text2" : "Text4", side.lower->text(), e.lower);
    }
}

void SoakSession::mismatch(const char* what, const QString& shown, const QString& expected)
{
    if (++m_tally.mismatches <= kMaxMismatchReports) {
        std::printf("soak: mismatch after action %lld (%s): %s shows \"%s\", expected \"%s\"\n",
                    static_cast<long long>(m_tally.actions), m_lastAction, what,
                    qUtf8Printable(shown), qUtf8Printable(expected));
    }
}
