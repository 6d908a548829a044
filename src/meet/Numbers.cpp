#include "meet/Numbers.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <system_error>

namespace korvanda {

namespace {

bool isSpace(char c)
{
    return c == ' ';
}

// The number's own characters without the surrounding spaces and a leading
// plus sign, or nothing when the shape is not that of a number.
std::optional<std::string_view> numberBody(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    std::string_view body = text;
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    if (body.front() == '+')
        body.remove_prefix(1);
    return body;
}

template <typename T> std::optional<T> readAs(std::string_view text)
{
    const auto body = numberBody(text);
    if (!body)
        return std::nullopt;
    T value {};
    const auto [end, error] = std::from_chars(body->data(), body->data() + body->size(), value);
    if (error != std::errc() || end != body->data() + body->size())
        return std::nullopt;
    return value;
}

} // namespace

bool isNumber(std::string_view text)
{
    return readSingle(text).has_value();
}

std::optional<float> readSingle(std::string_view text)
{
    return readAs<float>(text);
}

std::optional<double> readDouble(std::string_view text)
{
    if (!readSingle(text))
        return std::nullopt;
    return readAs<double>(text);
}

double roundHalfEven(double value)
{
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double result = std::nearbyint(value);
    std::fesetround(mode);
    return result;
}

std::string wholeText(double wholeValue)
{
    if (wholeValue == 0)
        return "0";
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, wholeValue, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

std::string tenthsText(float value)
{
    // Round the shortest decimal form of the value, so that a typed 1.15
    // becomes 1.2 even though the binary value lies just below 1.15.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    std::string digits(buffer, result.ptr);
    std::size_t point = digits.find('.');
    if (point == std::string::npos) {
        point = digits.size();
        digits += ".0";
    }
    std::string fraction = digits.substr(point + 1);
    std::string whole = digits.substr(0, point);
    char tenth = fraction.empty() ? '0' : fraction[0];
    const bool roundUp = fraction.size() > 1 && fraction[1] >= '5';
    if (roundUp) {
        if (tenth < '9') {
            ++tenth;
        } else {
            tenth = '0';
            int i = static_cast<int>(whole.size()) - 1;
            while (i >= 0 && whole[static_cast<std::size_t>(i)] == '9')
                whole[static_cast<std::size_t>(i--)] = '0';
            if (i < 0)
                whole.insert(whole.begin(), '1');
            else
                ++whole[static_cast<std::size_t>(i)];
        }
    }
    const bool zero = whole.find_first_not_of('0') == std::string::npos && tenth == '0';
    return (value < 0 && !zero ? "-" : "") + whole + "." + tenth;
}

std::optional<std::string> ageOrSkillText(std::string_view text)
{
    const auto value = readSingle(text);
    if (!value)
        return std::nullopt;
    return tenthsText(*value);
}

std::optional<std::string> weightText(std::string_view text)
{
    const auto value = readSingle(text);
    if (!value)
        return std::nullopt;
    return wholeText(roundHalfEven(*value));
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

} // namespace korvanda
