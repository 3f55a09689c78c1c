// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"
#include "tolerance/sheet/sheet.h"
#include "tolerance/sheet/words.h"

#include <string>
#include <vector>

// What the composers of the sheets share: cells, the formulas cited as they come, the warnings
// gathered on the way.
namespace tolerance::sheet::compose {

Cell text(std::string_view text);
Cell figure(std::string text);

// A table whose columns take the shares given of the width; a head cell over figures is
// right-aligned as they are.
Table table(std::vector<Cell> head, std::vector<double> widths);

// "+0.025", "-0.009", "0": a deviation as a drawing writes it.
std::string signedMillimetres(Length value);

// A sheet under way.
struct Composer
{
    const Words& w;
    std::vector<const FormulaWords*> cited; // numbered in the order first cited
    std::vector<std::string> warnings;

    // "式 (3)": the formula's number, given at its first citation.
    std::string cite(const FormulaWords& formula);
    void warn(std::string warning);

    // A sheet with its head: the title, the subject, the stamp.
    Sheet sheet(std::string subject, const Stamp& stamp) const;
    // After the inputs and the result: the warnings, the body, the formulas cited in it (with the
    // press fit's symbols), the sign-off.
    void finish(Sheet& sheet, std::vector<Section> body, bool withSymbols) const;

    Section warningsSection() const;
    Section formulasSection(bool withSymbols) const;
    Section signOffSection() const;
};

} // namespace tolerance::sheet::compose
