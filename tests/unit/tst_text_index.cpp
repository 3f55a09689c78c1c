// SPDX-License-Identifier: MIT
// The hashed lookup behind the range and class dispatch must answer exactly as a scan in list
// order does, also where texts share a hash slot, repeat, or fill the table.
#include "tolerance/text_index.h"

#include <QTest>

#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using tolerance::TextIndex;
using Refusal = const char*; // what add() throws when the table would fill

namespace {

// The position a scan in list order finds: the first equal text.
std::optional<std::size_t> scan(const std::vector<std::string>& texts, std::string_view query)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == query)
            return i;
    }
    return std::nullopt;
}

std::vector<std::string> split(const QString& joined)
{
    std::vector<std::string> texts;
    for (const QString& text : joined.split(u'|'))
        texts.push_back(text.toStdString());
    return texts;
}

template <std::size_t Slots> TextIndex<Slots> indexOf(const std::vector<std::string>& texts)
{
    TextIndex<Slots> index;
    for (std::size_t i = 0; i < texts.size(); ++i)
        index.add(texts[i], i);
    return index;
}

} // namespace

class TestTextIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersAsAScan_data()
    {
        QTest::addColumn<QString>("texts"); // joined by '|'
        QTest::addColumn<QString>("queries");

        // Equal length and equal first and last two bytes: one hash slot, a chain of probes.
        QTest::newRow("same slot, each found")
            << u"ab1cd|ab2cd|ab3cd|ab4cd"_s << u"ab1cd|ab2cd|ab3cd|ab4cd"_s;
        QTest::newRow("same slot, a stranger is not found")
            << u"ab1cd|ab2cd|ab3cd"_s << u"ab9cd|abcd|ab1cd "_s;
        QTest::newRow("repeat keeps the first position") << u"H7|h7|H7|k6|h7"_s << u"H7|h7|k6"_s;
        QTest::newRow("repeat after a collision keeps the first")
            << u"ab1cd|ab2cd|ab1cd"_s << u"ab1cd|ab2cd"_s;
        QTest::newRow("case and width are part of the text")
            << u"js5|JS6|30～40"_s << u"JS5|js6|30~40|３０～４０"_s;
        QTest::newRow("prefixes and extensions") << u"H1|H10|H100"_s << u"H|H1|H10|H100|H1000|10"_s;
        QTest::newRow("one byte and empty") << u"a|b"_s << u"a|b|c|"_s;
        QTest::newRow("empty text stored") << u"x||y"_s << u"|x|y|z"_s;
    }

    void answersAsAScan()
    {
        QFETCH(QString, texts);
        QFETCH(QString, queries);
        const std::vector<std::string> list = split(texts);
        const auto index = indexOf<64>(list);
        for (const std::string& query : split(queries))
            QCOMPARE(index.find(query), scan(list, query));
    }

    // A table with one slot left free: every probe chain, also one that wraps past the last
    // slot, still ends, and finds what it must.
    void fullTableWrapsAround_data()
    {
        QTest::addColumn<QString>("texts");
        for (const QString& texts : {u"a|b|c"_s, u"aa|ab|ba"_s, u"x1y|x2y|x3y"_s,
                                     u"0～3|3～6|6～10"_s, u"pq12rs|pq34rs|pq56rs"_s})
            QTest::newRow(qPrintable(texts)) << texts;
    }

    void fullTableWrapsAround()
    {
        QFETCH(QString, texts);
        const std::vector<std::string> list = split(texts);
        const auto index = indexOf<4>(list);
        for (const std::string& text : list)
            QCOMPARE(index.find(text), scan(list, text));
        QCOMPARE(index.find("not there"), std::nullopt);
        QCOMPARE(index.find(""), std::nullopt);
    }

    void refusesToFillEverySlot()
    {
        TextIndex<4> index;
        index.add("a", 0);
        index.add("b", 1);
        index.add("c", 2);
        QVERIFY_THROWS_EXCEPTION(Refusal, index.add("d", 3));
        index.add("a", 7); // already in: no new slot needed, and the first position stays
        QCOMPARE(index.find("a"), std::optional<std::size_t>(0));
    }
};

QTEST_APPLESS_MAIN(TestTextIndex)
#include "tst_text_index.moc"
