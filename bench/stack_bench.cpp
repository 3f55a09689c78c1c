// SPDX-License-Identifier: MIT
// The tolerance stack-up: the closed forms a keystroke runs (a chain of 100 members, each spread
// normally and evenly), a keystroke through the model, a keystroke in the window's table to its
// repaint with 100 and with 1000 members while the Monte Carlo run goes on behind it, and a
// million Monte Carlo assemblies of 20 members on two threads and on one. Offscreen; prints
// figures, judges nothing. With --monte-carlo-only it runs the Monte Carlo part alone, once, for
// valgrind --tool=callgrind to count.
#include "model/stack_model.h"
#include "repaint_clock.h"
#include "stack_window.h"

#include "tolerance/stack/chain.h"
#include "tolerance/stack/monte_carlo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <vector>

using Clock = std::chrono::steady_clock;
using namespace tolerance::stack;

namespace {

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[std::min(values.size() - 1, std::size_t(p * values.size()))];
}

void row(const char* what, double value, const char* unit, double target)
{
    if (target > 0)
        std::printf("| %s | %.3g %s | < %.0f %s | %s |\n", what, value, unit, target, unit,
                    value < target ? "yes" : "no");
    else
        std::printf("| %s | %.3g %s | | |\n", what, value, unit);
}

// A chain of n members of every kind: classes, limits and general tolerances, some warm.
std::vector<MemberText> members(int n)
{
    const char* const tolerances[] = {"h7", "H8", "±0.05", "0/-0.12", "js9", "m", "+0.1/-0.02"};
    std::vector<MemberText> texts;
    for (int i = 0; i < n; ++i)
        texts.push_back({"m" + std::to_string(i),
                         i == 0 ? "+" : "-",
                         std::to_string(5 + i % 40),
                         tolerances[i % 7],
                         i % 5 == 0 ? "S45C" : "",
                         i % 5 == 0 ? "60" : "",
                         {}});
    return texts;
}

Chain chainOf(int n, tolerance::Distribution distribution)
{
    ChainText text;
    text.members = members(n);
    text.distribution = std::string(tolerance::nameOf(distribution));
    text.requirement = "-100..100";
    return std::get<Chain>(readChain(text));
}

void closedForms(int rounds)
{
    for (const auto distribution :
         {tolerance::Distribution::Normal, tolerance::Distribution::Uniform}) {
        const Chain chain = chainOf(100, distribution);
        std::vector<double> times;
        for (int i = 0; i < rounds; ++i) {
            const auto start = Clock::now();
            const ChainAnswer answer = answerChain(chain);
            times.push_back(millisecondsSince(start) * 1000);
            if (answer.shares.size() != 100)
                std::abort();
        }
        row(distribution == tolerance::Distribution::Normal
                ? "closed forms, 100 members spread normally, median"
                : "closed forms, 100 members spread evenly (exact sum), median",
            median(times), "µs", 1000);
    }
}

// A key typed into the model: the row read again, the closed forms, the Monte Carlo run restarted.
void modelKeystrokes(int rounds, tolerance::Distribution distribution)
{
    StackModel model;
    model.table().setTexts(members(100));
    model.setRequirement(QStringLiteral("-100..100"));
    model.setDistribution(distribution);
    std::vector<double> times;
    const QModelIndex cell = model.table().index(50, MemberTable::Tolerance);
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        model.table().setData(cell, i % 2 ? QStringLiteral("h7") : QStringLiteral("h"));
        times.push_back(millisecondsSince(start) * 1000);
        QCoreApplication::processEvents();
    }
    row(distribution == tolerance::Distribution::Normal
            ? "a key into the model, 100 members spread normally, to the closed forms, median"
            : "a key into the model, 100 members spread evenly, to the closed forms, median",
        median(times), "µs", 1000);
}

// Keys typed into a cell of the window's table, each to the window's repaint, with the Monte Carlo
// run of the chain as it stood a key before still going.
void windowKeystrokes(int n, int keys)
{
    StackWindow window;
    window.resize(1000, 700);
    window.model().table().setTexts(members(n));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::exit(1);
    auto* view = window.findChild<QTableView*>(QStringLiteral("members"));
    view->setFocus();
    view->setCurrentIndex(window.model().table().index(n / 2, MemberTable::Nominal));
    QTest::keyClick(view, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!editor)
        std::exit(1);
    RepaintClock clock;
    window.installEventFilter(&clock);
    std::vector<double> painted;
    for (int i = 0; i < keys; ++i) {
        clock.start();
        const auto start = Clock::now();
        QTest::keyClick(editor, i % 2 ? Qt::Key_Backspace : Qt::Key_5);
        QElapsedTimer waited;
        waited.start();
        while (!clock.painted() && waited.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (clock.painted())
            painted.push_back(
                std::chrono::duration<double, std::milli>(*clock.painted() - start).count());
    }
    window.removeEventFilter(&clock);
    char what[160];
    std::snprintf(what, sizeof what,
                  "a key in the table to the window's repaint, %d members, Monte Carlo behind, "
                  "median",
                  n);
    row(what, median(painted), "ms", n <= 100 ? 16 : 50);
    std::snprintf(what, sizeof what, "the same, %d members, 99th percentile", n);
    row(what, percentile(painted, 0.99), "ms", 0);
}

struct Run
{
    double wall;
    double cpu;
};

Run monteCarlo(std::size_t samples, unsigned threads)
{
    const Chain chain = chainOf(20, tolerance::Distribution::Normal);
    const std::clock_t cpu = std::clock();
    const auto start = Clock::now();
    const auto run = runMonteCarlo(chain, {samples, kDefaultSeed, threads});
    const Run time{millisecondsSince(start), 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC};
    if (!run)
        std::abort();
    return time;
}

void monteCarloRows(int rounds)
{
    for (const unsigned threads : {2u, 1u}) {
        std::vector<double> wall;
        std::vector<double> cpu;
        for (int i = 0; i < rounds; ++i) {
            const Run run = monteCarlo(kDefaultSamples, threads);
            wall.push_back(run.wall);
            cpu.push_back(run.cpu);
        }
        char what[120];
        std::snprintf(what, sizeof what,
                      "10^6 Monte Carlo assemblies of 20 members, %u thread%s, wall, median",
                      threads, threads > 1 ? "s" : "");
        row(what, median(wall), "ms", threads == 2 ? 300 : 0);
        std::snprintf(what, sizeof what, "the same, %u thread%s, CPU of all threads, median",
                      threads, threads > 1 ? "s" : "");
        row(what, median(cpu), "ms", 0);
    }
}

int option(int argc, char* argv[], const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::max(1, std::atoi(argv[i + 1]));
    return fallback;
}

bool flag(int argc, char* argv[], const char* name)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    const int rounds = option(argc, argv, "--rounds", 200);
    if (flag(argc, argv, "--monte-carlo-only")) {
        const Run run = monteCarlo(std::size_t(option(argc, argv, "--samples", 1'000'000)),
                                   unsigned(option(argc, argv, "--threads", 1)));
        std::printf("monte carlo: %.1f ms\n", run.wall);
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    closedForms(rounds);
    modelKeystrokes(rounds, tolerance::Distribution::Normal);
    modelKeystrokes(rounds, tolerance::Distribution::Uniform);
    windowKeystrokes(100, std::max(4, rounds / 4));
    windowKeystrokes(1000, std::max(4, rounds / 10));
    monteCarloRows(std::max(1, rounds / 40));
    return 0;
}
