// SPDX-License-Identifier: MIT
#include "designed_palette.h"

#include <QApplication>
#include <QWidget>

namespace designedPalette {

namespace {

constexpr QRgb kFace = qRgb(239, 239, 239);
constexpr QRgb kInk = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kGreyedInk = qRgb(128, 128, 128);
constexpr QRgb kSelection = qRgb(48, 140, 198);

struct Role
{
    QPalette::ColorRole role;
    QRgb normal; // active and inactive
    QRgb disabled;
};

// clang-format off
constexpr Role kRoles[] = {
    {QPalette::Window,          kFace,                 kFace},
    {QPalette::WindowText,      kInk,                  kGreyedInk},
    {QPalette::Base,            kWhite,                kFace},
    {QPalette::AlternateBase,   qRgb(247, 247, 247),   kFace},
    {QPalette::ToolTipBase,     qRgb(255, 255, 220),   qRgb(255, 255, 220)},
    {QPalette::ToolTipText,     kInk,                  kInk},
    {QPalette::PlaceholderText, kGreyedInk,            kGreyedInk},
    {QPalette::Text,            kInk,                  kGreyedInk},
    {QPalette::Button,          kFace,                 kFace},
    {QPalette::ButtonText,      kInk,                  kGreyedInk},
    {QPalette::BrightText,      kWhite,                kWhite},
    {QPalette::Light,           kWhite,                kWhite},
    {QPalette::Midlight,        qRgb(202, 202, 202),   qRgb(202, 202, 202)},
    {QPalette::Mid,             qRgb(184, 184, 184),   qRgb(184, 184, 184)},
    {QPalette::Dark,            qRgb(159, 159, 159),   qRgb(190, 190, 190)},
    {QPalette::Shadow,          qRgb(118, 118, 118),   qRgb(177, 177, 177)},
    {QPalette::Highlight,       kSelection,            qRgb(145, 145, 145)},
    {QPalette::HighlightedText, kWhite,                kWhite},
    {QPalette::Link,            qRgb(0, 0, 255),       qRgb(0, 0, 255)},
    {QPalette::LinkVisited,     qRgb(255, 0, 255),     qRgb(255, 0, 255)},
};
// clang-format on

} // namespace

QPalette window()
{
    // Every role set in every group: a role left unset would be filled in from the desktop's.
    QPalette palette;
    for (const Role& r : kRoles) {
        palette.setColor(QPalette::Active, r.role, QColor(r.normal));
        palette.setColor(QPalette::Inactive, r.role, QColor(r.normal));
        palette.setColor(QPalette::Disabled, r.role, QColor(r.disabled));
    }
    return palette;
}

void install()
{
    // A palette the application sets keeps every role it resolves through later theme changes;
    // the style and the platform theme only fill in roles it leaves open, and it leaves none.
    QApplication::setPalette(window());
}

void makeWhite(QWidget* widget)
{
    // Only the grounds: the text roles stay unset here and so come from the window's palette.
    QPalette palette;
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, Qt::white);
    widget->setPalette(palette);
}

} // namespace designedPalette
