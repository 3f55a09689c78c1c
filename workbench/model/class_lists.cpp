// SPDX-License-Identifier: MIT
#include "model/class_lists.h"

#include "tolerance/iso286.h"

#include <algorithm>

namespace workbench {

namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

QStringList commonClasses(tolerance::Side side)
{
    QStringList codes;
    for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
        codes << qt(cls.code);
    return codes;
}

QStringList otherClasses(tolerance::Side side)
{
    const QStringList common = commonClasses(side);
    QStringList codes;
    for (const tolerance::ClassCode& code : tolerance::everyClass(side)) {
        // A class the rules give no value for at any size is no choice at all.
        const bool anywhere =
            std::any_of(tolerance::sizeSteps().begin(), tolerance::sizeSteps().end(),
                        [&](const tolerance::SizeStep& step) {
                            return tolerance::deviationsOf(code, step.upper).has_value();
                        });
        const QString text = qt(tolerance::textOf(code));
        if (anywhere && !common.contains(text))
            codes << text;
    }
    return codes;
}

} // namespace workbench
