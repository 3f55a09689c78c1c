// SPDX-License-Identifier: MIT
#pragma once

#include "model/fit_query.h"
#include "model/service_inputs.h"

#include "tolerance/fit_statistics.h"
#include "tolerance/sheet/fit_sheet.h"

#include <optional>

// What the workbench hands the core for its calculation sheet: the fit as typed and read, the
// spread chosen, and 使用条件 when it is open and answers. The core works every figure out again,
// as it does for tessaly-cli --format html, so that both sheets are the same.
namespace workbench {

// Nothing without a complete fit with a diameter, or while a field of 使用条件 that the fit's
// answer uses has a problem: a sheet shows what the window does, never a figure it refuses.
std::optional<tolerance::sheet::FitAsked> sheetAsked(const Inputs& typed, const Answer& fit,
                                                     const ServiceFields& fields,
                                                     const ServiceAnswer& service,
                                                     tolerance::Distribution distribution);

} // namespace workbench
