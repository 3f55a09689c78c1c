// SPDX-License-Identifier: MIT
#include "picks.h"

#include "window/accessible_names.h"
#include "window/core_texts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// The lists hold only texts that came from the core; UTF-8 gives back exactly those bytes.
std::string_view view(const QByteArray& utf8)
{
    return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

void write(QLineEdit* box, std::string_view text)
{
    box->setText(coreTexts::toQString(text));
    box->setCursorPosition(0); // a long text shows its sign, never its tail alone
}

} // namespace

void rangePicked(const SideControls& side)
{
    side.rangeCaption->setText(side.range->currentText());
    accessibleNames::rangeShown(*side.rangeCaption);
    showDeviations(side);
}

void classPicked(const SideControls& side)
{
    showDeviations(side);
}

void showDeviations(const SideControls& side)
{
    const QByteArray code = side.toleranceClass->currentText().toUtf8();
    const tolerance::ToleranceClass* cls = tolerance::findClass(side.side, view(code));
    if (!cls)
        return;
    const QByteArray range = side.range->currentText().toUtf8();
    if (const auto entry = tolerance::ShowDeviations(*cls, view(range))) {
        write(side.upper, entry->upper);
        write(side.lower, entry->lower);
    }
}
