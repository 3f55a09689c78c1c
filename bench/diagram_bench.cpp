// SPDX-License-Identifier: MIT
// The two ways of showing the fit diagram on a scaled screen, measured at each ratio: drawing it
// at paint time (every repaint of a page draws the whole diagram anew) against drawing it once
// per ratio and copying it on each repaint (what PictureBox does). Offscreen; prints one table.
#include "fit_diagram.h"
#include "resources/resources.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

template <typename F> double medianMicroseconds(int rounds, F&& f)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        f();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[rounds / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    int rounds = 50;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::max(1, std::atoi(argv[i + 1]));

    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
        // A page's backing store: 397 x 341 device-independent pixels at the ratio.
        QImage page(QSize(397, 341) * ratio, QImage::Format_ARGB32_Premultiplied);
        page.setDevicePixelRatio(ratio);
        const double drawn = medianMicroseconds(rounds, [&] {
            QPainter painter(&page);
            painter.drawImage(0, 0, tessaly::drawing::drawFitDiagram(ratio));
        });
        const QPixmap kept = tessaly::resources::fitDiagram(ratio);
        const double copied = medianMicroseconds(rounds, [&] {
            QPainter painter(&page);
            painter.drawPixmap(0, 0, kept);
        });
        const double kilobytes = double(kept.width()) * kept.height() * kept.depth() / 8 / 1024;
        std::printf("| diagram at %.0f %%: drawn at paint time, median of %d | %.0f µs | | |\n",
                    ratio * 100, rounds, drawn);
        std::printf("| diagram at %.0f %%: kept once per ratio, copied per paint | %.0f µs "
                    "(keeps %.0f KB) | | |\n",
                    ratio * 100, copied, kilobytes);
    }
    return 0;
}
