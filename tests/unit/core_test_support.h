#pragma once

#include <QString>

#include <string_view>

// QTest prints QStrings in failure messages; core texts are UTF-8 views.
inline QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
