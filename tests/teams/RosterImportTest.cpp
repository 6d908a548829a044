#include "teams/RosterImport.h"

#include "matching/PairingMeasures.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace korvanda;

namespace {

using Texts = std::vector<std::string>;

struct RosterImportTest : ::testing::Test {
    TempDir dir;
    Meet meet;
    FakeDialogs dialogs;

    // Teams as "name\tabbrev\tcoach\tdata file", in place of the blank row.
    explicit RosterImportTest(const Texts& teams = {"Tigers\t TIG \t\t Tigers ", "Lions\tLIO\t\tLions"})
    {
        meet.directory = dir.path();
        meet.teamList.setRowCount(1);
        for (const auto& team : teams)
            meet.teamList.appendRow(team);
    }

    Texts column(int c) const
    {
        Texts cells;
        for (int r = 1; r < meet.roster.rowCount(); ++r)
            cells.push_back(meet.roster.cell(r, c));
        return cells;
    }
};

std::string duplicated(const std::string& name)
{
    return name + " is duplicated and could not be added. Continue? ";
}

} // namespace

TEST_F(RosterImportTest, TeamsInListOrderWithStoredNumberForms)
{
    dir.write("Tigers.Csv", "\"Ann Lee\",\"9\",\"72.5\",\"3\"\r\n\r\n  Bo , 10.25 ,73.5, .5\r\n");
    dir.write("Lions.Csv", "Cy \"Ray\"\t,11,80,2\n\"ann lee\",\"8.0\",\"61\",\"1.0\"");
    meet.roster.setCell(1, RosterColumn::Name, "Old");
    meet.roster.setCell(1, RosterColumn::Age, "12.0");
    meet.rostersChanged = true;

    EXPECT_TRUE(loadRosters(meet, true, dialogs));

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(meet.rostersChanged);
    EXPECT_EQ(column(RosterColumn::Name), (Texts{"Ann Lee", "Bo", "Cy Ray", "ann lee", "Old"}));
    EXPECT_EQ(column(RosterColumn::Age), (Texts{"9.0", "10.3", "11.0", "8.0", "12.0"}));
    EXPECT_EQ(column(RosterColumn::Wgt), (Texts{"72", "74", "80", "61", ""}));
    EXPECT_EQ(column(RosterColumn::Skill), (Texts{"3.0", "0.5", "2.0", "1.0", ""}));
    EXPECT_EQ(column(RosterColumn::Team), (Texts{"TIG", "TIG", "LIO", "LIO", ""}));
    EXPECT_EQ(column(RosterColumn::Here), (Texts{"Yes", "Yes", "Yes", "Yes", ""}));
    EXPECT_EQ(meet.roster.cell(1, RosterColumn::Cmp), compositeValue("9.0", "72", "3.0"));
}

TEST_F(RosterImportTest, DuplicatesAskAndNoStopsAtOnce)
{
    dir.write("Tigers.Csv", "\"Ann\",\"9\",\"70\",\"3\"\r\n\"Bo\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Lions.Csv", "\"Ann\",\"10\",\"75\",\"2\"\r\n\"Cy\",\"9\",\"70\",\"3\"\r\n\"Bo\",\"9\",\"70\",\"3\"\r\n"
                           "\"Dee\",\"9\",\"70\",\"3\"\r\n");
    meet.rostersChanged = true;
    dialogs.queueAnswers({true, false});
    EXPECT_FALSE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.questions, (Texts{duplicated("Ann"), duplicated("Bo")}));
    // What was added stays, ahead of the empty row the roster started with.
    EXPECT_EQ(column(RosterColumn::Name), (Texts{"Ann", "Bo", "Cy", ""}));
    EXPECT_EQ(meet.roster.cell(1, RosterColumn::Age), "9.0");
    EXPECT_EQ(column(RosterColumn::Here), (Texts{"", "", "", ""}));
    EXPECT_TRUE(meet.rostersChanged);
}

TEST_F(RosterImportTest, ASecondImportRefusesEveryWrestler)
{
    dir.write("Tigers.Csv", "\"Ann\",\"9\",\"70\",\"3\"\r\n\"Bo\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Lions.Csv", "\"Cy\",\"9\",\"70\",\"3\"\r\n");
    ASSERT_TRUE(loadRosters(meet, false, dialogs));
    const Table first = meet.roster;
    dialogs.queueAnswers({true, true, true});
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.questions, (Texts{duplicated("Ann"), duplicated("Bo"), duplicated("Cy")}));
    EXPECT_EQ(meet.roster, first);
}

TEST_F(RosterImportTest, BlankNameMeetsTheInitialEmptyRow)
{
    dir.write("Tigers.Csv", "\"  \",\"9\",\"70\",\"3\"\r\n\"Ann\",\"9\",\"70\",\"3\"\r\n");
    dialogs.queueAnswers({true});
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.questions, (Texts{duplicated("")}));
    EXPECT_EQ(column(RosterColumn::Name), (Texts{"Ann"}));
}

TEST_F(RosterImportTest, BadRecordsAndUnreadableFilesArePassedOver)
{
    meet.teamList.appendRow("Ghosts\tGHO\t\tGhosts");
    meet.teamList.appendRow("Blank\tBLA\t\t ");
    meet.teamList.appendRow("Sneaks\tSNE\t\t../Sneaks");
    dir.write("Tigers.Csv", "\" Ann \",\"nine\",\"70\",\"3\"\r\n\"Bo\",\"9\",\"\",\"3\"\r\n\"Cy\",\"9\",\"70\",\"3 kg\"\r\n"
                            "\"Dee\",\"9\",\"70\"\r\n\"Eve\",\"9\",\"70\",\"3\"\r\n");
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.shown, (Texts{"Non-numeric data encountered for Ann -- Record skipped.",
                                    "Non-numeric data encountered for Bo -- Record skipped.",
                                    "Non-numeric data encountered for Cy -- Record skipped.",
                                    "Non-numeric data encountered for Dee -- Record skipped.",
                                    "Couldn't read Lions.Csv; that team's wrestlers were not loaded.",
                                    "Couldn't read Ghosts.Csv; that team's wrestlers were not loaded.",
                                    "Couldn't read ../Sneaks.Csv; that team's wrestlers were not loaded."}));
    EXPECT_EQ(dialogs.warnings.size(), 3u);
    EXPECT_EQ(column(RosterColumn::Name), (Texts{"Eve"}));

    // An import that adds nobody leaves the roster its one empty row.
    Meet empty;
    empty.directory = dir.path();
    empty.teamList = meet.teamList;
    dir.write("Tigers.Csv", "");
    EXPECT_TRUE(loadRosters(empty, false, dialogs));
    EXPECT_EQ(empty.roster.rowCount(), 2);
}

TEST_F(RosterImportTest, TheMeetsOwnFilesAreNoTeamFiles)
{
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Odd\tODD\t\tteams");
    meet.teamList.appendRow("Odder\tODR\t\tRestore");
    meet.teamList.appendRow("Tigers\tTIG\t\tTigers");
    dir.write("teams.Csv", "\"Ann\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Restore.Csv", "\"Bo\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Tigers.Csv", "\"Cy\",\"9\",\"70\",\"3\"\r\n");
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.warnings,
              (Texts{"teams.Csv is one of the meet's own files, not a team's data file; that team's wrestlers were "
                     "not loaded.",
                     "Restore.Csv is one of the meet's own files, not a team's data file; that team's wrestlers were "
                     "not loaded."}));
    EXPECT_EQ(column(RosterColumn::Name), (Texts{"Cy"}));
}
