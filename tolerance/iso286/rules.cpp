// SPDX-License-Identifier: MIT
// The rules of ISO 286-1:2010 that turn a fundamental deviation and a standard tolerance into
// the two limit deviations of a class.
#include "tolerance/iso286/tables.h"

#include <algorithm>

namespace tolerance {

using namespace tables;

namespace {

constexpr Length k1mm = kNanometresPerMm;
constexpr Length k3mm = 3 * kNanometresPerMm;
constexpr Length k500mm = 500 * kNanometresPerMm;

constexpr std::string_view kShaftLetters[] = {"a", "b",  "c", "cd", "d", "e",  "ef", "f", "fg", "g",
                                              "h", "js", "j", "k",  "m", "n",  "p",  "r", "s",  "t",
                                              "u", "v",  "x", "y",  "z", "za", "zb", "zc"};
constexpr std::string_view kHoleLetters[] = {"A", "B",  "C", "CD", "D", "E",  "EF", "F", "FG", "G",
                                             "H", "JS", "J", "K",  "M", "N",  "P",  "R", "S",  "T",
                                             "U", "V",  "X", "Y",  "Z", "ZA", "ZB", "ZC"};

// A class's letters as a shaft writes them, checked against the side's own list.
struct ShaftLetters
{
    std::array<char, 2> chars{};
    std::size_t size = 0;

