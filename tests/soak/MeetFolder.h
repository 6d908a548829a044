#pragma once

#include "soak/SoakAction.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace korvanda::soak {

// What one name in the meet folder holds at a moment.
struct FolderEntry {
    bool directory = false;
    std::string bytes;
    std::filesystem::file_time_type written;

    bool operator==(const FolderEntry&) const = default;
};
using FolderState = std::map<std::string, FolderEntry>;

FolderState readFolder(const std::filesystem::path& folder);

// The files that are new or were rewritten between the two states.
std::vector<std::string> changedFiles(const FolderState& before, const FolderState& after);

// True when `bytes` is what some file held before: a file moved to its
// backup name carries the old text, whole or not.
bool heldBefore(const FolderState& before, const std::string& bytes);

// A small meet of a few teams for the soak, the same for the same seed:
// "Teams.Csv" and one data file per team.
void writeScratchMeet(const std::filesystem::path& folder, std::uint64_t seed);

// A change to the folder under the program's feet: a file deleted, cut
// short or filled with garbage, a directory in the place of a file, or
// ("mend") every such directory taken away again.
SoakAction pickSabotage(const FolderState& state, std::mt19937_64& rng);
void sabotage(const std::filesystem::path& folder, const SoakAction& action);

} // namespace korvanda::soak
