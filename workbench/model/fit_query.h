// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The workbench's one door to the core: what was typed in, and every figure the core answers
// for it, each exact. Nothing else in the workbench includes the core.
namespace workbench {

using Nanometres = std::int64_t;

enum class Edition
{
    Jis1984, // JIS B 0401 (1984), our table
    Iso2010, // JIS B 0401:2016 = ISO 286:2010
};

// Where a side's figures come from.
enum class Source
{
    Table1984,
    Iso2010,
};

enum class FitKind
{
    Clearance,
    Transition,
    Interference,
};

enum class Side
{
    Hole,
    Shaft,
};

struct SideFigures
{
    QString code;
    Nanometres upper;
    Nanometres lower;
    Nanometres maximum;
    Nanometres minimum;
    Source source;
};

// Clearances are hole size less shaft size; a negative one is an interference.
struct PairFigures
{
    Nanometres maximumClearance;
    Nanometres minimumClearance;
    FitKind kind;
};

struct Inputs
{
    QString size;
    QString hole;
    QString shaft;
    Edition edition = Edition::Jis1984;
};

// Each field's problem in the user's words, empty where the field is usable. Figures only
// where everything they depend on is usable, so nothing stale can be shown.
struct Answer
{
    QString sizeProblem;
    QString holeProblem;
    QString shaftProblem;
    std::optional<Nanometres> diameter;
    std::optional<SideFigures> hole;
    std::optional<SideFigures> shaft;
    std::optional<PairFigures> pair;

    bool complete() const { return hole && shaft && pair; }
};

Answer answerFor(const Inputs& inputs);

// The size field alone: the diameter, or the problem with the text.
struct SizeReading
{
    std::optional<Nanometres> diameter;
    QString problem;
};
SizeReading readSize(const QString& text);

// A clearance bound in mm as typed for the finder (negative for an interference): nothing for an
// empty text, the problem for a text that is not one.
struct BoundReading
{
    std::optional<Nanometres> value;
    QString problem;
};
BoundReading readBound(const QString& text);

// The 65 classes of our lists, in list order.
QStringList commonClasses(Side side);

// Every other class of the side with a value at some size, in the standard's order of letters
// and grades: what the class lists offer after our 65.
QStringList otherClasses(Side side);

enum class Basis
{
    Any,
    Hole,  // the H holes
    Shaft, // the h shafts
};

struct FinderQuery
{
    Nanometres diameter;
    Edition edition = Edition::Jis1984;
    std::optional<Nanometres> minimumClearance;
    std::optional<Nanometres> maximumClearance;
    std::optional<FitKind> kind;
    Basis basis = Basis::Any;
    bool everyClass = false; // or only our 65
};

// Indices into the found pairs' lists of codes, so a search over every class makes no string.
struct FoundPair
{
    int hole;
    int shaft;
    PairFigures pair;
};

struct FoundPairs
{
    QStringList holes;
    QStringList shafts;
    std::vector<FoundPair> pairs;

    QString fitText(std::size_t row) const;
};

// Pairs whose whole clearance range lies within the bounds, widest fit tolerance first.
FoundPairs findPairs(const FinderQuery& query);

} // namespace workbench
