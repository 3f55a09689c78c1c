// SPDX-License-Identifier: MIT
// The sheet's words in English, field for field as words.cpp has them in Japanese: the terms of
// ISO 286-1:2010 (limit deviation, limit of size, clearance, transition and interference fit,
// fit tolerance, tolerance zone, hole-basis and shaft-basis fit system), DIN 7190-1:2017's English
// edition for the press fit (effective interference, contact pressure, transmissible torque,
// equivalent stress), ISO 492 for bearings and the stack-up literature's worst case, root sum
// square and contribution. The same characters as the Japanese words where a sheet's font needs
// them (μ of JIS X 0208, no superscripts but ²).
#include "tolerance/sheet/words.h"

namespace tolerance::sheet {

namespace {

constexpr Words kEnglish{
    .title = "Calculation sheet",
    .fitSubject = "Fit {1} {2}",
    .holeSubject = "Hole {1} {2}",
    .shaftSubject = "Shaft {1} {2}",
    .date = "Made on {1}",
    .program = "Program {1}",
    .page = "page {1} of {2}",
    .diameter = "φ{1}",
    .partHeading = "{1}: {2}",

    .inputs = "Inputs",
    .result = "Result",
    .warnings = "Warnings",
    .sides = "Limit deviations and limits of size",
    .fit = "Fit",
    .zones = "Tolerance zones (μm)",
    .spread = "Spread in assembly",
    .materials = "Materials",
    .materialSources = "Sources of the material values",
    .temperature = "The fit at its working temperature",
    .pressFit = "Press fit",
    .formulas = "Formulas",
    .signOff = "Sign-off",

    .item = "Item",
    .typed = "As typed",
    .value = "Value",
    .unit = "Unit",
    .source = "Source, formula",
    .origin = "Source",
    .formula = "Formula",
    .relation = "Relation",
    .at20 = "20 °C",
    .part = "Part",
    .material = "Material",

    .sizeInput = "Nominal size mm",
    .holeClassInput = "Hole's tolerance class",
    .shaftClassInput = "Shaft's tolerance class",
    .holeLimitsInput = "Hole's limit deviations mm",
    .shaftLimitsInput = "Shaft's limit deviations mm",
    .holeRingInput = "Hole: bearing inner ring, class",
    .shaftRingInput = "Shaft: bearing outer ring, class",
    .editionInput = "Standard",
    .distributionInput = "Spread of sizes",
    .holeMaterialInput = "Hole's material",
    .shaftMaterialInput = "Shaft's material",
    .holeCelsiusInput = "Hole's temperature °C",
    .shaftCelsiusInput = "Shaft's temperature °C",
    .hubOuterInput = "Hub's outside diameter mm",
    .shaftBoreInput = "Shaft's bore mm",
    .lengthInput = "Joint length mm",
    .frictionInput = "Coefficient of friction",
    .holeRzInput = "Hole's roughness Rz μm",
    .shaftRzInput = "Shaft's roughness Rz μm",
    .joiningClearanceInput = "Joining clearance of a shrink fit mm",

    .edition1984 = "JIS B 0401 (1984)",
    .edition2016 = "JIS B 0401:2016 (ISO 286:2010)",
    .normal = "normal",
    .uniform = "uniform",

    .hole = "Hole {1}",
    .shaft = "Shaft {1}",
    .upperDeviation = "{1} upper limit deviation",
    .lowerDeviation = "{1} lower limit deviation",
    .maximumSize = "{1} upper limit of size",
    .minimumSize = "{1} lower limit of size",
    .fromTable1984 = "the table of JIS B 0401 (1984)",
    .fromRules1984 = "JIS B 0401:2016 (not in the 1984 table)",
    .fromRules2016 = "JIS B 0401:2016 (ISO 286:2010)",
    .given = "as typed",
    .innerRing = "bearing inner ring class {1}",
    .outerRing = "bearing outer ring class {1}",
    .ringStandard = "JIS B 1514-1 (ISO 492)",
    .formulaNumber = "formula ({1})",

    .fitType = "Type of fit",
    .clearanceFit = "clearance fit",
    .transitionFit = "transition fit",
    .interferenceFit = "interference fit",
    .maximumClearance = "maximum clearance",
    .minimumClearance = "minimum clearance",
    .maximumInterference = "maximum interference",
    .minimumInterference = "minimum interference",
    .fitTolerance = "fit tolerance",
    .otherBasis = "Other system: {1}",
    .otherBasisOwn = "{1} (a pair of both systems)",
    .otherBasisSame = "{1} (the same clearances)",
    .otherBasisNearest =
        "{1} (the nearest pair; maximum clearance {2} μm, minimum clearance {3} μm apart)",
    .summary = "{1} {2} {3}, {4} {5} mm, {6} {7} mm",
    .sideSummary = "{1}: upper limit deviation {2} mm, lower limit deviation {3} mm",

    .distribution = "Spread of sizes: {1}",
    .normalAssumed = "normal (tolerance = ±3σ, centred in the tolerance zone)",
    .uniformAssumed = "uniform (evenly within the tolerance zone)",
    .spreadLow = "Clearance of 99.73 % of assemblies (lower)",
    .spreadHigh = "Clearance of 99.73 % of assemblies (upper)",
    .interferenceOdds = "Probability of an interference",
    .clearanceOdds = "Probability of a clearance",

    .zonesDescription = "hole {1} {2}/{3} μm, shaft {4} {5}/{6} μm, {7}",
    .warmDescription = ", at {1} hole {2}/{3} μm, shaft {4}/{5} μm",
    .holeCaption = "Hole {1}",
    .shaftCaption = "Shaft {1}",

    .holePart = "Hole (hub)",
    .shaftPart = "Shaft",
    .youngsModulus = "Young's modulus E MPa",
    .poissonsRatio = "Poisson's ratio ν",
    .expansion = "Coefficient of expansion α μm/(m·K)",
    .proofStress = "0.2 % proof stress MPa",
    .materialNote = "Note on {1}",
    .figureOf = "{1}: {2}",
    .givenMaterial = "as typed",
    .materialName = "{1} ({2})",

    .temperatures = "hole {1}, shaft {2}",
    .celsius = "{1} °C",
    .clearanceSigned = "Maximum clearance (negative: interference)",
    .minimumClearanceSigned = "Minimum clearance (negative: interference)",
    .holeMaximumSize = "Hole's upper limit of size",
    .holeMinimumSize = "Hole's lower limit of size",
    .shaftMaximumSize = "Shaft's upper limit of size",
    .shaftMinimumSize = "Shaft's lower limit of size",

    .smoothing = "Interference lost to smoothing",
    .hubRatio = "Diameter ratio QA = d / DA",
    .boreRatio = "Diameter ratio QI = dI / d",
    .interferenceMin = "Effective interference (minimum)",
    .interferenceMax = "Effective interference (maximum)",
    .pressureMin = "Contact pressure (minimum interference)",
    .torqueMin = "Transmissible torque",
    .axialForceMin = "Transmissible axial force",
    .pressureMax = "Contact pressure (maximum interference)",
    .pressInForceMax = "Press-in force",
    .hubTangential = "Tangential stress at the hub's bore",
    .hubEquivalent = "Equivalent stress at the hub's bore",
    .hubSafety = "Hub's safety against yield",
    .shaftEquivalent = "Shaft's equivalent stress",
    .shaftSafety = "Shaft's safety against yield",
    .assemblyTemperature = "Hub's temperature for a shrink fit (the shaft at 20 °C)",
    .joiningClearance = "Joining clearance of the shrink fit",
    .noRoughness = "No roughness was given, so the interference is not smoothed.",
    .notWorkedOut = "—",
    .noStress = "no stress",
    .notNeeded = "not needed",
    .noHeating =
        "Shrink fit: the minimum clearance {1} mm is at least the joining clearance {2} mm, "
        "so the parts go together without heating.",
    .symbols = "d: nominal size, DA: hub's outside diameter, dI: shaft's bore (0 when solid), L: "
               "joint length, μ: coefficient of friction, E: Young's modulus, ν: Poisson's ratio, "
               "α: coefficient of expansion. Index A the hub (the part with the hole), I the "
               "shaft. —: a value past yield, where the elastic model fails.",

    .caution = "Caution",
    .noWarnings = "None.",
    .changesType = "At {1} the {2} becomes a {3}.",
    .notCertain = "{1}: no minimum interference is left, so friction holds nothing for certain "
                  "(a clearance or transition fit).",
    .yieldsAtMax = "{1}: {2} yields at the maximum interference. Past yield the elastic model "
                   "fails, so its figures are not shown.",
    .yieldsAtMin = "{1}: {2} yields even at the minimum interference. Past yield the elastic "
                   "model fails, so its figures are not shown.",
    .hubBore = "the hub's bore",
    .shaftBore = "the shaft's bore",
    .bothBores = "{1} and {2}",
    .plastic = "A plastic part is outside the elastic model: no press fit is worked out "
               "(temperatures only).",
    .nonPositive = "A limit of size is 0 mm or less: this tolerance class does not serve at this "
                   "size.",
    .undefined = "{1} has no value for {2}: nothing is worked out.",
    .beyondHeatLimit = "{1} {2} exceeds the {4} of {3}, {5}.",
    .holePartTemperature = "The hole's part's temperature",
    .shaftTemperature = "The shaft's temperature",
    .assemblyTemperatureWarned = "The hub's temperature for a shrink fit",
    .tempering = "tempering temperature",
    .transformation = "transformation start (Ac1)",
    .sensitisation = "sensitisation start",
    .decomposition = "start of cementite decomposition",
    .stabilising = "stabilising temperature",
    .ageing = "ageing temperature",
    .annealing = "annealing temperature",
    .meltingOnset = "solidus (melting start)",
    .mechanical = "highest temperature for mechanical use",
    .continuousUse = "highest temperature in continuous use",

    .limits = {"Limits of size",
               "upper limit of size = nominal size + upper limit deviation, lower limit of size = "
               "nominal size + lower limit deviation",
               "JIS B 0401-1:2016 (ISO 286-1:2010)"},
    .clearances = {"Clearances and interferences",
                   "maximum clearance = hole's upper limit of size − shaft's lower limit of size, "
                   "minimum clearance = hole's lower limit of size − shaft's upper limit of size. "
                   "A negative clearance is an interference",
                   "JIS B 0401-1:2016 (ISO 286-1:2010)"},
    .fitVariation = {"Fit tolerance",
                     "maximum clearance − minimum clearance = hole's tolerance + shaft's tolerance",
                     "JIS B 0401-1:2016 (ISO 286-1:2010)"},
    .normalSpread = {"Spread in assembly (normal)",
                     "Hole and shaft sizes independent and normal, centred in the tolerance zone, "
                     "tolerance = 6σ. Clearance c: mean = (maximum clearance + minimum clearance) "
                     "/ 2, σc = √(σhole² + σshaft²), range = mean ± 3σc, probability of an "
                     "interference = Φ(−mean / σc)",
                     "the sum of independent normal spreads"},
    .uniformSpread = {"Spread in assembly (uniform)",
                      "Hole and shaft sizes independent and even within the tolerance zone. The "
                      "clearance c spreads as a trapezium as wide as both tolerances; the range "
                      "from its 0.135 % to its 99.865 % point, probability of an interference "
                      "= P(c < 0)",
                      "the sum of independent uniform spreads (trapezium)"},
    .thermal = {"Sizes at the working temperature",
                "size at T = size at 20 °C + α · (T − 20 °C) · d. A clearance is the hole's size "
                "less the shaft's",
                "ISO 1 (sizes are those at the reference temperature, 20 °C)"},
    .smoothed = {"Effective interference",
                 "U = interference − 0.4 · (Rzhole + Rzshaft), 0 at least",
                 "DIN 7190-1:2017 (smoothing)"},
    .pressure = {"Contact pressure",
                 "p = (U / d) / K, K = [(1 + QA²) / (1 − QA²) + νA] / EA + [(1 + QI²) / (1 − QI²) "
                 "− νI] / EI",
                 "DIN 7190-1:2017 (thick-walled cylinders, plane stress, elastic)"},
    .holding = {"Holding and press-in forces",
                "transmissible torque M = pmin · π · d · L · μ · d / 2, transmissible axial force "
                "F = pmin · π · d · L · μ, press-in force Fe = pmax · π · d · L · μ",
                "DIN 7190-1:2017"},
    .stresses = {"Stresses and safety",
                 "Hub's bore: tangential stress σt = p · (1 + QA²) / (1 − QA²), equivalent stress "
                 "σv = p · √(3 + QA² · QA²) / (1 − QA²). Shaft: solid σv = p, hollow σv = 2p / "
                 "(1 − QI²). Safety = 0.2 % proof stress / σv (at the maximum interference)",
                 "DIN 7190-1:2017, equivalent stress after von Mises"},
    .shrinking = {"Hub's temperature for a shrink fit",
                  "T = 20 °C + (s − minimum clearance) / (αA · d), s = joining clearance (0.001 · "
                  "d unless given). A negative minimum clearance is the maximum interference. No "
                  "heating where the minimum clearance is s or more",
                  "DIN 7190-1:2017"},

    .bearingSubject = "Rolling bearing {1}",
    .seatsSubject = " (shaft {1}, housing {2})",
    .bearingNumberInput = "Bearing number",
    .accuracyInput = "Bearing's tolerance class",
    .housingClassInput = "Housing's tolerance class",
    .loadInput = "Load",
    .loadSizeInput = "Load size",
    .seatTemperaturesInput = "Temperatures °C (shaft/inner ring/outer ring/housing)",
    .seatMaterialsInput = "Materials (shaft/housing)",
    .seatRoughnessInput = "Roughness Rz μm (shaft/housing)",
    .rotatingInner = "rotating inner ring load",
    .rotatingOuter = "rotating outer ring load",
    .indeterminate = "indeterminate load direction",
    .lightLoad = "light load",
    .normalLoad = "normal load",
    .heavyLoad = "heavy or shock load",
    .deepGrooveBall = "deep groove ball bearing",
    .angularContactBall = "angular contact ball bearing",
    .selfAligningBall = "self-aligning ball bearing",
    .cylindricalRoller = "cylindrical roller bearing",
    .taperedRoller = "tapered roller bearing",
    .bearing = "Bearing",
    .bearingType = "Type",
    .bore = "Bore d",
    .outside = "Outside diameter D",
    .width = "Width B",
    .totalWidth = "Total width T",
    .accuracy = "class {1}",
    .widthUpper = "Width deviation ΔBs (upper)",
    .widthLower = "Width deviation ΔBs (lower)",
    .recommended = "Recommended fits",
    .recommendation = "shaft {1}, housing {2} ({3})",
    .shaftSeat = "Shaft and inner ring",
    .housingSeat = "Housing and outer ring",
    .clearance = "Internal clearance",
    .seatTemperatures = "shaft {1}, inner ring {2}, outer ring {3}, housing {4}",
    .innerRaceway = "Inner raceway diameter Di (estimate)",
    .outerRaceway = "Outer raceway diameter De (estimate)",
    .shaftInterferenceMin = "Shaft's effective interference (minimum)",
    .shaftInterferenceMax = "Shaft's effective interference (maximum)",
    .housingInterferenceMin = "Housing's effective interference (minimum)",
    .housingInterferenceMax = "Housing's effective interference (maximum)",
    .innerExpansionMin = "Expansion of the inner raceway (minimum)",
    .innerExpansionMax = "Expansion of the inner raceway (maximum)",
    .outerContractionMin = "Contraction of the outer raceway (minimum)",
    .outerContractionMax = "Contraction of the outer raceway (maximum)",
    .ringsThermal = "Reduction by the rings' temperature difference",
    .reductionMin = "Reduction of clearance (minimum)",
    .reductionMax = "Reduction of clearance (maximum)",
    .groups = "Internal clearance groups ({1}), {2}",
    .group = "Group",
    .beforeMin = "Before mounting, minimum",
    .beforeMax = "Before mounting, maximum",
    .mountedMin = "Mounted, minimum",
    .mountedMax = "Mounted, maximum",
    .groupsBallOnly = "The clearance groups of JIS B 1520 are shown here for deep groove ball "
                      "bearings only.",
    .mayVanish = "{1} ({2}): the largest reduction exceeds {1}'s smallest clearance by {3} mm, so "
                 "the clearance may vanish (preload).",
    .raceways = {"Raceway diameters estimated",
                 "ball bearings De ≈ (4D + d) / 5, Di ≈ (D + 4d) / 5; roller bearings De ≈ (3D + "
                 "d) / 4, Di ≈ (D + 3d) / 4",
                 "NSK \"Rolling Bearings\" formulas (9.7)(9.8), FBJ formulas (5.4)(5.5)"},
    .reduction = {"Reduction of clearance",
                  "expansion of the inner raceway = shaft's effective interference · d / Di, "
                  "contraction of the outer raceway = housing's effective interference · De / D, "
                  "reduction by temperature = 12.5 μm/(m·K) · (inner ring − outer ring "
                  "temperature) · De",
                  "NSK \"Rolling Bearings\" table 15.1, formula (9.6)"},
    .residual = {"Clearance when mounted",
                 "minimum = minimum before mounting − largest reduction, maximum = maximum before "
                 "mounting − smallest reduction. Negative: preload",
                 "the clearance groups of JIS B 1520 (ISO 5753-1)"},

    .stackSubject = "Tolerance stack-up ({1} members)",
    .members = "Members",
    .memberName = "Member",
    .direction = "Direction",
    .nominal = "Nominal mm",
    .toleranceTyped = "Tolerance",
    .celsiusTyped = "Temperature °C",
    .requirementInput = "Requirement on the gap mm",
    .stackSummary = "Gap (closing dimension) nominal {1} mm, worst case {2} to {3} mm, 99.73 % of "
                    "assemblies {4} to {5} mm",
    .memberFigures = "Members' sizes",
    .memberUpper = "Upper limit deviation",
    .memberLower = "Lower limit deviation",
    .growth = "Growth at temperature mm",
    .varianceShare = "Contribution to the variance %",
    .worstShare = "Contribution to the worst case %",
    .closing = "Gap (closing dimension)",
    .closingNominal = "Nominal (20 °C)",
    .thermalShift = "Shift with temperature",
    .worstMaximum = "Worst case, maximum",
    .worstMinimum = "Worst case, minimum",
    .statisticalMaximum = "99.73 % of assemblies, maximum",
    .statisticalMinimum = "99.73 % of assemblies, minimum",
    .outsideShare = "Share outside the requirement",
    .insideShare = "Share inside the requirement",
    .monteCarloRange = "Monte Carlo, {1} assemblies (seed {2})",
    .monteCarloMaximum = "Monte Carlo 99.73 %, maximum",
    .monteCarloMinimum = "Monte Carlo 99.73 %, minimum",
    .monteCarloOutside = "Monte Carlo, share outside the requirement",
    .shares = "Contributions (the hatched upper bar the variance, the framed lower bar the worst "
              "case)",
    .sharesDescription = "The largest contribution is {1}'s, {2} % of the variance",
    .worstOutside = "The worst combination lies outside the requirement {1} ({2} to {3} mm).",
    .someOutside = "{1} % of assemblies lie outside the requirement {2}.",
    .fromGeneral = "JIS B 0405 general tolerances",
    .fromBearingWidth = "JIS B 1514-1 (ISO 492) width deviation",
    .worstCase = {"Worst case",
                  "maximum = Σ(maxima of the + members) − Σ(minima of the − members), minimum = "
                  "Σ(minima of the + members) − Σ(maxima of the − members). Growth at temperature "
                  "included",
                  "the sum of a dimension chain"},
    .stackNormal = {"Statistical (normal): root sum square",
                    "Each member centred in its tolerance zone, tolerance = 6σ. σ = √Σσi², range "
                    "= mean ± 3σ, the share outside the requirement from both tails",
                    "the sum of independent normal spreads"},
    .stackUniform = {"Statistical (uniform)",
                     "Each member even within its tolerance zone. The sum spreads as the exact "
                     "convolution of uniform spreads; the range from its 0.135 % to its 99.865 % "
                     "point",
                     "the sum of independent uniform spreads"},
    .shareOf = {"Contribution",
                "contribution to the variance = σi² / Σσi², to the worst case = tolerance / "
                "Σtolerances",
                "the sum of a dimension chain"},
    .monteCarlo = {"Monte Carlo",
                   "Each member drawn at random from the spread chosen and assembled; the gap's "
                   "0.135 % and 99.865 % points and the share outside the requirement counted",
                   "random numbers repeatable from the seed given"},

    .made = "Made",
    .checked = "Checked",
    .approved = "Approved",
    .name = "Name",
    .signedOn = "Date",

    .toleranceSourced = "{1} ({2})",
    .code = "en",
};

} // namespace

const Words& english()
{
    return kEnglish;
}

} // namespace tolerance::sheet
