#include "sheets/SheetText.h"

#include "meet/Utf8Text.h"

#include <array>
#include <cstdint>

namespace korvanda {

namespace {

// Windows-1252 characters 0x80 to 0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> windows1252High = { 0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178 };

bool isUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();)
        if (!nextCharacter(text, at))
            return false;
    return true;
}

} // namespace

std::string sheetTextAsUtf8(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (isUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char b : bytes) {
        const auto code = static_cast<std::uint8_t>(b);
        if (code >= 0x80 && code < 0xA0) {
            const char32_t c = windows1252High[code - 0x80];
            appendUtf8(out, c != 0 ? c : U'?');
        } else {
            appendUtf8(out, code);
        }
    }
    return out;
}

std::string headerWords(std::string_view text)
{
    std::string words;
    bool gap = false;
    for (const char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        // "D.O.B." and "Wgt." are one word each.
        if (c == '.' || c == '\'')
            continue;
        if (!letter) {
            gap = !words.empty();
            continue;
        }
        if (gap)
            words += ' ';
        gap = false;
        words += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return words;
}

} // namespace korvanda
