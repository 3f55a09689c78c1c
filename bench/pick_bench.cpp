// SPDX-License-Identifier: MIT
// Picks made as a user makes them with the keyboard: Down or Up on the focused list, walking to
// its end and back. Each pick is timed from the key press until both deviation boxes of its side
// hold the texts the core gives for the new selection. Runs on the offscreen platform.
#include "desktop/fonts.h"
#include "main_window.h"
#include "window/tab_control.h"
#include "window/window_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using Clock = std::chrono::steady_clock;

namespace {

struct List
{
    const char* title;
    const SideControls* side;
    QComboBox* combo;
};

using Texts = std::pair<QString, QString>;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What the side's boxes must show once list has moved to index, straight from the core.
Texts expectedAfter(const List& list, int index)
{
    const SideControls& side = *list.side;
    const auto textOf = [&](QComboBox* combo) {
        return (combo == list.combo ? combo->itemText(index) : combo->currentText()).toUtf8();
    };
    const QByteArray code = textOf(side.toleranceClass);
    const QByteArray range = textOf(side.range);
    const auto* cls = tolerance::findClass(side.side, {code.data(), std::size_t(code.size())});
    const auto entry =
        cls ? tolerance::ShowDeviations(*cls, {range.data(), std::size_t(range.size())})
            : std::nullopt;
    if (!entry)
        qFatal("no entry for %s %s", code.constData(), range.constData());
    return {fromUtf8(entry->upper), fromUtf8(entry->lower)};
}

bool holds(const SideControls& side, const Texts& texts)
{
    return side.upper->text() == texts.first && side.lower->text() == texts.second;
}

// One pick; its time in microseconds, or a negative value if the boxes never showed the texts.
double pickOnce(const List& list, int target)
{
    const Qt::Key key = target > list.combo->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
    const Texts expected = expectedAfter(list, target);
    const Clock::time_point start = Clock::now();
    QTest::keyPress(list.combo, key);
    while (!holds(*list.side, expected)) {
        if (Clock::now() - start > std::chrono::seconds(1))
            return -1;
        QCoreApplication::processEvents();
    }
    const Clock::time_point written = Clock::now();
    QTest::keyRelease(list.combo, key);
    QCoreApplication::processEvents(); // repaint now, outside the measured span
    if (list.combo->currentIndex() != target)
        return -1;
    return std::chrono::duration<double, std::micro>(written - start).count();
}

// picks picks on one list, bouncing between its first and last entries.
std::vector<double> walk(const List& list, int picks)
{
    list.combo->setFocus();
    std::vector<double> times;
    int step = list.combo->currentIndex() + 1 < list.combo->count() ? 1 : -1;
    while (int(times.size()) < picks) {
        const int target = list.combo->currentIndex() + step;
        const double us = pickOnce(list, target);
        if (us < 0) {
            std::fprintf(stderr, "pick_bench: %s: pick of entry %d not shown\n", list.title,
                         target);
            std::exit(1);
        }
        times.push_back(us);
        if (target == 0 || target + 1 == list.combo->count())
            step = -step;
    }
    return times;
}

// Nearest rank: the smallest value with at least fraction of the samples at or below it.
double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(fraction * double(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

void printRow(const char* title, const std::vector<double>& times)
{
    const double p99 = percentile(times, 0.99);
    std::printf("| pick → both boxes written: %s, %zu picks | median %.1f µs, p99 %.1f µs, "
                "max %.1f µs | p99 < 1 ms | %s |\n",
                title, times.size(), percentile(times, 0.5), p99,
                *std::max_element(times.begin(), times.end()), p99 < 1000 ? "yes" : "no");
}

int picksFromArguments(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--picks") == 0)
            return std::max(1, std::atoi(argv[i + 1]));
    }
    return 2000;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config; // never the user's settings
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    fonts::installApplicationFonts(windowTexts::everyText());
    const int picks = picksFromArguments(argc, argv);

    Form1 form;
    form.load();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "pick_bench: the window never became active\n");
        return 1;
    }
    const List lists[] = {
        {"Combo1 (hole range)", &form.hole(), form.hole().range},
        {"Combo2 (hole class)", &form.hole(), form.hole().toleranceClass},
        {"Combo3 (shaft range)", &form.shaft(), form.shaft().range},
        {"Combo4 (shaft class)", &form.shaft(), form.shaft().toleranceClass},
    };
    auto* tabs = form.findChild<TabControl*>(u"SSTab1"_s);
    std::vector<double> all;
    for (const List& list : lists) {
        tabs->setCurrentIndex(list.side->side == tolerance::Side::Hole ? 0 : 1); // as a user would
        const std::vector<double> times = walk(list, picks);
        printRow(list.title, times);
        all.insert(all.end(), times.begin(), times.end());
    }
    printRow("all four lists", all);
    return 0;
}
