// SPDX-License-Identifier: MIT
// A saved window edge read from a settings file that anything may have written, and written back.
// Input: one byte choosing how the rest becomes text (see fuzz::Encoding), then the text. The
// rest's first four bytes are also taken as a float to write.
#include "fuzz_text.h"

#include "app/position/twips_text.h"

#include <cmath>
#include <cstring>

using position::kMaxEdgeTwips;
using position::twipsFromText;
using position::twipsText;

namespace {

// What twipsFromText admits: "-"? digits ("." digits)?, nothing else.
bool isPlainDecimal(const QString& text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    int points = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == u'.')
            ++points;
        else if (text[i] >= u'0' && text[i] <= u'9')
            ++digits;
        else
            return false;
    }
    return digits > 0 && points <= 1 && !text.endsWith(u'.') && !text.startsWith(u'.') &&
           !text.startsWith(QStringLiteral("-."));
}

int significantDigits(const QString& text)
{
    QString digits = text;
    digits.remove(u'-').remove(u'.');
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    return int(digits.size());
}

void checkRead(const QString& text)
{
    const std::optional<float> value = twipsFromText(text);
    if (!value)
        return;
    FUZZ_CHECK(isPlainDecimal(text), "only a plain decimal is read");
    FUZZ_CHECK(std::isfinite(*value), "a value read is finite");
    FUZZ_CHECK(*value == std::round(*value), "a value read is whole twips");
    FUZZ_CHECK(std::fabs(*value) <= kMaxEdgeTwips, "a value read is within the limits");
    FUZZ_CHECK(!std::signbit(*value) || *value != 0.0f, "zero is read without a sign");
    const QString written = twipsText(*value);
    FUZZ_CHECK(twipsFromText(written) == value, "what is read writes back to the same value");
    FUZZ_CHECK(twipsText(*twipsFromText(written)) == written, "writing again gives the same text");
}

void checkWrite(float value)
{
    const QString text = twipsText(value);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text.isEmpty(), "a value that is not finite writes nothing");
        FUZZ_CHECK(!twipsFromText(text), "the empty text reads as nothing");
        return;
    }
    FUZZ_CHECK(isPlainDecimal(text), "a finite value writes a plain decimal");
    FUZZ_CHECK(significantDigits(text) <= 7, "at most 7 significant digits");
    FUZZ_CHECK(!text.contains(u'.') || !text.endsWith(u'0'), "no trailing zeros after a point");
    FUZZ_CHECK(!text.startsWith(u'-') || value < 0.0f, "a sign only for a negative value");
    if (value == std::round(value) && std::fabs(value) <= kMaxEdgeTwips)
        FUZZ_CHECK(twipsFromText(text) == value + 0.0f, "a whole edge in range reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto encoding = static_cast<fuzz::Encoding>(data[0] % 4);
    const std::string_view raw = fuzz::bytes(data + 1, size - 1);
    checkRead(fuzz::decode(encoding, raw));
    if (raw.size() >= sizeof(float)) {
        float value = 0.0f;
        std::memcpy(&value, raw.data(), sizeof value);
        checkWrite(value);
    }
    return 0;
}
