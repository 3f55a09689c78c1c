// SPDX-License-Identifier: MIT
#include "cli/fit_list.h"
#include "cli/options.h"
#include "cli/sizes.h"

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
    const std::size_t range = parseSize(options.fitsSize).range;
    const auto holes = tolerance::tableCandidates(tolerance::Side::Hole, range);
    const auto shafts = tolerance::tableCandidates(tolerance::Side::Shaft, range);
    writeFitsText(answer, range, tolerance::findFits(holes, shafts, options.requirement));
    std::istringstream lines(answer.str());
    for (std::string line; std::getline(lines, line);)
        text += "\n  " + line;
    return text + '\n';
}

} // namespace

std::string helpText()
{
    std::string ranges;
    for (const std::string_view label : tolerance::kSizeRanges)
        ranges += ' ' + std::string(label);
    return R"(Usage: tessaly-cli [--format text|json] CLASS SIZE
       tessaly-cli [--format text|json] HOLE/SHAFT SIZE
       tessaly-cli --fits SIZE [--clearance MIN..MAX] [--type TYPE]
                   [--basis hole|shaft] [--format text|json|csv]
       tessaly-cli --table [--format csv|json]
       tessaly-cli --help | --version

Limits and fits after JIS B 0401 (ISO 286), from the tables of Tessaly.

  CLASS        a hole class in capitals (H7) or a shaft class in small letters (g6)
  HOLE/SHAFT   a fit such as H7/g6: both classes, the clearance or interference
               and the type of fit
  SIZE         a size range (30～40, also written 30-40 or 30~40), or a diameter
               in mm over 0 up to 500 with at most 4 decimals (35, 35.5); a
               diameter on a boundary belongs to the lower range (30 is in 24～30),
               and a diameter also gives the limits of size
  --fits SIZE  every pair of a hole and a shaft class for SIZE that meets what
               follows, the widest fit tolerance (the cheapest to make) first
  --clearance MIN..MAX
               every clearance the fit allows lies from MIN to MAX, in mm with at
               most 4 decimals; a negative clearance is an interference
               (-0.060..-0.020); either bound may be left out (0.010.., ..0.040)
  --type TYPE  clearance, transition or interference fits only
  --basis B    hole: the hole-basis system only (H6 to H10); shaft: the
               shaft-basis system only (h5 to h9)
  --table      all entries of both tables, one per row, with micrometres
  --format F   text (queries and --fits, default), json, or csv (--fits, and
               --table, where it is the default)
  -h, --help   show this help
  --version    show the version

Output: a query's text is one "key: value" field per line; every figure is an
exact decimal in mm. A JS or js class shows "±" as its upper text and the
magnitude m as its lower: the deviations are +m and -m. JSON gives, beside
the texts, the deviations as signed decimals (upper_mm, lower_mm). A query
shows a negative clearance as an interference.
Exit status: 0 on success, 1 for an internal error, 2 for a usage or input
error, 3 when the output cannot be written.

The hole-basis fits at 35 mm that always clear by 0.020 to 0.070 mm:
)" + fitsExample() +
           "\nHole classes:" + codesOf(tolerance::Side::Hole) +
           "\nShaft classes:" + codesOf(tolerance::Side::Shaft) + "\nSize ranges:" + ranges + '\n';
}

std::string_view versionText() noexcept
{
    return "tessaly-cli " TESSALY_VERSION;
}

} // namespace cli
