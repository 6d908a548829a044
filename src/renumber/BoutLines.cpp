#include "renumber/BoutLines.h"

#include <charconv>
#include <cmath>

namespace quillon {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view withoutSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// True when the whole text has the shape of a number.
bool looksNumeric(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i)
            ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == text.size();
}

double roundHalfEven(double value)
{
    const double nearest = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

} // namespace

std::optional<int> readBoutNumber(std::string_view text)
{
    std::string_view body = withoutSpaces(text);
    if (!looksNumeric(body))
        return std::nullopt;
    if (body.front() == '+')
        body.remove_prefix(1);
    float value = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (error != std::errc() || end != body.data() + body.size())
        return std::nullopt;
    const double whole = roundHalfEven(value);
    if (whole < 0 || whole >= BoutMap::size)
        return std::nullopt;
    return static_cast<int>(whole);
}

std::optional<Mapping> readMappingLine(std::string_view line)
{
    if (line.empty() || !isDigit(line.front()))
        return std::nullopt;
    Mapping mapping;
    mapping.newText = std::string(withoutSpaces(line.substr(0, 3)));
    mapping.oldText = std::string(withoutSpaces(line.substr(line.size() < 3 ? 0 : line.size() - 3)));
    const auto newNumber = readBoutNumber(mapping.newText);
    const auto oldNumber = readBoutNumber(mapping.oldText);
    if (!newNumber || !oldNumber)
        return std::nullopt;
    mapping.newNumber = *newNumber;
    mapping.oldNumber = *oldNumber;
    return mapping;
}

std::string renumberedLine(std::string_view line, const BoutMap& map)
{
    static constexpr std::string_view boutWord = "Bout ";
    const auto boutAt = line.find(boutWord);
    if (boutAt == std::string_view::npos || !isDigit(line.back()))
        return std::string(line);
    // The old number follows the line's last space; "Bout " itself holds one.
    const auto oldNumber = readBoutNumber(line.substr(line.rfind(' ') + 1));
    if (!oldNumber)
        return std::string(line);
    std::string out(line.substr(0, boutAt));
    out += boutWord;
    out += std::to_string(map.newNumber(*oldNumber));
    out += "  (KV#";
    out += std::to_string(*oldNumber);
    out += ")";
    return out;
}

} // namespace quillon
