#pragma once

#include <QSettings>
#include <QString>

#include <filesystem>

namespace korvanda {

// Choices a window keeps for one meet folder, in the program's own
// settings rather than the folder, so a folder copied to another laptop
// brings none of them along: "Part/" and a short hash of the folder's full
// path, e.g. "MeetCheck/0123456789abcdef".
QString meetSettingsGroup(const QString& part, const std::filesystem::path& directory);

// The program's settings, wherever the window is made.
QSettings programSettings();

} // namespace korvanda
