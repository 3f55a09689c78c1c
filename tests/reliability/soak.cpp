// SPDX-License-Identifier: MIT
// A long run of random user actions on the real window, offscreen: after each one, the four boxes
// and both range captions must show what the core says for the last picks of each side, or what
// was typed into a box since. Also reports the peak resident memory before and after the run.
//
// Usage: tessaly_soak [--actions N] [--seed S] [--warm-up N]
// Exit status 0 when every check matched and memory stayed put, 1 otherwise, 2 for bad arguments.
#include "desktop/fonts.h"
#include "soak_session.h"
#include "window/window_texts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStyleHints>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// Growth of the peak resident set allowed from the start of the run to its end.
constexpr qint64 kMaxPeakGrowthKb = 2048;

// A field of /proc/self/status in kB: VmHWM is the peak resident set so far, VmRSS the current.
qint64 statusKb(const QByteArray& field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(QByteArray(field + ':')))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void reportMemory(const char* when)
{
    std::printf("soak: %-22s peak RSS %lld kB, RSS %lld kB\n", when,
                static_cast<long long>(statusKb("VmHWM")),
                static_cast<long long>(statusKb("VmRSS")));
}

// The allocator of AddressSanitizer holds freed memory back in quarantine, so the resident set
// grows by design there; leaks are LeakSanitizer's to find in that build.
constexpr bool kMemoryIsMeaningful =
#if defined(__SANITIZE_ADDRESS__)
    false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    false;
#else
    true;
#endif
#else
    true;
#endif

// The offscreen platform says so each time a list opens that it cannot raise a window or grab
// the keyboard; nothing else is dropped.
QtMessageHandler g_defaultHandler = nullptr;

void quietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(u"This plugin does not support"_s))
        return;
    g_defaultHandler(type, context, text);
}

struct Arguments
{
    qint64 actions = 100'000;
    qint64 warmUp = 1'000;
    quint64 seed = 0;
};

bool parse(const QApplication& app, Arguments& args)
{
    QCommandLineParser parser;
    parser.addOption({u"actions"_s, u"Random actions checked after the warm-up."_s, u"N"_s});
    parser.addOption({u"warm-up"_s, u"Actions before the first memory figure."_s, u"N"_s});
    parser.addOption({u"seed"_s, u"Seed of the random actions (default: a random one)."_s, u"S"_s});
    parser.process(app);
    bool ok = true;
    const auto number = [&](const QString& name, qint64 fallback) {
        if (!parser.isSet(name))
            return fallback;
        bool good = false;
        const qint64 value = parser.value(name).toLongLong(&good);
        ok = ok && good && value >= 0;
        return value;
    };
    args.actions = number(u"actions"_s, args.actions);
    args.warmUp = number(u"warm-up"_s, args.warmUp);
    args.seed = parser.isSet(u"seed"_s) ? parser.value(u"seed"_s).toULongLong(&ok)
                                        : QRandomGenerator::system()->generate64();
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    g_defaultHandler = qInstallMessageHandler(quietOffscreenNotices);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config; // the close at the end saves into a folder of its own
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    fonts::installApplicationFonts(windowTexts::everyText());
    // An open list ignores a release that comes within a double-click interval of its opening;
    // a short interval lets the run click in open lists often without waiting most of the time.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(40);

    Arguments args;
    if (!parse(app, args)) {
        std::fprintf(stderr, "soak: --actions, --warm-up and --seed take whole numbers\n");
        return 2;
    }
    std::printf("soak: seed %llu (rerun with --seed %llu), %lld actions after %lld to warm up\n",
                static_cast<unsigned long long>(args.seed),
                static_cast<unsigned long long>(args.seed), static_cast<long long>(args.actions),
                static_cast<long long>(args.warmUp));
    SoakSession session(args.seed);
    reportMemory("after start-up:");
    session.run(args.warmUp);
    const qint64 startKb = statusKb("VmHWM");
    reportMemory("start (after warm-up):");
    QElapsedTimer timer;
    timer.start();
    session.run(args.actions);
    const double seconds = double(timer.elapsed()) / 1000.0;
    const qint64 endKb = statusKb("VmHWM");
    reportMemory("end:");
    session.close();

    const SoakSession::Tally& tally = session.tally();
    std::printf("soak: %lld actions checked (%lld after the warm-up in %.1f s, %.0f per second), "
                "%lld picks, %lld mismatches\n",
                static_cast<long long>(tally.actions), static_cast<long long>(args.actions),
                seconds, seconds > 0 ? double(args.actions) / seconds : 0.0,
                static_cast<long long>(tally.picks), static_cast<long long>(tally.mismatches));
    std::printf("soak: peak RSS grew by %lld kB over the run (limit %lld kB)%s\n",
                static_cast<long long>(endKb - startKb), static_cast<long long>(kMaxPeakGrowthKb),
                kMemoryIsMeaningful ? "" : ", not judged under AddressSanitizer");
    const bool memoryOk = !kMemoryIsMeaningful || endKb - startKb <= kMaxPeakGrowthKb;
    const bool ok = tally.mismatches == 0 && memoryOk;
    std::printf("soak: %s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
