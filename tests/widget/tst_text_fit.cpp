// SPDX-License-Identifier: MIT
// Every text a control can show is fully visible at 96 dpi: measured with the control's font
// against the room its style leaves for text. A deviation whose sign is scrolled out of a box
// would be a wrong result, not a cosmetic one.
#include "test_support.h"

#include "look/tight_style.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QStyleOptionComboBox>
#include <QStyleOptionTab>
#include <QTabBar>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList deviationTexts()
{
    QStringList texts;
    for (tolerance::Side side : {tolerance::Side::Hole, tolerance::Side::Shaft})
        for (const auto& cls : tolerance::classesOf(side))
            for (const auto& entry : cls.entries)
                texts << q(entry.upper) << q(entry.lower);
    return texts;
}

QStringList rangeLabels()
{
    QStringList labels;
    for (std::string_view label : tolerance::kSizeRanges)
        labels << q(label);
    return labels;
}

QStringList codes(tolerance::Side side)
{
    QStringList list;
    for (const auto& cls : tolerance::classesOf(side))
        list << q(cls.code);
    return list;
}

int advance(const QWidget* widget, const QString& text)
{
    return int(std::ceil(QFontMetricsF(widget->font()).horizontalAdvance(text)));
}

// How far the box has scrolled its text to keep the cursor at the end in view: zero when the
// whole text fits. Read from where the box itself draws its cursor.
int scrollWithCursorAtEnd(QLineEdit* box, const QString& text)
{
    box->setText(QString());
    box->repaint();
    const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    box->setText(text);
    box->setCursorPosition(int(text.size()));
    box->repaint(); // the scroll is settled while painting
    const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    return start + int(QFontMetricsF(box->font()).horizontalAdvance(text)) - end;
}

// Whether the ink of every text, centred as the styles centre a line, stays inside rect. A
// stand-in's line may be taller than a small control (Noto Sans CJK's is) while its glyphs fit.
bool inkFitsHeight(const QFont& font, const QStringList& texts, const QRect& rect)
{
    const QFontMetricsF metrics(font);
    const qreal baseline = rect.top() + (rect.height() - metrics.height()) / 2 + metrics.ascent();
    return std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
        const QRectF ink = metrics.tightBoundingRect(text);
        return baseline + ink.top() >= rect.top() && baseline + ink.bottom() <= rect.bottom() + 1;
    });
}

