// SPDX-License-Identifier: MIT
#include "window/spoken_changes.h"

#include "desktop/language_texts.h"

#include "desktop/accessibility/announcer.h"

#include <QStringList>
#include <QWidget>

#include <algorithm>

SpokenChanges::SpokenChanges(QWidget& window) : QObject(&window), m_window(window)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(kRestMs);
    connect(&m_rest, &QTimer::timeout, this, &SpokenChanges::speak);
}

void SpokenChanges::setProblem(QWidget& field, const QString& problem)
{
    auto known = std::find_if(m_problems.begin(), m_problems.end(),
                              [&field](const Problem& p) { return p.field == &field; });
    if (known == m_problems.end())
        known = m_problems.insert(m_problems.end(), {&field, {}, {}});
    if (known->now == problem)
        return;
    known->now = problem;
    m_rest.start();
}

void SpokenChanges::setFit(const QString& fit)
{
    if (m_fit == fit)
        return;
    m_fit = fit;
    m_rest.start();
}

void SpokenChanges::setFound(const QString& found)
{
    if (m_found == found)
        return;
    m_found = found;
    m_rest.start();
}

void SpokenChanges::speak()
{
    std::vector<const Problem*> fresh;
    for (Problem& problem : m_problems) {
        if (!problem.field || problem.now == problem.said)
            continue;
        problem.said = problem.now;
        if (!problem.now.isEmpty())
            fresh.push_back(&problem);
    }
    // An unchanged fit, also one that comes back after a moment without one, is not news.
    const bool newFit = !m_fit.isEmpty() && m_fit != m_saidFit;
    if (newFit)
        m_saidFit = m_fit;
    const bool newFound = !m_found.isEmpty() && m_found != m_saidFound;
    m_saidFound = m_found;
    if (fresh.size() == 1 && !newFit && !newFound) {
        // The field's name first ties the problem to it wherever the focus is.
        accessibility::announceProblem(*fresh.front()->field, fresh.front()->now);
        return;
    }
    QStringList said;
    for (const Problem* problem : fresh)
        said << problem->field->accessibleName() + words::comma() + problem->now;
    if (newFound)
        said << m_found;
    if (newFit)
        said << m_fit;
    if (!said.isEmpty())
        accessibility::announce(m_window, said.join(words::stop()));
}
