#include "bouts/WriteFiles.h"

#include "bouts/BoutSheets.h"
#include "bouts/PrintedLists.h"
#include "bouts/ScoreTally.h"
#include "meet/RestoreFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace korvanda;

namespace {

const PrintDate saturday{"Saturday", "Dec", 5, 2026};

const std::vector<std::string> printedFiles = {"Roster.Txt", "BoutList.Txt", "ScoreList.Txt", "BoutSheets.Txt",
                                               "ScoreTally.Txt"};

struct WriteFilesTest : ::testing::Test {
    TempDir dir;
    Meet meet;
    FakeDialogs dialogs;

    WriteFilesTest()
    {
        meet.directory = dir.path();
        meet.teamList.setRowCount(1);
        meet.teamList.appendRow("Tigers\tTIG\tAnn Loe\tTigers");
        meet.teamList.appendRow("Lions\tLIO\tBo Kerr\tLions");
        meet.roster.setRowCount(1);
        meet.roster.appendRow("Kim Sorel\t9.0\t62\t2.0\tTIG\t50\tYes\t1");
        meet.roster.appendRow("Lu Pell\t9.5\t64\t2.5\tLIO\t52\t\t1");
        meet.boutGrid.setRowCount(1);
        meet.boutGrid.appendRow("1\t1\t\tKim Sorel\t9.0\t62\t2.0\tTIG\t6\tDecision\t\tLu Pell\t9.5\t64\t2.5\tLIO\t2\t");
    }

    // Something in the way of a file's temporary copy, so it cannot be written.
    void block(const std::string& name) { std::filesystem::create_directory(dir.path() / (name + ".new")); }

    static std::string message(const std::string& name) { return "Couldn't write " + name + "; file may be in use."; }
};

} // namespace

TEST_F(WriteFilesTest, WritesTheRestoreFileTheListsAndTheTallyWithTheChosenOptions)
{
    writeFiles(meet, {.omitAbsents = true, .skillsOnBLists = true, .skillsOnBSheets = false}, saturday, dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(dir.read("Restore.Csv"), restoreFileText(meet));
    EXPECT_EQ(dir.read("Roster.Txt"), rosterListText(meet.roster, true));
    EXPECT_EQ(dir.read("BoutList.Txt"), boutListText(meet.boutGrid, true));
    EXPECT_EQ(dir.read("ScoreList.Txt"), scoreListText(meet.boutGrid));
    EXPECT_EQ(dir.read("BoutSheets.Txt"), boutSheetsText(meet.boutGrid, meet.teamList, false, saturday));
    EXPECT_EQ(dir.read("ScoreTally.Txt"), scoreTallyText(meet.teamList, meet.boutGrid));

    writeFiles(meet, {.omitAbsents = false, .skillsOnBLists = false, .skillsOnBSheets = true}, saturday, dialogs);
    EXPECT_EQ(dir.read("Roster.Txt"), rosterListText(meet.roster, false));
    EXPECT_EQ(dir.read("BoutList.Txt"), boutListText(meet.boutGrid, false));
    EXPECT_EQ(dir.read("BoutSheets.Txt"), boutSheetsText(meet.boutGrid, meet.teamList, true, saturday));
}

TEST_F(WriteFilesTest, NoBoutsEmptyTheBoutFilesOfTheLastMeet)
{
    for (const auto& name : printedFiles)
        dir.write(name, "from the last meet");
    meet.boutGrid = Table::withCaptions(boutGridCaptions);
    writeFiles(meet, {}, saturday, dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    for (const auto& name : {"BoutList.Txt", "ScoreList.Txt", "BoutSheets.Txt"})
        EXPECT_EQ(dir.read(name), "") << name;
    EXPECT_EQ(dir.read("Roster.Txt"), rosterListText(meet.roster, false));
}

TEST_F(WriteFilesTest, AFileThatCannotBeWrittenIsReportedAndTheOthersAreStillWritten)
{
    for (const auto& name : printedFiles)
        dir.write(name, "old " + name);
    block("Roster.Txt");
    block("ScoreList.Txt");
    writeFiles(meet, {}, saturday, dialogs);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{message("Roster.Txt"), message("ScoreList.Txt")}));
    EXPECT_EQ(dir.read("Roster.Txt"), "old Roster.Txt");
    EXPECT_EQ(dir.read("ScoreList.Txt"), "old ScoreList.Txt");
    EXPECT_EQ(dir.read("BoutList.Txt"), boutListText(meet.boutGrid, false));
    EXPECT_EQ(dir.read("BoutSheets.Txt"), boutSheetsText(meet.boutGrid, meet.teamList, false, saturday));
    EXPECT_EQ(dir.read("ScoreTally.Txt"), scoreTallyText(meet.teamList, meet.boutGrid));
}

TEST_F(WriteFilesTest, TheTallyIsAttemptedWhenNothingElseCouldBeWritten)
{
    for (const auto& name : printedFiles) {
        dir.write(name, "old " + name);
        block(name);
    }
    block("Restore.Csv");
    writeFiles(meet, {}, saturday, dialogs);
    ASSERT_EQ(dialogs.shown.size(), 6u);
    EXPECT_EQ(dialogs.warnings.size(), 1u) << "the restore file reports for itself";
    EXPECT_EQ(std::vector<std::string>(dialogs.shown.begin() + 1, dialogs.shown.end()),
              (std::vector<std::string>{message("Roster.Txt"), message("BoutList.Txt"), message("ScoreList.Txt"),
                                        message("BoutSheets.Txt"), message("ScoreTally.Txt")}));
    for (const auto& name : printedFiles)
        EXPECT_EQ(dir.read(name), "old " + name);
}