    std::string_view view() const noexcept { return {chars.data(), size}; }
};

std::optional<ShaftLetters> shaftLettersOf(const ClassCode& code) noexcept
{
    const auto letters = fundamentalDeviationLetters(code.side);
    const auto it = std::ranges::find(letters, std::string_view(code.letters));
    if (it == letters.end())
        return std::nullopt;
    const std::string_view shaft = kShaftLetters[std::size_t(it - letters.begin())];
    ShaftLetters out;
    out.size = shaft.size();
    std::ranges::copy(shaft, out.chars.begin());
    return out;
}

std::optional<Length> valueAt(const StepRow& row, std::size_t step)
{
    if (row[step] == kNone)
        return std::nullopt;
    return Length(row[step]) * kNanometresPerMicrometre;
}

template <std::size_t Count>
const StepRow* rowOf(const std::array<LetterRow, Count>& rows, std::string_view letters)
{
    const auto it = std::ranges::find(rows, letters, &LetterRow::letters);
    return it == rows.end() ? nullptr : &it->micrometres;
}

const StepRow* rowOfGrade(const std::array<GradesRow, 3>& rows, int grade)
{
    for (const GradesRow& row : rows)
        if (grade >= row.firstGrade && grade <= row.lastGrade)
            return &row.micrometres;
    return nullptr;
}

// Δ = ITn − IT(n−1), which the standard tabulates for IT3 … IT8 only; no Δ is added up to 3 mm
// nor over 500 mm.
std::optional<Length> deltaOf(int grade, Length diameter, std::size_t step)
{
    if (diameter <= k3mm || diameter > k500mm)
        return 0;
    if (grade < kFirstDeltaGrade || grade > kLastDeltaGrade)
        return std::nullopt;
    return kDeltas[kMainStepOf[step]][std::size_t(grade - kFirstDeltaGrade)];
}

// a and b, A and B: none up to 1 mm.
bool isDefinedAt(std::string_view shaftLetters, Length diameter)
{
    return diameter > k1mm || (shaftLetters != "a" && shaftLetters != "b");
}

// The lower deviation of a shaft k … zc, or of j in its tabulated grades.
std::optional<Length> shaftLower(std::string_view letters, int grade, std::size_t step)
{
    if (letters == "j") {
        const StepRow* row = rowOfGrade(kShaftJLowerDeviations, grade);
        return row ? valueAt(*row, step) : std::nullopt;
    }
    if (letters == "k")
        return grade >= 4 && grade <= 7 ? valueAt(kShaftKLowerIT4ToIT7, step) : 0;
    const StepRow* row = rowOf(kShaftLowerDeviations, letters);
    return row ? valueAt(*row, step) : std::nullopt;
}

// ES of K, M and N: −ei + Δ up to IT8 (M6 over 250 to 315 mm excepted); above IT8, K only up to
// 3 mm, M at −ei, N at 0 from 3 to 500 mm and not up to 1 mm.
std::optional<Length> upperOfKMN(std::string_view letters, int grade, Length diameter,
                                 std::size_t step)
{
    const Length ei = letters == "k" ? *valueAt(kShaftKLowerIT4ToIT7, step)
                                     : *valueAt(*rowOf(kShaftLowerDeviations, letters), step);
    if (grade <= 8 || diameter <= k3mm || diameter > k500mm) {
        if (grade > 8 && letters == "n" && diameter <= k1mm)
            return std::nullopt;
        if (grade > 8 && letters == "k" && diameter > k3mm)
            return std::nullopt;
        if (letters == "m" && grade == 6 && kMainStepOf[step] == 10)
            return -9 * kNanometresPerMicrometre;
        const auto delta = grade <= 8 ? deltaOf(grade, diameter, step) : 0;
        return delta ? std::optional<Length>(-ei + *delta) : std::nullopt;
    }
    if (letters == "k")
        return std::nullopt;
    return letters == "m" ? -ei : 0;
}

// ES of P … ZC: −ei, plus Δ up to IT7.
std::optional<Length> upperOfPToZC(std::string_view letters, int grade, Length diameter,
                                   std::size_t step)
{
    const StepRow* row = rowOf(kShaftLowerDeviations, letters);
    const auto ei = row ? valueAt(*row, step) : std::nullopt;
    if (!ei)
        return std::nullopt;
    const auto delta = grade <= 7 ? deltaOf(grade, diameter, step) : 0;
    return delta ? std::optional<Length>(-*ei + *delta) : std::nullopt;
}

std::optional<Deviations> shaftDeviations(std::string_view letters, int grade, Length diameter,
                                          std::size_t step, Length it)
{
    if (const StepRow* row = rowOf(kShaftUpperDeviations, letters)) {
        const auto es = isDefinedAt(letters, diameter) ? valueAt(*row, step) : std::nullopt;
        return es ? std::optional<Deviations>({*es, *es - it}) : std::nullopt;
    }
    const auto ei = shaftLower(letters, grade, step);
    return ei ? std::optional<Deviations>({*ei + it, *ei}) : std::nullopt;
}

std::optional<Deviations> holeDeviations(std::string_view letters, int grade, Length diameter,
                                         std::size_t step, Length it)
{
    if (const StepRow* row = rowOf(kShaftUpperDeviations, letters)) {
        const auto es = isDefinedAt(letters, diameter) ? valueAt(*row, step) : std::nullopt;
        return es ? std::optional<Deviations>({-*es + it, -*es}) : std::nullopt;
    }
    std::optional<Length> es;
    if (letters == "j") {
        const StepRow* row = rowOfGrade(kHoleJUpperDeviations, grade);
        es = row ? valueAt(*row, step) : std::nullopt;
    } else if (letters == "k" || letters == "m" || letters == "n") {
        es = upperOfKMN(letters, grade, diameter, step);
    } else {
        es = upperOfPToZC(letters, grade, diameter, step);
    }
    return es ? std::optional<Deviations>({*es, *es - it}) : std::nullopt;
}

} // namespace

std::span<const std::string_view> fundamentalDeviationLetters(Side side) noexcept
{
    if (side == Side::Hole)
        return kHoleLetters;
    return kShaftLetters;
}

std::span<const SizeStep> sizeSteps() noexcept
{
    return kSteps;
}

std::optional<std::size_t> stepOf(Length diameter) noexcept
{
    if (diameter <= 0 || diameter > kLargestSize)
        return std::nullopt;
    const auto it = std::ranges::lower_bound(kSteps, diameter, {}, &SizeStep::upper);
    return std::size_t(it - kSteps.begin());
}

std::optional<Length> standardTolerance(int grade, Length diameter) noexcept
{
    const auto step = stepOf(diameter);
    if (!step || grade < kFinestGrade || grade > kCoarsestGrade)
        return std::nullopt;
    if (grade >= 14 && diameter <= k1mm)
        return std::nullopt;
    const Length value = kStandardTolerances[gradeIndex(grade)][kMainStepOf[*step]];
    return value < 0 ? std::nullopt : std::optional<Length>(value);
}

bool isPlusMinus(const ClassCode& code) noexcept
{
    return code.letters == (code.side == Side::Hole ? "JS" : "js");
}

std::optional<Deviations> deviationsOf(const ClassCode& code, Length diameter) noexcept
{
    const auto letters = shaftLettersOf(code);
    const auto it = standardTolerance(code.grade, diameter);
    if (!letters || !it)
        return std::nullopt;
    if (letters->view() == "js")
        return Deviations{*it / 2, -*it / 2};
    const std::size_t step = *stepOf(diameter);
    return code.side == Side::Shaft
               ? shaftDeviations(letters->view(), code.grade, diameter, step, *it)
               : holeDeviations(letters->view(), code.grade, diameter, step, *it);
}

std::vector<ClassCode> everyClass(Side side)
{
    std::vector<ClassCode> classes;
    for (const std::string_view letters : fundamentalDeviationLetters(side))
        for (int grade = kFinestGrade; grade <= kCoarsestGrade; ++grade)
            classes.push_back({side, std::string(letters), grade});
    return classes;
}

std::vector<ClassCode> classesAt(Side side, Length diameter)
{
    std::vector<ClassCode> classes = everyClass(side);
    std::erase_if(classes, [&](const ClassCode& code) { return !deviationsOf(code, diameter); });
    return classes;
}

} // namespace tolerance
