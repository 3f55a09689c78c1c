// SPDX-License-Identifier: MIT
// Class codes as ISO 286 writes them: the letters of a fundamental deviation, then a grade.
#include "tolerance/iso286.h"

#include <algorithm>

namespace tolerance {

namespace {

bool isUpper(char c) noexcept
{
    return c >= 'A' && c <= 'Z';
}

bool isLower(char c) noexcept
{
    return c >= 'a' && c <= 'z';
}

// "01", "0", "1" … "18"; no leading zero but in "01".
std::optional<int> gradeOf(std::string_view text) noexcept
{
    if (text == "01")
        return kGradeIT01;
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0'))
        return std::nullopt;
    int grade = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        grade = grade * 10 + (c - '0');
    }
    return grade <= kCoarsestGrade ? std::optional<int>(grade) : std::nullopt;
}

ClassCodeError error(ClassCodeError::Kind kind, std::string message)
{
    return {kind, std::move(message)};
}

} // namespace

std::string textOf(const ClassCode& code)
{
    return code.letters +
           (code.grade == kGradeIT01 ? std::string("01") : std::to_string(code.grade));
}

std::variant<ClassCode, ClassCodeError> parseClassCode(std::string_view text)
{
    using Kind = ClassCodeError::Kind;
    if (text.empty())
        return error(Kind::Empty, "empty class; give a code such as H7 or g6");
    const auto firstNonLetter =
        std::ranges::find_if(text, [](char c) { return !isUpper(c) && !isLower(c); });
    const std::string_view letters(text.begin(), firstNonLetter);
    const std::string_view grade(firstNonLetter, text.end());
    const bool hole = !letters.empty() && std::ranges::all_of(letters, isUpper);
    const bool shaft = !letters.empty() && std::ranges::all_of(letters, isLower);
    const auto known = fundamentalDeviationLetters(hole ? Side::Hole : Side::Shaft);
    if ((!hole && !shaft) || std::ranges::find(known, letters) == known.end())
        return error(Kind::NoSuchLetter, letters.empty()
                                             ? "a class starts with its letters, as in H7 or g6"
                                             : "no fundamental deviation is written " +
                                                   std::string(letters) +
                                                   " (A … ZC for holes, a … zc for shafts)");
    if (grade.empty())
        return error(Kind::NoGrade,
                     "no grade after " + std::string(letters) + "; the grades are 01, 0, 1 … 18");
    const auto value = gradeOf(grade);
    if (!value)
        return error(Kind::NoSuchGrade, "no grade " + std::string(grade) +
                                            " in the standard; the grades are 01, 0, 1 … 18");
    return ClassCode{hole ? Side::Hole : Side::Shaft, std::string(letters), *value};
}

} // namespace tolerance
