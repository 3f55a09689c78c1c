// SPDX-License-Identifier: MIT
// The core's lookups with any text: a class by its code, a range by its label, a class's entry for
// a range, and the value of a deviation text. Input: one byte choosing the side (bit 0), the way
// the text arrives (bits 1-3: as bytes, or as a window's QString in one of fuzz::Encoding
// converted to UTF-8) and a class (bits 4-7 with the second byte); then the text.
#include "fuzz_text.h"

#include "tolerance/classes.h"

#include <string>

using namespace tolerance;

namespace {

// The lookups promise what a scan of the lists in order gives: the first text equal byte for byte.
const ToleranceClass* scanForClass(Side side, std::string_view code)
{
    const auto classes = classesOf(side);
    for (const std::size_t i : dispatchOrder(side)) {
        if (classes[i].code == code)
            return &classes[i];
    }
    return nullptr;
}

std::optional<std::size_t> scanForRange(std::string_view text)
{
    for (std::size_t i = 0; i < kSizeRanges.size(); ++i) {
        if (kSizeRanges[i] == text)
            return i;
    }
    return std::nullopt;
}

std::string threeDigits(int value)
{
    std::string text = std::to_string(value);
    return std::string(3 - text.size(), '0') + text;
}

// The one text each value has in its form: halfMicrometres reads exactly the canonical texts.
std::string canonical(DeviationForm form, int halfUm)
{
    const int um = std::abs(halfUm) / 2;
    switch (form) {
    case DeviationForm::Zero:
        return std::string(kZeroText);
    case DeviationForm::Signed:
        return (halfUm > 0 ? "+" : "-") + std::to_string(um / 1000) + '.' + threeDigits(um % 1000);
    case DeviationForm::Magnitude:
        return "0." + threeDigits(um) + (halfUm % 2 ? "5" : "");
    default:
        return {};
    }
}

void checkDeviationText(std::string_view text)
{
    const DeviationForm form = formOf(text);
    const std::optional<int> value = halfMicrometres(text);
    const bool hasValue = form == DeviationForm::Signed || form == DeviationForm::Zero ||
                          form == DeviationForm::Magnitude;
    FUZZ_CHECK(value.has_value() == hasValue, "a value exactly for the forms that carry one");
    if (!value)
        return;
    FUZZ_CHECK(form != DeviationForm::Signed || *value % 2 == 0, "signed texts are whole µm");
    FUZZ_CHECK(form != DeviationForm::Magnitude || *value > 0, "a magnitude is positive");
    FUZZ_CHECK(canonical(form, *value) == text, "the text is the value's one text");
}

void checkLookups(Side side, std::string_view text, const ToleranceClass& someClass)
{
    FUZZ_CHECK(findClass(side, text) == scanForClass(side, text), "findClass answers as a scan");
    const auto range = findSizeRange(text);
    FUZZ_CHECK(range == scanForRange(text), "findSizeRange answers as a scan");
    const auto entry = ShowDeviations(someClass, text);
    FUZZ_CHECK(entry.has_value() == range.has_value(), "an entry exactly for a label");
    FUZZ_CHECK(!entry || *entry == someClass.entries[*range], "the entry of that label");
    checkDeviationText(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const Side side = data[0] & 1 ? Side::Shaft : Side::Hole;
    const unsigned way = (data[0] >> 1) & 7;
    const auto classes = classesOf(side);
    const ToleranceClass& someClass = classes[(data[0] >> 4 | data[1] << 4) % classes.size()];
    const std::string_view raw = fuzz::bytes(data + 2, size - 2);
    if (way >= 4) { // the bytes themselves: invalid UTF-8 and NULs included
        checkLookups(side, raw, someClass);
        return 0;
    }
    // As the window hands a list's text over: its QString in UTF-8.
    const QByteArray utf8 = fuzz::decode(static_cast<fuzz::Encoding>(way), raw).toUtf8();
    checkLookups(side, {utf8.constData(), std::size_t(utf8.size())}, someClass);
    return 0;
}
