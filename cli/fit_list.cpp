// SPDX-License-Identifier: MIT
#include "cli/fit_list.h"

#include "cli/escape.h"
#include "cli/json_out.h"

#include "tolerance/iso286.h"

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <span>
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

std::span<const FoundFit> shown(const FitSearch& search, std::optional<std::size_t> limit)
{
    return std::span(search.fits).first(std::min(search.fits.size(), limit.value_or(SIZE_MAX)));
}

std::string_view labelOf(const FitSearch& search)
{
    return search.label;
}

// One source for every pair shown, or the edition's rule for mixing them.
std::string sourcesOf(const FitSearch& search, std::span<const FoundFit> fits)
{
    std::string source;
    for (const FoundFit& f : fits) {
        const std::string pair = search.sourceOf(f);
        if (!source.empty() && pair != source)
            return "JIS B 0401:1984 table where it has the class, ISO 286-1:2010 rules elsewhere";
        source = pair;
    }
    return source;
}

} // namespace

void writeFitsText(std::ostream& out, const FitSearch& search, std::optional<std::size_t> limit)
{
    const std::string_view label = labelOf(search);
    const std::span<const FoundFit> fits = shown(search, limit);
    if (fits.empty()) {
        out << "no fit at " << label << " meets the requirement\n";
        return;
    }
    std::size_t nameWidth = 0;
    std::size_t maxWidth = 0;
    std::size_t minWidth = 0;
    std::size_t typeWidth = 0;
    for (const FoundFit& f : fits) {
        nameWidth = std::max(nameWidth, pairName(f).size());
        maxWidth = std::max(maxWidth, formatMillimetres(f.fit.maximumClearance).size());
        minWidth = std::max(minWidth, formatMillimetres(f.fit.minimumClearance).size());
        typeWidth = std::max(typeWidth, nameOf(f.fit.type).size());
    }
    for (const FoundFit& f : fits) {
        const std::string type(nameOf(f.fit.type));
        out << padded(pairName(f), nameWidth, false) << "  max "
            << padded(formatMillimetres(f.fit.maximumClearance), maxWidth, true) << "  min "
            << padded(formatMillimetres(f.fit.minimumClearance), minWidth, true) << "  "
            << (f.preferred ? padded(type, typeWidth, false) + "  preferred" : type) << '\n';
    }
    const std::size_t all = search.fits.size();
    const auto preferred = std::count_if(search.fits.begin(), search.fits.end(),
                                         [](const FoundFit& f) { return f.preferred; });
    const std::string first =
        preferred > 0 ? ", the " + std::to_string(preferred) + " commonly used in JIS B 0401 first"
                      : std::string();
    if (fits.size() < all)
        out << fits.size() << " of " << all << " fits at " << label << " shown" << first
            << (preferred > 0 ? ", each part" : ",")
            << " the widest fit tolerance first (--limit N or --limit all for more)";
    else
        out << all << (all == 1 ? " fit at " : " fits at ") << label << first;
    out << "; source: " << sourcesOf(search, fits) << '\n';
}

void writeFitsCsv(std::ostream& out, const FitSearch& search, std::optional<std::size_t> limit)
{
    out << "hole,shaft,range,maximum_clearance,minimum_clearance,fit,source,preferred\n";
    for (const FoundFit& f : shown(search, limit)) {
        out << csvField(f.hole->code) << ',' << csvField(f.shaft->code) << ','
            << csvField(labelOf(search)) << ',' << formatMillimetres(f.fit.maximumClearance) << ','
            << formatMillimetres(f.fit.minimumClearance) << ',' << nameOf(f.fit.type) << ','
            << csvField(search.sourceOf(f)) << ',' << (f.preferred ? "true" : "false") << '\n';
    }
}

void writeFitsJson(std::ostream& out, const FitSearch& search, std::optional<std::size_t> limit)
{
    std::vector<JsonObject> rows;
    for (const FoundFit& f : shown(search, limit)) {
        rows.push_back({{"hole", f.hole->code},
                        {"shaft", f.shaft->code},
                        {"range", labelOf(search)},
                        {"maximum_clearance", formatMillimetres(f.fit.maximumClearance)},
                        {"minimum_clearance", formatMillimetres(f.fit.minimumClearance)},
                        {"fit", nameOf(f.fit.type)},
                        {"source", search.sourceOf(f)},
                        {"preferred", f.preferred}});
    }
    writeJsonRows(out, rows);
}

} // namespace cli
