// SPDX-License-Identifier: MIT
// Form1 opens where it was closed and saves where it is when closed by any route but the quit
// commands; a stored value it cannot use, or a store it cannot write, never stops it.
#include "desktop/platform_choice.h"
#include "session_steps.h"
#include "test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <iostream>
#include <memory>
#include <sstream>

using namespace Qt::Literals::StringLiterals;

namespace {

QString iniPath()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + u"/Kelvan.ini"_s;
}

void store(const QByteArray& content)
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Where a window opens with nothing stored.
QPoint designPosition()
{
    QFile::remove(iniPath());
    const auto form = loadedForm();
    return form->pos();
}

// Captures what the program prints on std::cerr while alive.
class CerrCapture
{
public:
    CerrCapture() : m_old(std::cerr.rdbuf(m_buffer.rdbuf())) {}
    ~CerrCapture() { std::cerr.rdbuf(m_old); }
    std::string text() const { return m_buffer.str(); }

private:
    std::ostringstream m_buffer;
    std::streambuf* m_old;
};

// Ends a run of the event loop that has gone on too long; gone with the test that started it, so
// it cannot end a later test's loop.
std::unique_ptr<QTimer> exitAfterFiveSeconds()
{
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timer->start(5000);
    return timer;
}

} // namespace

