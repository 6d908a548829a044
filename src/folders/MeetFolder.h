#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvanda {

// Why a folder cannot hold a meet: every file of the meet is read from and
// written to it, so it must exist, be a folder and take new files.
enum class FolderProblem { None, Missing, NotAFolder, NotWritable };

FolderProblem checkMeetFolder(const std::filesystem::path& folder);

// The message for a refused folder, naming it as `shownFolder` (Latin-1).
std::string folderProblemMessage(FolderProblem problem, std::string_view shownFolder);

// The folder already holds a team list, so it is a meet.
bool holdsMeet(const std::filesystem::path& folder);

// Makes `folder` (and any missing folders above it) an empty meet: an empty
// team list. An existing "Teams.Csv" is never replaced. False when the
// folder or the file cannot be made.
bool startEmptyMeet(const std::filesystem::path& folder);

// Copies every file of the demo meet into `folder`, made when missing. A
// file the folder already has is kept as it is, so nothing is overwritten.
// False when the demo meet has no team list or a copy fails.
bool copyDemoMeet(const std::filesystem::path& demoMeet, const std::filesystem::path& folder);

} // namespace korvanda
