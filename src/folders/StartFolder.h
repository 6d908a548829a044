#pragma once

#include <filesystem>
#include <optional>

namespace korvanda {

// Everything the start looks at to find the meet it opens.
struct StartPlaces {
    // The folder named on the command line.
    std::optional<std::filesystem::path> argument;
    // Where the program itself lies; a meet there is the portable layout.
    std::filesystem::path programFolder;
    // The meet opened last, from the recent list.
    std::optional<std::filesystem::path> lastMeet;
    // The user's documents folder, home of the demo meet made at first start.
    std::filesystem::path documents;
};

enum class StartReason { Argument, Portable, LastMeet, FirstStart };

struct StartFolder {
    StartReason reason;
    std::filesystem::path folder;

    bool operator==(const StartFolder&) const = default;
};

inline constexpr const char* demoMeetFolderName = "Demo Meet";

// The named folder; else the program's own folder when it holds a meet;
// else the meet opened last; else, at the very first start, "Demo Meet" in
// the documents folder.
StartFolder chooseStartFolder(const StartPlaces& places);

} // namespace korvanda
