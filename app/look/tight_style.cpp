// SPDX-License-Identifier: MIT
#include "tight_style.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

constexpr int kComboArrowWidth = 13;
constexpr int kComboTextInset = 2;
constexpr int kFrame = 1;

} // namespace

TightStyle::TightStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect TightStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                 SubControl subControl, const QWidget* widget) const
{
    if (control == CC_ComboBox) {
        const QRect r = option->rect;
        const QRect arrow(r.right() - kFrame - kComboArrowWidth + 1, r.top() + kFrame,
                          kComboArrowWidth, r.height() - 2 * kFrame);
        switch (subControl) {
        case SC_ComboBoxArrow:
            return arrow;
        case SC_ComboBoxEditField:
            return QRect(r.left() + kComboTextInset, r.top() + kFrame,
                         arrow.left() - 1 - r.left() - kComboTextInset, r.height() - 2 * kFrame);
        default:
            break;
        }
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

QRect TightStyle::subElementRect(SubElement element, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (element == SE_LineEditContents)
        return option->rect.adjusted(kFrame, kFrame, -kFrame, -kFrame);
    return QProxyStyle::subElementRect(element, option, widget);
}

int TightStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const
{
    if (metric == PM_DefaultFrameWidth)
        return kFrame;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void TightStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element == PE_PanelLineEdit) {
        // A plain box with a one-pixel border, as the design's text boxes have.
        painter->fillRect(option->rect, option->palette.base());
        painter->setPen(option->palette.color(QPalette::Dark));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QMargins TightStyle::lineEditTextMargins()
{
    // QLineEdit adds 2 px on each side of its contents; leave 1 px between text and border.
    return {-1, 0, -1, 0};
}

int textAreaWidth(const QComboBox* combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    return field.width() - 2; // the label is drawn 1 px inside the field on each side
}

int textAreaWidth(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    constexpr int kLineEditInnerMargin = 2; // fixed inside QLineEdit, on each side
    // QLineEdit scrolls its text unless the rounded width and one more column, for the cursor,
    // fit; a stand-in family whose widest text lands just under the room would lose its sign.
    constexpr int kCursorColumn = 1;
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditInnerMargin -
           kCursorColumn;
}
