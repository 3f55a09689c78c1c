// SPDX-License-Identifier: MIT
#include "desktop/sheet/sheet_pages.h"

#include "desktop/fonts.h"

#include "tolerance/sheet/words.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace sheetPages {

namespace {

using namespace tolerance::sheet;

// Sizes as the HTML page has them, so that a sheet looks alike on paper from either.
constexpr double kTitlePoints = 16;
constexpr double kSubjectPoints = 12;
constexpr double kHeadingPoints = 11;
constexpr double kBodyPoints = 9;
constexpr double kFootPoints = 7.5;
// Millimetres.
constexpr double kPadX = 1.5;
constexpr double kPadY = 0.8;
constexpr double kGap = 2;
constexpr double kFootRoom = 8;
constexpr double kThinLine = 0.25;
constexpr double kDrawingLine = 0.3;
constexpr double kWarningLine = 0.5;
constexpr double kHatchStep = 1.6;
constexpr double kHatchLine = 0.15;
constexpr double kSignatureRoom = 12;
const QColor kHeadShade(232, 232, 232);

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

// Lays the sheet out from the top of its first page to the foot of its last. Without a painter
// it only measures, which is how the count of pages is known before the first is painted.
class Pager
{
public:
    Pager(const Sheet& sheet, QPagedPaintDevice& device, const QString& family, int pages)
        : m_sheet(sheet), m_device(device), m_family(family), m_pages(pages),
          m_width(device.width()), m_bottom(device.height() - mm(kFootRoom))
    {}

    int run(QPainter* painter)
    {
        m_painter = painter;
        head();
        for (const Section& section : m_sheet.sections) {
            const double heading = textHeight(qt(section.heading), font(kHeadingPoints, true));
            room(heading + mm(kGap) +
                 (section.blocks.empty() ? 0 : std::visit(FirstPart{*this}, section.blocks[0])));
            rule(text(qt(section.heading), font(kHeadingPoints, true), m_y + mm(kGap)) + mm(0.8));
            m_y += mm(kGap);
            for (std::size_t i = 0; i < section.blocks.size(); ++i) {
                // A line that introduces a table stays on the page of the table's head.
                const auto* line = std::get_if<Paragraph>(&section.blocks[i]);
                const auto* next = i + 1 < section.blocks.size()
                                       ? std::get_if<Table>(&section.blocks[i + 1])
                                       : nullptr;
                if (line && next)
                    room(paragraphHeight(*line) + tableStart(*next));
                std::visit(Paint{*this}, section.blocks[i]);
            }
        }
        foot();
        return m_page;
    }

private:
    struct FirstPart;
    struct Paint;

    double mm(double millimetres) const { return millimetres * m_device.logicalDpiY() / 25.4; }

