// SPDX-License-Identifier: MIT
#include "cli/fit_list.h"

#include "cli/escape.h"
#include "cli/json_out.h"

#include "tolerance/size_ranges.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace cli {

using tolerance::formatMillimetres;
using tolerance::FoundFit;

namespace {

std::string pairName(const FoundFit& f)
{
    return std::string(f.hole->code) + '/' + std::string(f.shaft->code);
}

std::string padded(const std::string& text, std::size_t width, bool right)
{
    const std::string fill(width - std::min(width, text.size()), ' ');
    return right ? fill + text : text + fill;
}

} // namespace

void writeFitsText(std::ostream& out, std::size_t range, const FoundFits& fits)
{
    const std::string_view label = tolerance::kSizeRanges[range];
    if (fits.empty()) {
        out << "no fit at " << label << " meets the requirement\n";
        return;
    }
    std::size_t nameWidth = 0;
    std::size_t maxWidth = 0;
    std::size_t minWidth = 0;
    for (const FoundFit& f : fits) {
        nameWidth = std::max(nameWidth, pairName(f).size());
        maxWidth = std::max(maxWidth, formatMillimetres(f.fit.maximumClearance).size());
        minWidth = std::max(minWidth, formatMillimetres(f.fit.minimumClearance).size());
    }
    for (const FoundFit& f : fits) {
        out << padded(pairName(f), nameWidth, false) << "  max "
            << padded(formatMillimetres(f.fit.maximumClearance), maxWidth, true) << "  min "
            << padded(formatMillimetres(f.fit.minimumClearance), minWidth, true) << "  "
            << nameOf(f.fit.type) << '\n';
    }
    out << fits.size() << (fits.size() == 1 ? " fit at " : " fits at ") << label << '\n';
}

void writeFitsCsv(std::ostream& out, std::size_t range, const FoundFits& fits)
{
    out << "hole,shaft,range,maximum_clearance,minimum_clearance,fit\n";
    for (const FoundFit& f : fits) {
        out << csvField(f.hole->code) << ',' << csvField(f.shaft->code) << ','
            << csvField(tolerance::kSizeRanges[range]) << ','
            << formatMillimetres(f.fit.maximumClearance) << ','
            << formatMillimetres(f.fit.minimumClearance) << ',' << nameOf(f.fit.type) << '\n';
    }
}

void writeFitsJson(std::ostream& out, std::size_t range, const FoundFits& fits)
{
    std::vector<JsonObject> rows;
    for (const FoundFit& f : fits) {
        rows.push_back({{"hole", f.hole->code},
                        {"shaft", f.shaft->code},
                        {"range", tolerance::kSizeRanges[range]},
                        {"maximum_clearance", formatMillimetres(f.fit.maximumClearance)},
                        {"minimum_clearance", formatMillimetres(f.fit.minimumClearance)},
                        {"fit", nameOf(f.fit.type)}});
    }
    writeJsonRows(out, rows);
}

} // namespace cli
