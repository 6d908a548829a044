#include "meet/RestoreFile.h"

#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>

using namespace korvanda;

namespace {

// One team, two wrestlers and their bout.
Meet smallRestoredMeet()
{
    Meet meet;
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG\tAnn Loe\tTigers");
    meet.roster.setRowCount(1);
    meet.roster.appendRow("Kim Sorel\t9.0\t62\t2.0\tTIG\t50\tYes\t1");
    meet.roster.appendRow("Ada Brun\t10.0\t64\t3.0\tTIG\t55\t\t");
    meet.boutGrid.setRowCount(1);
    meet.boutGrid.appendRow("1\t1\t\tAda Brun\t10.0\t64\t3.0\tTIG\t5\tDecision\t\tKim Sorel\t9.0\t62\t2.0\tTIG\t2\t");
    return meet;
}

} // namespace

TEST(RestoreFileTest, ExactBytes)
{
    const std::string text = restoreFileText(Meet());
    // The captions as the team list shows them, blanks and all.
    const std::string teamBlock = "2,4\r\n\"Team Name" + std::string(62, ' ') + "\"\r\n\"Abbrev.    \"\r\n\"Head Coach"
        + std::string(21, ' ') + "\"\r\n\"Data File" + std::string(50, ' ') + "\"\r\n\"\t\t\t\"\r\n";
    EXPECT_EQ(text.substr(0, teamBlock.size()), teamBlock);
    EXPECT_NE(text.find("2,18\r\n\"Bout\"\r\n\"Mat\"\r\n\"\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\"\r\n"), std::string::npos);
    const std::string roster = tableBlockText(smallRestoredMeet().roster);
    EXPECT_EQ(roster.substr(0, 5), "3,8\r\n");
    EXPECT_NE(roster.find("\"Kim Sorel\t9.0\t62\t2.0\tTIG\t50\tYes\t1\"\r\n"), std::string::npos);
    EXPECT_NE(roster.find("\"Ada Brun\t10.0\t64\t3.0\tTIG\t55\t\t\"\r\n"), std::string::npos);
}

TEST(RestoreFileTest, WriteThenReadGivesEveryCell)
{
    TempDir dir;
    Meet meet = smallRestoredMeet();
    meet.directory = dir.path();
    meet.roster.setCell(2, 0, "Ada \"Rock\" Brun");
    FakeDialogs dialogs;
    ASSERT_TRUE(saveRestoreFile(meet, dialogs, "Save List"));

    Meet fresh;
    fresh.directory = dir.path();
    fresh.rostersChanged = true;
    ASSERT_TRUE(loadRestoreFile(fresh, dialogs));
    EXPECT_EQ(fresh.roster.cell(2, 0), "Ada Rock Brun") << "quotes cannot break the file";
    EXPECT_TRUE(fresh.rostersChanged) << "restoring leaves the flags alone";
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(restoreFileText(fresh), dir.read("Restore.Csv")) << "every cell came back";
}

TEST(RestoreFileTest, DamagedOrMissingFilesAreRefusedAndChangeNothing)
{
    const std::string good = restoreFileText(smallRestoredMeet());
    std::string noQuote = good;
    noQuote.erase(noQuote.find("\"Kim"), 1);
    const std::optional<std::string> cases[] = {
        std::nullopt, // no file at all
        "",
        "x,4\r\n",
        good.substr(0, good.size() / 2),
        good.substr(0, good.size() - 3),
        "2,5\r\n" + good.substr(5),
        good + "3,4\r\n",
        noQuote,
    };
    for (const auto& text : cases) {
        SCOPED_TRACE(text.value_or("no file").substr(0, 40));
        TempDir dir;
        if (text)
            dir.write("Restore.Csv", *text);
        Meet meet = smallRestoredMeet();
        meet.directory = dir.path();
        FakeDialogs dialogs;
        EXPECT_FALSE(loadRestoreFile(meet, dialogs));
        ASSERT_EQ(dialogs.warnings.size(), 1u);
        EXPECT_NE(dialogs.warnings[0].find(text ? "Restore.Csv is damaged" : "Couldn't read"), std::string::npos);
        EXPECT_EQ(restoreFileText(meet), good) << "no table changed";
    }
    EXPECT_TRUE(parseRestoreFile(good + "\r\n")) << "a blank line at the end is harmless";
}

TEST(RestoreFileTest, WhatAnotherProgramLeftInTheFileStaysWithinTheMeetsRules)
{
    // A table without data rows, a tab in a caption and a carriage return
    // inside a cell.
    std::string text = "1,4\r\n\"Team\"\r\n\"Abb\trev.\"\r\n\"Coach\"\r\n\"File\"\r\n"
                       "2,8\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n\"f\"\r\n\"g\"\r\n\"h\"\r\n"
                       "\"Kim\rSorel\t9.0\"\r\n"
                       "1,18\r\n";
    for (int c = 0; c < BoutColumn::Count; ++c)
        text += "\"\"\r\n";
    const auto restored = parseRestoreFile(text);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->teamList.rowCount(), 2) << "the list keeps its one empty row";
    EXPECT_EQ(restored->teamList.cell(0, TeamColumn::Abbrev), "Abbrev.");
    EXPECT_EQ(restored->boutGrid.rowCount(), 2);
    EXPECT_EQ(restored->roster.cell(1, RosterColumn::Name), "KimSorel");
    const Meet back { restored->teamList, restored->roster, restored->boutGrid };
    EXPECT_TRUE(parseRestoreFile(restoreFileText(back))) << "and it is written back readable";
}
