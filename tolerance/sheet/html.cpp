// SPDX-License-Identifier: MIT
#include "tolerance/sheet/html.h"

#include <cstdio>
#include <string_view>

namespace tolerance::sheet {

namespace {

// Black on white with greys only, so that it prints alike on any printer; a row or a box never
// split across pages; the head of a table again on every page it runs over.
constexpr std::string_view kStyle = R"(@page { size: A4; margin: 15mm; }
html { background: #fff; }
body { margin: 0 auto; max-width: 180mm; padding: 10mm 0; color: #000; font-size: 9.5pt;
  line-height: 1.45; font-family: "IPAPGothic", "IPAexGothic", "Noto Sans CJK JP", "Yu Gothic",
  "Meiryo", "MS PGothic", sans-serif; }
@media print { body { padding: 0; max-width: none; } }
h1 { font-size: 16pt; margin: 0 0 1mm; }
.subject { font-size: 12pt; margin: 0 0 1mm; }
.stamp { font-size: 9pt; margin: 0 0 4mm; padding-bottom: 1.5mm; border-bottom: 0.4mm solid #000; }
.stamp span { margin-right: 8mm; }
h2 { font-size: 11pt; margin: 5mm 0 1.5mm; border-bottom: 0.25mm solid #000;
  break-after: avoid; page-break-after: avoid; }
table { width: 100%; border-collapse: collapse; table-layout: fixed; margin: 0 0 1.5mm; }
th, td { border: 0.25mm solid #000; padding: 0.8mm 1.5mm; vertical-align: top; text-align: left;
  overflow-wrap: anywhere; }
th { background: #e8e8e8; }
.figure { text-align: right; font-variant-numeric: tabular-nums; }
td.figure { white-space: nowrap; }
thead { display: table-header-group; }
p { break-after: avoid; page-break-after: avoid; }
tr { break-inside: avoid; page-break-inside: avoid; }
.warning { border: 0.5mm solid #000; padding: 1.2mm 2mm; margin: 1.5mm 0; break-inside: avoid; }
.warning strong { margin-right: 2mm; }
figure { margin: 0; break-inside: avoid; }
figcaption { font-size: 8.5pt; }
.signoff td { height: 12mm; }
)";

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Millimetres to a hundredth, no trailing zeros: "12.5", "0.25".
std::string mm(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string number = text;
    while (number.back() == '0')
        number.pop_back();
    if (number.back() == '.')
        number.pop_back();
    return number == "-0" ? "0" : number;
}

std::string cellTag(const char* tag, const Cell& cell)
{
    const std::string open = std::string("<") + tag + (cell.figure ? " class=\"figure\">" : ">");
    return open + escaped(cell.text) + "</" + tag + ">";
}

// The hatching of a zone, one pattern per picture and kind: rising (／) or falling (＼) lines
// 1.6 mm apart.
std::string patterns(const std::string& id)
{
    const auto pattern = [&](const char* kind, const char* path) {
        return "<pattern id=\"" + id + '-' + kind +
               "\" patternUnits=\"userSpaceOnUse\" width=\"1.6\" height=\"1.6\"><path d=\"" + path +
               "\" stroke=\"#000\" stroke-width=\"0.15\"/></pattern>";
    };
    return "<defs>" + pattern("rising", "M-0.4,0.4 L0.4,-0.4 M0,1.6 L1.6,0 M1.2,2 L2,1.2") +
           pattern("falling", "M-0.4,1.2 L0.4,2 M0,0 L1.6,1.6 M1.2,-0.4 L2,0.4") + "</defs>";
}

struct Writer
{
    std::string& out;
    int pictures = 0;

    void operator()(const Paragraph& p) { out += "<p>" + escaped(p.text) + "</p>\n"; }

    void operator()(const Warning& w)
    {
        out += "<p class=\"warning\"><strong>" + escaped(w.mark) + "</strong>" + escaped(w.text) +
               "</p>\n";
    }

    void operator()(const Table& t)
    {
        out += "<table>\n<colgroup>";
        for (const double width : t.widths)
            out += "<col style=\"width: " + mm(width * 100) + "%\"/>";
        out += "</colgroup>\n<thead><tr>";
        for (const Cell& cell : t.head)
            out += cellTag("th", cell);
        out += "</tr></thead>\n<tbody>\n";
        for (const auto& row : t.rows) {
            out += "<tr>";
            for (const Cell& cell : row)
                out += cellTag("td", cell);
            out += "</tr>\n";
        }
        out += "</tbody>\n</table>\n";
    }

    void operator()(const Drawing& d)
    {
        const std::string id = "picture" + std::to_string(++pictures);
        out += "<figure><svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + mm(d.width) +
               "mm\" height=\"" + mm(d.height) + "mm\" viewBox=\"0 0 " + mm(d.width) + ' ' +
               mm(d.height) + "\" role=\"img\" aria-label=\"" + escaped(d.description) +
               "\" font-size=\"" + mm(d.textHeight) + "\">\n" + patterns(id) + '\n';
        for (const Box& b : d.boxes) {
            const std::string fill = b.hatching == Hatching::None     ? "none"
                                     : b.hatching == Hatching::Rising ? "url(#" + id + "-rising)"
                                                                      : "url(#" + id + "-falling)";
            out += "<rect x=\"" + mm(b.left) + "\" y=\"" + mm(b.top) + "\" width=\"" + mm(b.width) +
                   "\" height=\"" + mm(b.height) + "\" fill=\"" + fill +
                   "\" stroke=\"#000\" stroke-width=\"0.3\"" +
                   (b.dashed ? " stroke-dasharray=\"1.2 0.8\"" : "") + "/>\n";
        }
        for (const Line& l : d.lines)
            out += "<line x1=\"" + mm(l.from.x) + "\" y1=\"" + mm(l.from.y) + "\" x2=\"" +
                   mm(l.to.x) + "\" y2=\"" + mm(l.to.y) +
                   "\" stroke=\"#000\" stroke-width=\"0.3\"" +
                   (l.dashed ? " stroke-dasharray=\"1.2 0.8\"" : "") + "/>\n";
        for (const Label& l : d.labels) {
            const char* anchor = l.anchor == Anchor::Start    ? "start"
                                 : l.anchor == Anchor::Middle ? "middle"
                                                              : "end";
            out += "<text x=\"" + mm(l.at.x) + "\" y=\"" + mm(l.at.y) + "\" text-anchor=\"" +
                   anchor + "\">" + escaped(l.text) + "</text>\n";
        }
        out += "</svg><figcaption>" + escaped(d.description) + "</figcaption></figure>\n";
    }

    void operator()(const SignOff& s)
    {
        out += "<table class=\"signoff\">\n<thead><tr><th></th>";
        for (const std::string& role : s.roles)
            out += "<th>" + escaped(role) + "</th>";
        out += "</tr></thead>\n<tbody>\n";
        for (const std::string* caption : {&s.nameCaption, &s.dateCaption}) {
            out += "<tr><th>" + escaped(*caption) + "</th>";
            for (std::size_t i = 0; i < s.roles.size(); ++i)
                out += "<td></td>";
            out += "</tr>\n";
        }
        out += "</tbody>\n</table>\n";
    }
};

} // namespace

std::string html(const Sheet& sheet)
{
    std::string out = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"" +
                      escaped(sheet.language) + "\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
                      escaped(sheet.title + ' ' + sheet.subject) + "</title>\n<style>\n" +
                      std::string(kStyle) + "</style>\n</head>\n<body>\n<header>\n<h1>" +
                      escaped(sheet.title) + "</h1>\n<p class=\"subject\">" +
                      escaped(sheet.subject) + "</p>\n<p class=\"stamp\">";
    for (const std::string& line : sheet.stampLines)
        out += "<span>" + escaped(line) + "</span>";
    out += "</p>\n</header>\n";
    Writer writer{out};
    for (const Section& section : sheet.sections) {
        out += "<section>\n<h2>" + escaped(section.heading) + "</h2>\n";
        for (const Block& block : section.blocks)
            std::visit(writer, block);
        out += "</section>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}

} // namespace tolerance::sheet
