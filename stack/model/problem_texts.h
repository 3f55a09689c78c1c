// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/stack/chain_file.h"

#include <QString>

// What is wrong with a chain, in the window's words: one place per text, each a whole sentence.
namespace problemTexts {

// A member's fault, about what was typed into its field (text holds the member as typed).
QString member(const tolerance::stack::MemberText& text,
               const tolerance::stack::MemberFault& fault);

QString requirement(const QString& typed, tolerance::stack::RequirementFault fault);

// Why a file was not opened: its shape, or the member (by number and name) that does not read.
QString file(const tolerance::stack::FileFault& fault);
QString chain(const tolerance::stack::ChainText& text, const tolerance::stack::ChainFault& fault);

} // namespace problemTexts
