// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The designed lists and text boxes are small for their fonts: this style gives their text the
// room the base style spends on padding, a wide arrow and a double frame.
class TightStyle : public QProxyStyle
{
    Q_OBJECT

public:
    TightStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

    // QLineEdit keeps a fixed margin inside its contents; text boxes pass this to
    // setTextMargins() to take most of it back.
    static QMargins lineEditTextMargins();
};

class QComboBox;
class QLineEdit;

// Width in pixels that a closed list or a text box gives the text it shows.
int textAreaWidth(const QComboBox* combo);
int textAreaWidth(const QLineEdit* box);
