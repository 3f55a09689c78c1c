// SPDX-License-Identifier: MIT
// The fit workbench at 200 %: a keystroke in the size field, timed from the key press until the
// window's first repaint after it is done (the figures and the zone picture), and until the
// finder's list answers the new size too; with our 65 classes and with every class chosen in the
// finder, keys as fast as the window takes them and at a held key's repeat (one every 30 ms,
// timed from when the key was due, so that time the window spends busy counts); the finder over
// every class at one size, the search alone and from the choice until its list is painted.
// Runs on the offscreen platform; prints figures, judges nothing. It drives the window only by
// its objects' names, so the same file times an older build too.
#if __has_include("window/fits_window.h")
#include "model/pair_finder.h"
#include "window/fits_window.h"
#else
#include "fit_query.h"
#include "fits_window.h"
#endif
#include "repaint_clock.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

double millisecondsBetween(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double millisecondsSince(Clock::time_point start)
{
    return millisecondsBetween(start, Clock::now());
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// The window under test and what the benchmark watches of it.
struct Bench
{
    QWidget* window;
    QLineEdit* size;
    QComboBox* classes;
    QAbstractItemView* list;
    QLabel* finderMessage;
    RepaintClock clock;
    int resets = 0; // of the finder's list

    // Runs the event loop until the finder's list answers what was last asked: a search has put
    // its pairs in (or said why there are none) and everything that caused is painted.
    void untilListDone(int resetsBefore)
    {
        QElapsedTimer waited;
        waited.start();
        do {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        } while ((resets == resetsBefore ||
                  finderMessage->text().contains(QStringLiteral("探しています"))) &&
                 waited.elapsed() < 10'000);
        for (int round = 0; round < 3; ++round) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }

    // Runs the event loop, the window's timers and arrivals too, until the time given.
    static void runUntil(Clock::time_point due)
    {
        const double left = millisecondsBetween(Clock::now(), due);
        if (left <= 0)
            return;
        QEventLoop loop;
        QTimer::singleShot(int(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        // The rest of a millisecond, with whatever else is due.
        while (Clock::now() < due)
            QCoreApplication::processEvents();
    }
};

struct Keystrokes
{
    std::vector<double> painted; // key to the first repaint after it
    std::vector<double> settled; // key to the finder's list done too
};

// 35 → 355 → 35 …: every key changes the range, the figures, the picture and the finder. Paced,
// each key is sent when due or, when the window was busy, as soon as it is free, and timed from
// when it was due.
Keystrokes typeSizes(Bench& bench, int keys, std::optional<double> paceMs)
{
    Keystrokes times;
    Clock::time_point due = Clock::now();
    for (int i = 0; i < keys; ++i) {
        if (paceMs) {
            due += std::chrono::microseconds(qint64(*paceMs * 1000));
            Bench::runUntil(due);
        } else {
            due = Clock::now();
        }
        bench.clock.start();
        const int resets = bench.resets;
        QTest::keyClick(bench.size, i % 2 ? Qt::Key_Backspace : Qt::Key_5);
        if (paceMs) {
            // Until the repaint, then on to the next key's time with everything else running.
            QElapsedTimer waited;
            waited.start();
            while (!bench.clock.painted() && waited.elapsed() < 1000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        } else {
            bench.untilListDone(resets);
            times.settled.push_back(millisecondsSince(due));
        }
        if (bench.clock.painted())
            times.painted.push_back(millisecondsBetween(due, *bench.clock.painted()));
    }
    return times;
}

void row(const char* what, const std::vector<double>& values, double target)
{
    const auto print = [&](const char* which, double value) {
        if (target > 0)
            std::printf("| %s, %s | %.2f ms | < %.0f ms | %s |\n", what, which, value, target,
                        value < target ? "yes" : "no");
        else
            std::printf("| %s, %s | %.2f ms | | |\n", what, which, value);
    };
    char median[64];
    std::snprintf(median, sizeof median, "median of %zu", values.size());
    print(median, percentile(values, 0.5));
    print("99th percentile", percentile(values, 0.99));
}

void chooseScope(Bench& bench, int index)
{
    if (bench.classes->currentIndex() == index)
        return; // nothing to search again
    const int resets = bench.resets;
    bench.classes->setCurrentIndex(index);
    bench.untilListDone(resets);
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
    // As a user first meets it: its first size on this screen, the pages below as it arranges
    // them (an empty settings folder).
    window.restoreLast();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    Bench bench{&window,
                window.findChild<QLineEdit*>(QStringLiteral("sizeField")),
                window.findChild<QComboBox*>(QStringLiteral("finderClasses")),
                window.findChild<QAbstractItemView*>(QStringLiteral("finderList")),
                window.findChild<QLabel*>(QStringLiteral("finderMessage")),
                {}};
    QObject::connect(bench.list->model(), &QAbstractItemModel::modelReset,
                     [&bench] { ++bench.resets; });
    bench.size->setFocus();
    bench.size->setText(QStringLiteral("35"));
    window.findChild<QComboBox*>(QStringLiteral("holeClass"))->setEditText(QStringLiteral("H7"));
    window.findChild<QComboBox*>(QStringLiteral("shaftClass"))->setEditText(QStringLiteral("g6"));
    bench.untilListDone(-1);
    window.installEventFilter(&bench.clock);

    const Keystrokes ours = typeSizes(bench, keys, std::nullopt);
    row("keystroke to repainted figures and picture at 200 %, our 65 classes", ours.painted, 16);
    row("keystroke to the finder's list done too, our 65 classes", ours.settled, 0);
    chooseScope(bench, 1);
    const Keystrokes every = typeSizes(bench, std::max(2, keys / 4), std::nullopt);
    row("keystroke to repainted figures at 200 %, every class", every.painted, 8);
    row("keystroke to the finder's list done too, every class", every.settled, 0);
    const Keystrokes held = typeSizes(bench, std::max(2, keys / 4), 30.0);
    row("key held (one every 30 ms) to repainted figures at 200 %, every class", held.painted, 8);
    window.removeEventFilter(&bench.clock);

    // Every class against every class at 35 mm, no bound: the longest list the finder makes.
    bench.size->setText(QStringLiteral("35"));
    chooseScope(bench, 0);
    Clock::time_point searched;
    QObject::connect(bench.list->model(), &QAbstractItemModel::modelReset,
                     [&searched] { searched = Clock::now(); });
    std::vector<double> searches;
    std::vector<double> finds;
    std::vector<double> shown;
    for (int i = 0; i < std::max(2, keys / 40); ++i) {
        chooseScope(bench, 0);
        const auto start = Clock::now();
        chooseScope(bench, 1);
        finds.push_back(millisecondsSince(start));
        shown.push_back(millisecondsSince(searched));
        const auto alone = Clock::now();
        workbench::FinderQuery query{};
        query.diameter = 35'000'000;
#if __has_include("window/fits_window.h")
        query.scope = tolerance::ClassScope::Every;
#else
        query.everyClass = true;
#endif
        const auto found = workbench::findPairs(query);
        searches.push_back(millisecondsSince(alone));
        if (i == 0)
            std::printf("| pairs found over every class at 35 mm | %zu | | |\n",
                        found.pairs.size());
    }
    row("finder over every class at 35 mm, the search alone", searches, 0);
    row("finder over every class at 35 mm, choice to painted list", finds, 0);
    row("finder over every class at 35 mm, list in to painted list", shown, 16);
    return 0;
}
