#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvanda {

inline constexpr const char* settingsFileName = "KorvandaSettings.Csv";

enum class ControlKind { TextBox, CheckBox };

// One line of the settings file: which window (1 the team list, 2 the
// roster), which control by name, and its text or check state (0, 1, 2).
struct SettingRecord {
    int window = 0;
    ControlKind kind = ControlKind::TextBox;
    std::string control;
    std::string value;

    bool operator==(const SettingRecord&) const = default;
};

// The controls kept between runs, in the order the file lists them.
const std::vector<SettingRecord>& savedControls();

// Every record that can be read; a line that cannot is passed over.
std::vector<SettingRecord> parseSettingsFile(std::string_view text);

// The file's bytes for these records.
std::string settingsFileText(const std::vector<SettingRecord>& records);

} // namespace korvanda
