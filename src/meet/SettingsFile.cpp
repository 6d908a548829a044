#include "meet/SettingsFile.h"

#include "meet/CsvRecord.h"
#include "meet/Numbers.h"
#include "meet/TextFile.h"

#include <algorithm>

namespace korvanda {

const std::vector<SettingRecord>& savedControls()
{
    static const std::vector<SettingRecord> controls = {
        { 1, ControlKind::TextBox, "NumMatsBox", "" },
        { 1, ControlKind::CheckBox, "AssumePresentCheck", "" },
        { 1, ControlKind::CheckBox, "OmitAbsentsCheck", "" },
        { 1, ControlKind::CheckBox, "BSheetSkillsCheck", "" },
        { 1, ControlKind::CheckBox, "BListSkillsCheck", "" },
        { 2, ControlKind::TextBox, "IdealDiffAgeBox", "" },
        { 2, ControlKind::TextBox, "IdealDiffWeightBox", "" },
        { 2, ControlKind::TextBox, "IdealDiffSkillBox", "" },
        { 2, ControlKind::TextBox, "MaxDiffAgeBox", "" },
        { 2, ControlKind::TextBox, "MaxDiffWeightBox", "" },
        { 2, ControlKind::TextBox, "MaxDiffSkillBox", "" },
        { 2, ControlKind::TextBox, "MinBoutsBox", "" },
        { 2, ControlKind::TextBox, "MaxBoutsBox", "" },
        { 2, ControlKind::CheckBox, "AgeCheck", "" },
        { 2, ControlKind::CheckBox, "WeightCheck", "" },
        { 2, ControlKind::CheckBox, "SkillCheck", "" },
        { 2, ControlKind::CheckBox, "CompCheck", "" },
        { 2, ControlKind::CheckBox, "SameTeamCheck", "" },
    };
    return controls;
}

std::vector<SettingRecord> parseSettingsFile(std::string_view text)
{
    std::vector<SettingRecord> records;
    for (const auto& line : splitLines(text)) {
        const auto fields = splitRecord(line);
        if (fields.size() < 4)
            continue;
        const auto window = readSingle(fields[0]);
        if (!window)
            continue;
        SettingRecord record;
        record.window = static_cast<int>(std::clamp(roundHalfEven(*window), -1.0, 1000.0));
        if (fields[1] == "TextBox")
            record.kind = ControlKind::TextBox;
        else if (fields[1] == "CheckBox")
            record.kind = ControlKind::CheckBox;
        else
            continue;
        record.control = fields[2];
        record.value = fields[3];
        records.push_back(std::move(record));
    }
    return records;
}

std::string settingsFileText(const std::vector<SettingRecord>& records)
{
    std::string text;
    for (const auto& record : records) {
        text += std::to_string(record.window);
        if (record.kind == ControlKind::TextBox)
            text += ",\"TextBox\",\"" + record.control + "\",\"" + withoutFileBreakers(record.value) + "\"\r\n";
        else
            text += ",\"CheckBox\",\"" + record.control + "\"," + withoutFileBreakers(record.value) + "\r\n";
    }
    return text;
}

} // namespace korvanda
