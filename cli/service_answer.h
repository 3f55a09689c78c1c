// SPDX-License-Identifier: MIT
#pragma once

#include "cli/fit_search.h"
#include "cli/json_out.h"
#include "cli/record.h"
#include "cli/service_options.h"
#include "cli/sizes.h"

#include <iosfwd>
#include <optional>
#include <string>

// What a fit does in service, after the fit's own answer: the sizes at temperature and the
// press fit, as lines with units for the text and as objects of numbers for JSON.
namespace cli {

struct ServiceAnswer
{
    Record lines;
    std::optional<JsonObject> temperature;
    std::optional<JsonObject> pressFit;
};

// From a fit's record (its diameter and deviations) and the service options. Throws
// InputError for a class alone, a range instead of a diameter, or a joint that does not suit
// the size.
ServiceAnswer answerService(const Record& fit, const ServiceOptions& options);

void writeServiceText(std::ostream& out, const Record& fit, const ServiceAnswer& answer);
void writeServiceJson(std::ostream& out, const Record& fit, const ServiceAnswer& answer);

// --materials alone: every material with its figures and where each came from.
std::string materialLibraryText();
std::string materialLibraryJson();

// --fits with a press fit asks an interference left after smoothing at 20 °C: searching for
// that alone spares sorting the whole standard's pairs. The requirement as given otherwise.
tolerance::Requirement serviceRequirement(const tolerance::Requirement& requirement,
                                          const ServiceOptions& options);

// --fits with a press fit: only the pairs that do the job stay.
void keepServiceFits(FitSearch& search, const Size& size, const ServiceOptions& options);

} // namespace cli
