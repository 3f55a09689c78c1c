// SPDX-License-Identifier: MIT
// The fit workbench at 200 %: a keystroke in the size field, timed from the key press until the
// window's first repaint after it is done (the figures and the zone picture), and until every
// event it caused is done (the finder's list too); the finder over every class at one size, the
// search alone and from the choice until its list is painted. Runs on the offscreen platform;
// prints figures, judges nothing.
#include "fit_query.h"
#include "fits_window.h"

#include <QAbstractItemView>
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
#include <optional>
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

// Runs the event loop until the window has painted what the last change asked for, and what
// the work that change put off (the finder's search) asked for in turn.
void untilPainted(QWidget& window)
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
    }
    Q_UNUSED(window);
}

// When the window's first repaint since the last start() ended.
class RepaintClock : public QObject
{
public:
    void start() { m_painted.reset(); }
    std::optional<Clock::time_point> painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::UpdateRequest || m_painted)
            return false;
        watched->event(event);
        m_painted = Clock::now();
        return true;
    }

private:
    std::optional<Clock::time_point> m_painted;
};

double median(const std::vector<double>& values)
{
    return percentile(values, 0.5);
}

void row(const char* what, const std::vector<double>& values, bool target)
{
    std::printf("| %s, median of %zu | %.2f ms | %s | %s |\n", what, values.size(), median(values),
                target ? "< 16 ms" : "", target ? (median(values) < 16 ? "yes" : "no") : "");
    std::printf("| %s, 99th percentile | %.2f ms | %s | %s |\n", what, percentile(values, 0.99),
                target ? "< 16 ms" : "",
                target ? (percentile(values, 0.99) < 16 ? "yes" : "no") : "");
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
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto* size = window.findChild<QLineEdit*>(QStringLiteral("sizeField"));
    size->setFocus();
    size->setText(QStringLiteral("35"));
    window.findChild<QComboBox*>(QStringLiteral("holeClass"))->setEditText(QStringLiteral("H7"));
    window.findChild<QComboBox*>(QStringLiteral("shaftClass"))->setEditText(QStringLiteral("g6"));
    untilPainted(window);

    // 35 → 355 → 35 …: every key changes the range, the figures, the picture and the finder.
    RepaintClock clock;
    window.installEventFilter(&clock);
    std::vector<double> painted;
    std::vector<double> settled;
    for (int i = 0; i < keys; ++i) {
        clock.start();
        const auto start = Clock::now();
        QTest::keyClick(size, i % 2 ? Qt::Key_Backspace : Qt::Key_5);
        untilPainted(window);
        settled.push_back(millisecondsSince(start));
        if (clock.painted())
            painted.push_back(
                std::chrono::duration<double, std::milli>(*clock.painted() - start).count());
    }
    window.removeEventFilter(&clock);
    row("keystroke to repainted figures and picture at 200 %", painted, true);
    row("keystroke to every event done, the finder's list of our 65 classes too", settled, false);

    // Every class against every class at 35 mm, no bound: the longest list the finder makes. The
    // list is shown from the model's reset, which comes when the search is done.
    auto* classes = window.findChild<QComboBox*>(QStringLiteral("finderClasses"));
    auto* list = window.findChild<QAbstractItemView*>(QStringLiteral("finderList"));
    Clock::time_point searched;
    QObject::connect(list->model(), &QAbstractItemModel::modelReset,
                     [&searched] { searched = Clock::now(); });
    std::vector<double> searches;
    std::vector<double> finds;
    std::vector<double> shown;
    for (int i = 0; i < std::max(2, keys / 40); ++i) {
        classes->setCurrentIndex(0);
        untilPainted(window);
        const auto start = Clock::now();
        classes->setCurrentIndex(1);
        untilPainted(window);
        finds.push_back(millisecondsSince(start));
        shown.push_back(millisecondsSince(searched));
        const auto alone = Clock::now();
        const auto found =
            workbench::findPairs({35'000'000, workbench::Edition::Jis1984, std::nullopt,
                                  std::nullopt, std::nullopt, workbench::Basis::Any, true});
        searches.push_back(millisecondsSince(alone));
        if (i == 0)
            std::printf("| pairs found over every class at 35 mm | %zu | | |\n",
                        found.pairs.size());
    }
    row("finder over every class at 35 mm, the search alone", searches, false);
    row("finder over every class at 35 mm, choice to painted list", finds, false);
    row("finder over every class at 35 mm, search done to painted list", shown, true);
    return 0;
}
