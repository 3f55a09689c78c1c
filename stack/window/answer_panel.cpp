// SPDX-License-Identifier: MIT
#include "answer_panel.h"

#include "desktop/accessibility/figure_label.h"
#include "desktop/language_texts.h"
#include "model/stack_model.h"
#include "window_texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

using tolerance::Distribution;
using namespace windowTexts;
using namespace Qt::Literals::StringLiterals;

namespace {

QLabel* plainLabel(const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* problemLabel(const char* name)
{
    QLabel* label = plainLabel();
    label->setObjectName(QString::fromLatin1(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, problemColour(palette));
    label->setPalette(palette);
    // One line held open, so that the table below does not move as a problem comes and goes.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
    label->hide();
    return label;
}

void showOrHide(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

// A figure wide enough for its longest value, so that nothing moves as it changes.
FigureLabel* figure(const char* name, const QString& sample)
{
    auto* f = new FigureLabel;
    f->setObjectName(QString::fromLatin1(name));
    f->setMinimumWidth(f->fontMetrics().horizontalAdvance(sample) + 8);
    return f;
}

} // namespace

AnswerPanel::AnswerPanel(QWidget* parent)
    : QGroupBox(parent), m_statisticalName(plainLabel()), m_monteCarloName(plainLabel()),
      m_nominal(figure("closingNominal", u"-10000.0000"_s)),
      m_thermal(figure("thermalShift", u"+10000.000000"_s)),
      m_worst(figure("worstCase", u"-10000.000 ～ -10000.000"_s)),
      m_statistical(figure("statistical", u"-10000.0000 ～ -10000.0000"_s)),
      m_outside(figure("outside", u"> 99.99 %"_s)),
      m_monteCarlo(figure("monteCarlo", u"-10000.0000 ～ -10000.0000"_s)),
      m_monteCarloOutside(figure("monteCarloOutside", u"> 99.99 %"_s)),
      m_requirement(new QLineEdit), m_distribution(new QComboBox),
      m_problem(problemLabel("answerProblem"))
{
    setObjectName(QStringLiteral("answerPanel"));
    m_requirement->setObjectName(QStringLiteral("requirement"));
    m_distribution->setObjectName(QStringLiteral("distribution"));
    for (const Distribution d : {Distribution::Normal, Distribution::Uniform})
        m_distribution->addItem(QString(), QVariant::fromValue(d));
    auto* requirementLabel = plainLabel();
    requirementLabel->setBuddy(m_requirement);
    auto* distributionLabel = plainLabel();
    distributionLabel->setBuddy(m_distribution);
    QLabel* nominalName = plainLabel();
    QLabel* worstName = plainLabel();
    QLabel* outsideName = plainLabel();
    QLabel* monteCarloOutsideName = plainLabel();
    m_thermalName = plainLabel();
    (new LanguageTexts(*this))->add([=, this] {
        setTitle(tr("結果寸法（積み上げた寸法） mm(&K)"));
        setAccessibleName(tr("結果寸法"));
        m_nominal->setMeaning(tr("結果寸法の呼び"));
        m_thermal->setMeaning(tr("温度による変化"));
        m_worst->setMeaning(tr("最悪値"));
        m_outside->setMeaning(tr("要求から外れる確率"));
        m_monteCarlo->setMeaning(tr("モンテカルロ法"));
        m_monteCarloOutside->setMeaning(tr("モンテカルロ法で要求から外れた割合"));
        m_monteCarloName->setText(monteCarloHeading(StackModel::kSamples));
        m_requirement->setPlaceholderText(tr("例: 0.1..0.5"));
        m_requirement->setToolTip(
            tr("結果寸法が入るべき範囲 下限..上限 (mm)。片側だけでも（0.1.. や ..0.5）"));
        m_requirement->setStatusTip(m_requirement->toolTip());
        m_requirement->setAccessibleName(tr("要求"));
        m_distribution->setAccessibleName(tr("分布"));
        for (int i = 0; i < m_distribution->count(); ++i)
            m_distribution->setItemText(
                i, distributionName(m_distribution->itemData(i).value<Distribution>()));
        m_distribution->setToolTip(
            tr("各部品の寸法のばらつき: 正規分布（±3σ が公差）か一様分布（公差内で一様）"));
        m_distribution->setStatusTip(m_distribution->toolTip());
        requirementLabel->setText(tr("要求(&R)"));
        distributionLabel->setText(tr("分布(&B)"));
        nominalName->setText(tr("呼び寸法"));
        m_thermalName->setText(tr("温度による変化"));
        worstName->setText(tr("最悪値"));
        outsideName->setText(tr("外れる確率"));
        monteCarloOutsideName->setText(tr("外れた割合"));
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(nominalName, 0, 0);
    grid->addWidget(m_nominal, 0, 1);
    grid->addWidget(m_thermalName, 0, 2, Qt::AlignRight);
    grid->addWidget(m_thermal, 0, 3);
    grid->addWidget(worstName, 1, 0);
    grid->addWidget(m_worst, 1, 1);
    grid->addWidget(m_statisticalName, 2, 0);
    grid->addWidget(m_statistical, 2, 1);
    grid->addWidget(distributionLabel, 2, 2, Qt::AlignRight);
    grid->addWidget(m_distribution, 2, 3);
    grid->addWidget(requirementLabel, 3, 0);
    grid->addWidget(m_requirement, 3, 1);
    grid->addWidget(outsideName, 3, 2, Qt::AlignRight);
    grid->addWidget(m_outside, 3, 3);
    grid->addWidget(m_monteCarloName, 5, 0);
    grid->addWidget(m_monteCarlo, 5, 1);
    grid->addWidget(monteCarloOutsideName, 5, 2, Qt::AlignRight);
    grid->addWidget(m_monteCarloOutside, 5, 3);
    grid->addWidget(m_problem, 6, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    m_thermal->hide();
    m_thermalName->hide();

    connect(m_requirement, &QLineEdit::textEdited, this, &AnswerPanel::requirementEdited);
    connect(m_distribution, &QComboBox::activated, this, [this] {
        Q_EMIT distributionChosen(m_distribution->currentData().value<Distribution>());
    });
}

QList<QWidget*> AnswerPanel::figures() const
{
    return {m_nominal,    m_thermal,          m_worst, m_statistical, m_outside,
            m_monteCarlo, m_monteCarloOutside};
}

void AnswerPanel::showSettings(const StackModel& model)
{
    const QSignalBlocker quiet(m_distribution);
    m_distribution->setCurrentIndex(
        m_distribution->findData(QVariant::fromValue(model.distribution())));
    if (m_requirement->text() != model.requirement())
        m_requirement->setText(model.requirement());
}

void AnswerPanel::showAnswer(const StackModel& model)
{
    const auto& answer = model.answer();
    m_statisticalName->setText(statisticalHeading(model.distribution()));
    m_statistical->setMeaning(statisticalHeading(model.distribution()));
    // What stops the answer first; else what the requirement lacks, which only the odds need.
    showOrHide(m_problem, !answer ? model.answerProblem()
                          : model.requirementProblem().isEmpty()
                              ? QString()
                              : tr("要求: %1").arg(model.requirementProblem()));
    m_nominal->showValue(answer ? millimetres(answer->nominal) : QString());
    const bool warm = answer && answer->thermalShift != 0;
    m_thermal->setVisible(warm);
    m_thermalName->setVisible(warm);
    m_thermal->showValue(warm ? signedMillimetres(answer->thermalShift) : QString());
    m_worst->showValue(answer ? exactRange(answer->worstMinimum, answer->worstMaximum) : QString());
    m_statistical->showValue(
        answer ? statisticalRange(answer->statistical.minimum, answer->statistical.maximum)
               : QString());
    const bool odds = answer && answer->statistical.outsideShare;
    m_outside->showValue(
        odds ? percent(*answer->statistical.outsideShare, *answer->statistical.insideShare)
             : QString());
    showMonteCarlo(model);
}

void AnswerPanel::showMonteCarlo(const StackModel& model)
{
    const auto& run = model.monteCarlo();
    if (!model.answer()) {
        m_monteCarlo->showValue({});
        m_monteCarloOutside->showValue({});
        return;
    }
    if (!run) {
        m_monteCarlo->showValue(model.monteCarloRunning() ? tr("計算中…") : QString());
        m_monteCarloOutside->showValue({});
        return;
    }
    m_monteCarlo->showValue(statisticalRange(run->minimum, run->maximum));
    m_monteCarloOutside->showValue(
        run->outsideShare ? percent(*run->outsideShare, *run->insideShare) : QString());
}
