// SPDX-License-Identifier: MIT
// The command-line companion with any arguments, and its escapes of user text. Input: one byte
// choosing what separates the arguments (NUL, as on a real command line, or a newline, which
// leaves NULs inside them), then the arguments, at most eight.
#include "fuzz_support.h"

#include "cli/app.h"
#include "cli/escape.h"

#include <sstream>
#include <vector>

namespace {

constexpr std::size_t kMaxArguments = 8;

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> args;
    while (args.size() < kMaxArguments) {
        const std::size_t end = text.find(separator);
        args.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return args;
}

bool hasControl(std::string_view text, bool newlineAllowed)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && !(newlineAllowed && c == '\n')) || byte == 0x7F)
            return true;
    }
    return false;
}

void checkRun(const std::vector<std::string_view>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(args, out, err);
    const std::string output = out.str();
    const std::string message = err.str();
    FUZZ_CHECK(status == cli::kExitSuccess || status == cli::kExitUsage,
               "an answer or a usage error, never an internal error");
    FUZZ_CHECK(cli::isValidUtf8(output) && cli::isValidUtf8(message), "UTF-8 out");
    if (status == cli::kExitSuccess) {
        FUZZ_CHECK(message.empty() && !output.empty(), "an answer and nothing on stderr");
        FUZZ_CHECK(!hasControl(output, true), "no control characters in an answer");
        return;
    }
    FUZZ_CHECK(output.empty(), "nothing on stdout with an error");
    FUZZ_CHECK(message.starts_with("tessaly-cli: ") && message.ends_with('\n') &&
                   message.find('\n') == message.size() - 1,
               "an error is one line");
    FUZZ_CHECK(!hasControl(message, true), "no control characters in an error");
}

// Unquoting a CSV field gives the text back.
std::string unquoted(std::string_view field)
{
    if (!field.starts_with('"'))
        return std::string(field);
    std::string text;
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        text += field[i];
        if (field[i] == '"')
            ++i;
    }
    return text;
}

void checkEscapes(std::string_view text)
{
    const std::string quoted = cli::quote(text);
    FUZZ_CHECK(cli::isValidUtf8(quoted) && !hasControl(quoted, false), "quote is one clean line");
    FUZZ_CHECK(unquoted(cli::csvField(text)) == text, "a CSV field reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest = fuzz::bytes(data + 1, size - 1);
    const auto args = split(rest, data[0] & 1 ? '\n' : '\0');
    checkRun(args);
    for (const std::string_view arg : args)
        checkEscapes(arg);
    return 0;
}
