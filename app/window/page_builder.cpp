// SPDX-License-Identifier: MIT
#include "page_builder.h"

#include "desktop/fonts.h"
#include "look/designed_palette.h"
#include "look/tight_style.h"
#include "tolerance/classes.h"
#include "window/core_texts.h"
#include "window/designed_list.h"
#include "window/picture_box.h"
#include "window/pointer_area.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Names
{
    QStringView picture, range, toleranceClass, upper, lower, rangeArea, classArea;
};

constexpr Names kHoleNames{u"Picture1", u"Combo1", u"Combo2", u"Text1",
                           u"Text2",    u"Image1", u"Image2"};
constexpr Names kShaftNames{u"Picture2", u"Combo3", u"Combo4", u"Text3",
                            u"Text4",    u"Image3", u"Image4"};

template <typename W> W* place(W* widget, const layout::Placement& p)
{
    widget->setObjectName(p.name.toString());
    widget->setGeometry(layout::pixelRect(p));
    if (p.pointSize > 0)
        widget->setFont(fonts::designFont(p.pointSize));
    return widget;
}

QLabel* addLabel(QWidget* page, layout::Container which, QStringView name, int index)
{
    const layout::Placement& p = layout::placement(name, which);
    auto* label = place(new QLabel(page), p);
    label->setProperty("index", index);
    label->setText(p.caption.toString());
    label->setAttribute(Qt::WA_TranslucentBackground);
    // A stand-in family with full-width kana can run wider than the design's, off the page: it is
    // then narrowed to the width the design's own text takes.
    if (QFontMetricsF(label->font()).horizontalAdvance(label->text()) > page->width() - label->x())
        label->setFont(fonts::fittedToWidth(label->font(), {label->text()}, label->width()));
    label->adjustSize(); // sized to its text; only the position is designed
    return label;
}

QLabel* addRangeCaption(QWidget* page, layout::Container which, int index)
{
    auto* label = place(new QLabel(page), layout::placement(u"Label5", which));
    label->setProperty("index", index);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    designedPalette::makeWhite(label);
    return label;
}

QComboBox* addList(QWidget* page, const layout::Placement& p, QStyle* style)
{
    auto* combo = place(new DesignedList(page), p);
    combo->setStyle(style);
    combo->setEditable(false);
    combo->setMaxVisibleItems(25);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    designedPalette::makeWhite(combo);
    return combo;
}

QLineEdit* addBox(QWidget* page, const layout::Placement& p, QStyle* style)
{
    auto* box = place(new QLineEdit(page), p);
    box->setStyle(style);
    box->setTextMargins(TightStyle::lineEditTextMargins());
    designedPalette::makeWhite(box);
    return box;
}

} // namespace

Page buildPage(layout::Container which, QStyle* style)
{
    const Names& names = which == layout::Container::HolePage ? kHoleNames : kShaftNames;
    const int index = which == layout::Container::HolePage ? 0 : 1;

    Page page{};
    page.picture = new PictureBox;
    place(page.picture, layout::placement(names.picture, layout::Container::Tab));

    // Creation order is stacking order: labels, then the pointer areas over them, then the
    // lists and boxes above everything.
    for (QStringView name : {u"Label1", u"Label2", u"Label3", u"Label4"})
        addLabel(page.picture, which, name, index);
    page.rangeCaption = addRangeCaption(page.picture, which, index);
    page.rangeArea =
        place(new PointerArea(page.picture), layout::placement(names.rangeArea, which));
    page.classArea =
        place(new PointerArea(page.picture), layout::placement(names.classArea, which));

    page.range = addList(page.picture, layout::placement(names.range, which), style);
    page.toleranceClass =
        addList(page.picture, layout::placement(names.toleranceClass, which), style);
    page.upper = addBox(page.picture, layout::placement(names.upper, which), style);
    page.lower = addBox(page.picture, layout::placement(names.lower, which), style);

    const auto side = index == 0 ? tolerance::Side::Hole : tolerance::Side::Shaft;
    page.range->setFont(fonts::fittedToWidth(page.range->font(), coreTexts::rangeLabels(),
                                             textAreaWidth(page.range)));
    page.toleranceClass->setFont(fonts::fittedToWidth(page.toleranceClass->font(),
                                                      coreTexts::classCodes(side),
                                                      textAreaWidth(page.toleranceClass)));
    const QStringList& deviations = coreTexts::deviationTexts();
    for (QLineEdit* box : {page.upper, page.lower})
        box->setFont(fonts::fittedToWidth(box->font(), deviations, textAreaWidth(box)));
    return page;
}
