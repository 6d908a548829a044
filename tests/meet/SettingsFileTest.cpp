#include "meet/SettingsFile.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(SettingsFileTest, WritesRecordsInTheirForm)
{
    const std::vector<SettingRecord> records = {
        {2, ControlKind::TextBox, "MaxDiffWeightBox", "10"},
        {1, ControlKind::CheckBox, "OmitAbsentsCheck", "0"},
        {2, ControlKind::TextBox, "MinBoutsBox", "1,5 \"x\""},
    };
    EXPECT_EQ(settingsFileText(records), "2,\"TextBox\",\"MaxDiffWeightBox\",\"10\"\r\n"
                                         "1,\"CheckBox\",\"OmitAbsentsCheck\",0\r\n"
                                         "2,\"TextBox\",\"MinBoutsBox\",\"1,5 x\"\r\n");
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
    const std::vector<SettingRecord> expected = {
        {2, ControlKind::TextBox, "MaxDiffWeightBox", "1,5"},
        {3, ControlKind::TextBox, "Elsewhere", "x"},
        {1, ControlKind::CheckBox, "OmitAbsentsCheck", "0"},
    };
    EXPECT_EQ(records, expected);
}

TEST(SettingsFileTest, EighteenControlsInFileOrder)
{
    const auto& controls = savedControls();
    ASSERT_EQ(controls.size(), 18u);
    EXPECT_EQ(controls.front().control, "NumMatsBox");
    EXPECT_EQ(controls[2].control, "OmitAbsentsCheck");
    EXPECT_EQ(controls[3].control, "BSheetSkillsCheck");
    EXPECT_EQ(controls[12].control, "MaxBoutsBox");
    EXPECT_EQ(controls.back().control, "SameTeamCheck");
    EXPECT_EQ(controls.back().window, 2);
}

TEST(SettingsFileTest, NoValueCanBreakItsRecord)
{
    const std::vector<SettingRecord> records = {
        {1, ControlKind::TextBox, "NumMatsBox", "2\t\"\r\n"},
        {1, ControlKind::CheckBox, "OmitAbsentsCheck", "1\r\n"},
    };
    const std::string text = settingsFileText(records);
    EXPECT_EQ(text, "1,\"TextBox\",\"NumMatsBox\",\"2\"\r\n1,\"CheckBox\",\"OmitAbsentsCheck\",1\r\n");
    const std::vector<SettingRecord> back = {
        {1, ControlKind::TextBox, "NumMatsBox", "2"},
        {1, ControlKind::CheckBox, "OmitAbsentsCheck", "1"},
    };
    EXPECT_EQ(parseSettingsFile(text), back);
}
