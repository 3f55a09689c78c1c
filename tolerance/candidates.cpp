// SPDX-License-Identifier: MIT
#include "tolerance/candidates.h"

namespace tolerance {

namespace {

std::vector<ClassCode> codesIn(Side side, ClassScope scope)
{
    if (scope == ClassScope::Every)
        return everyClass(side);
    std::vector<ClassCode> codes;
    for (const ToleranceClass& cls : classesOf(side))
        codes.push_back(std::get<ClassCode>(parseClassCode(cls.code)));
    return codes;
}

} // namespace

Candidates candidatesAt(Side side, Length diameter, Edition edition, ClassScope scope)
{
    Candidates found;
    for (const ClassCode& code : codesIn(side, scope)) {
        // The edition decides: a class the 1984 table has may have no value by today's rules.
        const EditionAnswer answer = lookUp(code, diameter, edition);
        if (!answer.deviations)
            continue;
        found.classes.push_back({textOf(code), *answer.deviations});
        found.sources.push_back(answer.source);
    }
    return found;
}

} // namespace tolerance
