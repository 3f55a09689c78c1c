// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/stack/chain.h"

#include <string>

// A chain file read for --stack, its faults in the words of the command line.
namespace cli {

// The chain in the file at path. Throws InputError with one line naming the file and, where the
// fault is a member's, the member by number and name, and why: a file that cannot be read, is no
// JSON, or holds a member, requirement or distribution that does not read.
tolerance::stack::Chain readStackFile(const std::string& path);

} // namespace cli
