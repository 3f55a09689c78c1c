// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/stack/chain.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The file a chain is kept in, one format for the window and the command line:
//
//   {"members": [{"name": "housing", "direction": "+", "nominal": 50, "tolerance": "H8"}, …],
//    "requirement": "0.3..0.7", "distribution": "normal"}
//
// A member may also have "material" (a name of the library) and "temperature" (°C). Keys of
// other programs, on the chain or on a member, are kept through a read and a save.
namespace tolerance::stack {

struct FileFault
{
    enum class Kind
    {
        NotJson,         // line and column say where it stops being JSON
        NotAnObject,     // the file is JSON, but not an object
        NoMembers,       // no "members"
        NotAList,        // "members" is not a list
        MemberNotObject, // a member that is not an object
        WrongType,       // key holds a value of the wrong type (a list for "nominal")
    };
    Kind kind;
    std::optional<std::size_t> member; // 0-based, where the fault is a member's
    std::string key;
    std::size_t line = 0;
    std::size_t column = 0;
};

// The chain's values as text, each member's as the window types them (numbers as decimals), to be
// read by readChain(), which finds a member's faults. Only the file's shape is checked here.
std::variant<ChainText, FileFault> readChainFile(std::string_view bytes);

// UTF-8 JSON, two spaces to a level, ending in a line feed. Every member must read (readChain):
// numbers are written as numbers. Keys the file had that are not ours stay where they were.
std::string writeChainFile(const ChainText& chain);

} // namespace tolerance::stack
