#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace fonts {

QString designFamily()
{
    return u"ＭＳ Ｐゴシック"_s;
}

void installSubstitutes()
{
    if (!QFontDatabase::hasFamily(designFamily()))
        QFont::insertSubstitution(designFamily(), u"IPAPGothic"_s);
}

QFont designFont(qreal pointSize)
{
    QFont font(designFamily());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

QFont fittedToWidth(const QFont& font, const QStringList& texts, int width)
{
    const auto widest = [&texts](const QFont& f) {
        const QFontMetricsF metrics(f);
        qreal w = 0;
        for (const QString& text : texts)
            w = std::max(w, metrics.horizontalAdvance(text));
        return w;
    };
    QFont fitted = font;
    // Stretch steps of one percent keep the glyphs as close to the design as the box allows.
    for (int stretch = 100; stretch >= 75; --stretch) {
        fitted.setStretch(stretch);
        if (widest(fitted) <= width)
            return fitted;
    }
    return fitted;
}

} // namespace fonts
