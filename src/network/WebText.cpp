#include "network/WebText.h"

namespace korvanda {

std::string latin1ToUtf8(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::string utf8ToLatin1(std::string_view text)
{
    std::string latin1;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            latin1 += static_cast<char>(lead);
            ++i;
            continue;
        }
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        bool whole = length > 1 && i + static_cast<std::size_t>(length) <= text.size();
        for (int k = 1; whole && k < length; ++k)
            whole = (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) == 0x80;
        if (whole && length == 2 && lead <= 0xC3 && lead >= 0xC2)
            latin1 += static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
        else
            latin1 += '?';
        i += whole ? static_cast<std::size_t>(length) : 1;
    }
    return latin1;
}

} // namespace korvanda
