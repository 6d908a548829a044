#include "folders/RecentMeets.h"

#include <algorithm>

namespace korvanda {

namespace {

// "Spring/" and "Spring/./" name the same meet as "Spring".
std::filesystem::path sameForm(const std::filesystem::path& folder)
{
    auto normal = folder.lexically_normal();
    if (normal.has_relative_path() && !normal.has_filename())
        normal = normal.parent_path();
    return normal;
}

} // namespace

std::vector<std::filesystem::path> withRecentMeet(
    std::vector<std::filesystem::path> recent, const std::filesystem::path& folder)
{
    recent = withoutMeet(std::move(recent), folder);
    recent.insert(recent.begin(), sameForm(folder));
    if (recent.size() > recentMeetCount)
        recent.resize(recentMeetCount);
    return recent;
}

std::vector<std::filesystem::path> withoutMeet(
    std::vector<std::filesystem::path> recent, const std::filesystem::path& folder)
{
    const auto gone = sameForm(folder);
    std::erase_if(recent, [&gone](const std::filesystem::path& entry) { return sameForm(entry) == gone; });
    return recent;
}

} // namespace korvanda
