// SPDX-License-Identifier: MIT
#include "core_texts.h"

#include <unordered_set>

namespace coreTexts {

QStringList rangeLabels()
{
    QStringList labels;
    for (std::string_view label : tolerance::kSizeRanges)
        labels << toQString(label);
    return labels;
}

QStringList classCodes(tolerance::Side side)
{
    QStringList codes;
    for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
        codes << toQString(cls.code);
    return codes;
}

const QStringList& deviationTexts()
{
    // Asked for by the font's choice and by each page; 478 texts of 3250 entries, made once.
    static const QStringList texts = [] {
        QStringList distinct;
        std::unordered_set<std::string_view> seen;
        for (tolerance::Side side : {tolerance::Side::Hole, tolerance::Side::Shaft})
            for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
                for (const tolerance::DeviationPair& entry : cls.entries)
                    for (std::string_view text : {entry.upper, entry.lower})
                        if (seen.insert(text).second)
                            distinct << toQString(text);
        return distinct;
    }();
    return texts;
}

} // namespace coreTexts
