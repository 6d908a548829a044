#include "soak/SoakAction.h"

#include <charconv>
#include <sstream>

namespace korvanda::soak {

namespace {

bool plainByte(unsigned char c)
{
    return c > 0x20 && c < 0x7f && c != '%';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

std::optional<std::uint64_t> hexNumber(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string encodeField(std::string_view text)
{
    static const char digits[] = "0123456789ABCDEF";
    // An empty text still needs a word on the line.
    if (text.empty())
        return "%";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (plainByte(c)) {
            out += ch;
        } else {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

std::string decodeField(std::string_view text)
{
    if (text == "%")
        return {};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

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
    if (parts.size() < 2 || parts[0].front() == '#')
        return std::nullopt;
    const auto answers = hexNumber(parts[0]);
    if (!answers)
        return std::nullopt;
    SoakAction action;
    action.answers = *answers;
    action.verb = std::string(parts[1]);
    for (std::size_t i = 2; i < parts.size(); ++i)
        action.args.push_back(decodeField(parts[i]));
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
    SoakCase result;
    bool seeded = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        const auto parts = words(line);
        if (parts.size() == 2 && parts[0] == "meet") {
            std::uint64_t seed = 0;
            const auto [ptr, error] = std::from_chars(parts[1].data(), parts[1].data() + parts[1].size(), seed);
            seeded = error == std::errc() && ptr == parts[1].data() + parts[1].size();
            result.meetSeed = seed;
        } else if (auto action = SoakAction::parse(line)) {
            result.actions.push_back(std::move(*action));
        }
        start = end + 1;
    }
    if (!seeded)
        return std::nullopt;
    return result;
}

} // namespace korvanda::soak
