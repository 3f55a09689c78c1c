// SPDX-License-Identifier: MIT
#pragma once

#include "fuzz_support.h"

#include <QString>

namespace fuzz {

// The ways outside text reaches a QString: as UTF-8 (invalid sequences become U+FFFD), as
// UTF-16 in either byte order taken unit by unit (lone surrogates and NULs stay), as Latin-1.
enum class Encoding
{
    Utf8,
    Utf16Le,
    Utf16Be,
    Latin1,
};

inline QString decode(Encoding encoding, std::string_view raw)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    case Encoding::Latin1:
        return QString::fromLatin1(raw.data(), qsizetype(raw.size()));
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        break;
    }
    QString text;
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
        const auto a = static_cast<unsigned char>(raw[i]);
        const auto b = static_cast<unsigned char>(raw[i + 1]);
        text += QChar(encoding == Encoding::Utf16Le ? char16_t(a | b << 8) : char16_t(a << 8 | b));
    }
    return text;
}

} // namespace fuzz
