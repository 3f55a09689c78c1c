// SPDX-License-Identifier: MIT
#include "tolerance/stack/chain_file.h"

#include "tolerance/stack/typed_text.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>

namespace tolerance::stack {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kMembers = "members";
constexpr std::string_view kRequirement = "requirement";
constexpr std::string_view kDistribution = "distribution";

// A member's keys, in the order a new member is written with them.
constexpr std::array<std::string_view, 6> kMemberKeys = {"name",      "direction", "nominal",
                                                         "tolerance", "material",  "temperature"};

std::string* textField(MemberText& member, std::string_view key)
{
    std::string* fields[] = {&member.name,      &member.direction, &member.nominal,
                             &member.tolerance, &member.material,  &member.temperature};
    for (std::size_t i = 0; i < kMemberKeys.size(); ++i)
        if (kMemberKeys[i] == key)
            return fields[i];
    return nullptr;
}

bool takesNumber(std::string_view key)
{
    return key == "nominal" || key == "temperature";
}

// A JSON number as the decimal a person would type: "50", "12.5", never "1e-05". Ten decimals
// are plenty to tell a nominal with a fifth decimal, which the member's reading refuses.
std::string decimalOf(const Json& number)
{
    if (number.is_number_integer())
        return number.dump();
    char text[64];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, number.get<double>(), std::chars_format::fixed, 10);
    std::string decimal(text, error == std::errc() ? end : text);
    if (decimal.find('.') != std::string::npos) {
        decimal.erase(decimal.find_last_not_of('0') + 1);
        if (decimal.back() == '.')
            decimal.pop_back();
    }
    return decimal == "-0" ? "0" : decimal;
}

FileFault wrongType(std::optional<std::size_t> member, std::string_view key)
{
    return {FileFault::Kind::WrongType, member, std::string(key)};
}

std::variant<MemberText, FileFault> memberOf(const Json& object, std::size_t index)
{
    if (!object.is_object())
        return FileFault{FileFault::Kind::MemberNotObject, index, {}};
    MemberText member;
    for (const std::string_view key : kMemberKeys) {
        const auto found = object.find(key);
        if (found == object.end() || found->is_null())
            continue;
        if (found->is_string())
            *textField(member, key) = found->get<std::string>();
        else if (found->is_number() && takesNumber(key))
            *textField(member, key) = decimalOf(*found);
        else
            return wrongType(index, key);
    }
    member.keptJson = object.dump();
    return member;
}

std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view bytes, std::size_t offset)
{
    offset = std::min(offset, bytes.size());
    std::size_t line = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < offset; ++i)
        if (bytes[i] == '\n') {
            ++line;
            start = i + 1;
        }
    return {line, offset - start + 1};
}

std::variant<std::string, FileFault> optionalText(const Json& file, std::string_view key)
{
    const auto found = file.find(key);
    if (found == file.end() || found->is_null())
        return std::string();
    if (!found->is_string())
        return wrongType(std::nullopt, key);
    return found->get<std::string>();
}

// A nominal or a temperature as the number it reads as, whole numbers without a point.
Json numberOf(const std::string& typed)
{
    const std::string text = foldTyped(typed);
    if (text.find('.') == std::string::npos) {
        long long whole = 0;
        std::from_chars(text.data(), text.data() + text.size(), whole);
        return whole;
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return value;
}

Json objectOf(const std::string& kept)
{
    if (kept.empty())
        return Json::object();
    Json object = Json::parse(kept, nullptr, false);
    return object.is_object() ? object : Json::object();
}

Json memberJson(const MemberText& member)
{
    Json object = objectOf(member.keptJson);
    MemberText copy = member;
    for (const std::string_view key : kMemberKeys) {
        const std::string& value = *textField(copy, key);
        const std::string name(key);
        const bool optional = key == "material" || key == "temperature";
        if (optional && foldTyped(value).empty())
            object.erase(name);
        else if (takesNumber(key))
            object[name] = numberOf(value);
        else
            object[name] = value;
    }
    return object;
}

} // namespace

std::variant<ChainText, FileFault> readChainFile(std::string_view bytes)
{
    Json file;
    try {
        file = Json::parse(bytes);
    } catch (const Json::parse_error& error) {
        // The byte count points just past the first byte that is no longer JSON.
        const auto [line, column] = lineAndColumn(bytes, error.byte > 0 ? error.byte - 1 : 0);
        return FileFault{FileFault::Kind::NotJson, std::nullopt, {}, line, column};
    }
    if (!file.is_object())
        return FileFault{FileFault::Kind::NotAnObject, std::nullopt, {}};
    const auto members = file.find(kMembers);
    if (members == file.end())
        return FileFault{FileFault::Kind::NoMembers, std::nullopt, std::string(kMembers)};
    if (!members->is_array())
        return FileFault{FileFault::Kind::NotAList, std::nullopt, std::string(kMembers)};
    ChainText chain;
    chain.members.reserve(members->size());
    for (std::size_t i = 0; i < members->size(); ++i) {
        auto member = memberOf((*members)[i], i);
        if (auto* fault = std::get_if<FileFault>(&member))
            return *fault;
        chain.members.push_back(std::move(std::get<MemberText>(member)));
    }
    for (auto [key, field] : {std::pair{kRequirement, &chain.requirement},
                              std::pair{kDistribution, &chain.distribution}}) {
        auto text = optionalText(file, key);
        if (auto* fault = std::get_if<FileFault>(&text))
            return *fault;
        *field = std::move(std::get<std::string>(text));
    }
    // Kept as a placeholder, so that a save writes the members where the file had them.
    file[std::string(kMembers)] = nullptr;
    chain.keptJson = file.dump();
    return chain;
}

std::string writeChainFile(const ChainText& chain)
{
    Json file = objectOf(chain.keptJson);
    Json members = Json::array();
    for (const MemberText& member : chain.members)
        members.push_back(memberJson(member));
    // In the place the file had them; first in a file of our own.
    file[std::string(kMembers)] = std::move(members);
    if (foldTyped(chain.requirement).empty())
        file.erase(std::string(kRequirement));
    else
        file[std::string(kRequirement)] = foldTyped(chain.requirement);
    const std::string distribution = foldTyped(chain.distribution);
    file[std::string(kDistribution)] = distribution.empty() ? "normal" : distribution;
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

} // namespace tolerance::stack
