#pragma once

#include <filesystem>
#include <vector>

namespace korvanda {

inline constexpr std::size_t recentMeetCount = 5;

// The recent list after `folder` was opened: it comes first, an earlier
// entry for it goes, and only the five most recent stay.
std::vector<std::filesystem::path> withRecentMeet(
    std::vector<std::filesystem::path> recent, const std::filesystem::path& folder);

// The recent list without `folder`, say after it was found missing.
std::vector<std::filesystem::path> withoutMeet(
    std::vector<std::filesystem::path> recent, const std::filesystem::path& folder);

} // namespace korvanda
