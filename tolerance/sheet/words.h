// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Every word and sentence a calculation sheet says, in one place for each language (Japanese in
// words.cpp, English in words_english.cpp): a sheet is written in a language by handing its
// composer that language's set. A sentence is whole, its
// figures standing in it as {1}, {2} …, so that a translation may move them.
namespace tolerance::sheet {

// A formula as the sheet lists it: what it gives, the relation, and where it comes from.
struct FormulaWords
{
    std::string_view name;
    std::string_view relation;
    std::string_view source;
};

struct Words
{
    // The head of every sheet and its pages.
    std::string_view title;
    std::string_view fitSubject;   // {1} size {2} pair
    std::string_view holeSubject;  // {1} size {2} class
    std::string_view shaftSubject; // {1} size {2} class
    std::string_view date;         // {1}
    std::string_view program;      // {1}
    std::string_view page;         // {1} of {2}
    std::string_view diameter;     // φ{1}
    std::string_view partHeading;  // {1} whose {2} what

    // Headings.
    std::string_view inputs;
    std::string_view result;
    std::string_view warnings;
    std::string_view sides;
    std::string_view fit;
    std::string_view zones;
    std::string_view spread;
    std::string_view materials;
    std::string_view materialSources;
    std::string_view temperature;
    std::string_view pressFit;
    std::string_view formulas;
    std::string_view signOff;

    // Table heads.
    std::string_view item;
    std::string_view typed;
    std::string_view value;
    std::string_view unit;
    std::string_view source;
    std::string_view origin;
    std::string_view formula;
    std::string_view relation;
    std::string_view at20;
    std::string_view part;
    std::string_view material;

    // The inputs, by field.
    std::string_view sizeInput;
    std::string_view holeClassInput;
    std::string_view shaftClassInput;
    std::string_view holeLimitsInput;
    std::string_view shaftLimitsInput;
    std::string_view holeRingInput;
    std::string_view shaftRingInput;
    std::string_view editionInput;
    std::string_view distributionInput;
    std::string_view holeMaterialInput;
    std::string_view shaftMaterialInput;
    std::string_view holeCelsiusInput;
    std::string_view shaftCelsiusInput;
    std::string_view hubOuterInput;
    std::string_view shaftBoreInput;
    std::string_view lengthInput;
    std::string_view frictionInput;
    std::string_view holeRzInput;
    std::string_view shaftRzInput;
    std::string_view joiningClearanceInput;

    // Choices.
    std::string_view edition1984;
    std::string_view edition2016;
    std::string_view normal;
    std::string_view uniform;

    // A side's figures; {1} names the side ("穴 H7").
    std::string_view hole;  // 穴 {1}
    std::string_view shaft; // 軸 {1}
    std::string_view upperDeviation;
    std::string_view lowerDeviation;
    std::string_view maximumSize;
    std::string_view minimumSize;
    std::string_view fromTable1984;
    std::string_view fromRules1984;
    std::string_view fromRules2016;
    std::string_view given;
    std::string_view innerRing; // {1} class
    std::string_view outerRing; // {1} class
    std::string_view ringStandard;
    std::string_view formulaNumber; // 式 ({1})

    // The fit.
    std::string_view fitType;
    std::string_view clearanceFit;
    std::string_view transitionFit;
    std::string_view interferenceFit;
    std::string_view maximumClearance;
    std::string_view minimumClearance;
    std::string_view maximumInterference;
    std::string_view minimumInterference;
    std::string_view fitTolerance;
    std::string_view otherBasis;        // {1} the pair and how it compares
    std::string_view otherBasisOwn;     // {1} pair
    std::string_view otherBasisSame;    // {1} pair
    std::string_view otherBasisNearest; // {1} pair {2} {3} µm
    std::string_view summary;           // {1} size {2} pair {3} type, {4}…{7} the clearances
    std::string_view sideSummary;       // {1} side {2} upper {3} lower

    // The spread.
    std::string_view distribution; // {1} the spread assumed
    std::string_view normalAssumed;
    std::string_view uniformAssumed;
    std::string_view spreadLow;
    std::string_view spreadHigh;
    std::string_view interferenceOdds;
    std::string_view clearanceOdds;

