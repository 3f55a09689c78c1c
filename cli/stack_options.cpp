// SPDX-License-Identifier: MIT
#include "cli/stack_options.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include "tolerance/stack/monte_carlo.h"

#include <charconv>

namespace cli {

namespace {

std::size_t samplesNamed(const std::string& text)
{
    std::size_t samples = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), samples);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        samples > tolerance::stack::kMostSamples)
        throw InputError("--samples " + quote(text) +
                         " is not a number of assemblies from 0 (none) to 10000000");
    return samples;
}

} // namespace

StackRequest readStackArguments(const StackArguments& given)
{
    if (!given.file)
        throw InputError("--samples is for --stack");
    if (!given.others.empty())
        throw InputError(std::string(given.others.front()) + " is not for --stack");
    if (!given.operands.empty())
        throw InputError("too many arguments from " + quote(given.operands.front()) +
                         "; --stack takes FILE alone");
    StackRequest request{*given.file, std::nullopt, tolerance::stack::kDefaultSamples};
    if (given.distribution) {
        request.distribution = tolerance::distributionNamed(*given.distribution);
        if (!request.distribution)
            throw InputError((given.distribution->empty()
                                  ? std::string("empty --distribution")
                                  : "unknown --distribution " + quote(*given.distribution)) +
                             "; use normal or uniform (the file's, normal if it names none)");
    }
    if (given.samples)
        request.samples = samplesNamed(*given.samples);
    return request;
}

std::string_view stackHelpText() noexcept
{
    return R"(
A tolerance stack-up (公差の積み上げ): --stack FILE reads a dimension chain, a
JSON file such as
  {"members": [{"name": "housing", "direction": "+", "nominal": 62,
                "tolerance": "H8"},
               {"name": "spacer", "direction": "-", "nominal": 30,
                "tolerance": "h9", "material": "S45C", "temperature": 60}],
   "requirement": "0.1..0.7", "distribution": "normal"}
  direction    + when the member lengthens the closing dimension, - when it
               shortens it
  tolerance    a class of ISO 286 (capitals for an inner feature, small letters
               for an outer one), limits in mm as a catalogue gives them
               (+0.1/-0.05, ±0.05), a general tolerance of JIS B 0405 alone
               (f, m, c, v: the size's step by the nominal), or a rolling
               bearing's width deviation of its class by its bore, bearing:0 d20,
               or by its number, bearing:6 6204 (the nominal its width);
               full-width characters and the minus sign read
  material, temperature
               optional: the member's size at its working temperature (°C),
               grown by the material's expansion (--materials lists them)
  requirement  MIN..MAX of the closing dimension in mm, either bound optional
It answers the closing dimension's nominal, its worst case, the range 99.73 %
of assemblies lie within when every member is spread normally (±3 sigma is its
tolerance) or uniformly (--distribution overrides the file's), the share
outside the requirement, each member's share of the variance and of the worst
case, and a Monte Carlo check of --samples N assemblies (default 1000000,
always the same seed; 0 for none).
)";
}

} // namespace cli
