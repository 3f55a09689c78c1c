// The saved position in the per-user settings store: reading each edge on its own, writing both,
// damaged files, and stores that cannot be written, each in a fresh XDG_CONFIG_HOME.
#include "app/position/position_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sstream>

#include <sys/stat.h>

using namespace position;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(position::SavedPosition)

namespace {

SavedPosition both(float x1, float y1)
{
    return {x1, y1};
}

const SavedPosition kNothing{};

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

QString describe(const SavedPosition& p)
{
    const auto edge = [](const std::optional<float>& e) {
        return e ? QString::number(*e) : u"none"_s;
    };
    return edge(p.x1) + u", "_s + edge(p.y1);
}

} // namespace

class TestPositionStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    QString m_qsettingsFile; // where QSettings(IniFormat, UserScope, "Kelvan") writes

    QString configDir() const { return m_home->filePath(u"config"_s); }
    QString storeFile() const { return configDir() + u"/Kelvan.ini"_s; }

    void useConfigDir(const QString& dir) { qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir)); }

    void putFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    static QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    void verifyRead(const SavedPosition& expected)
    {
        const SavedPosition read = readSavedPosition();
        QVERIFY2(read == expected,
                 qPrintable(describe(read) + u" instead of "_s + describe(expected)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        // QSettings settles its user folder at its first use: ask it once, here, for comparison.
        QTemporaryDir first;
        useConfigDir(first.path());
        m_qsettingsFile =
            QSettings(QSettings::IniFormat, QSettings::UserScope, u"Kelvan"_s).fileName();
        QCOMPARE(m_qsettingsFile, first.path() + u"/Kelvan.ini"_s);
    }

    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        useConfigDir(configDir());
    }

    void storeIsTheFileQSettingsUses()
    {
        useConfigDir(QFileInfo(m_qsettingsFile).absolutePath());
        QCOMPARE(positionStoreLocation(), m_qsettingsFile);
        useConfigDir(configDir());
        QCOMPARE(positionStoreLocation(), storeFile());
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<SavedPosition>("expected");
        const QByteArray section = "[Form1_StrtUp]\n";

        QTest::newRow("both") << section + "X1=2880\nY1=1215\n" << both(2880, 1215);
        QTest::newRow("negative") << section + "X1=-1440\nY1=-15\n" << both(-1440, -15);
        QTest::newRow("only X1") << section + "X1=3000\n" << SavedPosition{3000.0f, {}};
        QTest::newRow("only Y1") << section + "Y1=3000\n" << SavedPosition{{}, 3000.0f};
        QTest::newRow("fraction rounded") << section + "X1=2880.4\nY1=1214.5\n" << both(2880, 1215);
        QTest::newRow("quoted") << section + "X1=\"2880\"\nY1=1215\n" << both(2880, 1215);
        QTest::newRow("CRLF and byte order mark")
            << QByteArray("\xEF\xBB\xBF[Form1_StrtUp]\r\nX1=2880\r\nY1=1215\r\n")
            << both(2880, 1215);
        QTest::newRow("empty section") << section << kNothing;
        QTest::newRow("empty file") << QByteArray() << kNothing;

        // Each bad value is ignored on its own; the other edge still counts.
        const QList<QByteArray> bad{"",     "abc",     "1e40",    "nan",      "inf",
                                    "-inf", "3000abc", "2000000", "-1000001", "0x10"};
        for (const QByteArray& value : bad) {
            QTest::addRow("bad X1 '%s'", value.constData())
                << section + "X1=" + value + "\nY1=1215\n"
                << SavedPosition{{}, 1215.0f};
            QTest::addRow("bad Y1 '%s'", value.constData())
                << section + "X1=2880\nY1=" + value + "\n"
                << SavedPosition{2880.0f, {}};
        }
        QTest::newRow("list, not a text") << section + "X1=3000, 4000\nY1=1215\n"
                                          << SavedPosition{{}, 1215.0f};
        QTest::newRow("number, not a text")
            << section + "X1=@Variant(\\0\\0\\0\\x2\\0\\0\\v\\xb8)\nY1=1215\n"
            << SavedPosition{{}, 1215.0f};
        QTest::newRow("other section") << QByteArray("[Form1]\nX1=2880\nY1=1215\n") << kNothing;
        QTest::newRow("no section") << QByteArray("X1=2880\nY1=1215\n") << kNothing;
        QTest::newRow("keys in other case") << section + "x1=2880\ny1=1215\n" << kNothing;
    }

    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(SavedPosition, expected);
        putFile(storeFile(), file);
        verifyRead(expected);
    }

    void nothingStored()
    {
        verifyRead(kNothing);
        QVERIFY(!QFileInfo::exists(configDir())); // reading creates nothing
    }

    void damagedFileReadsAsNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("random bytes") << randomBytes(4096, 1);
        QTest::newRow("1 MB of garbage") << randomBytes(1 << 20, 2);
        QTest::newRow("section header cut off") << QByteArray("[Form1_StrtUp\nX1=2880\nY1=1215\n");
        QTest::newRow("file cut in the header") << QByteArray("[Form1_St");
        QTest::newRow("nul bytes") << QByteArray(512, '\0');
        QTest::newRow("not UTF-8") << QByteArray("[Form1_StrtUp]\nX1=\xff\xfe\nY1=\xc3\n");
    }

    void damagedFileReadsAsNothing()
    {
        QFETCH(QByteArray, file);
        putFile(storeFile(), file);
        verifyRead(kNothing);
        // Reading at start leaves the file, and the folder, exactly as they were.
        QCOMPARE(contentsOf(storeFile()), file);
        QCOMPARE(QDir(configDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{u"Kelvan.ini"_s});
    }

    void writesThenReadsBack_data()
    {
        QTest::addColumn<float>("x1");
        QTest::addColumn<float>("y1");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<SavedPosition>("readBack");

        QTest::newRow("whole") << 2880.0f << 1215.0f
                               << QByteArray("[Form1_StrtUp]\nX1=2880\nY1=1215\n")
                               << both(2880, 1215);
        QTest::newRow("left of the primary screen")
            << -1440.0f << 0.0f << QByteArray("[Form1_StrtUp]\nX1=-1440\nY1=0\n") << both(-1440, 0);
        QTest::newRow("range limits")
            << 1000000.0f << -1000000.0f << QByteArray("[Form1_StrtUp]\nX1=1000000\nY1=-1000000\n")
            << both(1000000, -1000000);
        QTest::newRow("fraction written, whole read")
            << 1234.5f << 15.25f << QByteArray("[Form1_StrtUp]\nX1=1234.5\nY1=15.25\n")
            << both(1235, 15);
        QTest::newRow("beyond the range written, ignored on reading")
            << 123456789.0f << 15.0f << QByteArray("[Form1_StrtUp]\nX1=123456800\nY1=15\n")
            << SavedPosition{{}, 15.0f};
    }

    void writesThenReadsBack()
    {
        QFETCH(float, x1);
        QFETCH(float, y1);
        QFETCH(QByteArray, file);
        QFETCH(SavedPosition, readBack);
        std::ostringstream report;
        QVERIFY(writeSavedPosition(x1, y1, report)); // also creates the missing folder
        QCOMPARE(QString::fromStdString(report.str()), QString());
        QCOMPARE(contentsOf(storeFile()), file);
        verifyRead(readBack);
    }

    void laterWriteReplacesEarlier()
    {
        QVERIFY(writeSavedPosition(2880, 1215));
        QVERIFY(writeSavedPosition(-15, 30));
        verifyRead(both(-15, 30));
    }

    // What no reader can parse gives way to a clean file with the two keys.
    void writeOverDamagedFile_data()
    {
        damagedFileReadsAsNothing_data();
        QTest::newRow("bad values") << QByteArray("[Form1_StrtUp]\nX1=abc\nY1=1e40\n");
    }

    void writeOverDamagedFile()
    {
        QFETCH(QByteArray, file);
        putFile(storeFile(), file);
        std::ostringstream report;
        QVERIFY(writeSavedPosition(2880, -1440, report));
        QCOMPARE(QString::fromStdString(report.str()), QString());
        QCOMPARE(contentsOf(storeFile()), QByteArray("[Form1_StrtUp]\nX1=2880\nY1=-1440\n"));
        verifyRead(both(2880, -1440));
    }

    // The file is shared by the programs of "Kelvan": a save changes our two values and keeps
    // every other section, key, value and comment as it was.
    void writeKeepsWhatIsNotOurs_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray ours = "[Form1_StrtUp]\nX1=2880\nY1=-1440\n";
        const QByteArray other = "[Form2_Other]\nColour=blue\n";

        QTest::newRow("another section after ours")
            << "[Form1_StrtUp]\nX1=1\nY1=2\n\n" + other << ours + '\n' + other;
        QTest::newRow("only another section") << other << other + '\n' + ours;
        QTest::newRow("keys before any section")
            << QByteArray("Z=1\n[Form1_StrtUp]\nX1=1\n") << "Z=1\n" + ours;
        QTest::newRow("other keys of ours, comments, values QSettings would rewrite")
            << QByteArray("; kept\n[Form1_StrtUp]\nWidth = 300\nY1=5\nList=a,b\nS=\"x\"\n")
            << QByteArray("; kept\n[Form1_StrtUp]\nWidth = 300\nY1=-1440\nList=a,b\nS=\"x\"\n"
                          "X1=2880\n");
        QTest::newRow("CRLF and byte order mark")
            << QByteArray("\xEF\xBB\xBF[Form2_Other]\r\nColour=blue\r\n")
            << QByteArray("\xEF\xBB\xBF[Form2_Other]\r\nColour=blue\r\n\r\n"
                          "[Form1_StrtUp]\r\nX1=2880\r\nY1=-1440\r\n");
        QTest::newRow("a broken header drops only the lines below it")
            << other + "[Broken\nA=1\n[Form1_StrtUp]\nX1=1\n"
            << other + ours;
        QTest::newRow("a line that is no key dropped")
            << QByteArray("[Form2_Other]\nColour=blue\njunk\n") << other + '\n' + ours;
        QTest::newRow("copies of our keys dropped")
            << QByteArray("[Form1_StrtUp]\nX1=1\nX1=2\n[A]\nB=1\n[Form1_StrtUp]\nY1=3\nC=4\n")
            << QByteArray("[Form1_StrtUp]\nX1=2880\nY1=-1440\n[A]\nB=1\n[Form1_StrtUp]\nC=4\n");
    }

    void writeKeepsWhatIsNotOurs()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        putFile(storeFile(), file);
        std::ostringstream report;
        QVERIFY(writeSavedPosition(2880, -1440, report));
        QCOMPARE(QString::fromStdString(report.str()), QString());
        QCOMPARE(contentsOf(storeFile()), expected);
        verifyRead(both(2880, -1440));
    }

    // Stores that cannot be written: one line on the report naming the file, false, no hang, and
    // what was there stays. Reading them does not hang either.
    void unwritableStore_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<SavedPosition>("readBefore");
        QTest::addColumn<QString>("cause");
        QTest::newRow("folder below a regular file")
            << u"file"_s << kNothing << u"its folder cannot be created: Not a directory"_s;
        QTest::newRow("store is a folder") << u"folder"_s << kNothing << u"Is a directory"_s;
        QTest::newRow("store is a pipe") << u"pipe"_s << kNothing << u"it is not a regular file"_s;
        QTest::newRow("lock is a folder")
            << u"lock folder"_s << both(2880, 1215) << u"its lock file is not a regular file"_s;
        QTest::newRow("lock held by a live process")
            << u"lock held"_s << both(2880, 1215)
            << u"its lock is held by process %1 on %2"_s.arg(QCoreApplication::applicationPid())
                   .arg(QSysInfo::machineHostName());
    }

    void unwritableStore()
    {
        QFETCH(QString, obstacle);
        QFETCH(SavedPosition, readBefore);
        QFETCH(QString, cause);
        const QByteArray saved = "[Form1_StrtUp]\nX1=2880\nY1=1215\n";
        std::unique_ptr<QLockFile> heldLock;
        if (obstacle == u"file") {
            putFile(configDir(), "not a folder");
            useConfigDir(configDir() + u"/sub"_s);
        } else if (obstacle == u"folder") {
            QVERIFY(QDir().mkpath(storeFile()));
        } else if (obstacle == u"pipe") {
            QVERIFY(QDir().mkpath(configDir()));
            QCOMPARE(::mkfifo(QFile::encodeName(storeFile()).constData(), 0600), 0);
        } else {
            putFile(storeFile(), saved);
            if (obstacle == u"lock folder") {
                QVERIFY(QDir().mkpath(storeFile() + u".lock"_s));
            } else {
                // Held by this very process, which is alive: QSettings alone would wait for ever.
                heldLock = std::make_unique<QLockFile>(storeFile() + u".lock"_s);
                QVERIFY(heldLock->tryLock());
            }
        }
        const QString location = positionStoreLocation();
        const QFileInfo before(location);

        verifyRead(readBefore);
        std::ostringstream report;
        QVERIFY(!writeSavedPosition(-1440, 30, report));

        const QString text = QString::fromStdString(report.str());
        QCOMPARE(text.count(u'\n'), 1);
        QVERIFY(text.endsWith(u'\n'));
        QCOMPARE(text,
                 u"tessaly: could not save the window position to %1: %2\n"_s.arg(location, cause));
        const QFileInfo after(location);
        QCOMPARE(after.exists(), before.exists());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isFile(), before.isFile());
        if (before.isFile()) {
            QCOMPARE(contentsOf(location), saved);
            verifyRead(readBefore);
        }
    }
};

QTEST_GUILESS_MAIN(TestPositionStore)
#include "tst_position_store.moc"