// First and last column of rect holding a pixel that stands out from the row's background.
std::pair<int, int> inkExtent(const QImage& image, const QRect& rect)
{
    const QRgb background = image.pixel(rect.right(), rect.top());
    int left = -1, right = -1;
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (std::abs(qGray(image.pixel(x, y)) - qGray(background)) > 40) {
                if (left < 0)
                    left = x;
                right = x;
                break;
            }
        }
    }
    return {left, right};
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_form = loadedForm(); }
    void cleanupTestCase() { m_form.reset(); }

    void everyDeviationFitsEveryBox()
    {
        const QStringList texts = deviationTexts();
        QCOMPARE(texts.size(), 3250);
        for (const SideControls* side : {&m_form->hole(), &m_form->shaft()}) {
            for (QLineEdit* box : {side->upper, side->lower}) {
                const int room = textAreaWidth(box);
                for (const QString& text : texts) {
                    const QString where = box->objectName() + u' ' + text;
                    QVERIFY2(advance(box, text) <= room, qPrintable(where));
                    QVERIFY2(scrollWithCursorAtEnd(box, text) <= 0, qPrintable(where));
                }
            }
        }
    }

    void boxesKeepTheirDesignedFamilyAndSize()
    {
        // Narrowing may change the stretch, never the family or the size.
        const QFont font = m_form->hole().upper->font();
        QCOMPARE(font.family(), fonts::designFamily());
        QCOMPARE(font.pointSizeF(), 12.0);
        QVERIFY(font.stretch() >= 85);
    }

    void everyEntryFitsItsClosedList()
    {
        for (const SideControls* side : {&m_form->hole(), &m_form->shaft()}) {
            for (QComboBox* combo : {side->range, side->toleranceClass}) {
                QStyleOptionComboBox option;
                option.initFrom(combo);
                const QRect field = combo->style()->subControlRect(
                    QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
                const int room = field.width() - 2; // the label is drawn 1 px inside the field
                const QStringList texts = combo == side->range ? rangeLabels() : codes(side->side);
                for (const QString& text : texts)
                    QVERIFY2(advance(combo, text) <= room,
                             qPrintable(combo->objectName() + u' ' + text));
                QVERIFY(inkFitsHeight(combo->font(), texts, field));
            }
        }
    }

    void everyEntryFitsItsOpenList()
    {
        // Read from the drawn popup: every entry's ink is as wide as its text (less the faint
        // antialiased edges the threshold misses) and stays clear
        // of the popup's edges.
        for (const SideControls* side : {&m_form->hole(), &m_form->shaft()}) {
            for (QComboBox* combo : {side->range, side->toleranceClass}) {
                combo->showPopup();
                QAbstractItemView* view = combo->view();
                QVERIFY(QTest::qWaitForWindowExposed(view->window()));
                const QFontMetrics metrics(view->font());
                for (int row = 0; row < combo->count(); ++row) {
                    const QModelIndex index = view->model()->index(row, 0);
                    view->scrollTo(index); // a long list may not fit a small screen
                    // The grab is in device pixels; the view's geometry is not.
                    const QImage image = view->viewport()->grab().toImage();
                    const qreal ratio = image.devicePixelRatio();
                    const QRect item = QRectF(view->visualRect(index)
                                                      .intersected(view->viewport()->rect())
                                                      .topLeft() *
                                                  ratio,
                                              view->visualRect(index).size() * ratio)
                                           .toRect()
                                           .intersected(image.rect());
                    const auto [left, right] = inkExtent(image, item);
                    const QString where = combo->objectName() + u' ' + combo->itemText(row);
                    QVERIFY2(left > 0 && right < image.width() - 1, qPrintable(where));
                    // The faint edges the threshold misses: 3 device pixels, and one more
                    // pixel where glyphs are drawn at a fractional scale.
                    QVERIFY2((right - left + 3) / ratio + (ratio == 1 ? 0 : 1) >=
                                 metrics.tightBoundingRect(combo->itemText(row)).width(),
                             qPrintable(where));
                }
                combo->hidePopup();
            }
        }
    }

    void rangeCaptionsShowEveryLabel()
    {
        for (const SideControls* side : {&m_form->hole(), &m_form->shaft()}) {
            QLabel* caption = side->rangeCaption;
            const QRect room = caption->contentsRect();
            for (const QString& label : rangeLabels())
                QVERIFY2(advance(caption, label) <= room.width(), qPrintable(label));
            QVERIFY(inkFitsHeight(caption->font(), rangeLabels(), room));
        }
    }

    void tabCaptionsFitTheirTabs()
    {
        auto* tabs = child<QTabBar>(m_form.get(), u"SSTab1Tabs"_s);
        for (int i = 0; i < tabs->count(); ++i) {
            QStyleOptionTab option;
            option.initFrom(tabs);
            option.rect = tabs->tabRect(i);
            option.text = tabs->tabText(i);
            option.shape = tabs->shape();
            const QRect room =
                tabs->style()->subElementRect(QStyle::SE_TabBarTabText, &option, tabs);
            QVERIFY2(advance(tabs, tabs->tabText(i)) <= room.width(), qPrintable(option.text));
        }
    }

    void labelsAreSizedToTheirText()
    {
        for (int index : {0, 1}) {
            for (const QString& name : {u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Label4"_s}) {
                QLabel* label = onPage<QLabel>(*m_form, index, name);
                QVERIFY2(advance(label, label->text()) <= label->contentsRect().width(),
                         qPrintable(name));
                // Nothing of the label may hang outside the page.
                QVERIFY(label->parentWidget()->rect().contains(label->geometry()));
            }
        }
    }

private:
    std::unique_ptr<Form1> m_form;
};

TESSALY_WIDGET_TEST_MAIN(TestTextFit)
#include "tst_text_fit.moc"