    QFont font(double points, bool bold = false) const
    {
        QFont f(m_family);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    double textHeight(const QString& text, const QFont& f, double width = -1) const
    {
        const QRectF room(0, 0, width < 0 ? m_width : width, 1e9);
        return QFontMetricsF(f, &m_device).boundingRect(room, Qt::TextWordWrap, text).height();
    }

    // Draws wrapped text at the margin, and answers where it ends.
    double text(const QString& words, const QFont& f, double top, double left = 0,
                double width = -1, Qt::Alignment align = Qt::AlignLeft)
    {
        const double w = width < 0 ? m_width - left : width;
        const double h = textHeight(words, f, w);
        if (m_painter) {
            m_painter->setFont(f);
            m_painter->drawText(QRectF(left, top, w, h), int(align) | Qt::TextWordWrap, words);
        }
        return top + h;
    }

    void rule(double y)
    {
        if (m_painter) {
            m_painter->setPen(QPen(Qt::black, mm(kThinLine)));
            m_painter->drawLine(QPointF(0, y), QPointF(m_width, y));
        }
        m_y = y + mm(0.5);
    }

    // Makes room for what must not be split: a new page when it does not fit on this one.
    void room(double height)
    {
        if (m_y > 0 && m_y + height > m_bottom)
            newPage();
    }

    void newPage()
    {
        foot();
        if (m_painter)
            m_device.newPage();
        ++m_page;
        m_y = 0;
    }

    void foot()
    {
        if (!m_painter)
            return;
        const QFont f = font(kFootPoints);
        const double top = m_device.height() - textHeight(QStringLiteral("0"), f);
        const QString page = qt(fill(
            m_sheet.pageWord, {std::to_string(m_page), std::to_string(std::max(m_pages, m_page))}));
        QString left = qt(m_sheet.title + ' ' + m_sheet.subject);
        if (!m_sheet.stampLines.empty())
            left += QStringLiteral("　") + qt(m_sheet.stampLines.front());
        m_painter->setPen(Qt::black);
        text(left, f, top, 0, m_width * 0.75);
        text(page, f, top, m_width * 0.75, m_width * 0.25, Qt::AlignRight);
    }

    void head()
    {
        m_y = text(qt(m_sheet.title), font(kTitlePoints, true), 0);
        m_y = text(qt(m_sheet.subject), font(kSubjectPoints), m_y + mm(1));
        QString stamp;
        for (const std::string& line : m_sheet.stampLines)
            stamp += (stamp.isEmpty() ? QString() : QStringLiteral("　　")) + qt(line);
        rule(text(stamp, font(kBodyPoints), m_y + mm(1)) + mm(1.5));
        m_y += mm(kGap);
    }

    double paragraphHeight(const Paragraph& p) const
    {
        return textHeight(qt(p.text), font(kBodyPoints)) + mm(kGap);
    }

    void paragraph(const Paragraph& p)
    {
        room(paragraphHeight(p));
        m_y = text(qt(p.text), font(kBodyPoints), m_y) + mm(kGap);
    }

    double warningHeight(const Warning& w) const
    {
        const double mark = markWidth(w);
        return textHeight(qt(w.text), font(kBodyPoints), m_width - mark - mm(2 * kPadX)) +
               mm(2 * kPadY + kGap);
    }

    double markWidth(const Warning& w) const
    {
        return QFontMetricsF(font(kBodyPoints, true), &m_device).horizontalAdvance(qt(w.mark)) +
               mm(2 + kPadX);
    }

    void warning(const Warning& w)
    {
        const double height = warningHeight(w) - mm(kGap);
        room(height + mm(kGap));
        if (m_painter) {
            m_painter->setPen(QPen(Qt::black, mm(kWarningLine)));
            m_painter->setBrush(Qt::NoBrush);
            m_painter->drawRect(QRectF(0, m_y, m_width, height));
        }
        const double mark = markWidth(w);
        text(qt(w.mark), font(kBodyPoints, true), m_y + mm(kPadY), mm(kPadX), mark);
        text(qt(w.text), font(kBodyPoints), m_y + mm(kPadY), mark, m_width - mark - mm(kPadX));
        m_y += height + mm(kGap);
    }

    std::vector<double> columns(const std::vector<double>& shares) const
    {
        std::vector<double> widths;
        for (const double share : shares)
            widths.push_back(share * m_width);
        return widths;
    }

    double rowHeight(const std::vector<Cell>& cells, const std::vector<double>& widths, bool bold,
                     double least = 0) const
    {
        double height = mm(least);
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i)
            height = std::max(height, textHeight(qt(cells[i].text), font(kBodyPoints, bold),
                                                 widths[i] - mm(2 * kPadX)) +
                                          mm(2 * kPadY));
        return height;
    }

    // One row of cells; the head's, and a sign-off's first column, on a shade.
    void row(const std::vector<Cell>& cells, const std::vector<double>& widths, bool head,
             double least = 0, bool firstShaded = false)
    {
        const double height = rowHeight(cells, widths, head, least);
        double left = 0;
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
            const QRectF cell(left, m_y, widths[i], height);
            if (m_painter) {
                m_painter->setPen(QPen(Qt::black, mm(kThinLine)));
                m_painter->setBrush(head || (firstShaded && i == 0) ? QBrush(kHeadShade)
                                                                    : QBrush(Qt::NoBrush));
                m_painter->drawRect(cell);
            }
            text(qt(cells[i].text), font(kBodyPoints, head), m_y + mm(kPadY), left + mm(kPadX),
                 widths[i] - mm(2 * kPadX), cells[i].figure ? Qt::AlignRight : Qt::AlignLeft);
            left += widths[i];
        }
        m_y += height;
    }

    double tableStart(const Table& t) const
    {
        const std::vector<double> widths = columns(t.widths);
        return rowHeight(t.head, widths, true) +
               (t.rows.empty() ? 0 : rowHeight(t.rows.front(), widths, false));
    }

    // Broken between rows only, its head again at the top of every page it continues on.
    void table(const Table& t)
    {
        const std::vector<double> widths = columns(t.widths);
        room(tableStart(t));
        row(t.head, widths, true);
        for (const auto& cells : t.rows) {
            if (m_y + rowHeight(cells, widths, false) > m_bottom) {
                newPage();
                row(t.head, widths, true);
            }
            row(cells, widths, false);
        }
        m_y += mm(kGap);
    }

    double scaleOf(const Drawing& d) const { return std::min(mm(1), m_width / d.width); }

    double drawingHeight(const Drawing& d) const
    {
        return d.height * scaleOf(d) + textHeight(qt(d.description), font(kFootPoints)) + mm(kGap);
    }

