#include "meet/SettingsFile.h"

#include <gtest/gtest.h>

using namespace korvanda;

using Records = std::vector<SettingRecord>;

// Check boxes are bare, text boxes quoted; quotes, tabs and line ends are
// dropped so that no value can break its record.
TEST(SettingsFileTest, WritesRecordsInTheirForm)
{
    const Records records = {
        { 2, ControlKind::TextBox, "MaxDiffWeightBox", "10" },
        { 1, ControlKind::CheckBox, "OmitAbsentsCheck", "0" },
        { 2, ControlKind::TextBox, "MinBoutsBox", "1,5 \"x\"" },
        { 1, ControlKind::TextBox, "NumMatsBox", "2\t\"\r\n" },
        { 1, ControlKind::CheckBox, "OmitAbsentsCheck", "1\r\n" },
    };
    const std::string text = settingsFileText(records);
    EXPECT_EQ(text,
        "2,\"TextBox\",\"MaxDiffWeightBox\",\"10\"\r\n"
        "1,\"CheckBox\",\"OmitAbsentsCheck\",0\r\n"
        "2,\"TextBox\",\"MinBoutsBox\",\"1,5 x\"\r\n"
        "1,\"TextBox\",\"NumMatsBox\",\"2\"\r\n"
        "1,\"CheckBox\",\"OmitAbsentsCheck\",1\r\n");
    EXPECT_EQ(parseSettingsFile(text)[3], (SettingRecord { 1, ControlKind::TextBox, "NumMatsBox", "2" }));
}

TEST(SettingsFileTest, ReadsWhatItCanAndSkipsTheRest)
{
    const auto records = parseSettingsFile("2,\"TextBox\",\"MaxDiffWeightBox\",\"1,5\"\r\n"
                                           "3,\"TextBox\",\"Elsewhere\",\"x\"\r\n"
                                           "1,\"Slider\",\"NumMatsBox\",\"4\"\r\n"
                                           "one,\"TextBox\",\"NumMatsBox\",\"4\"\r\n"
                                           "1,\"CheckBox\"\r\n"
                                           "\r\n"
                                           "1,\"CheckBox\",\"OmitAbsentsCheck\",0\n");
    const Records expected = {
        { 2, ControlKind::TextBox, "MaxDiffWeightBox", "1,5" },
        { 3, ControlKind::TextBox, "Elsewhere", "x" },
        { 1, ControlKind::CheckBox, "OmitAbsentsCheck", "0" },
    };
    EXPECT_EQ(records, expected);
}
