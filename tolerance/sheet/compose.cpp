// SPDX-License-Identifier: MIT
#include "tolerance/sheet/compose.h"

#include <algorithm>

namespace tolerance::sheet::compose {

Cell text(std::string_view text)
{
    return {std::string(text), false};
}

Cell figure(std::string text)
{
    return {std::move(text), true};
}

Table table(std::vector<Cell> head, std::vector<double> widths)
{
    return {std::move(head), {}, std::move(widths)};
}

std::string signedMillimetres(Length value)
{
    if (value == 0)
        return "0";
    return (value > 0 ? "+" : "") + formatMillimetres(value);
}

std::string Composer::cite(const FormulaWords& formula)
{
    auto found = std::find(cited.begin(), cited.end(), &formula);
    if (found == cited.end())
        found = cited.insert(cited.end(), &formula);
    return fill(w.formulaNumber, {std::to_string(found - cited.begin() + 1)});
}

void Composer::warn(std::string warning)
{
    if (std::find(warnings.begin(), warnings.end(), warning) == warnings.end())
        warnings.push_back(std::move(warning));
}

Sheet Composer::sheet(std::string subject, const Stamp& stamp) const
{
    return {std::string(w.title),
            std::move(subject),
            {fill(w.date, {stamp.date}), fill(w.program, {stamp.program})},
            {},
            std::string(w.page),
            std::string(w.code)};
}

void Composer::finish(Sheet& sheet, std::vector<Section> body, bool withSymbols) const
{
    sheet.sections.push_back(warningsSection());
    for (Section& section : body)
        sheet.sections.push_back(std::move(section));
    if (!cited.empty())
        sheet.sections.push_back(formulasSection(withSymbols));
    sheet.sections.push_back(signOffSection());
}

Section Composer::warningsSection() const
{
    Section section{std::string(w.warnings), {}};
    if (warnings.empty())
        section.blocks.emplace_back(Paragraph{std::string(w.noWarnings)});
    for (const std::string& warning : warnings)
        section.blocks.emplace_back(Warning{std::string(w.caution), warning});
    return section;
}

Section Composer::formulasSection(bool withSymbols) const
{
    Table formulas = table({text(w.formula), text(w.relation), text(w.origin)}, {0.2, 0.55, 0.25});
    for (std::size_t i = 0; i < cited.size(); ++i)
        formulas.rows.push_back(
            {text("(" + std::to_string(i + 1) + ") " + std::string(cited[i]->name)),
             text(cited[i]->relation), text(cited[i]->source)});
    Section section{std::string(w.formulas), {formulas}};
    if (withSymbols)
        section.blocks.emplace_back(Paragraph{std::string(w.symbols)});
    return section;
}

Section Composer::signOffSection() const
{
    return {std::string(w.signOff),
            {SignOff{{std::string(w.made), std::string(w.checked), std::string(w.approved)},
                     std::string(w.name),
                     std::string(w.signedOn)}}};
}

} // namespace tolerance::sheet::compose
