// SPDX-License-Identifier: MIT
#include "window/bearing_box.h"

#include "model/bearing_side.h"
#include "window/label_kinds.h"
#include "window/spoken_changes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tolerance::bearing;

namespace {

QComboBox* choiceBox(const char* name, const QString& accessible)
{
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessible);
    return box;
}

} // namespace

BearingBox::BearingBox(SpokenChanges& spoken, QWidget* parent)
    : QGroupBox(QStringLiteral("軸受（呼び番号から）"), parent), m_spoken(spoken),
      m_number(new QLineEdit), m_ring(choiceBox("bearingRing", QStringLiteral("はめあう輪"))),
      m_class(choiceBox("bearingClass", QStringLiteral("軸受の精度等級"))),
      m_load(choiceBox("bearingLoad", QStringLiteral("荷重条件"))),
      m_loadSize(choiceBox("bearingLoadSize", QStringLiteral("荷重の大きさ"))),
      m_apply(new QPushButton(QStringLiteral("寸法と側に入れる(&I)"))), m_message(plainLabel()),
      m_summary(plainLabel())
{
    setObjectName(QStringLiteral("bearingBox"));
    m_number->setObjectName(QStringLiteral("bearingNumber"));
    m_number->setPlaceholderText(QStringLiteral("例: 6206"));
    m_apply->setObjectName(QStringLiteral("bearingApply"));
    m_message->setObjectName(QStringLiteral("bearingMessage"));
    m_summary->setObjectName(QStringLiteral("bearingSummary"));
    m_summary->setWordWrap(true);
    m_ring->addItem(QStringLiteral("内輪（軸とのはめあい）"), int(Ring::Inner));
    m_ring->addItem(QStringLiteral("外輪（ハウジングとのはめあい）"), int(Ring::Outer));
    for (const char* grade : {"0", "6", "5", "4", "2"})
        m_class->addItem(QStringLiteral("%1 級").arg(QLatin1String(grade)),
                         int(*accuracyClassNamed(grade)));
    m_load->addItem(QStringLiteral("荷重条件なし"), -1);
    m_load->addItem(QStringLiteral("内輪回転荷重"), int(LoadCase::RotatingInner));
    m_load->addItem(QStringLiteral("外輪回転荷重"), int(LoadCase::RotatingOuter));
    m_load->addItem(QStringLiteral("方向不定荷重"), int(LoadCase::Indeterminate));
    m_loadSize->addItem(QStringLiteral("軽荷重"), int(LoadSize::Light));
    m_loadSize->addItem(QStringLiteral("普通荷重"), int(LoadSize::Normal));
    m_loadSize->addItem(QStringLiteral("重荷重"), int(LoadSize::Heavy));
    m_loadSize->setCurrentIndex(1);

    auto* grid = new QGridLayout(this);
    auto* numberLabel = plainLabel(QStringLiteral("呼び番号(&Y)"));
    numberLabel->setBuddy(m_number);
    grid->addWidget(numberLabel, 0, 0);
    grid->addWidget(m_number, 1, 0);
    grid->addWidget(m_message, 2, 0, 1, 6, Qt::AlignTop);
    QWidget* row[] = {m_ring, m_class, m_load, m_loadSize, m_apply};
    for (int i = 0; i < 5; ++i)
        grid->addWidget(row[i], 1, i + 1);
    grid->addWidget(m_summary, 3, 0, 1, 6);
    m_message->hide();

    connect(m_number, &QLineEdit::textChanged, this, &BearingBox::update);
    connect(m_number, &QLineEdit::returnPressed, this, &BearingBox::fill);
    for (QComboBox* box : {m_ring, m_class, m_load, m_loadSize})
        connect(box, &QComboBox::currentIndexChanged, this, &BearingBox::update);
    connect(m_apply, &QPushButton::clicked, this, &BearingBox::fill);
    update();
}

QList<QWidget*> BearingBox::focusChain() const
{
    return {m_number, m_ring, m_class, m_load, m_loadSize, m_apply};
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
    const workbench::BearingFill found = workbench::bearingFill(m_number->text(), ring, loadChoice);
    m_message->setText(found.problem);
    m_message->setVisible(!found.problem.isEmpty());
    QPalette red = m_message->palette();
    red.setColor(QPalette::WindowText, problemColour(palette()));
    m_message->setPalette(red);
    m_number->setAccessibleDescription(found.problem);
    m_spoken.setProblem(*m_number, found.problem.isEmpty()
                                       ? QString()
                                       : QStringLiteral("呼び番号: ") + found.problem);
    m_summary->setText(found.summary +
                       (found.recommended.isEmpty() ? QString() : u'\n' + found.recommended));
    m_summary->setAccessibleName(m_summary->text());
    m_summary->setVisible(!m_summary->text().isEmpty());
    m_apply->setEnabled(!found.size.isEmpty());
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
