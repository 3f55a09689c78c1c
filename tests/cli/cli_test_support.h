// SPDX-License-Identifier: MIT
#pragma once

#include "cli/input_error.h"
#include "cli/record.h"
#include "test_support.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

inline std::string utf8(const QString& text)
{
    return text.toStdString();
}

// The value under key; a null QString when the record has no such field.
inline QString field(const cli::Record& record, std::string_view key)
{
    for (const cli::Field& f : record) {
        if (f.key == key)
            return q(f.value);
    }
    return {};
}

inline QStringList keysOf(const cli::Record& record)
{
    QStringList keys;
    for (const cli::Field& f : record)
        keys << q(f.key);
    return keys;
}

// The message of the InputError the call throws, or a null QString when it throws none.
template <typename Call> QString inputErrorOf(Call call)
{
    try {
        call();
    } catch (const cli::InputError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}
