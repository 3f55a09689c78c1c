// SPDX-License-Identifier: MIT
#include "accessible_names.h"

#include "window/hints.h"

#include <QLabel>
#include <QWidget>

#include <array>

namespace accessibleNames {

namespace {

struct Named
{
    QStringView page;    // the label arrays repeat their name on both pages
    QStringView control; // objectName
    QStringView hintOf;  // the control whose pointer hint is the name, or empty
    QStringView name;    // the name where no hint serves: a list is named as the window labels it
    QStringView caption; // the label over a list, which names the list to a screen reader
};

// clang-format off
constexpr std::array kNames = {
    Named{u"Picture1", u"Combo1", {},        u"呼び寸法（穴）", u"Label2"},
    Named{u"Picture1", u"Combo2", {},        u"クラス（穴）", u"Label4"},
    Named{u"Picture1", u"Text1",  u"Text1",  {}, {}},
    Named{u"Picture1", u"Text2",  u"Text2",  {}, {}},
    Named{u"Picture1", u"Label5", {},        u"穴の呼び寸法", {}},
    Named{u"Picture2", u"Combo3", {},        u"呼び寸法（軸）", u"Label2"},
    Named{u"Picture2", u"Combo4", {},        u"クラス（軸）", u"Label4"},
    Named{u"Picture2", u"Text3",  u"Text3",  {}, {}},
    Named{u"Picture2", u"Text4",  u"Text4",  {}, {}},
    Named{u"Picture2", u"Label5", {},        u"軸の呼び寸法", {}},
};
// clang-format on

// The page's drawing, said in words: a reader cannot see it, and nothing else tells what it is.
struct Drawing
{
    QStringView page;
    QStringView name;
    QStringView description;
};
constexpr std::array kDrawings = {
    Drawing{u"Picture1", u"はめあいの図（穴）",
            u"穴の上に軸を描いたはめあいの図。穴の呼び寸法とクラスを選ぶと、その寸法許容差の上限と"
            u"下限を示す"},
    Drawing{u"Picture2", u"はめあいの図（軸）",
            u"穴の上に軸を描いたはめあいの図。軸の呼び寸法とクラスを選ぶと、その寸法許容差の上限と"
            u"下限を示す"},
};

QWidget* find(const QWidget& root, QStringView name)
{
    auto* found = root.findChild<QWidget*>(name.toString());
    if (!found)
        qFatal("accessibleNames: no control named %s", qPrintable(name.toString()));
    return found;
}

} // namespace

void apply(QWidget& window)
{
    for (const Named& n : kNames) {
        QWidget* page = find(window, n.page);
        QWidget* control = find(*page, n.control);
        const QString name = n.hintOf.isEmpty() ? n.name.toString() : hints::textOf(n.hintOf);
        control->setAccessibleName(name);
        if (n.caption.isEmpty())
            continue;
        // On Linux a list's own name is its choice; the reader names it by the label that has
        // it as buddy, so that label carries the name too. Its text has no mnemonic to steal.
        auto* caption = qobject_cast<QLabel*>(find(*page, n.caption));
        caption->setBuddy(control);
        caption->setAccessibleName(name);
    }
    for (const Drawing& d : kDrawings) {
        QWidget* page = find(window, d.page);
        page->setAccessibleName(d.name.toString());
        page->setAccessibleDescription(d.description.toString());
    }
}

void rangeShown(QLabel& rangeBox)
{
    rangeBox.setAccessibleDescription(rangeBox.text());
}

} // namespace accessibleNames
