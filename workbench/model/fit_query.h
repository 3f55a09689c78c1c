// SPDX-License-Identifier: MIT
#pragma once

#include "model/last_inputs.h"

#include "tolerance/editions.h"
#include "tolerance/fit.h"
#include "tolerance/iso286.h"

#include <QString>

#include <optional>

// What was typed in, read as the core reads it, and every figure the core answers for it, each
// exact. The problems are in the user's words, ready to show.
namespace workbench {

using tolerance::Length;

struct SideFigures
{
    QString code; // the class, or the limits given in its place as the core writes them
    Length upper;
    Length lower;
    Length maximum;
    Length minimum;
    tolerance::Source source;
    std::optional<tolerance::ClassCode> classCode; // nothing for a side given by its limits
    QString ringStandard = {}; // a bearing's ring: the standard its limits come from

    // Limits typed, or a bearing's ring: no class of ISO 286.
    bool given() const { return !classCode; }
    bool bearingRing() const { return !ringStandard.isEmpty(); }
};

struct Inputs
{
    QString size;
    QString hole;
    QString shaft;
    tolerance::Edition edition = tolerance::Edition::Jis1984;
};

// Each field's problem, empty where the field is usable. Figures only where everything they
// depend on is usable, so nothing stale can be shown. Clearances are hole size less shaft size;
// a negative one is an interference.
struct Answer
{
    QString sizeProblem;
    QString holeProblem;
    QString shaftProblem;
    std::optional<Length> diameter;
    std::optional<SideFigures> hole;
    std::optional<SideFigures> shaft;
    std::optional<tolerance::Fit> pair;

    bool complete() const { return hole && shaft && pair; }
};

Answer answerFor(const Inputs& inputs);

// What is worth keeping of the inputs: only a complete fit ("3" on the way to "3x5" is not one),
// as typed but for the spaces around, the edition with it.
std::optional<lastInputs::Inputs> keptInputs(const Inputs& inputs, const Answer& answer);

// The size field alone: the diameter, or the problem with the text.
struct SizeReading
{
    std::optional<Length> diameter;
    QString problem;
};
SizeReading readSize(const QString& text);

// A decimal as typed, read exactly (full-width digits, the typesetting minus, "+", ".5" and "5."
// too), to 4 decimals: the value, or what kept it from being one, for each field to say in its
// own words.
enum class NumberFault
{
    None,
    NotANumber,
    Comma,    // "0,15": a decimal comma
    Exponent, // "1e4": exponent notation, which no field reads
    TooFine,  // more than 4 decimals
    TooLarge,
};
struct NumberReading
{
    std::optional<Length> value; // in millionths (nm for mm); nothing for an empty text
    NumberFault fault = NumberFault::None;
};
NumberReading readNumber(const QString& text);

// A clearance bound in mm as typed for the finder (negative for an interference): nothing for an
// empty text, the problem for a text that is not one.
struct BoundReading
{
    std::optional<Length> value;
    QString problem;
};
BoundReading readBound(const QString& text);

// A class field alone: the class of that side, or the problem with the text (side_input.h also
// reads limits typed there).
struct ClassReading
{
    std::optional<tolerance::ClassCode> code;
    QString problem;
};
ClassReading readClass(tolerance::Side side, const QString& text);

} // namespace workbench
