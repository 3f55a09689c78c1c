// SPDX-License-Identifier: MIT
// Launch to first painted frame, and peak resident memory, of the program against a bare
// QMainWindow of the same size, and against that window showing one caption in the design font
// (what any window of Japanese text pays for fonts): launched in turn, round after round, so that
// drift of a noisy machine falls on all alike. Each child prints the steady clock at
// its first paint and exits (first_paint.cpp, linked into each); the launcher reads the clock just
// before fork and the peak RSS from wait4. The workbench opens at its own roomy size on a first
// start; it is launched a second time with the lookup window's size kept, as a user who made it
// that small would have it, and a bare window with one label is launched at the workbench's own
// first size, so that what its content costs can be told from what its window's area costs.
#include "model/last_inputs.h"

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Run
{
    double milliseconds;
    double peakMegabytes;
    int width;
    int height;
};

long long steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reads the child's report line, giving up after a timeout.
std::optional<std::string> readLine(int fd, int timeoutMs)
{
    std::string line;
    const long long deadline = steadyNanoseconds() + timeoutMs * 1'000'000LL;
    while (line.find('\n') == std::string::npos) {
        const long long left = (deadline - steadyNanoseconds()) / 1'000'000;
        pollfd p{fd, POLLIN, 0};
        if (left <= 0 || poll(&p, 1, int(left)) <= 0)
            return std::nullopt;
        char buffer[256];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return std::nullopt;
        line.append(buffer, std::size_t(n));
    }
    return line;
}

std::optional<Run> launch(const std::vector<std::string>& command)
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const long long start = steadyNanoseconds();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    const std::optional<std::string> line = pid > 0 ? readLine(fds[0], 20'000) : std::nullopt;
    close(fds[0]);
    if (pid < 0)
        return std::nullopt;
    if (!line)
        kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    long long paintedAt = 0;
    Run run{};
    if (!line || std::sscanf(line->c_str(), "first-paint %lld %d %d", &paintedAt, &run.width,
                             &run.height) != 3)
        return std::nullopt;
    run.milliseconds = double(paintedAt - start) / 1e6;
    run.peakMegabytes = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return run;
}

Run launchOrDie(const std::vector<std::string>& command)
{
    if (const auto run = launch(command))
        return *run;
    std::fprintf(stderr, "startup_bench: %s did not report its first paint\n",
                 command.front().c_str());
    std::exit(1);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series
{
    std::vector<double> ms;
    std::vector<double> mb;
    void add(const Run& run)
    {
        ms.push_back(run.milliseconds);
        mb.push_back(run.peakMegabytes);
    }
};

// --rounds N (default 15); --app PATH and --fits PATH, to time another build's bench_tessaly or
// bench_tessaly_fits.
struct Options
{
    int rounds = 15;
    std::string app = TESSALY_APP_PATH;
    std::string fits = TESSALY_FITS_PATH;
};

Options optionsFrom(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--rounds") == 0)
            options.rounds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--app") == 0)
            options.app = argv[i + 1];
        else if (std::strcmp(argv[i], "--fits") == 0)
            options.fits = argv[i + 1];
    }
    return options;
}

void printRows(const Series& app, const Series& bare, const Series& label, int rounds)
{
    const double appMs = median(app.ms), bareMs = median(bare.ms), labelMs = median(label.ms);
    const double appMb = median(app.mb), bareMb = median(bare.mb), labelMb = median(label.mb);
    const auto row = [rounds](const char* what, const char* who, double value, const char* unit) {
        std::printf("| %s, median of %d: %s | %.1f %s | | |\n", what, rounds, who, value, unit);
    };
    row("start-up to first paint", "tessaly", appMs, "ms");
    row("start-up to first paint", "bare QMainWindow", bareMs, "ms");
    row("start-up to first paint", "bare QMainWindow + one label in the design font", labelMs,
        "ms");
    std::printf("| start-up ratio tessaly / bare | %.2f | ≤ 1.10 | %s |\n", appMs / bareMs,
                appMs / bareMs <= 1.10 ? "yes" : "no");
    std::printf("| start-up ratio tessaly / bare + label | %.2f | | |\n", appMs / labelMs);
    row("peak RSS", "tessaly", appMb, "MB");
    row("peak RSS", "bare QMainWindow", bareMb, "MB");
    row("peak RSS", "bare QMainWindow + one label in the design font", labelMb, "MB");
    std::printf("| peak RSS ratio tessaly / bare | %.2f | ≤ 1.15 | %s |\n", appMb / bareMb,
                appMb / bareMb <= 1.15 ? "yes" : "no");
    std::printf("| peak RSS ratio tessaly / bare + label | %.2f | | |\n", appMb / labelMb);
}

