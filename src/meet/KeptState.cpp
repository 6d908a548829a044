#include "meet/KeptState.h"

#include "meet/TextFile.h"

#include <zlib.h>

#include <charconv>
#include <vector>

namespace korvanda {

namespace {

// The first words of every state file, and the layout's version.
constexpr std::string_view stateMark = "Korvanda kept state";
constexpr std::string_view layoutVersion = "1";
// A header longer than this is no header of ours.
constexpr std::size_t longestHeader = 1024;
// zlib's fastest packing: a 2,000-wrestler meet's state takes a few
// milliseconds, and a meet day of 500 wrestlers still stays near 20 MB.
constexpr int packLevel = Z_BEST_SPEED;

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return parts;
        start = tab + 1;
    }
}

template <class Number> bool readNumber(std::string_view digits, Number& value)
{
    if (digits.empty() || digits.front() < '0' || digits.front() > '9')
        return false;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size();
}

} // namespace

std::uint32_t textChecksum(std::string_view text)
{
    uLong sum = crc32(0L, Z_NULL, 0);
    // zlib takes at most 4 GB a call; a meet's text is far smaller, but
    // the loop keeps it right for any length.
    while (!text.empty()) {
        const auto chunk = static_cast<uInt>(std::min<std::size_t>(text.size(), 1u << 30));
        sum = crc32(sum, reinterpret_cast<const Bytef*>(text.data()), chunk);
        text.remove_prefix(chunk);
    }
    return static_cast<std::uint32_t>(sum);
}

std::optional<std::string> packState(KeptState state, std::string_view text)
{
    uLongf packedSize = compressBound(static_cast<uLong>(text.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(text.data()),
            static_cast<uLong>(text.size()), packLevel)
        != Z_OK)
        return std::nullopt;
    packed.resize(packedSize);
    const auto number = [](auto value) { return std::to_string(value); };
    std::string file = std::string(stateMark) + '\t' + std::string(layoutVersion) + '\t'
        + number(static_cast<long long>(state.time)) + '\t' + number(state.counts.wrestlers) + '\t'
        + number(state.counts.bouts) + '\t' + number(state.counts.results) + '\t' + number(text.size()) + '\t'
        + number(textChecksum(text)) + '\t' + number(packed.size()) + '\t' + withoutFileBreakers(state.cause) + "\r\n";
    return file + packed;
}

std::optional<KeptState> readStateHeader(std::string_view head, std::uintmax_t fileSize)
{
    const std::size_t end = head.substr(0, longestHeader).find("\r\n");
    if (end == std::string_view::npos)
        return std::nullopt;
    const auto parts = fields(head.substr(0, end));
    if (parts.size() != 10 || parts[0] != stateMark || parts[1] != layoutVersion)
        return std::nullopt;
    KeptState state;
    long long time = 0;
    if (!readNumber(parts[2], time) || !readNumber(parts[3], state.counts.wrestlers)
        || !readNumber(parts[4], state.counts.bouts) || !readNumber(parts[5], state.counts.results)
        || !readNumber(parts[6], state.textSize) || !readNumber(parts[7], state.textChecksum)
        || !readNumber(parts[8], state.packedSize))
        return std::nullopt;
    if (fileSize != end + 2 + std::uintmax_t { state.packedSize })
        return std::nullopt;
    // zlib packs at most 1032 to 1: a header promising more is damaged, and
    // must not make Bring Back ask for gigabytes.
    if (state.textSize > 1032 * std::uintmax_t { state.packedSize } + 64)
        return std::nullopt;
    state.time = static_cast<std::time_t>(time);
    state.cause = std::string(parts[9]);
    return state;
}

std::optional<std::string> unpackState(const KeptState& state, std::string_view fileBytes)
{
    if (fileBytes.size() < state.packedSize)
        return std::nullopt;
    const std::string_view packed = fileBytes.substr(fileBytes.size() - state.packedSize);
    std::string text(state.textSize, '\0');
    uLongf textSize = state.textSize;
    if (uncompress(reinterpret_cast<Bytef*>(text.data()), &textSize, reinterpret_cast<const Bytef*>(packed.data()),
            static_cast<uLong>(packed.size()))
            != Z_OK
        || textSize != state.textSize || textChecksum(text) != state.textChecksum)
        return std::nullopt;
    return text;
}

} // namespace korvanda
