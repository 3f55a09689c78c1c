// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

namespace cli {

// Something wrong with what the user typed: reported as one line on standard error, exit 2.
class InputError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace cli
