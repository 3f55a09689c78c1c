// SPDX-License-Identifier: MIT
// What leaves the tool: the whole table in CSV and JSON, and escaping that keeps text intact.
#include "cli_test_support.h"

#include "cli/app.h"
#include "cli/escape.h"
#include "cli/query.h"
#include "cli/table.h"

#include "tolerance/classes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>
#include <sstream>

using namespace cli;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Entry
{
    QString side, code, range, upper, lower;
    bool defined;
};

// The core's entries in table order, as the spreadsheet should receive them.
QList<Entry> coreEntries()
{
    QList<Entry> entries;
    for (const tolerance::Side side : {tolerance::Side::Hole, tolerance::Side::Shaft}) {
        for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side)) {
            for (std::size_t r = 0; r < tolerance::kSizeRangeCount; ++r) {
                const tolerance::DeviationPair& e = cls.entries[r];
                entries.append({side == tolerance::Side::Hole ? u"hole"_s : u"shaft"_s, q(cls.code),
                                q(tolerance::kSizeRanges[r]), q(e.upper), q(e.lower),
                                e.upper != tolerance::kUndefinedText});
            }
        }
    }
    return entries;
}

// One CSV line split into fields, quotes undone.
QStringList csvFields(const QString& line)
{
    QStringList fields{QString()};
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"' && inQuotes && i + 1 < line.size() && line[i + 1] == u'"')
            fields.last() += line[++i];
        else if (c == u'"')
            inQuotes = !inQuotes;
        else if (c == u',' && !inQuotes)
            fields.append(QString());
        else
            fields.last() += c;
    }
    return fields;
}

// Tenths of a micrometre from a table text, by its digits alone: "+0.025" -> 250, "0.0045" -> 45.
int tenthsOf(QString text)
{
    const qsizetype decimals = text.size() - text.indexOf(u'.') - 1;
    return text.remove(u'.').toInt() * (decimals == 3 ? 10 : 1);
}

// Tenths of a micrometre from the tool's micrometres: "25" -> 250, "-4.5" -> -45.
int tenthsOfMicrometres(const QString& text)
{
    return text.contains(u'.') ? QString(text).remove(u'.').toInt() : text.toInt() * 10;
}

void checkMicrometres(const Entry& e, const QString& upper, const QString& lower)
{
    if (!e.defined) {
        QVERIFY(upper.isEmpty() && lower.isEmpty());
    } else if (e.upper == u"±") {
        QCOMPARE(tenthsOfMicrometres(upper), tenthsOf(e.lower));
        QCOMPARE(tenthsOfMicrometres(lower), -tenthsOf(e.lower));
    } else {
        QCOMPARE(tenthsOfMicrometres(upper), e.upper == u" 0" ? 0 : tenthsOf(e.upper));
        QCOMPARE(tenthsOfMicrometres(lower), e.lower == u" 0" ? 0 : tenthsOf(e.lower));
    }
}

template <typename Write> QByteArray captured(Write write)
{
    std::ostringstream out;
    write(out);
    return QByteArray::fromStdString(out.str());
}

} // namespace

class TestCliOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableCsvRoundTrips()
    {
        const QByteArray csv = captured([](std::ostream& out) { writeTableCsv(out); });
        QVERIFY(isValidUtf8(csv.toStdString()));
        QStringList lines = QString::fromUtf8(csv).split(u'\n');
        QCOMPARE(lines.takeLast(), QString()); // ends with a line break
        QCOMPARE(lines.takeFirst(), u"side,class,range,upper,lower,upper_um,lower_um,source"_s);
        const QList<Entry> entries = coreEntries();
        QCOMPARE(lines.size(), 1625);
        QCOMPARE(entries.size(), 1625);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QStringList f = csvFields(lines[i]);
            const Entry& e = entries[i];
            QCOMPARE(f.size(), 8);
            QCOMPARE(f.mid(0, 5), QStringList({e.side, e.code, e.range, e.upper, e.lower}));
            checkMicrometres(e, f[5], f[6]);
            QCOMPARE(f[7], u"JIS B 0401:1984 table"_s);
        }
    }

    void tableJsonRoundTrips()
    {
        const QByteArray json = captured([](std::ostream& out) { writeTableJson(out); });
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray rows = doc.array();
        const QList<Entry> entries = coreEntries();
        QCOMPARE(rows.size(), 1625);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QJsonObject o = rows[i].toObject();
            const Entry& e = entries[i];
            QCOMPARE(
                QStringList({o[u"side"].toString(), o[u"class"].toString(), o[u"range"].toString(),
                             o[u"upper"].toString(), o[u"lower"].toString()}),
                QStringList({e.side, e.code, e.range, e.upper, e.lower}));
            QCOMPARE(o[u"upper_um"].isNull(), !e.defined);
            const auto text = [&](const char16_t* key) {
                return o[key].isNull() ? QString() : QString::number(o[key].toDouble());
            };
            checkMicrometres(e, text(u"upper_um"), text(u"lower_um"));
        }
    }

    // The text fields, then the deviations as signed decimals: a JS/js lower is negative.
    void queryJsonHoldsTheTextFields_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("figures"); // key=value

        // JS7 at 6～10 is ±0.007, js6 ±0.0045.
        QTest::newRow("JS7/js6") << u"JS7/js6"_s << u"6.5"_s
                                 << QStringList{u"hole_upper_mm=0.007"_s, u"hole_lower_mm=-0.007"_s,
                                                u"shaft_upper_mm=0.0045"_s,
                                                u"shaft_lower_mm=-0.0045"_s};
        // H7 at 30～40 is "+0.025" over " 0".
        QTest::newRow("H7") << u"H7"_s << u"35"_s
                            << QStringList{u"upper_mm=0.025"_s, u"lower_mm=0.000"_s};
        // T7 has no value at 0～3: no figures.
        QTest::newRow("T7 undefined") << u"T7"_s << u"2"_s << QStringList();
    }

    void queryJsonHoldsTheTextFields()
    {
        QFETCH(QString, query);
        QFETCH(QString, size);
        QFETCH(QStringList, figures);
        const Record record = describe(utf8(query), utf8(size));
        const QByteArray json = captured([&](std::ostream& out) { writeJson(out, record); });
        const QJsonObject o = QJsonDocument::fromJson(json).object();
        QCOMPARE(o.size(), qsizetype(record.size() + figures.size() + record.groups.size()));
        for (const Group& g : record.groups)
            QVERIFY2(o[q(g.key)].isObject() || o[q(g.key)].isNull(), g.key.c_str());
        for (const Field& f : record)
            QCOMPARE(o[q(f.key)].toString(), q(f.value));
        for (const QString& figure : figures)
            QCOMPARE(o[figure.section(u'=', 0, 0)].toString(), figure.section(u'=', 1));
    }

    // Byte for byte what scripts have always read: one field per line for a query, one object
    // per line for the table, the characters of the tables unescaped.
    void jsonLayout()
    {
        const Record record{{"hole_upper", "±"}, {"say", "a\"b\\c\n"}};
        QCOMPARE(captured([&](std::ostream& out) { writeJson(out, record); }),
                 QByteArray("{\n  \"hole_upper\": \"±\",\n  \"say\": \"a\\\"b\\\\c\\n\"\n}\n"));
        const QList<QByteArray> lines =
            captured([](std::ostream& out) { writeTableJson(out); }).split('\n');
        QCOMPARE(lines.first(), QByteArray("["));
        QCOMPARE(lines[1], QByteArray("  {\"side\": \"hole\", \"class\": \"B10\", \"range\": "
                                      "\"0～3\", \"upper\": \"+0.180\", \"lower\": \"+0.140\", "
                                      "\"upper_um\": 180, \"lower_um\": 140, "
                                      "\"source\": \"JIS B 0401:1984 table\"},"));
        QCOMPARE(lines.mid(lines.size() - 2), QList<QByteArray>({"]", ""}));
        // JS6 at 6～10 is "±" over "0.0045"; T7 has no value at 0～3.
        const auto lineOf = [&](const char* code, const char* range) {
            const QByteArray key = QByteArray("\"class\": \"") + code + "\", \"range\": \"" + range;
            const auto at = std::find_if(lines.begin(), lines.end(), [&](const QByteArray& line) {
                return line.contains(key);
            });
            return at == lines.end() ? QByteArray() : *at;
        };
        QVERIFY(lineOf("JS6", "6～10").contains("\"upper_um\": 4.5, \"lower_um\": -4.5, "));
        QVERIFY(lineOf("T7", "0～3").contains("\"upper_um\": null, \"lower_um\": null, "));
    }

    // The same fits, in the same order, in all three formats.
    void fitsInEveryFormat()
    {
        const auto answer = [](const char* format) {
            // Commonly used pairs (H7/g6) and others (H8/g6) among them.
            const std::vector<std::string_view> args{"--fits",       "35",       "--clearance",
                                                     "0.005..0.070", "--format", format};
            std::ostringstream out;
            std::ostringstream err;
            return run(args, out, err) == kExitSuccess ? q(out.str()) : QString();
        };
        QStringList text = answer("text").split(u'\n', Qt::SkipEmptyParts);
        QStringList csv = answer("csv").split(u'\n', Qt::SkipEmptyParts);
        QJsonParseError error;
        const QJsonArray json = QJsonDocument::fromJson(answer("json").toUtf8(), &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);

        const QStringList header = csv.takeFirst().split(u',');
        QCOMPARE(header,
                 QStringList({u"hole"_s, u"shaft"_s, u"range"_s, u"maximum_clearance"_s,
                              u"minimum_clearance"_s, u"fit"_s, u"source"_s, u"preferred"_s}));
        const QString count = text.takeLast();
        QVERIFY2(count.startsWith(u"%1 fits at 30～40, the "_s.arg(csv.size())), qPrintable(count));
        QVERIFY(csv.size() > 1);
        QVERIFY(csv.first().endsWith(u",true"_s) && csv.last().endsWith(u",false"_s));
        QCOMPARE(json.size(), csv.size());
        for (qsizetype i = 0; i < csv.size(); ++i) {
            const QStringList fields = csvFields(csv[i]);
            const QStringList words = text[i].simplified().split(u' ');
            QStringList expected{
                fields[0] + u'/' + fields[1], u"max"_s, fields[3], u"min"_s, fields[4], fields[5]};
            if (fields[7] == u"true")
                expected << u"preferred"_s;
            QCOMPARE(words, expected);
            QCOMPARE(fields[2], u"30～40"_s);
            const QJsonObject o = json[i].toObject();
            QCOMPARE(o.keys().size(), header.size());
            for (qsizetype k = 0; k + 1 < header.size(); ++k)
                QCOMPARE(o[header[k]].toString(), fields[k]); // strings, not numbers
            QVERIFY(o[u"preferred"].isBool());
            QCOMPARE(o[u"preferred"].toBool() ? u"true"_s : u"false"_s, fields.last());
        }
    }

    void csvFieldsParseBack()
    {
        for (const QString& text : {u"plain"_s, u" 0"_s, u"a,b"_s, u"say \"x\""_s, u"a\nb"_s}) {
            const QString field = q(csvField(utf8(text)));
            QCOMPARE(field.startsWith(u'"'), text != u"plain");
            if (!text.contains(u'\n'))
                QCOMPARE(csvFields(field), QStringList{text});
        }
    }

    void utf8Validity_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ASCII") << QByteArray("H7") << true;
        QTest::newRow("labels and signs") << u"±30～40"_s.toUtf8() << true;
        QTest::newRow("largest code point") << QByteArray("\xF4\x8F\xBF\xBF") << true;
        QTest::newRow("stray byte") << QByteArray("\xFF") << false;
        QTest::newRow("lone continuation") << QByteArray("a\x80") << false;
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("cut short") << QByteArray("30\xEF\xBD") << false;
    }

    void utf8Validity()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(isValidUtf8(bytes.toStdString()), valid);
    }

    void quotedTextStaysOnOneValidLine()
    {
        const std::string nasty = "a\nb\x1B[2J\xFF\xC2\x85" + std::string(100, 'x');
        const std::string shown = quote(nasty);
        QVERIFY(isValidUtf8(shown));
        QVERIFY2(q(shown).startsWith(u"\"a\\x0Ab\\x1B[2J\\xFF\\xC2\\x85xx"_s), shown.c_str());
        QVERIFY(std::none_of(shown.begin(), shown.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
        QVERIFY(q(shown).endsWith(u"\"…"_s));
        QCOMPARE(q(quote("～")), u"\"～\""_s);
    }
};

QTEST_APPLESS_MAIN(TestCliOutput)
#include "tst_cli_output.moc"
