// SPDX-License-Identifier: MIT
#include "designed_list.h"

#include <QAbstractItemView>
#include <QStyle>

void DesignedList::showPopup()
{
    // Styles that open a long list as a scrolled one (Windows) take the scroll bar from the list's
    // width: the open list is at least as wide as its widest entry, beside a scroll bar.
    QAbstractItemView* list = view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list));
    QComboBox::showPopup();
}
