// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <variant>
#include <vector>

// A calculation sheet (計算書) as a document, composed once from the core's answers and written
// by every front end: as an HTML page by the command line, as PDF pages or on paper by the
// windows. It holds words and figures already written, and the picture as lines, boxes and
// labels in millimetres; how a page breaks is the writer's business.
namespace tolerance::sheet {

// A figure is right-aligned, so that its digits line up down a column; a column of figures is
// flush right throughout, its head and a word in it (a fit's type) marked so too.
struct Cell
{
    std::string text;
    bool figure = false;
};

// A table breaks between rows, never inside one, and repeats its head on every page it runs over.
struct Table
{
    std::vector<Cell> head;
    std::vector<std::vector<Cell>> rows;
    std::vector<double> widths; // each column's share of the width, together 1
};

struct Paragraph
{
    std::string text;
};

// What a reviewer must not miss: boxed and marked, readable without colour.
struct Warning
{
    std::string mark; // 注意
    std::string text;
};

// The picture, in millimetres from its top left corner.
struct Point
{
    double x;
    double y;
};

// Hatching that tells the zones apart in black and white: rising (／) or falling (＼) lines.
enum class Hatching
{
    None,
    Rising,
    Falling,
};

struct Box
{
    double left;
    double top;
    double width;
    double height;
    Hatching hatching;
    bool dashed; // an outline of dashes: the zone at the working temperature
};

struct Line
{
    Point from;
    Point to;
    bool dashed = false;
};

enum class Anchor
{
    Start,
    Middle,
    End,
};

// A label's point is the left end, middle or right end of its baseline.
struct Label
{
    Point at;
    std::string text;
    Anchor anchor = Anchor::Start;
};

struct Drawing
{
    double width;
    double height;
    double textHeight; // of every label: the height of a capital, in mm
    std::vector<Box> boxes;
    std::vector<Line> lines;
    std::vector<Label> labels;
    std::string description; // what it shows, in words, for a reader without the picture
};

// Boxes for the names and dates of those who made, checked and approved the sheet.
struct SignOff
{
    std::vector<std::string> roles;
    std::string nameCaption;
    std::string dateCaption;
};

using Block = std::variant<Paragraph, Table, Drawing, Warning, SignOff>;

struct Section
{
    std::string heading;
    std::vector<Block> blocks;
};

// When and by what a sheet was made, as written on it.
struct Stamp
{
    std::string date;    // "2026-12-09"
    std::string program; // "Tessaly 4.20"
};

struct Sheet
{
    std::string title;                   // 計算書
    std::string subject;                 // はめあい φ50 H7/s6
    std::vector<std::string> stampLines; // 作成日 2026-12-09, プログラム Tessaly 4.20
    std::vector<Section> sections;
    std::string pageWord;        // "{1} / {2} ページ", with the page and the count
    std::string language = "ja"; // the code of the language it is written in
};

// A file name for the sheet without its extension, from its title and subject, with what no
// file system takes (a slash above all) replaced: "計算書 はめあい φ50 H7-s6".
std::string suggestedFileName(const Sheet& sheet);

// Every text of the sheet in reading order, one per line: the title, the stamp, each heading,
// cell, paragraph, warning and label. What a reader of any of its forms must find.
std::string plainText(const Sheet& sheet);

} // namespace tolerance::sheet
