#pragma once

#include "network/RequestHandler.h"

#include <filesystem>
#include <string>
#include <vector>

namespace korvanda {

inline constexpr const char* networkLogFileName = "NetworkLog.Txt";

// One line of the log, in the laptop's local time: "2026-12-05 09:14:02
// mat 2  bout 17  Fall, Red (Ann Adams) wins  from 10.0.0.5  stored".
std::string networkLogLine(const NetworkLogEntry& entry);

// Adds the lines, each ending CR LF, to the log in the meet folder, kept
// beside the meet's files so a disputed bout can be looked up after the
// meet. False when the file cannot be written.
bool appendNetworkLog(const std::filesystem::path& folder, const std::vector<std::string>& lines);

} // namespace korvanda
