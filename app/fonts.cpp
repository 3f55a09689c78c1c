#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace fonts {

QString designFamily()
{
    return u"ＭＳ Ｐゴシック"_s;
}

void installApplicationFonts()
{
    if (!QFontDatabase::hasFamily(designFamily()))
        QFont::insertSubstitution(designFamily(), u"IPAPGothic"_s);
    // As a Japanese system's menus use its Japanese font. Left to the platform default, the
    // menus' kana would load a second Japanese font as a fallback at start (about 2.5 MB and 15%
    // of the start-up instructions).
    QApplication::setFont(designFont(9));
}

QFont designFont(qreal pointSize)
{
    QFont font(designFamily());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    // Every text of the window is a fixed one the family covers (a test checks each glyph), so
    // fallback fonts are never needed; not looking them up saves a tenth of the start-up.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

namespace {

// Stretch never goes below this: narrower digits would no longer read as the design's.
constexpr int kMinimumStretch = 75;

// The widest of texts in font, as the sum of its characters' advances. With kerning off that is
// exactly the width drawn, and it takes a few advances per font instead of shaping every text
// for every stretch tried (which cost most of the start-up time). Texts that need shaping
// (surrogates, combining marks) are measured whole.
qreal widestText(const QFont& font, const QStringList& texts)
{
    const QFontMetricsF metrics(font);
    QHash<QChar, qreal> advances;
    const auto advanceOf = [&](QChar c) {
        auto it = advances.find(c);
        if (it == advances.end())
            it = advances.insert(c, metrics.horizontalAdvance(c));
        return *it;
    };
    qreal widest = 0;
    for (const QString& text : texts) {
        qreal width = 0;
        for (QChar c : text) {
            if (c.isSurrogate() || c.isMark()) {
                width = metrics.horizontalAdvance(text);
                break;
            }
            width += advanceOf(c);
        }
        widest = std::max(widest, width);
    }
    return widest;
}

QFont narrowedToWidth(const QFont& font, const QStringList& texts, int width)
{
    QFont fitted = font;
    fitted.setKerning(false);
    const auto widestAt = [&](int stretch) {
        fitted.setStretch(stretch);
        return widestText(fitted, texts);
    };
    const qreal full = widestAt(100);
    int stretch = 100;
    if (full > width) {
        // Advances shrink almost in proportion to the stretch: start from the proportional
        // guess, then correct it by whole percent steps to the widest stretch that fits.
        stretch = std::clamp(int(100 * width / full), kMinimumStretch, 99);
        while (stretch > kMinimumStretch && widestAt(stretch) > width)
            --stretch;
        while (stretch < 99 && widestAt(stretch + 1) <= width)
            ++stretch;
    }
    fitted.setStretch(stretch);
    return fitted;
}

struct Fitted
{
    QFont font;
    QStringList texts;
    int width;
    QFont result;
};

} // namespace

QFont fittedToWidth(const QFont& font, const QStringList& texts, int width)
{
    // The four deviation boxes ask the same question; each font tried is resolved only once.
    static QList<Fitted> answered;
    for (const Fitted& f : answered) {
        if (f.width == width && f.font == font && f.texts == texts)
            return f.result;
    }
    answered.append({font, texts, width, narrowedToWidth(font, texts, width)});
    return answered.constLast().result;
}

} // namespace fonts
