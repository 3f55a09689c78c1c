// SPDX-License-Identifier: MIT
// The companion writes the bytes the Linux build writes: UTF-8 (range labels such as 30～40) with
// a bare line feed at each line's end, into a pipe, a file or a console alike. A Windows console
// shows bytes in its own code page, so while the program runs its output code page is UTF-8 and
// the user's comes back at exit; the C run-time would turn every line feed into CR LF.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {

struct CompanionConsole
{
    UINT before = GetConsoleOutputCP(); // 0 without a console
    CompanionConsole()
    {
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stderr), _O_BINARY);
        if (before != 0)
            SetConsoleOutputCP(CP_UTF8);
    }
    ~CompanionConsole()
    {
        if (before != 0)
            SetConsoleOutputCP(before);
    }
    CompanionConsole(const CompanionConsole&) = delete;
    CompanionConsole& operator=(const CompanionConsole&) = delete;
};

// Set up before main and undone after it returns, with no change to the companion's own code.
const CompanionConsole companionConsole;

} // namespace
