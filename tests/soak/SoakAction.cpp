#include "soak/SoakChecks.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <numeric>
#include <sstream>

namespace korvanda::soak {

namespace {

std::vector<std::string> words(std::string_view line)
{
    std::istringstream in { std::string(line) };
    return { std::istream_iterator<std::string>(in), std::istream_iterator<std::string>() };
}

template <class Number> std::optional<Number> number(std::string_view text, int base)
{
    Number value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string encodeField(std::string_view text)
{
    // An empty text still needs a word on the line.
    if (text.empty())
        return "%";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        char escaped[4] = { ch, 0 };
        if (c <= 0x20 || c >= 0x7f || c == '%')
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
        out += escaped;
    }
    return out;
}

std::string decodeField(std::string_view text)
{
    if (text == "%")
        return {};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte
            = i + 2 < text.size() && text[i] == '%' ? number<unsigned>(text.substr(i + 1, 2), 16) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : text[i];
        i += byte ? 2 : 0;
    }
    return out;
}

} // namespace

std::string SoakAction::line() const
{
    std::ostringstream out;
    out << std::hex << answers << ' ' << verb;
    for (const auto& arg : args)
        out << ' ' << encodeField(arg);
    return out.str();
}

std::optional<SoakAction> SoakAction::parse(std::string_view line)
{
    const auto parts = words(line);
    // A comment's "#" is no hex number.
    const auto answers = parts.size() < 2 ? std::nullopt : number<std::uint64_t>(parts[0], 16);
    if (!answers)
        return std::nullopt;
    SoakAction action { *answers, parts[1], {} };
    std::transform(parts.begin() + 2, parts.end(), std::back_inserter(action.args), decodeField);
    return action;
}

std::string SoakCase::text() const
{
    std::string out = "meet " + std::to_string(meetSeed) + "\n";
    for (const auto& action : actions)
        out += action.line() + "\n";
    return out;
}

std::optional<SoakCase> SoakCase::parse(std::string_view text)
{
    std::optional<std::uint64_t> seed;
    std::vector<SoakAction> actions;
    std::istringstream in { std::string(text) };
    for (std::string line; std::getline(in, line);) {
        const auto parts = words(line);
        if (parts.size() == 2 && parts[0] == "meet")
            seed = number<std::uint64_t>(parts[1], 10);
        else if (auto action = SoakAction::parse(line))
            actions.push_back(std::move(*action));
    }
    return seed ? std::optional(SoakCase { *seed, std::move(actions) }) : std::nullopt;
}

std::vector<std::size_t> shrinkFailingList(std::size_t count,
    const std::function<bool(const std::vector<std::size_t>&)>& stillFails, const std::function<bool()>& keepGoing)
{
    std::vector<std::size_t> list(count);
    std::iota(list.begin(), list.end(), std::size_t { 0 });
    // Chunk k of `parts` alone, or the list without it.
    const auto cut = [&list](std::size_t parts, std::size_t k, bool alone) {
        const auto begin = list.begin() + static_cast<std::ptrdiff_t>(list.size() * k / parts);
        const auto end = list.begin() + static_cast<std::ptrdiff_t>(list.size() * (k + 1) / parts);
        if (alone)
            return std::vector<std::size_t>(begin, end);
        std::vector<std::size_t> rest(list.begin(), begin);
        rest.insert(rest.end(), end, list.end());
        return rest;
    };
    std::size_t parts = 2;
    while (list.size() >= 2 && keepGoing()) {
        parts = std::min(parts, list.size());
        bool shrunk = false;
        // A failure usually needs only a few actions: try each chunk alone,
        // then the list without each chunk.
        for (std::size_t k = 0; k < parts && !shrunk && keepGoing(); ++k)
            if (auto candidate = cut(parts, k, true); !candidate.empty() && stillFails(candidate)) {
                list = std::move(candidate);
                parts = 2;
                shrunk = true;
            }
        for (std::size_t k = 0; k < parts && !shrunk && parts > 2 && keepGoing(); ++k)
            if (auto candidate = cut(parts, k, false); stillFails(candidate)) {
                list = std::move(candidate);
                parts = std::max<std::size_t>(parts - 1, 2);
                shrunk = true;
            }
        if (shrunk)
            continue;
        if (parts >= list.size())
            break;
        parts = std::min(parts * 2, list.size());
    }
    return list;
}

} // namespace korvanda::soak
