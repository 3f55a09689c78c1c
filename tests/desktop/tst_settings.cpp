// SPDX-License-Identifier: MIT
// The settings owner: an application's own file saved, a file that is not ours alone refused and
// left as it was, a failure named in one line; where the user's folder is without $HOME.
#include "desktop/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kApplication = u"TessalyFits"_s;

// A byte that is no UTF-8 and a control character: a text editor of settings would change both.
const QByteArray kShared = "[Form1_StrtUp]\nX1=2880\nY1=1215\n\x01\xff\n; theirs\n";

enum class Setup
{
    Nothing,
    DotfileLink,
    LinkToShared,
    SharedLinkedToOurs,
    LinkToOtherName,
    HardLink,
    DanglingLink,
    FolderInPlace,
    ReadOnly,
    FolderBelowFile,
};

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Every file and link below root, by its path: what a refused save must leave as it was.
QMap<QString, QByteArray> contents(const QString& root)
{
    QMap<QString, QByteArray> found;
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.isSymLink())
            found.insert(info.filePath(), "-> " + QFile::encodeName(info.symLinkTarget()));
        else if (info.isFile()) {
            QFile file(info.filePath());
            found.insert(info.filePath(), file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
        }
    }
    return found;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    }

    void save_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("line"); // %1 the configuration folder; empty when saved
        QTest::newRow("first save") << Setup::Nothing << QString();
        QTest::newRow("a dotfile manager's link to a file of our name")
            << Setup::DotfileLink << QString();
        QTest::newRow("link to the shared file")
            << Setup::LinkToShared
            << u"tst_settings: could not save the inputs to %1/Kelvan/TessalyFits.ini: it is "
               "%1/Kelvan.ini, which this program does not write"_s;
        QTest::newRow("the shared file a link to ours")
            << Setup::SharedLinkedToOurs
            << u"tst_settings: could not save the inputs to %1/Kelvan/TessalyFits.ini: it is "
               "%1/Kelvan.ini, which this program does not write"_s;
        QTest::newRow("link to a file of another name")
            << Setup::LinkToOtherName
            << u"tst_settings: could not save the inputs to %1/Kelvan/TessalyFits.ini: it leads "
               "to %1/other.conf, a file not ours alone"_s;
        QTest::newRow("a second name (hard link)")
            << Setup::HardLink
            << u"tst_settings: could not save the inputs to %1/Kelvan/TessalyFits.ini: it has 2 "
               "names (hard links), so it is not ours alone"_s;
        QTest::newRow("dangling link")
            << Setup::DanglingLink
            << u"tst_settings: could not save the inputs to %1/Kelvan/TessalyFits.ini: it is a "
               "link to nothing that can be written (No such file or directory)"_s;
        QTest::newRow("a folder in its place")
            << Setup::FolderInPlace
            << u"tst_settings: could not save the inputs to %1/Kelvan/TessalyFits.ini: Is a "
               "directory"_s;
        QTest::newRow("read-only file")
            << Setup::ReadOnly
            << u"tst_settings: %1/Kelvan/TessalyFits.ini: the file is read-only, the inputs "
               "were not saved"_s;
        QTest::newRow("configuration folder below a regular file")
            << Setup::FolderBelowFile
            << u"tst_settings: could not save the inputs to %1/file/sub/Kelvan/TessalyFits.ini: "
               "its folder cannot be created: Not a directory"_s;
    }

    void save()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, line);
        const QString config = m_config->path();
        const QString ours = config + u"/Kelvan/TessalyFits.ini"_s;
        const QString shared = config + u"/Kelvan.ini"_s;
        write(shared, kShared);
        QDir().mkpath(config + u"/Kelvan"_s);
        QString written = ours; // where the values land when saved
        switch (setup) {
        case Setup::Nothing:
            break;
        case Setup::DotfileLink:
            written = config + u"/dotfiles/TessalyFits.ini"_s;
            write(written, "[window]\nsize=@Size(800 600)\n");
            QVERIFY(QFile::link(u"../dotfiles/TessalyFits.ini"_s, ours));
            break;
        case Setup::LinkToShared:
            QVERIFY(QFile::link(u"../Kelvan.ini"_s, ours));
            break;
        case Setup::SharedLinkedToOurs:
            QFile::remove(shared);
            write(ours, kShared);
            QVERIFY(QFile::link(u"Kelvan/TessalyFits.ini"_s, shared));
            break;
        case Setup::LinkToOtherName:
            write(config + u"/other.conf"_s, "[other]\nkey=1\n");
            QVERIFY(QFile::link(u"../other.conf"_s, ours));
            break;
        case Setup::HardLink:
            write(ours, "[inputs]\nsize=12\n");
            QCOMPARE(::link(QFile::encodeName(ours).constData(),
                            QFile::encodeName(config + u"/copy.ini"_s).constData()),
                     0);
            break;
        case Setup::DanglingLink:
            QVERIFY(QFile::link(u"../gone/TessalyFits.ini"_s, ours));
            break;
        case Setup::FolderInPlace:
            QVERIFY(QDir().mkpath(ours));
            break;
        case Setup::ReadOnly:
            write(ours, "[inputs]\nsize=12\n");
            QVERIFY(QFile::setPermissions(ours, QFile::ReadOwner | QFile::ReadGroup));
            break;
        case Setup::FolderBelowFile:
            write(config + u"/file"_s, "a file, not a folder\n");
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(config + u"/file/sub"_s));
            break;
        }
        const QMap<QString, QByteArray> before = contents(config);

        std::ostringstream report;
        const bool saved = settings::save(
            kApplication, u"the inputs",
            [](QSettings& store) { store.setValue(u"inputs/size"_s, u"35"_s); }, report);

        QCOMPARE(QString::fromStdString(report.str()),
                 line.isEmpty() ? QString() : line.arg(config) + u'\n');
        QCOMPARE(saved, line.isEmpty());
        if (line.isEmpty()) {
            QFile file(written);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.readAll().contains("[inputs]\nsize=35\n"), qPrintable(written));
            QCOMPARE(QFileInfo(ours).isSymLink(), setup == Setup::DotfileLink);
        } else {
            QCOMPARE(contents(config), before);
        }
        QFile file(shared);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kShared);
    }

    // Without $HOME (a service, a cron job) the user's folder is the password database's, never
    // "/.config"; a relative XDG_CONFIG_HOME is ignored, as the XDG rules say.
    void configFolder_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("folder"); // "~" the password database's home
        QTest::newRow("XDG_CONFIG_HOME")
            << QByteArray("/x/conf/") << QByteArray("/h") << QByteArray("/x/conf");
        QTest::newRow("relative XDG_CONFIG_HOME")
            << QByteArray("conf") << QByteArray("/h/") << QByteArray("/h/.config");
        QTest::newRow("no HOME") << QByteArray() << QByteArray() << QByteArray("~/.config");
        QTest::newRow("relative HOME")
            << QByteArray() << QByteArray("h") << QByteArray("~/.config");
    }

    void configFolder()
    {
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, folder);
        const QByteArray savedHome = qgetenv("HOME");
        const auto set = [](const char* name, const QByteArray& value) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("XDG_CONFIG_HOME", config);
        set("HOME", home);
        const passwd* user = ::getpwuid(::geteuid());
        QVERIFY(user && user->pw_dir);
        QByteArray userHome(user->pw_dir);
        while (userHome.endsWith('/'))
            userHome.chop(1);
        const QByteArray found = settings::configFolder();
        const QByteArray shared = settings::sharedFile();
        set("HOME", savedHome);
        QCOMPARE(found, QByteArray(folder).replace("~", userHome));
        QCOMPARE(shared, found + "/" + settings::organisation().toUtf8() + ".ini");
    }

private:
    std::unique_ptr<QTemporaryDir> m_config;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
