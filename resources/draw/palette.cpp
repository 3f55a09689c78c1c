// SPDX-License-Identifier: MIT
#include "palette.h"

#include <limits>

namespace tessaly::drawing {

namespace {

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    const int da = qAlpha(a) - qAlpha(b);
    // A fully transparent pixel has no colour worth matching.
    if (qAlpha(a) == 0 || qAlpha(b) == 0)
        return da * da * 4;
    return dr * dr + dg * dg + db * db + da * da * 4;
}

uchar nearest(QRgb colour, const QList<QRgb>& palette)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance(colour, palette[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return static_cast<uchar>(best);
}

} // namespace

QImage toPalette(const QImage& image, const QList<QRgb>& palette)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            out[x] = nearest(in[x], palette);
    }
    return indexed;
}

} // namespace tessaly::drawing