    // The picture.
    std::string_view zonesDescription; // {1}…{7}
    std::string_view warmDescription;  // {1} temperature, {2}…{5}
    std::string_view holeCaption;      // 穴 {1}
    std::string_view shaftCaption;     // 軸 {1}

    // Materials.
    std::string_view holePart;
    std::string_view shaftPart;
    std::string_view youngsModulus;
    std::string_view poissonsRatio;
    std::string_view expansion;
    std::string_view proofStress;
    std::string_view materialNote;  // {1} material
    std::string_view figureOf;      // {1} material {2} figure
    std::string_view givenMaterial; // figures typed instead of a name
    std::string_view materialName;  // {1} name {2} condition

    // At temperature.
    std::string_view temperatures; // 穴 {1}・軸 {2}
    std::string_view celsius;      // {1} °C
    std::string_view clearanceSigned;
    std::string_view minimumClearanceSigned;
    std::string_view holeMaximumSize;
    std::string_view holeMinimumSize;
    std::string_view shaftMaximumSize;
    std::string_view shaftMinimumSize;

    // The press fit.
    std::string_view smoothing;
    std::string_view hubRatio;
    std::string_view boreRatio;
    std::string_view interferenceMin;
    std::string_view interferenceMax;
    std::string_view pressureMin;
    std::string_view torqueMin;
    std::string_view axialForceMin;
    std::string_view pressureMax;
    std::string_view pressInForceMax;
    std::string_view hubTangential;
    std::string_view hubEquivalent;
    std::string_view hubSafety;
    std::string_view shaftEquivalent;
    std::string_view shaftSafety;
    std::string_view assemblyTemperature;
    std::string_view joiningClearance;
    std::string_view noRoughness;
    std::string_view notWorkedOut; // a figure past yield
    std::string_view noStress;     // a safety where nothing presses
    std::string_view notNeeded;    // no heating for a shrink fit
    std::string_view noHeating;    // {1} the least clearance {2} the joining clearance
    std::string_view symbols;

    // Warnings.
    std::string_view caution;
    std::string_view noWarnings;
    std::string_view changesType; // {1} temperature {2} from {3} to
    std::string_view notCertain;  // {1} where
    std::string_view yieldsAtMax; // {1} where {2} bores
    std::string_view yieldsAtMin; // {1} where {2} bores
    std::string_view hubBore;
    std::string_view shaftBore;
    std::string_view bothBores; // {1} and {2}
    std::string_view plastic;
    std::string_view nonPositive;
    std::string_view undefined;       // {1} classes {2} range
    std::string_view beyondHeatLimit; // {1} what {2} its temperature {3} material {4} limit {5}
    std::string_view holePartTemperature;
    std::string_view shaftTemperature;
    std::string_view assemblyTemperatureWarned;
    std::string_view tempering;
    std::string_view transformation;
    std::string_view sensitisation;
    std::string_view decomposition;
    std::string_view stabilising;
    std::string_view ageing;
    std::string_view annealing;
    std::string_view meltingOnset;
    std::string_view mechanical;
    std::string_view continuousUse;

    // The formulas.
    FormulaWords limits;
    FormulaWords clearances;
    FormulaWords fitVariation;
    FormulaWords normalSpread;
    FormulaWords uniformSpread;
    FormulaWords thermal;
    FormulaWords smoothed;
    FormulaWords pressure;
    FormulaWords holding;
    FormulaWords stresses;
    FormulaWords shrinking;

