#include "teams/TeamFiles.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

struct TeamFilesTest : ::testing::Test {
    TempDir dir;
    Meet meet;

    TeamFilesTest() { meet.directory = dir.path(); }

    void addWrestler(const std::string& tabText)
    {
        if (meet.roster.rowCount() == 2 && meet.roster.cell(1, 0).empty())
            meet.roster.setRowCount(1);
        meet.roster.appendRow(tabText);
    }
};

} // namespace

TEST_F(TeamFilesTest, ReadsTeamsInFileOrderWithoutTheBlankRow)
{
    dir.write("Teams.Csv", "\"Tigers, North\",\"TIG\",\"Ann Loe\",\"Tigers\"\r\n"
                           " Lions , LIO , Bo Kerr , Lions\r\n"
                           "\r\n"
                           "\"Bears\",\"BEA\"\n");
    readTeamList(meet);
    ASSERT_EQ(meet.teamList.rowCount(), 4);
    EXPECT_EQ(meet.teamList.cell(1, 0), "Tigers, North");
    EXPECT_EQ(meet.teamList.cell(2, 1), "LIO");
    EXPECT_EQ(meet.teamList.cell(2, 2), "Bo Kerr");
    EXPECT_EQ(meet.teamList.cell(3, 0), "Bears");
    EXPECT_EQ(meet.teamList.cell(3, 3), "");
}

TEST_F(TeamFilesTest, MissingOrEmptyListStartsEmpty)
{
    readTeamList(meet);
    EXPECT_EQ(meet.teamList.rowCount(), 2);
    dir.write("Teams.Csv", "");
    readTeamList(meet);
    EXPECT_EQ(meet.teamList.rowCount(), 2);
    EXPECT_EQ(meet.teamList.cell(1, 0), "");
}

TEST_F(TeamFilesTest, BackupNames)
{
    EXPECT_EQ(backupName("Teams.Csv"), "Teams.Bak");
    EXPECT_EQ(backupName("Tigers.Csv"), "Tigers.Bak");
    EXPECT_EQ(backupName("a.b.Csv"), "a.Bak");
}

TEST_F(TeamFilesTest, SaveWritesListAndTeamsWithWrestlers)
{
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("  Tigers \tTIG \tAnn Loe\t Tigers ");
    meet.teamList.appendRow("Lions\tLIO\tBo Kerr\tLions");
    addWrestler("Kim Sorel \t9.0\t62\t2.0\tTIG\t50\tYes\t");
    addWrestler("Ada Brun\t10.0\t64\t3.0\t TIG\t55\t\t");
    addWrestler("Lu Pell\t11.0\t70\t1.0\tTIG\t60\t\t3");
    dir.write("Lions.Csv", "untouched");

    savePermFiles(meet);
    EXPECT_EQ(dir.read("Teams.Csv"), "\"Tigers\",\"TIG\",\"Ann Loe\",\"Tigers\"\r\n"
                                     "\"Lions\",\"LIO\",\"Bo Kerr\",\"Lions\"\r\n");
    EXPECT_EQ(dir.read("Tigers.Csv"), "\"Kim Sorel\",\"9.0\",\"62\",\"2.0\"\r\n"
                                      "\"Lu Pell\",\"11.0\",\"70\",\"1.0\"\r\n")
        << "a Team cell with a leading space belongs to no team";
    EXPECT_EQ(dir.read("Lions.Csv"), "untouched");
    EXPECT_FALSE(dir.exists("Lions.Bak"));
    EXPECT_FALSE(dir.exists("Teams.Bak"));

    const std::string firstList = dir.read("Teams.Csv");
    const std::string firstTigers = dir.read("Tigers.Csv");
    meet.roster.setCell(1, 1, "9.5");
    savePermFiles(meet);
    savePermFiles(meet);
    EXPECT_EQ(dir.read("Teams.Bak"), firstList);
    EXPECT_NE(dir.read("Tigers.Bak"), firstTigers) << "the backup holds what the previous save wrote";
    EXPECT_EQ(dir.read("Tigers.Bak"), dir.read("Tigers.Csv"));
}

TEST_F(TeamFilesTest, EmptyFirstTeamNameWritesNothing)
{
    meet.teamList.setCell(1, 1, "TIG");
    addWrestler("Kim\t9.0\t62\t2.0\tTIG\t50\t\t");
    savePermFiles(meet);
    EXPECT_FALSE(dir.exists("Teams.Csv"));
}

TEST_F(TeamFilesTest, DataFileOutsideTheMeetDirectoryIsNotWritten)
{
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG\tAnn\t../Tigers");
    addWrestler("Kim\t9.0\t62\t2.0\tTIG\t50\t\t");
    savePermFiles(meet);
    EXPECT_TRUE(dir.exists("Teams.Csv"));
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "Tigers.Csv"));
}

TEST_F(TeamFilesTest, CountTeamWrestlersIsExact)
{
    addWrestler("A\t\t\t\tTIG\t\t\t");
    addWrestler("B\t\t\t\tTIG \t\t\t");
    addWrestler("C\t\t\t\ttig\t\t\t");
    EXPECT_EQ(countTeamWrestlers(meet.roster, "TIG"), 1);
}

TEST_F(TeamFilesTest, ADataFileNamedAfterAMeetFileNeverOverwritesIt)
{
    EXPECT_TRUE(isMeetFileName("Teams"));
    EXPECT_TRUE(isMeetFileName("TEAMS"));
    EXPECT_TRUE(isMeetFileName("teams.old")) << "its backup would be Teams.Bak";
    EXPECT_TRUE(isMeetFileName("restore"));
    EXPECT_TRUE(isMeetFileName("KorvandaSettings"));
    EXPECT_FALSE(isMeetFileName("Tigers"));
    EXPECT_FALSE(isMeetFileName("Teamsters"));

    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG\tAnn\tTeams");
    meet.teamList.appendRow("Lions\tLIO\tBo\tRestore");
    meet.teamList.appendRow("Bears\tBEA\tCy\tBears");
    addWrestler("Kim\t9.0\t62\t2.0\tTIG\t50\t\t");
    addWrestler("Lu\t9.0\t62\t2.0\tLIO\t50\t\t");
    addWrestler("Mo\t9.0\t62\t2.0\tBEA\t50\t\t");
    dir.write("Restore.Csv", "the meet");
    savePermFiles(meet);
    EXPECT_EQ(dir.read("Teams.Csv"), "\"Tigers\",\"TIG\",\"Ann\",\"Teams\"\r\n"
                                     "\"Lions\",\"LIO\",\"Bo\",\"Restore\"\r\n"
                                     "\"Bears\",\"BEA\",\"Cy\",\"Bears\"\r\n");
    EXPECT_EQ(dir.read("Restore.Csv"), "the meet");
    EXPECT_EQ(dir.read("Bears.Csv"), "\"Mo\",\"9.0\",\"62\",\"2.0\"\r\n");
}
