// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>
#include <vector>

// The words of a widget (or a model) in the language in force: each set at once, and set again
// whenever the language changes, so that a window switches without being built anew. What is
// worked out from the words (an answer, a problem) is redone after them, once every widget of the
// window has its new words.
class LanguageTexts : public QObject
{
public:
    explicit LanguageTexts(QObject& owner);

    // Runs set now and at every change of language.
    void add(std::function<void()> set);
    // Runs redo once the change has reached every widget, after the words.
    void thenRedo(std::function<void()> redo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::function<void()>> m_sets;
    std::vector<std::function<void()>> m_redos;
    bool m_redoPending = false;
};

// Punctuation that differs between the languages: Japanese joins clauses with 、 and sentences
// with 。, English with a comma and a full stop.
namespace words {
QString comma();
QString stop();
} // namespace words
