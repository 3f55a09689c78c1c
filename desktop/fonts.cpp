// SPDX-License-Identifier: MIT
#include "desktop/fonts.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstdio>

namespace fonts {

namespace {

// The design family and its stand-ins, best first: the first installed one that draws every
// character of the window is used for all of it. README's "Japanese fonts" says who gets which.
// clang-format off
constexpr std::array kChain = {
    // The design, on Japanese Windows or with the Japanese Supplemental Fonts; then the same
    // font where it is listed under its English name.
    QStringView(u"ＭＳ Ｐゴシック"), QStringView(u"MS PGothic"),
    // Drawn to its metrics: IPAPGothic (README's commands and the .deb bring it) and its fork
    // TakaoPGothic (older Ubuntu Japanese desktops).
    QStringView(u"IPAPGothic"), QStringView(u"TakaoPGothic"),
    // Proportional kana as well (older Debian and Fedora Japanese desktops).
    QStringView(u"VL PGothic"),
    // Narrow kana made for menus and dialogs: Meiryo UI, hinted for small sizes on screen, and
    // Yu Gothic UI, which every Windows 10 and 11 has.
    QStringView(u"Meiryo UI"), QStringView(u"Yu Gothic UI"),
    // From here on full-width kana, wider than the design's: the text-fit rules narrow them.
    QStringView(u"Meiryo"), QStringView(u"Yu Gothic"),
    // The Japanese font of most Linux desktops (fonts-noto-cjk), the same design under Adobe's
    // names, and its Japanese subset as Google Fonts hands it out.
    QStringView(u"Noto Sans CJK JP"), QStringView(u"Source Han Sans JP"),
    QStringView(u"Source Han Sans"), QStringView(u"Noto Sans JP"),
};
// clang-format on

struct Choice
{
    QString family;       // empty when no family covers the window's texts
    bool merging = false; // Qt's per-character fallback, only for want of a family that covers
};

Choice& choice()
{
    static Choice chosen;
    return chosen;
}

QList<char32_t> distinctCharacters(const QStringList& texts)
{
    QSet<char32_t> seen;
    for (const QString& text : texts)
        for (char32_t c : text.toUcs4())
            seen.insert(c);
    return {seen.begin(), seen.end()};
}

// Once, on stderr: the window still opens, Qt's fallback finds what other fonts have per
// character.
void reportMissingFont()
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    std::fprintf(stderr,
                 "%s: no installed font has every character of the window, so some may show as "
                 "boxes; %s\n",
                 qUtf8Printable(program), missingFontAdvice());
}

} // namespace

QString designFamily()
{
    return kChain.front().toString();
}

QStringList standInChain()
{
    QStringList families;
    for (QStringView family : kChain)
        families << family.toString();
    return families;
}

QString firstCovering(const QStringList& families, const QStringList& texts)
{
    const QList<char32_t> characters = distinctCharacters(texts);
    // Only an installed family: fontconfig would answer an absent one with its best match.
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (!installed.contains(family, Qt::CaseInsensitive))
            continue;
        QFont font(family);
        font.setPointSizeF(9);
        font.setStyleStrategy(QFont::NoFontMerging);
        // The character map alone, without an engine per character.
        const QRawFont raw = QRawFont::fromFont(font);
        if (std::all_of(characters.begin(), characters.end(),
                        [&](char32_t c) { return raw.supportsCharacter(c); }))
            return family;
    }
    return {};
}

QString chosenFamily()
{
    return choice().family;
}

void installApplicationFonts(const QStringList& texts)
{
    Choice& chosen = choice();
    chosen.family = firstCovering(standInChain(), texts);
    if (chosen.family.isEmpty()) {
        chosen.merging = true;
        reportMissingFont();
    } else if (chosen.family != designFamily()) {
        QFont::insertSubstitution(designFamily(), chosen.family);
    }
    // Menus too: the platform default would load a second Japanese font for their kana.
    QApplication::setFont(designFont(9));
}

void installDesktopFont(const QStringList& texts)
{
    QFont font = QApplication::font();
    // A family fontconfig does not list for Japanese cannot draw the window's words: asked
    // first, that spares opening it (a thirtieth of the start-up on a desktop without Japanese).
    if (QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese) &&
        !firstCovering({font.family()}, texts).isEmpty())
        return;
    Choice& chosen = choice();
    chosen.family = firstCovering(standInChain(), texts);
    if (chosen.family.isEmpty()) {
        chosen.merging = true;
        reportMissingFont();
        return;
    }
    font.setFamilies({chosen.family});
    QApplication::setFont(font);
}

QFont designFont(qreal pointSize)
{
    QFont font(designFamily());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    // The chosen family covers every text, so fallbacks are never needed (a tenth of the start-up).
    if (!choice().merging)
        font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

namespace {

// Stretch never goes below this: narrower digits would no longer read as the design's.
constexpr int kMinimumStretch = 75;

// The widest of texts as sums of advances, exact with kerning off and far cheaper than shaping
// every text per stretch; texts that need shaping are measured whole.
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
