#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvanda {

// How much of the meet a kept state holds, shown in the history list.
struct StateCounts {
    int wrestlers = 0;
    int bouts = 0;
    int results = 0;
};

// One state of the meet kept in the history: what the restore file held
// then, when, and what the director did that wrote it. The file holds a
// header line with these fields and the restore file's text, packed with
// zlib; the text is checked against its length and checksum when read.
struct KeptState {
    // The order of keeping, from the file's name; higher is newer.
    int number = 0;
    std::time_t time = 0;
    std::string cause;
    StateCounts counts;
    std::uint32_t textSize = 0;
    std::uint32_t textChecksum = 0;
    std::uint32_t packedSize = 0;
    std::filesystem::path file;
};

// The whole file for `text` kept as `state` describes it (its sizes and
// checksum are filled in here). Nothing when zlib cannot pack it.
std::optional<std::string> packState(KeptState state, std::string_view text);

// The header of a state file of `fileSize` bytes whose first bytes are
// `head`. Nothing when the header is damaged or the file is not as long as
// the header says (cut short by a crash, or grown by something else).
std::optional<KeptState> readStateHeader(std::string_view head, std::uintmax_t fileSize);

// The restore file's text out of a whole state file, or nothing when it
// does not unpack to exactly the text that was kept.
std::optional<std::string> unpackState(const KeptState& state, std::string_view fileBytes);

// The checksum the header carries for a text.
std::uint32_t textChecksum(std::string_view text);

} // namespace korvanda
