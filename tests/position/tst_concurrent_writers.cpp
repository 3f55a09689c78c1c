// SPDX-License-Identifier: MIT
// Many programs saving their position into one store at the same moment, as when a desktop
// session ends with several copies open: every one saves, and the store ends up holding the pair
// one of them wrote, never a mix, with no lock file left.
#include "app/position/ini_text.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

class TestConcurrentWriters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyWriterSavesAWholePair_data()
    {
        QTest::addColumn<int>("writers");
        QTest::addColumn<int>("heldMs"); // how long a lock already held at the start stays held
        QTest::newRow("20 at once") << 20 << 0;
        QTest::newRow("20 queued behind a lock held for 0.5 s") << 20 << 500;
    }

    void everyWriterSavesAWholePair()
    {
        QFETCH(int, writers);
        QFETCH(int, heldMs);
        QTemporaryDir home;
        const QString config = home.filePath(u"config"_s);
        QVERIFY(QDir().mkpath(config));
        const QString store = config + u"/Kelvan.ini"_s;
        const QString go = home.filePath(u"go"_s);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, config);
        std::vector<std::unique_ptr<QProcess>> processes;
        QStringList pairs;
        for (int i = 0; i < writers; ++i) {
            // No two writers share an edge, so a pair mixed from two of them is no one's pair.
            const QString x1 = QString::number(1000 + 15 * i);
            const QString y1 = QString::number(-500 - 30 * i);
            pairs << x1 + u' ' + y1;
            auto& process = processes.emplace_back(std::make_unique<QProcess>());
            process->setProcessEnvironment(environment);
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process->start(QStringLiteral(POSITION_WRITER), {go, x1, y1});
            QVERIFY(process->waitForStarted());
        }

        QLockFile held(store + u".lock"_s);
        if (heldMs > 0)
            QVERIFY(held.tryLock());
        QFile(go).open(QIODevice::WriteOnly);
        QTest::qWait(heldMs);
        if (heldMs > 0)
            held.unlock();

        int saved = 0;
        for (const auto& process : processes) {
            QVERIFY(process->waitForFinished(30000));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            saved += process->exitCode() == 0 ? 1 : 0;
        }
        QCOMPARE(saved, writers);

        QFile file(store);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const position::PositionTexts texts = position::positionTextsIn(bytes);
        QVERIFY(texts.x1 && texts.y1);
        QCOMPARE(bytes.count('\n'), 3); // the header and the two keys, nothing else
        const QString pair = QString::fromLatin1(*texts.x1 + ' ' + *texts.y1);
        QVERIFY2(pairs.contains(pair), qPrintable(pair));
        QCOMPARE(QDir(config).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"Kelvan.ini"_s});
    }
};

QTEST_GUILESS_MAIN(TestConcurrentWriters)
#include "tst_concurrent_writers.moc"