    // A bearing by its number.
    std::string_view bearingSubject; // {1} number
    std::string_view seatsSubject;   // {1} the shaft's class {2} the housing's
    std::string_view bearingNumberInput;
    std::string_view accuracyInput;
    std::string_view housingClassInput;
    std::string_view loadInput;
    std::string_view loadSizeInput;
    std::string_view seatTemperaturesInput;
    std::string_view seatMaterialsInput;
    std::string_view seatRoughnessInput;
    std::string_view rotatingInner;
    std::string_view rotatingOuter;
    std::string_view indeterminate;
    std::string_view lightLoad;
    std::string_view normalLoad;
    std::string_view heavyLoad;
    std::string_view deepGrooveBall;
    std::string_view angularContactBall;
    std::string_view selfAligningBall;
    std::string_view cylindricalRoller;
    std::string_view taperedRoller;
    std::string_view bearing;
    std::string_view bearingType;
    std::string_view bore;
    std::string_view outside;
    std::string_view width;
    std::string_view totalWidth;
    std::string_view accuracy; // {1} class
    std::string_view widthUpper;
    std::string_view widthLower;
    std::string_view recommended;    // heading
    std::string_view recommendation; // {1} shaft classes {2} housing classes {3} source
    std::string_view shaftSeat;
    std::string_view housingSeat;
    std::string_view clearance;        // heading
    std::string_view seatTemperatures; // {1}…{4} shaft, inner, outer, housing
    std::string_view innerRaceway;
    std::string_view outerRaceway;
    std::string_view shaftInterferenceMin;
    std::string_view shaftInterferenceMax;
    std::string_view housingInterferenceMin;
    std::string_view housingInterferenceMax;
    std::string_view innerExpansionMin;
    std::string_view innerExpansionMax;
    std::string_view outerContractionMin;
    std::string_view outerContractionMax;
    std::string_view ringsThermal;
    std::string_view reductionMin;
    std::string_view reductionMax;
    std::string_view groups; // {1} temperature {2} the formula
    std::string_view group;
    std::string_view beforeMin;
    std::string_view beforeMax;
    std::string_view mountedMin;
    std::string_view mountedMax;
    std::string_view groupsBallOnly;
    std::string_view mayVanish; // {1} group {2} temperature {3} by how much
    FormulaWords raceways;
    FormulaWords reduction;
    FormulaWords residual;

    // A tolerance stack-up.
    std::string_view stackSubject; // {1} members
    std::string_view members;
    std::string_view memberName;
    std::string_view direction;
    std::string_view nominal;
    std::string_view toleranceTyped;
    std::string_view celsiusTyped;
    std::string_view requirementInput;
    std::string_view stackSummary; // {1} nominal {2}…{3} worst {4}…{5} statistical
    std::string_view memberFigures;
    std::string_view memberUpper;
    std::string_view memberLower;
    std::string_view growth;
    std::string_view varianceShare;
    std::string_view worstShare;
    std::string_view closing;
    std::string_view closingNominal;
    std::string_view thermalShift;
    std::string_view worstMaximum;
    std::string_view worstMinimum;
    std::string_view statisticalMaximum;
    std::string_view statisticalMinimum;
    std::string_view outsideShare;
    std::string_view insideShare;
    std::string_view monteCarloRange; // {1} assemblies {2} seed
    std::string_view monteCarloMaximum;
    std::string_view monteCarloMinimum;
    std::string_view monteCarloOutside;
    std::string_view shares;
    std::string_view sharesDescription; // {1} the largest member {2} its share
    std::string_view worstOutside;      // {1} requirement {2} min {3} max
    std::string_view someOutside;       // {1} percent {2} requirement
    std::string_view fromGeneral;
    std::string_view fromBearingWidth;
    FormulaWords worstCase;
    FormulaWords stackNormal;
    FormulaWords stackUniform;
    FormulaWords shareOf;
    FormulaWords monteCarlo;

    // Sign-off.
    std::string_view made;
    std::string_view checked;
    std::string_view approved;
    std::string_view name;
    std::string_view signedOn;

    // A member's tolerance with where it comes from: {1} as typed {2} the source.
    std::string_view toleranceSourced;
    // The language's code, as an HTML page names its language.
    std::string_view code;
};

// The languages a sheet is written in, as the windows speak.
enum class Language
{
    Japanese,
    English,
};

const Words& japanese();
const Words& english();
const Words& wordsIn(Language language);

// The pattern with {1}, {2} … replaced by the values in order.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace tolerance::sheet
