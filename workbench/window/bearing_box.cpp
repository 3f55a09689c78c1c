// SPDX-License-Identifier: MIT
#include "window/bearing_box.h"

#include "desktop/access_keys.h"
#include "desktop/language_texts.h"
#include "model/bearing_side.h"
#include "window/label_kinds.h"
#include "window/spoken_changes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>

using namespace tolerance::bearing;

namespace {

QComboBox* choiceBox(const char* name)
{
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void describe(QComboBox* box, const QString& accessible, const QString& hint)
{
    box->setAccessibleName(accessible);
    box->setToolTip(hint);
    box->setStatusTip(hint);
}

} // namespace

BearingBox::BearingBox(SpokenChanges& spoken, QWidget* parent)
    : QGroupBox(parent), m_spoken(spoken), m_number(new QLineEdit),
      m_ring(choiceBox("bearingRing")), m_class(choiceBox("bearingClass")),
      m_load(choiceBox("bearingLoad")), m_loadSize(choiceBox("bearingLoadSize")),
      m_apply(new QPushButton), m_message(plainLabel()), m_summary(plainLabel())
{
    setObjectName(QStringLiteral("bearingBox"));
    m_number->setObjectName(QStringLiteral("bearingNumber"));
    m_apply->setObjectName(QStringLiteral("bearingApply"));
    m_message->setObjectName(QStringLiteral("bearingMessage"));
    m_summary->setObjectName(QStringLiteral("bearingSummary"));
    m_summary->setWordWrap(true);
    m_ring->addItem(QString(), int(Ring::Inner));
    m_ring->addItem(QString(), int(Ring::Outer));
    for (const char* grade : {"0", "6", "5", "4", "2"})
        m_class->addItem(QString(), int(*accuracyClassNamed(grade)));
    m_load->addItem(QString(), -1);
    m_load->addItem(QString(), int(LoadCase::RotatingInner));
    m_load->addItem(QString(), int(LoadCase::RotatingOuter));
    m_load->addItem(QString(), int(LoadCase::Indeterminate));
    m_loadSize->addItem(QString(), int(LoadSize::Light));
    m_loadSize->addItem(QString(), int(LoadSize::Normal));
    m_loadSize->addItem(QString(), int(LoadSize::Heavy));
    m_loadSize->setCurrentIndex(1);
    auto* numberLabel = plainLabel();
    numberLabel->setBuddy(m_number);
    (new LanguageTexts(*this))->add([this, numberLabel] {
        setTitle(tr("軸受（呼び番号から）"));
        numberLabel->setText(tr("呼び番号(&Y)"));
        m_number->setAccessibleName(accessKeys::withoutKey(numberLabel->text()));
        m_number->setPlaceholderText(tr("例: 6206"));
        m_apply->setText(tr("寸法と側に入れる(&I)"));
        // Qt gives a list's choice as its name to a screen reader and its tooltip as the
        // description, which is where the list's meaning is heard.
        describe(m_ring, tr("はめあう輪"),
                 tr("はめあう輪。内輪は軸と、外輪はハウジングの穴とはめあいます"));
        describe(m_class, tr("軸受の精度等級"),
                 tr("軸受の精度等級。輪の寸法許容差はこの等級の表から"));
        describe(m_load, tr("荷重条件"), tr("荷重条件。選ぶと推奨の公差クラスを示します"));
        describe(m_loadSize, tr("荷重の大きさ"),
                 tr("荷重の大きさ。推奨の公差クラスはこれでも変わります"));
        m_ring->setItemText(0, tr("内輪（軸とのはめあい）"));
        m_ring->setItemText(1, tr("外輪（ハウジングとのはめあい）"));
        for (int i = 0; i < m_class->count(); ++i)
            m_class->setItemText(i, tr("%1 級").arg(QLatin1String("06542").mid(i, 1)));
        m_load->setItemText(0, tr("荷重条件なし"));
        m_load->setItemText(1, tr("内輪回転荷重"));
        m_load->setItemText(2, tr("外輪回転荷重"));
        m_load->setItemText(3, tr("方向不定荷重"));
        m_loadSize->setItemText(0, tr("軽荷重"));
        m_loadSize->setItemText(1, tr("普通荷重"));
        m_loadSize->setItemText(2, tr("重荷重"));
        update(); // the summary and the problem in the new words
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(numberLabel, 0, 0);
    grid->addWidget(m_number, 1, 0);
    grid->addWidget(m_message, 3, 0, 1, 6, Qt::AlignTop);
    grid->addWidget(m_summary, 4, 0, 1, 6);
    (new LanguageTexts(*this))->add([this, grid] { placeChoices(*grid); });
    m_message->hide();

    connect(m_number, &QLineEdit::textChanged, this, &BearingBox::update);
    connect(m_number, &QLineEdit::returnPressed, this, &BearingBox::fill);
    for (QComboBox* box : {m_ring, m_class, m_load, m_loadSize})
        connect(box, &QComboBox::currentIndexChanged, this, &BearingBox::update);
    connect(m_apply, &QPushButton::clicked, this, &BearingBox::fill);
    update();
}

// The choices on one row beside the number in Japanese; English names its rings and loads in
// several words, and one row of them was wider than an 800-pixel screen: the loads and the
// button go on a second row under the ring and the class, in the order Tab takes them.
void BearingBox::placeChoices(QGridLayout& grid)
{
    const bool english = language::current() == language::Language::English;
    const std::pair<QWidget*, QPoint> places[] = {{m_ring, {1, 1}},
                                                  {m_class, {2, 1}},
                                                  {m_load, {1, 2}},
                                                  {m_loadSize, {2, 2}},
                                                  {m_apply, {3, 2}}};
    for (int i = 0; i < 5; ++i) {
        const auto& [widget, place] = places[i];
        grid.removeWidget(widget);
        if (english)
            grid.addWidget(widget, place.y(), place.x());
        else
            grid.addWidget(widget, 1, i + 1);
    }
}

QList<QWidget*> BearingBox::focusChain() const
{
    return {m_number, m_ring, m_class, m_load, m_loadSize, m_apply};
}

QWidget* BearingBox::summary() const
{
    return m_summary;
}

void BearingBox::update()
{
    const workbench::RingChoice ring{Ring(m_ring->currentData().toInt()),
                                     AccuracyClass(m_class->currentData().toInt())};
    const int load = m_load->currentData().toInt();
    m_loadSize->setEnabled(load >= 0);
    const auto loadChoice = load >= 0
                                ? std::optional(workbench::LoadChoice{
                                      LoadCase(load), LoadSize(m_loadSize->currentData().toInt())})
                                : std::nullopt;
    m_found = workbench::bearingFill(m_number->text(), ring, loadChoice);
    const workbench::BearingFill& found = m_found;
    m_message->setText(found.problem);
    m_message->setVisible(!found.problem.isEmpty());
    QPalette red = m_message->palette();
    red.setColor(QPalette::WindowText, problemColour(palette()));
    m_message->setPalette(red);
    m_number->setAccessibleDescription(found.problem);
    m_spoken.setProblem(*m_number, found.problem.isEmpty() ? QString()
                                                           : tr("呼び番号: %1").arg(found.problem));
    m_summary->setText(found.summary +
                       (found.recommended.isEmpty() ? QString() : u'\n' + found.recommended));
    m_summary->setAccessibleName(m_summary->text());
    m_spoken.setFound(m_summary->text().replace(u'\n', u'\u3002'));
    m_summary->setVisible(!m_summary->text().isEmpty());
    m_apply->setEnabled(!found.size.isEmpty());
    Q_EMIT bearingChanged();
}

void BearingBox::fill()
{
    const workbench::RingChoice ring{Ring(m_ring->currentData().toInt()),
                                     AccuracyClass(m_class->currentData().toInt())};
    const workbench::BearingFill found =
        workbench::bearingFill(m_number->text(), ring, std::nullopt);
    if (found.size.isEmpty())
        return;
    Q_EMIT fillRequested(found.size,
                         ring.ring == Ring::Inner ? tolerance::Side::Hole : tolerance::Side::Shaft,
                         found.side);
}
