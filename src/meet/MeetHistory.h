#pragma once

#include "meet/KeptState.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korvanda {

inline constexpr const char* historyFolderName = "History";

// What the history holds: the states that can be brought back, newest
// first, and the files that were skipped because they are damaged.
struct HistoryListing {
    std::vector<KeptState> states;
    std::vector<std::string> damaged;
};

// Every state the restore file held, kept in the meet folder's History
// folder, one file each ("000042.Kvs", numbered in order). Each file is
// saved like every other file of the meet: complete under its name, or not
// there at all, so a crash mid-write leaves at most a temporary that is
// ignored. Nothing is kept in memory: any copy of the program reading the
// folder sees the same history.
class MeetHistory {
public:
    explicit MeetHistory(std::filesystem::path meetFolder);

    // Keeps `text` unless the newest kept state holds the very same text.
    // False when the folder or the file cannot be written.
    bool keep(std::string_view text, const StateCounts& counts, const std::string& cause, std::time_t time) const;

    // Reads every header; a damaged file is named and skipped.
    HistoryListing list() const;

    // The restore file's text of a listed state, or nothing when the file
    // is gone or damaged since it was listed.
    std::optional<std::string> text(const KeptState& state) const;

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::optional<KeptState> readHeader(const std::filesystem::path& file) const;
    std::vector<std::pair<int, std::filesystem::path>> stateFiles() const;

    std::filesystem::path folder_;
};

} // namespace korvanda
