// SPDX-License-Identifier: MIT
#include "about_box.h"

#include "app/position/twips.h"
#include "desktop/fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Line
{
    QStringView name;
    QStringView text;
    int left, top, width, height; // twips, in the box's client area
};

// clang-format off
constexpr std::array kLines = {
    Line{u"AboutSeries",  u"Morvaneシリーズ",          1320, 180, 2280, 240},
    Line{u"AboutProgram", u"Tessaly JIS B 0401(1986)", 600,  480, 3720, 240},
    Line{u"AboutVersion", u"Vre 4.20",                 1980, 780, 840,  240},
};
// clang-format on
constexpr qreal kLinePointSize = 12;
constexpr QStringView kCancelCaption = u"ｷｬﾝｾﾙ";

// The widest line has equal margins left and right; the button sits centred below the text.
constexpr int kClientWidth = 4920;
constexpr int kClientHeight = 1890;
constexpr QRect kCancel = twips::toPixels(1980, 1260, 975, 375);

// The window manager draws the box's frame only once it is shown. It is the frame that the owner
// already wears, so the box is placed by that one.
QMargins frameOf(const QWidget& owner)
{
    const QRect outer = owner.frameGeometry();
    const QRect inner = owner.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void centreOnScreen(QWidget& box, const QWidget& owner)
{
    QRect outer = QRect(QPoint(), box.size()).marginsAdded(frameOf(owner));
    outer.moveCenter(owner.screen()->availableGeometry().center());
    // Placing the frame rather than the client area keeps the box where asked once the frame
    // arrives.
    box.move(outer.topLeft());
    box.winId();
    box.windowHandle()->setFramePosition(outer.topLeft());
}

} // namespace

AboutBox::AboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"AboutBox"_s);
    setWindowTitle(u"information"_s);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twips::toPixels(kClientWidth), twips::toPixels(kClientHeight));

    for (const Line& line : kLines) {
        auto* label = new QLabel(line.text.toString(), this);
        label->setObjectName(line.name.toString());
        const QRect place = twips::toPixels(line.left, line.top, line.width, line.height);
        // The stand-in family runs wider than the designed one; narrowed, the line still fits.
        label->setFont(fonts::fittedToWidth(fonts::designFont(kLinePointSize), {label->text()},
                                            place.width()));
        label->setGeometry(place);
    }

    auto* cancel = new QPushButton(kCancelCaption.toString(), this);
    cancel->setObjectName(u"AboutCancel"_s);
    cancel->setGeometry(kCancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // The cancel button: Esc clicks it, as the main window's Esc clicks its own.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(u"AboutEscape"_s);
    connect(escape, &QShortcut::activated, cancel, &QPushButton::click);
}

QStringList aboutBoxTexts()
{
    QStringList texts;
    for (const Line& line : kLines)
        texts << line.text.toString();
    return texts << kCancelCaption.toString();
}

void showAboutBox(QWidget* owner)
{
    AboutBox box(owner);
    centreOnScreen(box, *owner);
    box.exec();
}
