// SPDX-License-Identifier: MIT
#include "tolerance/sheet/sheet.h"

#include <string_view>

namespace tolerance::sheet {

std::string suggestedFileName(const Sheet& sheet)
{
    // What Windows refuses in a name, and the slash of a pair for every system.
    constexpr std::string_view kRefused = "/\\:*?\"<>|";
    std::string name = sheet.title + ' ' + sheet.subject;
    for (char& c : name)
        if (kRefused.find(c) != std::string_view::npos || (static_cast<unsigned char>(c) < 0x20))
            c = '-';
    return name;
}

namespace {

struct TextOf
{
    std::string& out;

    void line(const std::string& text) const
    {
        if (!text.empty())
            out += text + '\n';
    }
    void operator()(const Paragraph& p) const { line(p.text); }
    void operator()(const Warning& w) const { line(w.text); }
    void operator()(const Table& t) const
    {
        for (const Cell& cell : t.head)
            line(cell.text);
        for (const auto& row : t.rows)
            for (const Cell& cell : row)
                line(cell.text);
    }
    void operator()(const Drawing& d) const
    {
        for (const Label& label : d.labels)
            line(label.text);
    }
    void operator()(const SignOff& s) const
    {
        for (const std::string& role : s.roles)
            line(role);
    }
};

} // namespace

std::string plainText(const Sheet& sheet)
{
    std::string text;
    const TextOf of{text};
    of.line(sheet.title);
    of.line(sheet.subject);
    for (const std::string& line : sheet.stampLines)
        of.line(line);
    for (const Section& section : sheet.sections) {
        of.line(section.heading);
        for (const Block& block : section.blocks)
            std::visit(of, block);
    }
    return text;
}

} // namespace tolerance::sheet
