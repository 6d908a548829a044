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

    RosterImportTest() { meet.directory = dir.path(); }

    // Team rows as "name\tabbrev\tcoach\tdata file", in place of the blank row.
    void listTeams(const Texts& rows)
    {
        meet.teamList.setRowCount(1);
        for (const auto& row : rows)
            meet.teamList.appendRow(row);
    }

    Texts names() const
    {
        Texts cells;
        for (int r = 1; r < meet.roster.rowCount(); ++r)
            cells.push_back(meet.roster.cell(r, RosterColumn::Name));
        return cells;
    }

    Texts row(int r) const
    {
        Texts cells;
        for (int c = 0; c < RosterColumn::Count; ++c)
            cells.push_back(meet.roster.cell(r, c));
        return cells;
    }
};

} // namespace

TEST_F(RosterImportTest, TeamsInListOrderWithStoredNumberForms)
{
    listTeams({"Tigers\t TIG \tAnn\t Tigers ", "No file yet\tNON\t\t  ", "Lions\tLIO\tBo\tLions"});
    dir.write("Tigers.Csv", "\"Ann Lee\",\"9\",\"72.5\",\"3\"\r\n"
                            "\r\n"
                            "  Bo Kerr , 10.25 ,73.5, .5\r\n");
    dir.write("Lions.Csv", "Cy \"Ray\"\t,11,80,2\n\"Dee\",\"8.0\",\"61\",\"1.0\"");
    meet.rostersChanged = true;

    EXPECT_TRUE(loadRosters(meet, false, dialogs));

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(meet.rostersChanged);
    EXPECT_EQ(names(), (Texts{"Ann Lee", "Bo Kerr", "Cy Ray", "Dee"}));
    EXPECT_EQ(row(1), (Texts{"Ann Lee", "9.0", "72", "3.0", "TIG", compositeValue("9.0", "72", "3.0"), "", ""}));
    EXPECT_EQ(row(2), (Texts{"Bo Kerr", "10.3", "74", "0.5", "TIG", compositeValue("10.3", "74", "0.5"), "", ""}));
    EXPECT_EQ(row(4)[RosterColumn::Team], "LIO");
}

TEST_F(RosterImportTest, AssumePresentMarksOnlyTheAddedRows)
{
    listTeams({"Tigers\tTIG\t\tTigers"});
    dir.write("Tigers.Csv", "\"Ann\",\"9\",\"70\",\"3\"\r\n\"Bad\",\"x\",\"70\",\"3\"\r\n\"Bo\",\"10\",\"71\",\"2\"\r\n");
    for (const bool present : {true, false}) {
        Meet fresh;
        fresh.directory = dir.path();
        fresh.teamList = meet.teamList;
        fresh.roster.setRowCount(1);
        fresh.roster.appendRow("Old\t12.0\t90\t1.0\tTIG\t0\t\t");
        EXPECT_TRUE(loadRosters(fresh, present, dialogs));
        ASSERT_EQ(fresh.roster.rowCount(), 4);
        EXPECT_EQ(fresh.roster.cell(1, RosterColumn::Here), present ? "Yes" : "");
        EXPECT_EQ(fresh.roster.cell(2, RosterColumn::Here), present ? "Yes" : "");
        EXPECT_EQ(fresh.roster.cell(3, RosterColumn::Name), "Old");
        EXPECT_EQ(fresh.roster.cell(3, RosterColumn::Here), "");
    }
}

TEST_F(RosterImportTest, BadRecordsAreReportedAndSkipped)
{
    listTeams({"Tigers\tTIG\t\tTigers"});
    dir.write("Tigers.Csv", "\" Ann \",\"nine\",\"70\",\"3\"\r\n"
                            "\"Bo\",\"9\",\"\",\"3\"\r\n"
                            "\"Cy\",\"9\",\"70\",\"3 kg\"\r\n"
                            "\"Dee\",\"9\",\"70\"\r\n"
                            "\"Eve\",\"9\",\"70\",\"3\"\r\n");
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.shown, (Texts{"Non-numeric data encountered for Ann -- Record skipped.",
                                    "Non-numeric data encountered for Bo -- Record skipped.",
                                    "Non-numeric data encountered for Cy -- Record skipped.",
                                    "Non-numeric data encountered for Dee -- Record skipped."}));
    EXPECT_EQ(names(), (Texts{"Eve"}));
}

