// SPDX-License-Identifier: MIT
#include "window/outlook_lines.h"

#include "desktop/language_texts.h"
#include "model/fit_outlook.h"
#include "window/figure_label.h"
#include "window/fit_texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

using tolerance::Distribution;

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

QString otherBasisLine(const std::optional<tolerance::OtherBasisFit>& other)
{
    if (!other)
        return {};
    const QString pair =
        qt(tolerance::textOf(other->pair.hole)) + u'/' + qt(tolerance::textOf(other->pair.shaft));
    QString how;
    if (other->ownPair)
        how = OutlookLines::tr("穴基準でも軸基準でもある組");
    else if (other->same())
        how = OutlookLines::tr("すきまは同じ");
    else
        how = OutlookLines::tr("最も近い組。最大すきま %1 µm、最小すきま %2 µm の違い")
                  .arg(fitTexts::micrometres(other->maximumShift),
                       fitTexts::micrometres(other->minimumShift));
    return OutlookLines::tr("他の基準: %1（%2）").arg(pair, how);
}

// For an interference fit the odds worth reading are those of a clearance.
QString oddsLine(const tolerance::FitStatistics& s, tolerance::FitType type)
{
    const bool interference = type == tolerance::FitType::Interference;
    // Each side from its own tail: 1 less a near certainty is no figure.
    const double odds = interference ? s.clearanceProbability : s.interferenceProbability;
    const double other = interference ? s.interferenceProbability : s.clearanceProbability;
    return OutlookLines::tr("99.73 % の組立てのすきま: %1～%2 mm\n%3になる確率: %4 %")
        .arg(qt(tolerance::formatStatisticalClearance(s.clearanceLow)),
             qt(tolerance::formatStatisticalClearance(s.clearanceHigh)),
             interference ? OutlookLines::tr("すきま") : OutlookLines::tr("しめしろ"),
             qt(tolerance::formatPercent(odds, other)));
}

// Plain text, for a side's limits are as typed; Tab reaches it and a screen reader reads the line,
// which says its own meaning.
FigureLabel* lineLabel(const char* name, const QString& meaning)
{
    auto* label = new FigureLabel(meaning);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Changing text never moves the layout.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

} // namespace

OutlookLines::OutlookLines(QGridLayout* grid, int row, int columns, QObject* parent)
    : QObject(parent), m_otherBasis(lineLabel("otherBasis", {})), m_odds(lineLabel("fitOdds", {})),
      m_distribution(new QComboBox)
{
    m_otherBasis->setAlignment(Qt::AlignLeft | Qt::AlignTop); // one line of two at the top
    m_distribution->setObjectName(QStringLiteral("oddsDistribution"));
    m_distribution->addItem(QString(), QVariant::fromValue(Distribution::Normal));
    m_distribution->addItem(QString(), QVariant::fromValue(Distribution::Uniform));
    auto* texts = new LanguageTexts(*this);
    texts->add([this] {
        m_otherBasis->setMeaning(tr("他の基準"));
        m_odds->setMeaning(tr("組立てのすきまのばらつき"));
        m_distribution->setItemText(0, tr("正規分布"));
        m_distribution->setItemText(1, tr("一様分布"));
        m_distribution->setAccessibleName(tr("寸法のばらつき"));
        m_distribution->setToolTip(
            tr("穴と軸の寸法のばらつき方: 正規分布（公差 = ±3σ、中央）か、公差内で一様か"));
        m_distribution->setStatusTip(m_distribution->toolTip());
        m_otherBasis->setToolTip(tr("同じはめあいを穴基準と軸基準の間で移したときの組"));
        // As many lines as the nearest pair's wording takes (two in English, one line of it
        // wider than the window on an 800-pixel screen), shown or not: the lines below never
        // move.
        const int lines =
            1 + int(tr("最も近い組。最大すきま %1 µm、最小すきま %2 µm の違い").count(u'\n'));
        m_otherBasis->setMinimumHeight(lines * m_otherBasis->fontMetrics().lineSpacing());
    });
    auto* odds = new QHBoxLayout;
    odds->addWidget(m_distribution, 0, Qt::AlignTop);
    odds->addWidget(m_odds, 1);
    grid->addWidget(m_otherBasis, row, 0, 1, columns);
    grid->addLayout(odds, row + 1, 0, 1, columns);
    // Two lines whether shown or not, so that the notes below never move.
    m_odds->setMinimumHeight(2 * m_odds->fontMetrics().lineSpacing());
    connect(m_distribution, &QComboBox::currentIndexChanged, this, &OutlookLines::showOdds);
}

QList<QWidget*> OutlookLines::tabOrder() const
{
    return {m_otherBasis, m_distribution, m_odds};
}

void OutlookLines::showFor(const workbench::Answer& answer, tolerance::Edition edition)
{
    m_answer = answer;
    const QString line = otherBasisLine(workbench::otherBasisOf(answer, edition));
    m_otherBasis->showValue(line);
    if (!line.isEmpty())
        m_otherBasis->setAccessibleName(line);
    showOdds();
}

Distribution OutlookLines::distribution() const
{
    return m_distribution->currentData().value<Distribution>();
}

void OutlookLines::showOdds()
{
    const auto statistics = workbench::statisticsOf(m_answer, distribution());
    const QString line = statistics ? oddsLine(*statistics, m_answer.pair->type) : QString();
    m_odds->showValue(line);
    if (!line.isEmpty())
        m_odds->setAccessibleName(line);
}
