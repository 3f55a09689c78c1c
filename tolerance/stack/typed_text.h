// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// What a designer types, read as the ASCII it means. A Japanese input method gives full-width
// digits, letters, signs and slash; a catalogue copied from a typeset page gives the minus sign
// U+2212. The workbench reads the same through Unicode's NFKC; the core has no Unicode library,
// and these are the only characters a size, a tolerance or a temperature is written in.
namespace tolerance::stack {

// Full-width ASCII (U+FF01 to U+FF5E) as ASCII, the ideographic space as a space, the minus
// sign and the dashes typed for it (U+2212, U+2012, U+2013, U+30FC) as "-"; spaces and tabs at
// either end dropped. Everything else, "±" included, stays as it is.
std::string foldTyped(std::string_view utf8);

} // namespace tolerance::stack