TEST_F(RosterImportTest, DuplicatesAcrossTeamsAskAndYesGoesOn)
{
    listTeams({"Tigers\tTIG\t\tTigers", "Lions\tLIO\t\tLions"});
    dir.write("Tigers.Csv", "\"Ann\",\"9\",\"70\",\"3\"\r\n\"Bo\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Lions.Csv", "\"ann\",\"9\",\"70\",\"3\"\r\n\"Ann\",\"10\",\"75\",\"2\"\r\n\"Cy\",\"9\",\"70\",\"3\"\r\n");
    dialogs.queueAnswers({true});
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.questions, (Texts{"Ann is duplicated and could not be added. Continue? "}));
    EXPECT_EQ(names(), (Texts{"Ann", "Bo", "ann", "Cy"}));
    EXPECT_EQ(meet.roster.cell(1, RosterColumn::Age), "9.0");
}

TEST_F(RosterImportTest, NoStopsAtOnceAndKeepsWhatWasAdded)
{
    listTeams({"Tigers\tTIG\t\tTigers", "Lions\tLIO\t\tLions", "Bears\tBEA\t\tBears"});
    dir.write("Tigers.Csv", "\"Ann\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Lions.Csv", "\"Bo\",\"9\",\"70\",\"3\"\r\n\"Ann\",\"9\",\"70\",\"3\"\r\n\"Cy\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Bears.Csv", "\"Dee\",\"9\",\"70\",\"3\"\r\n");
    for (const bool changed : {true, false}) {
        meet.roster = Table::withCaptions(rosterCaptions);
        meet.rostersChanged = changed;
        dialogs.questions.clear();
        EXPECT_FALSE(loadRosters(meet, true, dialogs));
        EXPECT_EQ(dialogs.questions.size(), 1u);
        EXPECT_EQ(meet.rostersChanged, changed);
        // The empty row the roster started with stays behind the added rows.
        EXPECT_EQ(names(), (Texts{"Ann", "Bo", ""}));
    }
}

TEST_F(RosterImportTest, ASecondImportRefusesEveryWrestler)
{
    listTeams({"Tigers\tTIG\t\tTigers", "Lions\tLIO\t\tLions"});
    dir.write("Tigers.Csv", "\"Ann\",\"9\",\"70\",\"3\"\r\n\"Bo\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Lions.Csv", "\"Cy\",\"9\",\"70\",\"3\"\r\n");
    ASSERT_TRUE(loadRosters(meet, false, dialogs));
    const Table first = meet.roster;
    meet.rostersChanged = true;

    dialogs.queueAnswers({true, true, true});
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.questions, (Texts{"Ann is duplicated and could not be added. Continue? ",
                                        "Bo is duplicated and could not be added. Continue? ",
                                        "Cy is duplicated and could not be added. Continue? "}));
    EXPECT_EQ(meet.roster, first);
    EXPECT_FALSE(meet.rostersChanged);
}

TEST_F(RosterImportTest, BlankNameMeetsTheInitialEmptyRow)
{
    listTeams({"Tigers\tTIG\t\tTigers"});
    dir.write("Tigers.Csv", "\"  \",\"9\",\"70\",\"3\"\r\n\"Ann\",\"9\",\"70\",\"3\"\r\n");
    dialogs.queueAnswers({true});
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.questions, (Texts{" is duplicated and could not be added. Continue? "}));
    EXPECT_EQ(names(), (Texts{"Ann"}));
}

TEST_F(RosterImportTest, UnreadableTeamFilesAreReportedAndPassedOver)
{
    listTeams({"Ghosts\tGHO\t\tGhosts", "Blank\tBLA\t\t ", "Sneaks\tSNE\t\t../Sneaks", "Lions\tLIO\t\tLions"});
    dir.write("Lions.Csv", "\"Cy\",\"9\",\"70\",\"3\"\r\n");
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.warnings, (Texts{"Couldn't read Ghosts.Csv; that team's wrestlers were not loaded.",
                                       "Couldn't read ../Sneaks.Csv; that team's wrestlers were not loaded."}));
    EXPECT_EQ(names(), (Texts{"Cy"}));
}

TEST_F(RosterImportTest, AnImportThatAddsNothingKeepsOneDataRow)
{
    listTeams({"Tigers\tTIG\t\tTigers"});
    dir.write("Tigers.Csv", "");
    meet.rostersChanged = true;
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(meet.roster.rowCount(), 2);
    EXPECT_FALSE(meet.rostersChanged);
}
