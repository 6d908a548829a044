#pragma once

#include <filesystem>
#include <string_view>

// How a file is replaced on the system the program runs on. Both programs
// save every file through here; nothing else knows which system it is.
namespace platform {

// Where a file is written before it takes the place of `path`: "Name.new".
std::filesystem::path temporaryFor(const std::filesystem::path& path);

// Writes `bytes` to the temporary beside `path` and flushes it to the disk,
// so it survives the power going off. A temporary left over from a crash is
// replaced; a directory of that name is somebody's data and stays. False,
// with no temporary left behind, when any step fails.
bool writeTemporary(const std::filesystem::path& path, std::string_view bytes);

// Puts the complete temporary in the place of `path` in one step. False,
// with `path` whole and the temporary removed, when that cannot be done: a
// directory in the way, or on Windows a file another program holds open or
// one marked read-only.
bool replaceWithTemporary(const std::filesystem::path& path);

// Both steps: the old file stays whole until the new one is complete.
bool saveReplacing(const std::filesystem::path& path, std::string_view bytes);

} // namespace platform
