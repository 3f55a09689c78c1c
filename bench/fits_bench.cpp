// The fit workbench at 200 %: a keystroke in the size field, timed from the key press until the
// figures and the zone picture have been repainted (the event loop has run the paint it asked
// for), and the finder over every class at one size, timed from the choice until its list is
// painted. Runs on the offscreen platform; prints figures, judges nothing.
#include "fits_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// Runs the event loop until the window has painted what the last change asked for.
void untilPainted(QWidget& window)
{
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
    Q_UNUSED(window);
}

} // namespace

int main(int argc, char* argv[])
{
    int keys = 400;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--keys") == 0)
            keys = std::max(2, std::atoi(argv[i + 1]));
    }
    qputenv("QT_SCALE_FACTOR", "2");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    FitsWindow window;
    window.show();
    QTest::qWaitForWindowExposed(&window);
    auto* size = window.findChild<QLineEdit*>(QStringLiteral("sizeField"));
    size->setFocus();
    size->setText(QStringLiteral("35"));
    window.findChild<QComboBox*>(QStringLiteral("holeClass"))->setEditText(QStringLiteral("H7"));
    window.findChild<QComboBox*>(QStringLiteral("shaftClass"))->setEditText(QStringLiteral("g6"));
    untilPainted(window);

    // 35 → 355 → 35 …: every key changes the range, the figures and the picture.
    std::vector<double> times;
    for (int i = 0; i < keys; ++i) {
        const auto start = Clock::now();
        QTest::keyClick(size, i % 2 ? Qt::Key_Backspace : Qt::Key_5);
        untilPainted(window);
        times.push_back(millisecondsSince(start));
    }
    std::printf("| keystroke to repainted figures and picture at 200 %%, median of %d | %.2f ms | "
                "< 16 ms | %s |\n",
                keys, percentile(times, 0.5), percentile(times, 0.5) < 16 ? "yes" : "no");
    std::printf("| keystroke to repainted figures and picture at 200 %%, 99th percentile | %.2f ms "
                "| | |\n",
                percentile(times, 0.99));

    // Every class against every class at 35 mm, no bound: the longest list the finder makes.
    auto* classes = window.findChild<QComboBox*>(QStringLiteral("finderClasses"));
    std::vector<double> finds;
    for (int i = 0; i < std::max(2, keys / 40); ++i) {
        classes->setCurrentIndex(0);
        untilPainted(window);
        const auto start = Clock::now();
        classes->setCurrentIndex(1);
        untilPainted(window);
        finds.push_back(millisecondsSince(start));
    }
    std::printf("| finder over every class at 35 mm to its painted list, median of %zu | %.1f ms | "
                "< 16 ms | %s |\n",
                finds.size(), percentile(finds, 0.5), percentile(finds, 0.5) < 16 ? "yes" : "no");
    return 0;
}
