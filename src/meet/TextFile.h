#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvanda {

// The whole file as bytes, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Lines ended by CR LF, LF or nothing (the last line); the line ends are
// dropped. A text ending in a line end has no empty line after it.
std::vector<std::string> splitLines(std::string_view text);

// Writes `bytes` to a temporary file beside `path` ("Name.new"), flushes it
// to the disk and then puts it in place, so the old file stays whole until
// the new one is complete, even when the power goes. A temporary left over
// from a crash is replaced. Returns false, with nothing changed, when any
// step fails (a full disk, a directory in the way, a read-only place).
bool saveFileSafely(const std::filesystem::path& path, std::string_view bytes);

// Like saveFileSafely; the version being replaced is first kept as
// `backup`, and a backup without a file to keep is removed, so the backup
// always holds the version before the last save.
bool saveFileWithBackup(const std::filesystem::path& path, const std::filesystem::path& backup, std::string_view bytes);

// Removes the characters that no file of the meet can carry: double quotes,
// which end a field, and tabs and line ends, which end a cell or a record.
std::string withoutFileBreakers(std::string_view text);

} // namespace korvanda