// The fit workbench in the same rounds, beside the lookup window: at its first start's size, and
// with the lookup window's size kept; and beside a bare window with one label at its size.
void printWorkbenchRows(const Series& fits, const Series& sameSize, const Series& app,
                        const Series& bareAtFits, int rounds)
{
    std::printf("| start-up to first paint, median of %d: tessaly-fits | %.1f ms | | |\n", rounds,
                median(fits.ms));
    const double time = median(fits.ms) / median(app.ms);
    const double memory = median(fits.mb) / median(app.mb);
    std::printf("| start-up ratio tessaly-fits / tessaly | %.2f | ≤ 1.05 | %s |\n", time,
                time <= 1.05 ? "yes" : "no");
    std::printf("| peak RSS, median of %d: tessaly-fits | %.1f MB | | |\n", rounds,
                median(fits.mb));
    std::printf("| peak RSS ratio tessaly-fits / tessaly | %.2f | ≤ 1.05 | %s |\n", memory,
                memory <= 1.05 ? "yes" : "no");
    std::printf("| start-up ratio tessaly-fits at the lookup window's size (kept) / tessaly | %.2f "
                "| | |\n",
                median(sameSize.ms) / median(app.ms));
    std::printf("| peak RSS, median of %d: tessaly-fits at the lookup window's size (kept) | %.1f "
                "MB | | |\n",
                rounds, median(sameSize.mb));
    std::printf("| peak RSS ratio tessaly-fits at the lookup window's size (kept) / tessaly | %.2f "
                "| | |\n",
                median(sameSize.mb) / median(app.mb));
    std::printf("| start-up to first paint, median of %d: bare QMainWindow + one label at "
                "tessaly-fits's first size | %.1f ms | | |\n",
                rounds, median(bareAtFits.ms));
    std::printf("| peak RSS, median of %d: bare QMainWindow + one label at tessaly-fits's first "
                "size | %.1f MB | | |\n",
                rounds, median(bareAtFits.mb));
    std::printf("| start-up ratio tessaly-fits / bare + label of its size | %.2f | | |\n",
                median(fits.ms) / median(bareAtFits.ms));
    std::printf("| peak RSS ratio tessaly-fits / bare + label of its size | %.2f | | |\n",
                median(fits.mb) / median(bareAtFits.mb));
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = optionsFrom(argc, argv);
    const int rounds = options.rounds;
    // The workbench in Japanese, as its figures before English came were measured.
    setenv("TESSALY_LANGUAGE", "ja", 1);
    // An empty settings folder: every run starts from the designed position, never the user's.
    char config[] = "/tmp/tessaly-startup-XXXXXX";
    if (!mkdtemp(config)) {
        std::perror("startup_bench: mkdtemp");
        return 1;
    }
    setenv("XDG_CONFIG_HOME", config, 1);

    // A first run of each, not counted, warms the file cache and tells the window's size.
    const Run first = launchOrDie({options.app});
    const std::vector<std::string> bareCommand = {TESSALY_BARE_PATH, std::to_string(first.width),
                                                  std::to_string(first.height)};
    std::vector<std::string> labelCommand = bareCommand;
    labelCommand.push_back("--label");
    launchOrDie(bareCommand);
    launchOrDie(labelCommand);
    const Run fitsFirst = launchOrDie({options.fits});
    const std::vector<std::string> bareAtFitsCommand = {
        TESSALY_BARE_PATH, std::to_string(fitsFirst.width), std::to_string(fitsFirst.height),
        "--label"};
    launchOrDie(bareAtFitsCommand);
    // A second folder where the workbench keeps the lookup window's size, written as it writes it.
    char kept[] = "/tmp/tessaly-startup-kept-XXXXXX";
    if (!mkdtemp(kept)) {
        std::perror("startup_bench: mkdtemp");
        return 1;
    }
    setenv("XDG_CONFIG_HOME", kept, 1);
    lastInputs::save(std::nullopt, {QByteArray(), QSize(first.width, first.height)});
    setenv("XDG_CONFIG_HOME", config, 1);
    const auto launchKept = [&kept, &config, &options] {
        setenv("XDG_CONFIG_HOME", kept, 1);
        const Run run = launchOrDie({options.fits});
        setenv("XDG_CONFIG_HOME", config, 1);
        return run;
    };

    // Each round launches the six in turn: A B C D E F A B C D E F …
    Series app, bare, label, fits, sameSize, bareAtFits;
    for (int i = 0; i < rounds; ++i) {
        const Run a = launchOrDie({options.app});
        const Run b = launchOrDie(bareCommand);
        const Run c = launchOrDie(labelCommand);
        fits.add(launchOrDie({options.fits}));
        sameSize.add(launchKept());
        bareAtFits.add(launchOrDie(bareAtFitsCommand));
        std::fprintf(stderr,
                     "round %2d: tessaly %6.1f ms %5.1f MB | bare %6.1f ms %5.1f MB | "
                     "bare + label %6.1f ms %5.1f MB\n",
                     i + 1, a.milliseconds, a.peakMegabytes, b.milliseconds, b.peakMegabytes,
                     c.milliseconds, c.peakMegabytes);
        app.add(a);
        bare.add(b);
        label.add(c);
    }
    std::printf("window %d × %d px, tessaly-fits %d × %d px\n", first.width, first.height,
                fitsFirst.width, fitsFirst.height);
    printRows(app, bare, label, rounds);
    printWorkbenchRows(fits, sameSize, app, bareAtFits, rounds);
    rmdir(config); // the runs end before any close step could write a settings file
    std::filesystem::remove_all(kept);
    return 0;
}
