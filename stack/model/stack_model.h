// SPDX-License-Identifier: MIT
#pragma once

#include "model/last_chain.h"
#include "model/member_table.h"
#include "model/monte_carlo_run.h"

#include "tolerance/stack/chain.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

// The window's chain: the members' table, the requirement and the spread; the closed forms worked
// out at every change, the Monte Carlo check behind them; the file it belongs to and what is kept.
class StackModel : public QObject
{
    Q_OBJECT

public:
    explicit StackModel(QObject* parent = nullptr);

    MemberTable& table() { return *m_table; }
    const MemberTable& table() const { return *m_table; }

    void setRequirement(const QString& typed);
    QString requirement() const { return m_requirement; }
    // What is wrong with the requirement as typed; empty when nothing is.
    QString requirementProblem() const { return m_requirementProblem; }
    void setDistribution(tolerance::Distribution distribution);
    tolerance::Distribution distribution() const { return m_distribution; }

    // The closed forms of the chain as it stands, or nothing with why (answerProblem).
    const std::optional<tolerance::stack::ChainAnswer>& answer() const { return m_answer; }
    const std::optional<tolerance::stack::Chain>& chain() const { return m_chain; }
    QString answerProblem() const { return m_answerProblem; }
    // The newest Monte Carlo run of the chain as it stands; nothing while one is under way.
    const std::optional<tolerance::stack::MonteCarlo>& monteCarlo() const { return m_monteCarlo; }
    bool monteCarloRunning() const { return m_run.running(); }

    QString filePath() const { return m_file; }
    bool modified() const { return m_modified; }
    // Whether the chain can be written to a file, and why not.
    QString saveProblem() const;

    // Every problem and name in the new words; the figures and the Monte Carlo run stand.
    void retranslate();

    void newChain();
    // Why the file was not opened, or nothing; the chain stays as it was when it is not.
    std::optional<QString> open(const QString& path);
    // Writes the chain to path, which becomes its file; why it was not saved, or nothing.
    std::optional<QString> saveAs(const QString& path);
    QStringList recentFiles() const { return m_recent; }

    // The chain as typed, with its file, for the store.
    lastChain::Kept kept() const;
    void restore(const lastChain::Kept& kept);
    void setRecentFiles(const QStringList& files) { m_recent = files; }

    static constexpr std::size_t kSamples = tolerance::stack::kDefaultSamples;

Q_SIGNALS:
    void answered();
    void monteCarloChanged();
    // The file, its modified state or the recent files changed.
    void fileChanged();
    // The requirement or the spread was set from a file or the store.
    void settingsReplaced();

private:
    tolerance::stack::ChainText text(bool withBlankRows) const;
    void setChainText(const tolerance::stack::ChainText& text);
    void recompute();
    // The requirement's problem and the answer's, in the words in force.
    void readProblems(bool membersRead);
    void markModified();
    void addRecent(const QString& path);

    MemberTable* m_table;
    MonteCarloRun m_run;
    QString m_requirement;
    QString m_requirementProblem;
    tolerance::stack::Requirement m_parsedRequirement;
    tolerance::Distribution m_distribution = tolerance::Distribution::Normal;
    std::string m_keptJson; // the file's own keys
    std::optional<tolerance::stack::Chain> m_chain;
    std::optional<tolerance::stack::ChainAnswer> m_answer;
    QString m_answerProblem;
    std::optional<tolerance::stack::MonteCarlo> m_monteCarlo;
    QString m_file;
    bool m_modified = false;
    bool m_loading = false;
    QStringList m_recent;
};
