// SPDX-License-Identifier: MIT
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

#include <filesystem>
#include <memory>
#include <sstream>

#include <sys/stat.h>
#include <sys/xattr.h>

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

    // What no reader can parse stays, byte for byte; our section follows it.
    void writeOverDamagedFile_data() { damagedFileReadsAsNothing_data(); }

    void writeOverDamagedFile()
    {
        QFETCH(QByteArray, file);
        putFile(storeFile(), file);
        std::ostringstream report;
        QVERIFY(writeSavedPosition(2880, -1440, report));
        QCOMPARE(QString::fromStdString(report.str()), QString());
        const QByteArray after = contentsOf(storeFile());
        if (file.contains("[Form1_StrtUp]\nX1=")) // our own values are ours to replace
            QCOMPARE(after, QByteArray("[Form1_StrtUp]\nX1=2880\nY1=-1440\n"));
        else
            QCOMPARE(after.first(file.size()), file);
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
        QTest::newRow("bad values replaced") << QByteArray("[Form1_StrtUp]\nX1=abc\nY1 = 1e40 \n")
                                             << QByteArray("[Form1_StrtUp]\nX1=2880\nY1 = -1440\n");
        QTest::newRow("Shift-JIS with CRLF, section added")
            << QByteArray("; \x93\xfa\x96\x7b\r\n[Other]\r\nName=\x83\x65\x83\x58\r\n")
            << QByteArray("; \x93\xfa\x96\x7b\r\n[Other]\r\nName=\x83\x65\x83\x58\r\n\r\n"
                          "[Form1_StrtUp]\r\nX1=2880\r\nY1=-1440\r\n");
        QTest::newRow("Latin-1 and a NUL byte in another section")
            << QByteArray("; caf\xe9\n[Other]\nA=M\xfc\0\n", 21) + "[Form1_StrtUp]\nX1=1\n"
            << QByteArray("; caf\xe9\n[Other]\nA=M\xfc\0\n", 21) + ours;
        QTest::newRow("CR-only line ends")
            << QByteArray("[Other]\rA=1\r[Form1_StrtUp]\rX1=1\r")
            << QByteArray("[Other]\rA=1\r[Form1_StrtUp]\rX1=2880\rY1=-1440\r");
        QTest::newRow("mostly LF with one CRLF line")
            << QByteArray("[Form1_StrtUp]\r\nA=1\nB=2\n")
            << QByteArray("[Form1_StrtUp]\r\nA=1\nB=2\nX1=2880\nY1=-1440\n");
        QTest::newRow("comments after headers")
            << QByteArray("[Other] ; Form2\nimportant=1\n[Form1_StrtUp] ; window\nX1=1\nY1=2\n")
            << QByteArray("[Other] ; Form2\nimportant=1\n[Form1_StrtUp] ; window\nX1=2880\n"
                          "Y1=-1440\n");
        QTest::newRow("bare lines, orphan value, a broken header")
            << QByteArray("FLAG\n=orphan\n[Broken\nX1=5\n[Form1_StrtUp]\njunk\nX1=1\n")
            << QByteArray("FLAG\n=orphan\n[Broken\nX1=5\n[Form1_StrtUp]\njunk\nX1=2880\n"
                          "Y1=-1440\n");
        QTest::newRow("no final line end") << QByteArray("[Form1_StrtUp]\nY1=1\nX1=2")
                                           << QByteArray("[Form1_StrtUp]\nY1=-1440\nX1=2880");
        QTest::newRow("no final line end, key added")
            << QByteArray("[Form1_StrtUp]\nX1=1")
            << QByteArray("[Form1_StrtUp]\nX1=2880\nY1=-1440\n");
        QTest::newRow("duplicate sections: each copy of ours set")
            << QByteArray("[Form1_StrtUp]\nX1=1\nX1=2\n[A]\nB=1\n[Form1_StrtUp]\nY1=3\nC=4\n")
            << QByteArray("[Form1_StrtUp]\nX1=2880\nX1=2880\nY1=-1440\n[A]\nB=1\n"
                          "[Form1_StrtUp]\nY1=-1440\nC=4\n");
        QTest::newRow("byte order mark alone")
            << QByteArray("\xEF\xBB\xBF") << "\xEF\xBB\xBF" + ours;
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
        QTest::newRow("read-only file, also for root")
            << u"read-only"_s << both(2880, 1215)
            << u"the file is read-only, the position was not saved"_s;
        QTest::newRow("lock is a dangling link")
            << u"lock link"_s << both(2880, 1215)
            << u"its lock file cannot be read or removed: remove %1.lock if no copy of tessaly is "
               "running"_s;
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
            } else if (obstacle == u"read-only") {
                QVERIFY(QFile::setPermissions(storeFile(), QFile::ReadOwner | QFile::ReadOther));
            } else if (obstacle == u"lock link") {
                QVERIFY(QFile::link(u"gone"_s, storeFile() + u".lock"_s));
                cause = cause.arg(storeFile());
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
        const QString line = cause.startsWith(u"the file is read-only"_s)
                                 ? u"tessaly: %1: %2\n"_s
                                 : u"tessaly: could not save the window position to %1: %2\n"_s;
        QCOMPARE(text, line.arg(location, cause));
        const QFileInfo after(location);
        QCOMPARE(after.exists(), before.exists());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isFile(), before.isFile());
        if (before.isFile()) {
            QCOMPARE(contentsOf(location), saved);
            verifyRead(readBefore);
        }
    }

    // A save keeps what the file is, not only what it says: links, mode, extended attributes; and
    // it clears what a killed save left, not a copy the user made.
    void keepsTheFile_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("symbolic link written through") << u"link"_s;
        QTest::newRow("dangling link creates its target") << u"dangling"_s;
        QTest::newRow("mode 0604 and a user.* attribute") << u"identity"_s;
        QTest::newRow("leftover of a killed save removed, a backup kept") << u"leftover"_s;
    }

    void keepsTheFile()
    {
        QFETCH(QString, form);
        const QByteArray old = "[Form1_StrtUp]\nX1=1\nY1=2\n";
        const QByteArray saved = "[Form1_StrtUp]\nX1=2880\nY1=-1440\n";
        QVERIFY(QDir().mkpath(configDir()));
        const QString real = m_home->filePath(u"dotfiles/Kelvan.ini"_s);
        const QByteArray file = QFile::encodeName(storeFile());
        if (form == u"link" || form == u"dangling") {
            if (form == u"link")
                putFile(real, old);
            QVERIFY(QDir().mkpath(QFileInfo(real).absolutePath()));
            QVERIFY(QFile::link(u"../dotfiles/Kelvan.ini"_s, storeFile()));
        } else {
            putFile(storeFile(), old);
        }
        if (form == u"identity") {
            QCOMPARE(::chmod(file.constData(), 0604), 0);
            QCOMPARE(::setxattr(file.constData(), "user.tag", "kept", 4, 0), 0);
        }
        if (form == u"leftover") {
            putFile(storeFile() + u".aB3xYz"_s, old);
            putFile(storeFile() + u".backup"_s, old);
        }
        QVERIFY(writeSavedPosition(2880, -1440));
        if (form == u"link" || form == u"dangling") {
            QCOMPARE(QFileInfo(storeFile()).symLinkTarget(), real);
            QCOMPARE(contentsOf(real), saved);
        }
        if (form == u"identity") {
            struct stat info = {};
            QCOMPARE(::stat(file.constData(), &info), 0);
            QCOMPARE(info.st_mode & 07777, 0604u);
            char value[8] = {};
            QCOMPARE(::getxattr(file.constData(), "user.tag", value, sizeof value), 4);
            QCOMPARE(QByteArray(value), QByteArray("kept"));
        }
        if (form == u"leftover") {
            QVERIFY(!QFileInfo::exists(storeFile() + u".aB3xYz"_s));
            QVERIFY(QFileInfo::exists(storeFile() + u".backup"_s));
        }
        verifyRead(both(2880, -1440));
    }

    // Where the file is: bytes of the folder name kept, a relative XDG_CONFIG_HOME ignored.
    void location_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("expected"); // below the temporary folder
        QTest::newRow("folder name not UTF-8")
            << QByteArray("/caf\xe9") << QByteArray("/h") << QByteArray("/caf\xe9/Kelvan.ini");
        QTest::newRow("relative XDG_CONFIG_HOME ignored")
            << QByteArray("rel") << QByteArray("/h") << QByteArray("/h/.config/Kelvan.ini");
    }

    void location()
    {
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, expected);
        const QByteArray base = QFile::encodeName(m_home->path());
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("XDG_CONFIG_HOME", config.startsWith('/') ? base + config : config);
        qputenv("HOME", base + home);
        const bool saved = writeSavedPosition(2880, -1440);
        const SavedPosition read = readSavedPosition();
        const QString location = positionStoreLocation();
        qputenv("HOME", oldHome);
        QVERIFY(saved);
        QVERIFY(read == both(2880, -1440));
        struct stat info = {};
        QCOMPARE(::stat(QByteArray(base + expected).constData(), &info), 0);
        // QTemporaryDir cannot name a folder that is not UTF-8.
        if (config.startsWith('/'))
            std::filesystem::remove_all(QByteArray(base + config).toStdString());
        QCOMPARE(QFile::encodeName(location).endsWith(expected), !expected.contains('\xe9'));
    }
};

QTEST_GUILESS_MAIN(TestPositionStore)
#include "tst_position_store.moc"
