#include "core_texts.h"

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

QStringList deviationTexts()
{
    QStringList texts;
    for (tolerance::Side side : {tolerance::Side::Hole, tolerance::Side::Shaft})
        for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
            for (const tolerance::DeviationPair& entry : cls.entries)
                texts << toQString(entry.upper) << toQString(entry.lower);
    texts.removeDuplicates();
    return texts;
}

} // namespace coreTexts
