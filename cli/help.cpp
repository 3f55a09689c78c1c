// SPDX-License-Identifier: MIT
#include "cli/bearing_options.h"
#include "cli/fit_list.h"
#include "cli/fit_search.h"
#include "cli/general_options.h"
#include "cli/options.h"
#include "cli/service_options.h"
#include "cli/sizes.h"
#include "cli/stack_options.h"

#include "tolerance/classes.h"

#include <array>
#include <sstream>

#ifndef TESSALY_VERSION
#error "TESSALY_VERSION must name the project version"
#endif

namespace cli {

namespace {

constexpr std::array<std::string_view, 6> kFitsExample = {"--fits",       "35",      "--clearance",
                                                          "0.020..0.070", "--basis", "hole"};

std::string codesOf(tolerance::Side side)
{
    std::string codes;
    for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
        codes += ' ' + std::string(cls.code);
    return codes;
}

// The example's command line and its answer, worked out afresh so that it is never stale.
std::string fitsExample()
{
    std::string text = "  $ tessaly-cli";
    for (const std::string_view arg : kFitsExample)
        text += ' ' + std::string(arg);
    const Options options = parseOptions(kFitsExample);
    std::ostringstream answer;
    writeFitsText(answer, searchFits(parseSize(options.fitsSize), options.requirement,
                                     options.edition, options.allClasses));
    std::istringstream lines(answer.str());
    for (std::string line; std::getline(lines, line);)
        text += "\n  " + line;
    return text + '\n';
}

} // namespace

std::string helpText()
{
    std::string ranges;
    std::string rangesOver500;
    for (const tolerance::SizeStep& step : tolerance::sizeSteps())
        (step.lower < 500 * tolerance::kNanometresPerMm ? ranges : rangesOver500) +=
            ' ' + std::string(step.label);
    return R"(Usage: tessaly-cli [--edition 1984|2016] [--format text|json|html] CLASS SIZE
       tessaly-cli [--edition 1984|2016] [--format text|json|html] HOLE/SHAFT SIZE
                   [--distribution normal|uniform]
       tessaly-cli --hole-limits U/L SHAFT SIZE | --shaft-limits U/L HOLE SIZE
                   | --hole-limits U/L --shaft-limits U/L SIZE
       tessaly-cli --fits SIZE [--clearance MIN..MAX] [--type TYPE]
                   [--basis hole|shaft] [--classes table|all] [--limit N|all]
                   [--edition 1984|2016] [--format text|json|csv]
       tessaly-cli HOLE/SHAFT SIZE --materials HOLE/SHAFT [--temperature T]
                   [--hub-diameter D --length L --friction MU [--shaft-bore D]
                   [--roughness RZH/RZS] [--joining-clearance C]]
       tessaly-cli --fits SIZE --materials HOLE/SHAFT --hub-diameter D
                   --length L --friction MU [--torque N·m] [--axial-force N]
                   [--safety S]
       tessaly-cli CLASS SIZE --bearing-bore K | --bearing-outside K
       tessaly-cli --bearing N [--shaft C] [--housing C] [--bearing-class K]
                   [--load L --load-size S] [--seat-temperatures TS/TI/TO/TH
                   [--seat-materials S/H]] [--seat-roughness RS/RH]
       tessaly-cli --load L --load-size S
       tessaly-cli --materials [--format text|json]
       tessaly-cli --general CLASS SIZE [--kind KIND] [--format text|json]
       tessaly-cli --table [--classes table|all] [--edition 1984|2016]
                   [--format csv|json]
       tessaly-cli --stack FILE [--distribution normal|uniform] [--samples N]
                   [--format text|json|csv]
       tessaly-cli --help | --version

Limits and fits after JIS B 0401 (ISO 286), from the tables of Tessaly and the
rules of ISO 286-1.

  CLASS        any tolerance class of ISO 286: a hole in capitals (H7, JS9, ZC11),
               a shaft in small letters (g6, js16, cd5); the grades are 01, 0, 1 …
               18 (h01, H0)
  HOLE/SHAFT   a fit such as H7/g6: both classes, the clearance or interference,
               the type of fit, the same fit in the other system, always of the
               table's 65 classes (other_basis: G7/h6 for H7/g6, JS6/h7 for
               H7/js6, or the nearest pair with how its clearances differ) and
               the statistics of the fit
  --hole-limits U/L, --shaft-limits U/L
               a side given by its upper and lower deviation in mm instead of a
               class, as a catalogue gives a bought part (a bearing's bore
               0/-0.009, a bush +0.021/+0.008); ±M or +-M for +M and -M; at most
               4 decimals, the lower not above the upper; the one CLASS is then
               the other side's
  --distribution D
               the spread the statistics assume, each side independent and
               centred: normal (default; ±3 sigma is the tolerance) or uniform;
               they give the clearances 99.73 % of assemblies lie within and the
               probability of an interference and of a clearance (from 0 to 1);
               for a fit only
  SIZE         a size range (30～40, also written 30-40 or 30~40), or a diameter
               in mm over 0 up to 3150 with at most 4 decimals (35, 35.5); a
               diameter on a boundary belongs to the lower range (30 is in 24～30),
               and a diameter also gives the limits of size; a coarser step of
               the standard (10～18, 500～630) is taken where the answer is the
               same over the ranges it spans
  --edition E  1984 (default): the table of JIS B 0401 (1984), as the window
               shows it, wherever it has the class and size, and the rules of
               ISO 286-1:2010 elsewhere; 2016: JIS B 0401:2016, that is
               ISO 286:2010, everywhere. The two differ on 112 of the table's
               entries: S7/s6 250～500, T7/t6 180～500, U7/u6 120～500 and
               X7/x6 30～500 have no value in 1984, and JS7/js7 halve an odd IT7
               downwards in 1984 (±7) but not in 2016 (±7.5)
  --fits SIZE  every pair of a hole and a shaft class for SIZE that meets what
               follows: the commonly used pairs of JIS B 0401 (hole basis H6 to
               H10, shaft basis h5 to h9) first, marked preferred, then the
               rest; within each the widest fit tolerance (the cheapest to make)
               first
  --clearance MIN..MAX
               every clearance the fit allows lies from MIN to MAX, in mm with at
               most 4 decimals; a negative clearance is an interference
               (-0.060..-0.020); either bound may be left out (0.010.., ..0.040)
  --type TYPE  clearance, transition or interference fits only
  --basis B    hole: the hole-basis system only (the H holes); shaft: the
               shaft-basis system only (the h shafts)
  --classes C  table (default): the 65 classes of the table; all: every class
               the standard defines at the size (400 to 500 a side)
  --limit N    the text of --fits shows the first N fits and says how many were
               left out; with --classes all it shows 40 unless told otherwise,
               with all every fit, as csv and json always do unless given --limit
  --table      the table's entries, one per row, with micrometres: its 65
               classes over its 25 ranges; with --classes all every class of the
               standard over every range to 3150 mm where it has a value
  --format F   text (queries and --fits, default), json, csv (--fits, and
               --table, where it is the default), or html: the calculation sheet
               of a query, a bearing or a chain, one page with its pictures,
               for a browser to show and print
  --output FILE
               the answer into FILE instead of standard output, whole or not at
               all: a failure leaves nothing and exits 3
  --lang L     the calculation sheet's language with --format html: en
               (English, the default) or ja (Japanese, as the windows write it)
  An option given twice exits 2 rather than taking the last.
  -h, --help   show this help
  --version    show the version

)" + std::string(serviceHelpText()) +
           '\n' + std::string(bearingHelpText()) + '\n' + std::string(generalHelpText()) +
           std::string(stackHelpText()) +
           R"(
Output: a query's text is one "key: value" field per line; every figure is an
exact decimal in mm. A JS or js class shows "±" as its upper text and the
magnitude m as its lower: the deviations are +m and -m. JSON gives, beside
the texts, the deviations as signed decimals (upper_mm, lower_mm); a fit's
other_basis and statistics are objects whose figures are numbers, and every row
of --fits says preferred, true or false (the last column of csv). A query
shows a negative clearance as an interference. Every answer names its source:
"JIS B 0401:1984 table" or "ISO 286-1:2010 rules". A class the standard
defines but gives no value at that size shows "  ---", as the table does.
Exit status: 0 on success, 1 for an internal error, 2 for a usage or input
error, 3 when the output cannot be written.

The hole-basis fits at 35 mm that always clear by 0.020 to 0.070 mm:
)" + fitsExample() +
           "\nThe table's classes, and the window's:\nHole classes:" +
           codesOf(tolerance::Side::Hole) + "\nShaft classes:" + codesOf(tolerance::Side::Shaft) +
           "\nSize ranges:" + ranges + "\nSize ranges over 500 mm:" + rangesOver500 + '\n';
}

std::string_view versionText() noexcept
{
    return "tessaly-cli " TESSALY_VERSION;
}

} // namespace cli
