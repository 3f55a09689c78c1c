// SPDX-License-Identifier: MIT
// A chain's members as typed and its file: how each kind of tolerance reads (full-width and the
// minus sign too), what a member's faults are, a file's round trip with keys of its own, and a
// bad file refused with the member and the reason.
#include "test_support.h"

#include "tolerance/stack/chain_file.h"
#include "tolerance/stack/typed_text.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tolerance;
using namespace tolerance::stack;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(tolerance::stack::Field)
Q_DECLARE_METATYPE(tolerance::stack::Fault)
Q_DECLARE_METATYPE(tolerance::stack::FileFault::Kind)

namespace {

MemberText member(const QString& nominal, const QString& tolerance,
                  const QString& direction = u"+"_s, const QString& material = {},
                  const QString& temperature = {})
{
    return {"m",
            direction.toStdString(),
            nominal.toStdString(),
            tolerance.toStdString(),
            material.toStdString(),
            temperature.toStdString(),
            {}};
}

QString limitsText(const Deviations& d)
{
    return q(textOfLimits(d));
}

const char* const kWithKeysOfItsOwn = R"({
  "title": "shaft end play",
  "members": [
    {"name": "ハウジング", "direction": "+", "nominal": 50, "tolerance": "H8", "drawing": "A-101"},
    {"note": "bought", "name": "circlip", "direction": "-", "nominal": 1.75, "tolerance": "0/-0.06"},
    {"name": "spacer", "direction": "-", "nominal": "48", "tolerance": "h9", "material": "S45C",
     "temperature": 60}
  ],
  "requirement": "0.05..0.4",
  "distribution": "uniform",
  "revision": {"by": "K", "at": 3}
})";

} // namespace

class TestStackFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedAsItReads_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folded");
        QTest::newRow("full-width limits") << u"　＋０．１／－０．０５　"_s << u"+0.1/-0.05"_s;
        QTest::newRow("minus sign of a catalogue") << u"0/\u22120.009"_s << u"0/-0.009"_s;
        QTest::newRow("long vowel mark typed for minus") << u"\u30FC5"_s << u"-5"_s;
        QTest::newRow("full-width class") << u"Ｈ８"_s << u"H8"_s;
        QTest::newRow("plus-minus and kana kept") << u"±0.05 ハウジング"_s << u"±0.05 ハウジング"_s;
    }
    void typedAsItReads()
    {
        QFETCH(QString, typed);
        QFETCH(QString, folded);
        QCOMPARE(q(foldTyped(typed.toStdString())), folded);
    }

    void toleranceKinds_data()
    {
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<QString>("limits");
        // ISO 286-1 tables: IT8 over 30 to 50 mm 39 µm, IT7 over 18 to 30 mm 21 µm, IT9 over
        // 30 to 50 mm 62 µm; a hole H on the zero line, a shaft h below it, js about it.
        QTest::newRow("H8 of an inner feature") << u"50"_s << u"H8"_s << u"+0.039/0"_s;
        QTest::newRow("h7 of an outer feature") << u"25"_s << u"h7"_s << u"0/-0.021"_s;
        QTest::newRow("js9") << u"40"_s << u"js9"_s << u"±0.031"_s;
        QTest::newRow("limits") << u"1.75"_s << u"+0.1/-0.05"_s << u"+0.1/-0.05"_s;
        QTest::newRow("plus-minus") << u"10"_s << u"±0.05"_s << u"±0.05"_s;
        QTest::newRow("full-width, minus sign")
            << u"１０"_s << u"＋0.1/\u22120.05"_s << u"+0.1/-0.05"_s;
        // "2." as people write it; IT7 up to 3 mm is 10 µm.
        QTest::newRow("nominal with a point and no fraction")
            << u"２．"_s << u"h7"_s << u"0/-0.01"_s;
        // JIS B 0405:1991 table 1 (ISO 2768-1:1989): m over 30 to 120 mm ±0.3, f from 0.5 to
        // 3 mm ±0.05, c over 400 to 1000 mm ±2.
        QTest::newRow("general m") << u"35"_s << u"m"_s << u"±0.3"_s;
        QTest::newRow("general f, full-width") << u"0.5"_s << u"ｆ"_s << u"±0.05"_s;
        QTest::newRow("general c") << u"1000"_s << u"c"_s << u"±2"_s;
        // JIS B 1514-1 (ISO 492) ΔBs, classes 0 and 6 alike: over 18 to 30 mm of bore 0/-120 µm,
        // over 50 to 80 mm 0/-150 µm; 6204 is 20 × 47 × 14 (JIS B 1512, ISO 15).
        QTest::newRow("bearing by class and bore") << u"14"_s << u"bearing:0 d20"_s << u"0/-0.12"_s;
        QTest::newRow("bearing by its number") << u"14"_s << u"bearing:0 6204"_s << u"0/-0.12"_s;
        QTest::newRow("bearing of class 6, full-width")
            << u"20"_s << u"Ｂｅａｒｉｎｇ：６ ｄ６０"_s << u"0/-0.15"_s;
        QTest::newRow("an offset of nominal 0") << u"0"_s << u"±0.02"_s << u"±0.02"_s;
    }
    void toleranceKinds()
    {
        QFETCH(QString, nominal);
        QFETCH(QString, tolerance);
        QFETCH(QString, limits);
        const auto read = readMember(member(nominal, tolerance));
        QVERIFY(std::holds_alternative<Member>(read));
        QCOMPARE(limitsText(std::get<Member>(read).deviations), limits);
    }

    void memberFaults_data()
    {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<Field>("field");
        QTest::addColumn<Fault>("fault");
        QTest::newRow("no direction")
            << u""_s << u"10"_s << u"h7"_s << u""_s << u""_s << Field::Direction << Fault::Empty;
        QTest::newRow("direction a word") << u"plus"_s << u"10"_s << u"h7"_s << u""_s << u""_s
                                          << Field::Direction << Fault::NotADirection;
        QTest::newRow("nominal a word") << u"+"_s << u"ten"_s << u"h7"_s << u""_s << u""_s
                                        << Field::Nominal << Fault::NotANumber;
        QTest::newRow("nominal below 0") << u"+"_s << u"-5"_s << u"±0.1"_s << u""_s << u""_s
                                         << Field::Nominal << Fault::Negative;
        QTest::newRow("nominal of 5 decimals") << u"+"_s << u"1.00001"_s << u"±0.1"_s << u""_s
                                               << u""_s << Field::Nominal << Fault::TooManyDecimals;
        QTest::newRow("grade 19") << u"+"_s << u"10"_s << u"H19"_s << u""_s << u""_s
                                  << Field::Tolerance << Fault::NoSuchClass;
        QTest::newRow("a class on nominal 0") << u"+"_s << u"0"_s << u"h7"_s << u""_s << u""_s
                                              << Field::Tolerance << Fault::ClassNeedsSize;
        // ISO 286-1 gives K beyond grade 8 up to 3 mm only.
        QTest::newRow("K9 over 3 mm") << u"+"_s << u"50"_s << u"K9"_s << u""_s << u""_s
                                      << Field::Tolerance << Fault::NoValueAtSize;
        // JIS B 0405 table 1: v has no value up to 3 mm, f none over 2000 mm; the table starts
        // at 0.5 mm and ends at 4000.
        QTest::newRow("general v at 2") << u"+"_s << u"2"_s << u"v"_s << u""_s << u""_s
                                        << Field::Tolerance << Fault::GeneralNoValue;
        QTest::newRow("general f at 2500") << u"+"_s << u"2500"_s << u"f"_s << u""_s << u""_s
                                           << Field::Tolerance << Fault::GeneralNoValue;
        QTest::newRow("general m under 0.5") << u"+"_s << u"0.4"_s << u"m"_s << u""_s << u""_s
                                             << Field::Tolerance << Fault::GeneralOutside;
        QTest::newRow("general K is no size's") << u"+"_s << u"10"_s << u"K"_s << u""_s << u""_s
                                                << Field::Tolerance << Fault::NoSuchClass;
        QTest::newRow("bearing without its bore")
            << u"+"_s << u"14"_s << u"bearing:0"_s << u""_s << u""_s << Field::Tolerance
            << Fault::BearingNeedsBore;
        QTest::newRow("bearing of no class") << u"+"_s << u"14"_s << u"bearing:7 d20"_s << u""_s
                                             << u""_s << Field::Tolerance << Fault::BearingClass;
        QTest::newRow("bearing 6204 is 14 wide")
            << u"+"_s << u"15"_s << u"bearing:0 6204"_s << u""_s << u""_s << Field::Tolerance
            << Fault::BearingWidth;
        QTest::newRow("tapered roller bearing")
            << u"+"_s << u"17.25"_s << u"bearing:0 30206"_s << u""_s << u""_s << Field::Tolerance
            << Fault::BearingTapered;
        QTest::newRow("limits upside down") << u"+"_s << u"10"_s << u"-0.05/+0.1"_s << u""_s
                                            << u""_s << Field::Tolerance << Fault::BadLimits;
        QTest::newRow("unknown material") << u"+"_s << u"10"_s << u"h7"_s << u"S55C"_s << u""_s
                                          << Field::Material << Fault::UnknownMaterial;
        QTest::newRow("temperature without material")
            << u"+"_s << u"10"_s << u"h7"_s << u""_s << u"80"_s << Field::Temperature
            << Fault::TemperatureWithoutMaterial;
        QTest::newRow("below absolute zero")
            << u"+"_s << u"10"_s << u"h7"_s << u"S45C"_s << u"-300"_s << Field::Temperature
            << Fault::BelowAbsoluteZero;
    }
    void memberFaults()
    {
        QFETCH(QString, direction);
        QFETCH(QString, nominal);
        QFETCH(QString, tolerance);
        QFETCH(QString, material);
        QFETCH(QString, temperature);
        QFETCH(Field, field);
        QFETCH(Fault, fault);
        const auto read = readMember(member(nominal, tolerance, direction, material, temperature));
        QVERIFY(std::holds_alternative<MemberFault>(read));
        QCOMPARE(std::get<MemberFault>(read).field, field);
        QCOMPARE(std::get<MemberFault>(read).fault, fault);
    }

    void roundTripKeepsKeysOfItsOwn()
    {
        const auto read = readChainFile(kWithKeysOfItsOwn);
        QVERIFY(std::holds_alternative<ChainText>(read));
        ChainText chain = std::get<ChainText>(read);
        QCOMPARE(chain.members.size(), std::size_t(3));
        QCOMPARE(q(chain.members[1].nominal), u"1.75"_s);
        QCOMPARE(q(chain.members[2].temperature), u"60"_s);
        QVERIFY(std::holds_alternative<Chain>(readChain(chain)));
        // Edited as the window does: the circlip moved up, the spacer's temperature cleared.
        std::swap(chain.members[0], chain.members[1]);
        chain.members[2].temperature.clear();
        chain.members[2].material.clear();
        const std::string written = writeChainFile(chain);

        const QJsonObject file =
            QJsonDocument::fromJson(QByteArray::fromStdString(written)).object();
        QCOMPARE(file.keys(), (QStringList{u"distribution"_s, u"members"_s, u"requirement"_s,
                                           u"revision"_s, u"title"_s}));
        QCOMPARE(file[u"revision"_s].toObject()[u"at"_s].toInt(), 3);
        QCOMPARE(file[u"title"_s].toString(), u"shaft end play"_s);
        const QJsonObject circlip = file[u"members"_s][0].toObject();
        QCOMPARE(circlip[u"note"_s].toString(), u"bought"_s);
        QCOMPARE(circlip[u"nominal"_s].toDouble(), 1.75);
        const QJsonObject housing = file[u"members"_s][1].toObject();
        QCOMPARE(housing[u"drawing"_s].toString(), u"A-101"_s);
        QCOMPARE(housing[u"name"_s].toString(), u"ハウジング"_s);
        QVERIFY(!file[u"members"_s][2].toObject().contains(u"temperature"_s));
        // Read again, it is the chain that was written; the file's own order of keys stays.
        auto again = std::get<ChainText>(readChainFile(written));
        QCOMPARE(q(again.keptJson).indexOf(u"title"_s) < q(again.keptJson).indexOf(u"members"_s),
                 true);
        for (auto* text : {&chain, &again})
            for (MemberText& m : text->members)
                m.keptJson.clear();
        again.keptJson = chain.keptJson;
        QCOMPARE(again.members.size(), chain.members.size());
        QVERIFY(again == chain);
        QCOMPARE(q(writeChainFile(std::get<ChainText>(readChainFile(written)))), q(written));
    }

    void badFileRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<FileFault::Kind>("kind");
        QTest::addColumn<int>("member");
        QTest::addColumn<QString>("where");
        QTest::newRow("not JSON") << u"{\"members\": [\n  {\"name\": \"a\",,}\n]}"_s
                                  << FileFault::Kind::NotJson << -1 << u"2:16"_s;
        QTest::newRow("a list") << u"[1, 2]"_s << FileFault::Kind::NotAnObject << -1 << u""_s;
        QTest::newRow("no members")
            << u"{\"member\": []}"_s << FileFault::Kind::NoMembers << -1 << u"members"_s;
        QTest::newRow("members not a list")
            << u"{\"members\": {}}"_s << FileFault::Kind::NotAList << -1 << u"members"_s;
        QTest::newRow("a member a number")
            << u"{\"members\": [{}, 3]}"_s << FileFault::Kind::MemberNotObject << 1 << u""_s;
        QTest::newRow("nominal a list")
            << u"{\"members\": [{\"direction\": \"+\", \"nominal\": [50]}]}"_s
            << FileFault::Kind::WrongType << 0 << u"nominal"_s;
        QTest::newRow("tolerance a number") << u"{\"members\": [{\"tolerance\": 0.05}]}"_s
                                            << FileFault::Kind::WrongType << 0 << u"tolerance"_s;
        QTest::newRow("requirement a number")
            << u"{\"members\": [], \"requirement\": 0.3}"_s << FileFault::Kind::WrongType << -1
            << u"requirement"_s;
    }
    void badFileRefused()
    {
        QFETCH(QString, file);
        QFETCH(FileFault::Kind, kind);
        QFETCH(int, member);
        QFETCH(QString, where);
        const auto read = readChainFile(file.toStdString());
        QVERIFY(std::holds_alternative<FileFault>(read));
        const FileFault& fault = std::get<FileFault>(read);
        QCOMPARE(fault.kind, kind);
        QCOMPARE(fault.member ? int(*fault.member) : -1, member);
        QCOMPARE(fault.kind == FileFault::Kind::NotJson
                     ? u"%1:%2"_s.arg(fault.line).arg(fault.column)
                     : q(fault.key),
                 where);
    }

    void badMemberNamedByItsPlace()
    {
        // The file reads as JSON; its third member's tolerance is no class: the chain names it.
        auto text = std::get<ChainText>(readChainFile(
            R"({"members": [{"direction": "+", "nominal": 10, "tolerance": "h7"},
                            {"direction": "-", "nominal": 1e1, "tolerance": "h7"},
                            {"direction": "-", "nominal": 5, "tolerance": "Q7"}]})"));
        QCOMPARE(q(text.members[1].nominal), u"10"_s);
        const auto chain = readChain(text);
        QVERIFY(std::holds_alternative<ChainFault>(chain));
        const ChainFault& fault = std::get<ChainFault>(chain);
        QCOMPARE(fault.member, std::size_t(2));
        QCOMPARE(fault.memberFault->fault, Fault::NoSuchClass);
        QCOMPARE(fault.memberFault->classError->kind, ClassCodeError::Kind::NoSuchLetter);
    }
};

QTEST_APPLESS_MAIN(TestStackFile)
#include "tst_stack_file.moc"
