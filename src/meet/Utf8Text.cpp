#include "meet/Utf8Text.h"

#include <cstdint>

namespace korvanda {

namespace {

// The Latin Extended-A letters (U+0100 to U+017F) without their accents, as
// the names of Polish, Czech, Hungarian or Turkish families are written on
// a Latin-1 keyboard. "Ő" keeps its umlaut as "Ö".
constexpr std::string_view latinExtendedA = "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkk"
                                            "LlLlLlLlLlNnNnNnnNnOoOo\xD6\xF6??RrRrRrSsSsSsSs"
                                            "TtTtTtUuUuUuUu\xDC\xFCUuWwYyYZzZzZzs";

} // namespace

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if (lead >= 0xC2 && lead < 0xE0) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        length = 4;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (at + static_cast<std::size_t>(length) > text.size())
        return std::nullopt;
    for (int k = 1; k < length; ++k) {
        const std::uint8_t next = byte(at + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    const char32_t shortest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (c < shortest[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return std::nullopt;
    at += static_cast<std::size_t>(length);
    return c;
}

std::string utf8FromLatin1(std::string_view latin1)
{
    std::string out;
    for (const char b : latin1)
        appendUtf8(out, static_cast<std::uint8_t>(b));
    return out;
}

Latin1Text latin1FromUtf8(std::string_view utf8)
{
    Latin1Text result;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = nextCharacter(utf8, at);
        if (!c) {
            ++at;
            result.text += '?';
            result.unheld = true;
        } else if (*c < 0x100) {
            result.text += static_cast<char>(*c);
        } else if (*c < 0x180 && latinExtendedA[*c - 0x100] != '?') {
            result.text += latinExtendedA[*c - 0x100];
            result.approximated = true;
        } else {
            result.text += '?';
            result.unheld = true;
        }
    }
    return result;
}

} // namespace korvanda
