// SPDX-License-Identifier: MIT
#include "model/stack_model.h"

#include "model/chain_files.h"
#include "model/problem_texts.h"

#include "tolerance/stack/typed_text.h"

#include <QDir>
#include <QFileInfo>

using namespace tolerance::stack;

StackModel::StackModel(QObject* parent) : QObject(parent), m_table(new MemberTable(this))
{
    connect(m_table, &MemberTable::membersChanged, this, [this] {
        markModified();
        recompute();
    });
    connect(&m_run, &MonteCarloRun::finished, this, [this](const MonteCarlo& run) {
        m_monteCarlo = run;
        Q_EMIT monteCarloChanged();
    });
    recompute();
}

void StackModel::setRequirement(const QString& typed)
{
    if (typed == m_requirement)
        return;
    m_requirement = typed;
    markModified();
    recompute();
}

void StackModel::setDistribution(tolerance::Distribution distribution)
{
    if (distribution == m_distribution)
        return;
    m_distribution = distribution;
    markModified();
    recompute();
}

void StackModel::retranslate()
{
    m_table->retranslate();
    readProblems(m_table->members().has_value());
    // The answer's figures stand, and the Monte Carlo run goes on: only the words are new.
    Q_EMIT answered();
}

void StackModel::readProblems(bool membersRead)
{
    const auto requirement = parseRequirement(m_requirement.toStdString());
    const auto* fault = std::get_if<RequirementFault>(&requirement);
    m_requirementProblem = fault ? problemTexts::requirement(m_requirement, *fault) : QString();
    m_parsedRequirement = fault ? Requirement{} : std::get<Requirement>(requirement);
    if (const auto problem = m_table->firstProblem())
        m_answerProblem = tr("%1 行目: %2").arg(problem->first + 1).arg(problem->second);
    else if (!membersRead)
        m_answerProblem = tr("部品を追加してください（Ctrl++）");
    else
        m_answerProblem.clear();
}

void StackModel::recompute()
{
    std::optional<std::vector<Member>> members = m_table->members();
    readProblems(members.has_value());
    m_answer.reset();
    m_chain.reset();
    m_monteCarlo.reset();
    if (members && m_answerProblem.isEmpty()) {
        m_chain = Chain{std::move(*members), m_parsedRequirement, m_distribution};
        m_answer = answerChain(*m_chain);
        m_run.start(*m_chain, {kSamples, kDefaultSeed, 0});
    } else {
        m_run.cancel();
    }
    Q_EMIT answered();
    Q_EMIT monteCarloChanged();
}

void StackModel::markModified()
{
    if (m_loading || m_modified)
        return;
    m_modified = true;
    Q_EMIT fileChanged();
}

QString StackModel::saveProblem() const
{
    if (const auto problem = m_table->firstProblem())
        return tr("%1 行目: %2").arg(problem->first + 1).arg(problem->second);
    if (!m_requirementProblem.isEmpty())
        return tr("要求: %1").arg(m_requirementProblem);
    return {};
}

ChainText StackModel::text(bool withBlankRows) const
{
    ChainText text;
    for (MemberText& member : m_table->texts()) {
        if (withBlankRows || !MemberTable::blank(member))
            text.members.push_back(std::move(member));
    }
    text.requirement = m_requirement.toStdString();
    text.distribution = std::string(tolerance::nameOf(m_distribution));
    text.keptJson = m_keptJson;
    return text;
}

void StackModel::setChainText(const ChainText& text)
{
    m_loading = true;
    m_keptJson = text.keptJson;
    m_requirement = QString::fromStdString(text.requirement);
    m_distribution = tolerance::distributionNamed(foldTyped(text.distribution))
                         .value_or(tolerance::Distribution::Normal);
    m_table->setTexts(text.members);
    m_loading = false;
    Q_EMIT settingsReplaced();
    recompute();
}

void StackModel::newChain()
{
    setChainText({});
    m_file.clear();
    m_modified = false;
    Q_EMIT fileChanged();
}

std::optional<QString> StackModel::open(const QString& path)
{
    auto opened = chainFiles::open(path);
    if (const auto* problem = std::get_if<QString>(&opened))
        return *problem;
    setChainText(std::get<ChainText>(opened));
    m_file = QFileInfo(path).absoluteFilePath();
    m_modified = false;
    addRecent(m_file);
    Q_EMIT fileChanged();
    return std::nullopt;
}

std::optional<QString> StackModel::saveAs(const QString& path)
{
    if (const QString problem = saveProblem(); !problem.isEmpty())
        return problem;
    if (const auto problem = chainFiles::save(path, text(false)))
        return problem;
    m_file = QFileInfo(path).absoluteFilePath();
    m_modified = false;
    addRecent(m_file);
    Q_EMIT fileChanged();
    return std::nullopt;
}

void StackModel::addRecent(const QString& path)
{
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > lastChain::kRecentFiles)
        m_recent.removeLast();
}

lastChain::Kept StackModel::kept() const
{
    return {text(true), m_file, m_modified};
}

void StackModel::restore(const lastChain::Kept& kept)
{
    setChainText(kept.chain);
    m_file = kept.file;
    m_modified = kept.modified;
    Q_EMIT fileChanged();
}