class TestWindowPosition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QFile::remove(iniPath()); }

    void closeSavesBothEdgesAsWholeTwips()
    {
        auto form = loadedForm();
        form->move(200, 100);
        QVERIFY(form->close());
        QCOMPARE(savedEdges(), u"3000 1500"_s);
    }

    void opensWhereItWasClosed_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("inside the screen") << QPoint(200, 100);
        QTest::newRow("partly left of the screen") << QPoint(-96, 60);
    }

    void opensWhereItWasClosed()
    {
        QFETCH(QPoint, at);
        {
            auto form = loadedForm();
            form->move(at);
            QVERIFY(form->close());
        }
        auto again = loadedForm();
        QCOMPARE(again->pos(), at);
        QCOMPARE(savedEdges().section(u' ', 0, 0), QString::number(at.x() * 15));
    }

    void onlyTheStoredEdgeMoves()
    {
        const QPoint design = designPosition();
        store("[Form1_StrtUp]\nX1=3000\n");
        auto form = loadedForm();
        QCOMPARE(form->pos(), QPoint(200, design.y()));
    }

    void unusableValuesKeepTheDesignPosition_data()
    {
        QTest::addColumn<QByteArray>("x1");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("letters") << QByteArray("abc");
        QTest::newRow("out of float range") << QByteArray("1e40");
        QTest::newRow("nan") << QByteArray("nan");
        QTest::newRow("inf") << QByteArray("inf");
        QTest::newRow("trailing junk") << QByteArray("3000px");
        QTest::newRow("far beyond any screen") << QByteArray("99999999");
        QTest::newRow("off every screen") << QByteArray("200000");
    }

    void unusableValuesKeepTheDesignPosition()
    {
        QFETCH(QByteArray, x1);
        const QPoint design = designPosition();
        store("[Form1_StrtUp]\nX1=" + x1 + "\nY1=1500\n");
        const QByteArray before = [] {
            QFile f(iniPath());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        auto form = loadedForm();
        QCOMPARE(form->pos().x(), design.x());
        QCOMPARE(form->hole().upper->text(), u"+0.180"_s); // started normally
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before); // reading never rewrites the store
    }

    void corruptFileReadsAsNothingAndIsKept()
    {
        const QPoint design = designPosition();
        QByteArray garbage(4096, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919 + 13) % 251);
        store(garbage);
        auto form = loadedForm();
        QCOMPARE(form->pos(), design);
        form->move(150, 90);
        QVERIFY(form->close());
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(garbage)); // not ours, so kept byte for byte
        QCOMPARE(savedEdges().section(u' ', 0, 0), u"2250"_s);
    }

    void minimizedWindowSavesItsNormalPlace()
    {
        auto form = loadedForm();
        form->move(200, 100);
        form->showMinimized();
        QVERIFY(form->close());
        QCOMPARE(savedEdges(), u"3000 1500"_s);
    }

    void quitCommandsSaveNothing_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Quit") << false;
        QTest::newRow("Esc") << true;
    }

    void quitCommandsSaveNothing()
    {
        QFETCH(bool, byEsc);
        store("[Form1_StrtUp]\nX1=3000\nY1=1500\n");
        auto form = loadedForm();
        form->move(300, 200);
        QTimer::singleShot(0, form.get(), [&] {
            if (byEsc)
                QTest::keyClick(form.get(), Qt::Key_Escape);
            else
                child<QAction>(form.get(), u"Quit"_s)->trigger();
        });
        const auto guard = exitAfterFiveSeconds();
        QCOMPARE(QCoreApplication::exec(), 0);
        form.reset(); // destroying the window is no close either
        QCOMPARE(savedEdges(), u"3000 1500"_s);
    }

    // The end of the system or the session is a close route; after a quit command it saves
    // nothing, whatever arrives while the program ends.
    void signalRunsTheCloseStep_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("quitFirst");
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("SIGHUP") << SIGHUP << false;
        QTest::newRow("SIGINT") << SIGINT << false;
        QTest::newRow("SIGTERM after Quit") << SIGTERM << true;
    }

    void signalRunsTheCloseStep()
    {
        QFETCH(int, signal);
        QFETCH(bool, quitFirst);
        store("[Form1_StrtUp]\nX1=3000\nY1=1500\n");
        auto form = loadedForm();
        const SessionEnd sessionEnd(*form);
        form->move(300, 200);
        QTimer::singleShot(0, form.get(), [&] {
            if (quitFirst)
                child<QAction>(form.get(), u"Quit"_s)->trigger();
            std::raise(signal);
        });
        const auto guard = exitAfterFiveSeconds();
        QCOMPARE(QCoreApplication::exec(), 0);
        QCoreApplication::processEvents(); // after Quit the signal is still to be seen
        QCOMPARE(form->isVisible(), quitFirst);
        QCOMPARE(savedEdges(), quitFirst ? u"3000 1500"_s : u"4500 3000"_s);
    }

    void preferredPlatform_data()
    {
        QTest::addColumn<bool>("userChose");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("sessionType");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("expected"); // empty: Qt's own choice
        const QByteArray x11First = "xcb;wayland";
        QTest::newRow("GNOME or KDE on Wayland") << false << "wayland-0"_ba
                                                 << "wayland"_ba
                                                 << ":0"_ba << x11First;
        QTest::newRow("Wayland display, no session type") << false << "wayland-0"_ba
                                                          << ""_ba
                                                          << ":1"_ba << x11First;
        QTest::newRow("Wayland session type only") << false << ""_ba
                                                   << "wayland"_ba
                                                   << ":0"_ba << x11First;
        QTest::newRow("Wayland without Xwayland") << false << "wayland-0"_ba
                                                  << "wayland"_ba
                                                  << ""_ba
                                                  << ""_ba;
        QTest::newRow("the user chose") << true << "wayland-0"_ba
                                        << "wayland"_ba
                                        << ":0"_ba
                                        << ""_ba;
        QTest::newRow("X11 session") << false << ""_ba
                                     << "x11"_ba
                                     << ":0"_ba
                                     << ""_ba;
        QTest::newRow("no display at all") << false << ""_ba
                                           << ""_ba
                                           << ""_ba
                                           << ""_ba;
    }

    void preferredPlatform()
    {
        QFETCH(bool, userChose);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, sessionType);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, expected);
        const auto chosen =
            platformChoice::preferredPlatform(userChose, waylandDisplay, sessionType, display);
        QCOMPARE(chosen.value_or(QByteArray()), expected);
        QCOMPARE(chosen.has_value(), !expected.isEmpty());
    }

    void placesWindows_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("places");
        QTest::newRow("X11") << u"xcb"_s << true;
        QTest::newRow("Windows") << u"windows"_s << true;
        QTest::newRow("offscreen") << u"offscreen"_s << true;
        QTest::newRow("Wayland") << u"wayland"_s << false;
        QTest::newRow("Wayland with EGL") << u"wayland-egl"_s << false;
    }

    void placesWindows()
    {
        QFETCH(QString, platform);
        QFETCH(bool, places);
        QCOMPARE(platformChoice::placesWindows(platform), places);
    }

    void unwritableStoreStillCloses()
    {
        // Root ignores permissions: a folder below a regular file cannot be created by anyone.
        QTemporaryDir dir;
        QFile blocker(dir.filePath(u"file"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir.filePath(u"file/sub"_s).toLocal8Bit());
        CerrCapture cerr;
        {
            auto form = loadedForm();
            QVERIFY(form->close());
            QVERIFY(!form->isVisible());
        }
        qputenv("XDG_CONFIG_HOME", saved);
        const std::string said = cerr.text();
        QCOMPARE(std::count(said.begin(), said.end(), '\n'), 1);
        QVERIFY2(said.find("file/sub") != std::string::npos, said.c_str());
    }
};

TESSALY_WIDGET_TEST_MAIN(TestWindowPosition)
#include "tst_window_position.moc"
