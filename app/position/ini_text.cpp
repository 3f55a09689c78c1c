// SPDX-License-Identifier: MIT
#include "app/position/ini_text.h"

#include <algorithm>
#include <array>
#include <vector>

namespace position {

namespace {

constexpr QByteArrayView kSection = "Form1_StrtUp";
constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

// One line: its text from begin to textEnd, then its line end ("\n", "\r\n", "\r" or none) up to
// end. Offsets into the whole file.
struct Line
{
    qsizetype begin = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0;
};

// What a line means, for our purposes.
struct Meaning
{
    bool blank = false;
    bool inOurs = false; // a line of any [Form1_StrtUp] section, its header included
    bool inFirstOfOurs = false;
    int ourKey = -1;          // 0 for "X1", 1 for "Y1", -1 for any other line
    qsizetype valueBegin = 0; // where the value of our key starts in the file
};

constexpr std::array<QByteArrayView, 2> kKeys{"X1", "Y1"};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Calls visit(line, meaning) for every line of file, in order, and counts the line ends.
template <typename Visit>
void walk(QByteArrayView file, std::array<int, 3>& lineEnds, Visit&& visit)
{
    enum
    {
        Lf,
        CrLf,
        Cr,
    };
    bool inOurs = false;
    bool inFirstOfOurs = false;
    bool sawOurs = false;
    qsizetype at = file.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (at < file.size()) {
        Line line{at, at, at};
        const char* data = file.data();
        const char* stop = std::find_if(data + at, data + file.size(),
                                        [](char c) { return c == '\n' || c == '\r'; });
        line.textEnd = stop - data;
        line.end = line.textEnd;
        if (line.end < file.size()) {
            const bool crlf = *stop == '\r' && line.end + 1 < file.size() && stop[1] == '\n';
            ++lineEnds[crlf ? CrLf : (*stop == '\r' ? Cr : Lf)];
            line.end += crlf ? 2 : 1;
        }
        at = line.end;

        const QByteArrayView text = file.sliced(line.begin, line.textEnd - line.begin);
        const QByteArrayView trimmed = text.trimmed();
        Meaning meaning;
        meaning.blank = trimmed.isEmpty();
        if (trimmed.startsWith('[')) {
            const qsizetype close = trimmed.indexOf(']');
            const QByteArrayView rest = close < 0 ? "x" : trimmed.sliced(close + 1).trimmed();
            const bool header = rest.isEmpty() || rest.front() == ';' || rest.front() == '#';
            // A header that is no header starts a section that is not ours either.
            inOurs = header && trimmed.sliced(1, close - 1) == kSection;
            inFirstOfOurs = inOurs && !sawOurs;
            sawOurs = sawOurs || inOurs;
        } else if (inOurs && !meaning.blank && trimmed.front() != ';' && trimmed.front() != '#') {
            const qsizetype equals = text.indexOf('=');
            if (equals > 0) {
                const QByteArrayView key = text.first(equals).trimmed();
                for (int k = 0; k < int(kKeys.size()); ++k) {
                    if (key == kKeys[k])
                        meaning.ourKey = k;
                }
                qsizetype value = equals + 1;
                while (value < text.size() && isBlank(text[value]))
                    ++value;
                meaning.valueBegin = line.begin + value;
            }
        }
        meaning.inOurs = inOurs;
        meaning.inFirstOfOurs = inFirstOfOurs;
        visit(line, meaning);
    }
}

QByteArrayView dominantLineEnd(const std::array<int, 3>& counts)
{
    constexpr std::array<QByteArrayView, 3> ends{"\n", "\r\n", "\r"};
    return ends[std::max_element(counts.begin(), counts.end()) - counts.begin()];
}

// One change of the file: the bytes from..to replaced by text (an insertion when from == to).
struct Edit
{
    qsizetype from;
    qsizetype to;
    QByteArray text;
};

} // namespace

PositionTexts positionTextsIn(QByteArrayView file)
{
    PositionTexts texts;
    std::array<int, 3> lineEnds{};
    walk(file, lineEnds, [&](const Line& line, const Meaning& meaning) {
        if (meaning.ourKey < 0)
            return;
        QByteArrayView value = file.sliced(meaning.valueBegin, line.textEnd - meaning.valueBegin);
        value = value.trimmed();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.sliced(1, value.size() - 2);
        (meaning.ourKey == 0 ? texts.x1 : texts.y1) = value.toByteArray();
    });
    return texts;
}

QByteArray iniWithPosition(QByteArrayView file, QByteArrayView x1, QByteArrayView y1)
{
    const std::array<QByteArrayView, 2> values{x1, y1};
    std::array<bool, 2> present{};
    std::array<int, 3> lineEnds{};
    std::vector<Edit> edits;
    bool sawOurs = false;
    Line lastOfOurs; // the last line that is not blank in the first of our sections
    const qsizetype start = file.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    Line lastLine{start, start, start}; // the file's last line, if any
    bool anyLine = false;
    bool lastBlank = true;
    walk(file, lineEnds, [&](const Line& line, const Meaning& meaning) {
        if (meaning.ourKey >= 0) {
            edits.push_back(
                {meaning.valueBegin, line.textEnd, values[meaning.ourKey].toByteArray()});
            present[meaning.ourKey] = present[meaning.ourKey] || meaning.inFirstOfOurs;
        }
        sawOurs = sawOurs || meaning.inOurs;
        if (meaning.inFirstOfOurs && !meaning.blank)
            lastOfOurs = line;
        lastLine = line;
        anyLine = true;
        lastBlank = meaning.blank;
    });

    const QByteArrayView lineEnd = dominantLineEnd(lineEnds);
    QByteArray added;
    for (std::size_t k = 0; k < kKeys.size(); ++k) {
        if (!present[k])
            added.append(kKeys[k]).append('=').append(values[k]).append(lineEnd);
    }
    if (!added.isEmpty()) {
        // Our lines start on a line of their own, after a blank line when they start a section.
        const Line& after = sawOurs ? lastOfOurs : lastLine;
        QByteArray before;
        if (anyLine && after.textEnd == after.end)
            before += lineEnd;
        if (!sawOurs) {
            if (anyLine && !lastBlank)
                before += lineEnd;
            before.append('[').append(kSection).append(']').append(lineEnd);
        }
        edits.push_back({after.end, after.end, before.append(added)});
    }

    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& a, const Edit& b) { return a.from < b.from; });
    QByteArray out;
    out.reserve(file.size() + 64);
    qsizetype copied = 0;
    for (const Edit& edit : edits) {
        out.append(file.sliced(copied, edit.from - copied)).append(edit.text);
        copied = edit.to;
    }
    out.append(file.sliced(copied));
    return out;
}

} // namespace position