    void hatch(const QRectF& box, Hatching hatching, double k)
    {
        if (hatching == Hatching::None)
            return;
        m_painter->save();
        m_painter->setClipRect(box, Qt::IntersectClip);
        m_painter->setPen(QPen(Qt::black, kHatchLine * k));
        for (double t = -box.height(); t < box.width(); t += kHatchStep * k) {
            const bool rising = hatching == Hatching::Rising;
            m_painter->drawLine(
                QPointF(box.left() + t, rising ? box.bottom() : box.top()),
                QPointF(box.left() + t + box.height(), rising ? box.top() : box.bottom()));
        }
        m_painter->restore();
    }

    QPen drawingPen(double k, bool dashed) const
    {
        QPen pen(Qt::black, kDrawingLine * k);
        if (dashed)
            pen.setDashPattern({1.2 / kDrawingLine, 0.8 / kDrawingLine});
        return pen;
    }

    void paintDrawing(const Drawing& d, double k)
    {
        const auto at = [&](Point p) { return QPointF(p.x * k, m_y + p.y * k); };
        for (const Box& b : d.boxes) {
            const QRectF box(at({b.left, b.top}), QSizeF(b.width * k, b.height * k));
            hatch(box, b.hatching, k);
            m_painter->setPen(drawingPen(k, b.dashed));
            m_painter->setBrush(Qt::NoBrush);
            m_painter->drawRect(box);
        }
        for (const Line& l : d.lines) {
            m_painter->setPen(drawingPen(k, l.dashed));
            m_painter->drawLine(at(l.from), at(l.to));
        }
        QFont f(m_family);
        f.setPointSizeF(d.textHeight * k * 72 / m_device.logicalDpiY());
        m_painter->setFont(f);
        m_painter->setPen(Qt::black);
        const QFontMetricsF metrics(f, &m_device);
        for (const Label& l : d.labels) {
            const QString words = qt(l.text);
            const double width = metrics.horizontalAdvance(words);
            const double shift = l.anchor == Anchor::Start    ? 0
                                 : l.anchor == Anchor::Middle ? width / 2
                                                              : width;
            m_painter->drawText(at(l.at) - QPointF(shift, 0), words);
        }
    }

    void drawing(const Drawing& d)
    {
        room(drawingHeight(d));
        const double k = scaleOf(d);
        if (m_painter)
            paintDrawing(d, k);
        m_y = text(qt(d.description), font(kFootPoints), m_y + d.height * k) + mm(kGap);
    }

    Table signOffTable(const SignOff& s) const
    {
        Table t{{{}}, {{{s.nameCaption}}, {{s.dateCaption}}}, {0.16}};
        for (const std::string& role : s.roles) {
            t.head.push_back({role});
            for (auto& cells : t.rows)
                cells.push_back({});
            t.widths.push_back(0.84 / double(s.roles.size()));
        }
        return t;
    }

    void signOff(const SignOff& s)
    {
        const Table t = signOffTable(s);
        const std::vector<double> widths = columns(t.widths);
        room(rowHeight(t.head, widths, true) + 2 * mm(kSignatureRoom) + mm(kGap));
        row(t.head, widths, true);
        for (const auto& cells : t.rows)
            row(cells, widths, false, kSignatureRoom, true);
        m_y += mm(kGap);
    }

    // The least of a block that must come on the page of the heading above it.
    struct FirstPart
    {
        const Pager& p;
        double operator()(const Paragraph& b) const { return p.paragraphHeight(b); }
        double operator()(const Warning& b) const { return p.warningHeight(b); }
        double operator()(const Table& b) const { return p.tableStart(b); }
        double operator()(const Drawing& b) const { return p.drawingHeight(b); }
        double operator()(const SignOff&) const { return 3 * p.mm(kSignatureRoom); }
    };

    struct Paint
    {
        Pager& p;
        void operator()(const Paragraph& b) const { p.paragraph(b); }
        void operator()(const Warning& b) const { p.warning(b); }
        void operator()(const Table& b) const { p.table(b); }
        void operator()(const Drawing& b) const { p.drawing(b); }
        void operator()(const SignOff& b) const { p.signOff(b); }
    };

    const Sheet& m_sheet;
    QPagedPaintDevice& m_device;
    QString m_family;
    int m_pages;
    double m_width;
    double m_bottom;
    QPainter* m_painter = nullptr;
    int m_page = 1;
    double m_y = 0;
};

} // namespace

QString familyFor(const Sheet& sheet)
{
    // A line at a time: a line break is no character a font need draw.
    const QString covering = fonts::firstCovering(
        fonts::standInChain(), qt(plainText(sheet)).split(u'\n', Qt::SkipEmptyParts));
    return covering.isEmpty() ? QGuiApplication::font().family() : covering;
}

int paint(const Sheet& sheet, QPagedPaintDevice& device)
{
    const QString family = familyFor(sheet);
    const int pages = Pager(sheet, device, family, 0).run(nullptr);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    const int painted = Pager(sheet, device, family, pages).run(&painter);
    painter.end();
    return painted;
}

} // namespace sheetPages
