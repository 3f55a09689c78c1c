// SPDX-License-Identifier: MIT
// Narrowing a font to a width: the widest text, as drawn, fits; one percent wider would not;
// family and size stay; a repeated question gets the same answer, a different one its own.
// Choosing the stand-in: the first installed family that has every character.
#include "test_support.h"

#include "tolerance/classes.h"

#include <QApplication>
#include <QFontMetricsF>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList deviationTexts()
{
    QStringList texts;
    for (tolerance::Side side : {tolerance::Side::Hole, tolerance::Side::Shaft})
        for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
            for (const tolerance::DeviationPair& entry : cls.entries)
                for (std::string_view text : {entry.upper, entry.lower})
                    texts << QString::fromUtf8(text.data(), qsizetype(text.size()));
    texts.removeDuplicates();
    return texts;
}

// Width as drawn: the whole text shaped, not its characters added up.
qreal widest(const QFont& font, const QStringList& texts)
{
    const QFontMetricsF metrics(font);
    qreal w = 0;
    for (const QString& text : texts)
        w = std::max(w, metrics.horizontalAdvance(text));
    return w;
}

} // namespace

class TestFontFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void narrowsJustEnough_data()
    {
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("width");

        const QStringList deviations = deviationTexts();
        QTest::newRow("deviations in a box") << 12.0 << deviations << 49;
        QTest::newRow("deviations, a little more room") << 12.0 << deviations << 52;
        QTest::newRow("deviations fit unnarrowed") << 12.0 << deviations << 80;
        QTest::newRow("range labels") << 11.25 << QStringList{u"0～3"_s, u"450～500"_s} << 60;
        QTest::newRow("one text") << 12.0 << QStringList{u"+1.090"_s} << 45;
        QTest::newRow("combining mark") << 12.0 << QStringList{u"e\u0301e\u0301e\u0301"_s} << 20;
        QTest::newRow("outside the basic plane")
            << 12.0 << QStringList{u"\U0001D7CE.\U0001D7CF"_s, u"+0.1"_s} << 20;
        QTest::newRow("too narrow for any stretch") << 12.0 << deviations << 10;
    }

    void narrowsJustEnough()
    {
        QFETCH(qreal, pointSize);
        QFETCH(QStringList, texts);
        QFETCH(int, width);
        const QFont design = fonts::designFont(pointSize);
        const QFont fitted = fonts::fittedToWidth(design, texts, width);

        QCOMPARE(fitted.family(), design.family());
        QCOMPARE(fitted.pointSizeF(), design.pointSizeF());
        QVERIFY(fitted.stretch() >= 75 && fitted.stretch() <= 100);
        if (fitted.stretch() > 75)
            QVERIFY(widest(fitted, texts) <= width);
        if (fitted.stretch() < 100) {
            QFont wider = fitted;
            wider.setStretch(fitted.stretch() + 1);
            QVERIFY(widest(wider, texts) > width);
        }
    }

    void firstCoveringFamily_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("chosen");

        // DejaVu Sans has Latin and ±, no kana, no full-width forms; Noto Sans CJK JP has all.
        const QStringList chain{u"Tessaly No Such Family"_s, u"DejaVu Sans"_s,
                                u"Noto Sans CJK JP"_s};
        QTest::newRow("Latin: the first installed")
            << chain << QStringList{u"+0.025"_s, u"±"_s} << u"DejaVu Sans"_s;
        QTest::newRow("one full-width tilde passes a family over")
            << chain << QStringList{u"+0.025"_s, u"0～3"_s} << u"Noto Sans CJK JP"_s;
        QTest::newRow("half-width kana")
            << chain << QStringList{u"ﾌｧｲﾙ(F)"_s} << u"Noto Sans CJK JP"_s;
        QTest::newRow("an absent family is never taken, though some font would answer")
            << QStringList{u"Tessaly No Such Family"_s} << QStringList{u"a"_s} << QString();
        QTest::newRow("none covers")
            << QStringList{u"DejaVu Sans"_s} << QStringList{u"基準軸"_s} << QString();
    }

    void firstCoveringFamily()
    {
        QFETCH(QStringList, families);
        QFETCH(QStringList, texts);
        QFETCH(QString, chosen);
        QCOMPARE(fonts::firstCovering(families, texts), chosen);
    }

    // The workbench keeps the desktop's font where it has Japanese, else takes the chain's.
    void desktopFontKeptWhereJapanese_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Noto Sans CJK JP, as most Linux desktops") << u"Noto Sans CJK JP"_s << true;
        QTest::newRow("DejaVu Sans: no kana") << u"DejaVu Sans"_s << false;
        QTest::newRow("a family not installed") << u"Tessaly No Such Family"_s << false;
    }

    void desktopFontKeptWhereJapanese()
    {
        QFETCH(QString, desktop);
        QFETCH(bool, kept);
        const QFont before = QApplication::font();
        const QStringList words{u"はめあい計算 公差域 穴軸"_s};
        QApplication::setFont(QFont(desktop, 9));
        fonts::installDesktopFont(words);
        const QString family = QApplication::font().family();
        QApplication::setFont(before);
        QCOMPARE(family, kept ? desktop : fonts::firstCovering(fonts::standInChain(), words));
    }

    void remembersEachQuestionApart()
    {
        const QStringList texts = deviationTexts();
        const QFont design = fonts::designFont(12);
        const QFont narrow = fonts::fittedToWidth(design, texts, 47);
        const QFont wide = fonts::fittedToWidth(design, texts, 54);
        QVERIFY(narrow.stretch() < wide.stretch());
        QCOMPARE(fonts::fittedToWidth(design, texts, 47), narrow);
        QCOMPARE(fonts::fittedToWidth(design, {u"+0"_s}, 47).stretch(), 100); // other texts
        QVERIFY(fonts::fittedToWidth(fonts::designFont(9.75), texts, 47).stretch() >
                narrow.stretch());
    }
};

TESSALY_WIDGET_TEST_MAIN(TestFontFit)
#include "tst_font_fit.moc"
