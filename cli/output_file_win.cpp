// SPDX-License-Identifier: MIT
#include "cli/output_file.h"

#include <windows.h>

#include <string>

namespace cli {

namespace {

std::wstring wide(const std::string& text)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), result.data(), size);
    return result;
}

std::string reasonOf(DWORD error)
{
    wchar_t* message = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    if (!message)
        return "error " + std::to_string(error);
    std::wstring text(message);
    LocalFree(message);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.'))
        text.pop_back();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

} // namespace

std::optional<std::string> writeFileWhole(const std::string& path, std::string_view bytes)
{
    const std::wstring target = wide(path);
    const std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return reasonOf(GetLastError());
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                       written == bytes.size() && FlushFileBuffers(file);
    const DWORD cause = GetLastError();
    CloseHandle(file);
    if (whole && MoveFileExW(temporary.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return std::nullopt;
    const DWORD failure = whole ? GetLastError() : cause;
    DeleteFileW(temporary.c_str());
    return reasonOf(failure);
}

} // namespace cli
