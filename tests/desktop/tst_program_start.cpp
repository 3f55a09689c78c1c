// SPDX-License-Identifier: MIT
// Both programs started as a shell starts them, with or without a display to open a window on.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

class TestProgramStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Without a display, one line and status 1, not Qt's abort (status 134 and a core dump).
    void noDisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("name");
        QTest::newRow("lookup window") << QStringLiteral(TESSALY_PATH) << u"tessaly"_s;
        QTest::newRow("workbench") << QStringLiteral(TESSALY_FITS_PATH) << u"tessaly-fits"_s;
    }

    void noDisplay()
    {
        QFETCH(QString, program);
        QFETCH(QString, name);
        QProcess process;
        process.setProcessEnvironment(environment({}));
        process.start(program, {});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(err.count(u'\n'), 1);
        QVERIFY2(err.startsWith(name + u": there is no display to open the window on; "_s) &&
                     err.contains(u"DISPLAY"_s),
                 qPrintable(err));
        QVERIFY(process.readAllStandardOutput().isEmpty());
    }

    // A display named that nobody serves (a tunnel gone, a DISPLAY left from another session):
    // the same one line, naming the display tried, and status 1, not Qt's abort.
    void displayNobodyServes_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("platform");
        QTest::newRow("lookup window") << QStringLiteral(TESSALY_PATH) << u"tessaly"_s << QString();
        QTest::newRow("workbench")
            << QStringLiteral(TESSALY_FITS_PATH) << u"tessaly-fits"_s << QString();
        QTest::newRow("workbench, QT_QPA_PLATFORM=xcb")
            << QStringLiteral(TESSALY_FITS_PATH) << u"tessaly-fits"_s << u"xcb"_s;
    }

    void displayNobodyServes()
    {
        QFETCH(QString, program);
        QFETCH(QString, name);
        QFETCH(QString, platform);
        if (QFile::exists(u"/tmp/.X11-unix/X987"_s))
            QSKIP("display :987 is served on this machine");
        QProcessEnvironment env = environment(platform);
        env.insert(u"DISPLAY"_s, u":987"_s);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, {});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(err.count(u'\n'), 1);
        QVERIFY2(err.startsWith(name + u": there is no display to open the window on: "_s) &&
                     err.contains(u" :987 (DISPLAY) "_s),
                 qPrintable(err));
    }

    // A platform the user names needs no display: the window opens and runs until told to end.
    void chosenPlatform_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::newRow("lookup window, QT_QPA_PLATFORM=offscreen")
            << QStringLiteral(TESSALY_PATH) << QStringList{} << u"offscreen"_s;
        QTest::newRow("lookup window, -platform offscreen")
            << QStringLiteral(TESSALY_PATH) << QStringList{u"-platform"_s, u"offscreen"_s}
            << QString();
        QTest::newRow("workbench, QT_QPA_PLATFORM=offscreen")
            << QStringLiteral(TESSALY_FITS_PATH) << QStringList{} << u"offscreen"_s;
        QTest::newRow("workbench, -platform offscreen")
            << QStringLiteral(TESSALY_FITS_PATH) << QStringList{u"-platform"_s, u"offscreen"_s}
            << QString();
    }

    void chosenPlatform()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QProcess process;
        process.setProcessEnvironment(environment(platform));
        process.start(program, arguments);
        QVERIFY(process.waitForStarted());
        QVERIFY2(!process.waitForFinished(1500), process.readAllStandardError().constData());
        ::kill(static_cast<pid_t>(process.processId()), SIGTERM); // as at shutdown
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    }

private:
    // No display of any kind, settings in a folder of the test's own, and the platform if given.
    QProcessEnvironment environment(const QString& platform) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            env.remove(name);
        env.insert(u"XDG_CONFIG_HOME"_s, m_config.path());
        if (!platform.isEmpty())
            env.insert(u"QT_QPA_PLATFORM"_s, platform);
        return env;
    }

    QTemporaryDir m_config;
};

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_program_start.moc"
