#include "teams/TeamFiles.h"
#include "support/FakeDialogs.h"
#include "support/TableColumn.h"
#include "support/TempDir.h"
#include "teams/RosterImport.h"
#include "teams/TeamListEdits.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

using Texts = std::vector<std::string>;

const auto duplicated = [](std::string n) { return n + " is duplicated and could not be added. Continue? "; };
const auto skipped = [](std::string n) { return "Non-numeric data encountered for " + n + " -- Record skipped."; };
const auto notSaved = [](std::string n) {
    return "Team " + n + " has no usable data file, so its wrestlers were not saved to a team file.";
};

// The team list and each team's data file, written and read back by the
// roster import; the meet starts with two teams and an empty roster.
struct TeamFilesTest : ::testing::Test {
    TempDir dir;
    Meet meet;
    FakeDialogs dialogs;

    TeamFilesTest()
    {
        meet.directory = dir.path();
        meet.teamList.setRowCount(1);
        meet.teamList.appendRow("Tigers\t TIG \t\t Tigers ");
        meet.teamList.appendRow("Lions\tLIO\t\tLions");
    }
};

} // namespace

TEST_F(TeamFilesTest, ReadsTeamsInFileOrderWithoutTheBlankRow)
{
    // A missing or empty file leaves the list its one empty row.
    meet.teamList = Meet {}.teamList;
    readTeamList(meet);
    dir.write("Teams.Csv", "");
    readTeamList(meet);
    EXPECT_EQ(meet.teamList.rowCount(), 2);

    dir.write("Teams.Csv",
        "\"Tigers, North\",\"TIG\",\"Ann Loe\",\"Tigers\"\r\n"
        "\r\n Lions , LIO , Bo Kerr , Lions\r\n");
    readTeamList(meet);
    ASSERT_EQ(meet.teamList.rowCount(), 3);
    EXPECT_EQ(meet.teamList.cell(1, TeamColumn::Name), "Tigers, North");
    EXPECT_EQ(meet.teamList.cell(2, TeamColumn::Coach), "Bo Kerr");
}

TEST_F(TeamFilesTest, SaveWritesListAndTeamsWithWrestlers)
{
    meet.teamList.setCell(1, TeamColumn::Name, " ");
    meet.teamList.appendRow("Sneaks\tSNE\t\t../Sneaks");
    // Only a Team cell equal to the abbreviation, untrimmed, case and all, belongs to the team.
    for (const char* row : { "Kim Sorel \t9.0\t62\t2.0\tTIG\t50\tYes\t", "Ada Brun\t10.0\t64\t3.0\t TIG\t55\t\t",
             "Cy Oda\t9.0\t61\t1.0\ttig\t\t\t", "Lu Pell\t11.0\t70\t1.0\tTIG\t60\t\t3",
             "Eve Marr\t9.0\t62\t2.0\tSNE\t\t\t", "Al Ng\t9.0\t60\t1.0\t LIO\t\t\t" })
        meet.roster.appendRow(row);
    dir.write("Lions.Csv", "untouched");

    savePermFiles(meet, dialogs); // the first team's name is blank
    EXPECT_FALSE(dir.exists("Teams.Csv"));

    meet.teamList.setCell(1, TeamColumn::Name, "  Tigers ");
    savePermFiles(meet, dialogs);
    EXPECT_EQ(dir.read("Teams.Csv"),
        "\"Tigers\",\"TIG\",\"\",\"Tigers\"\r\n"
        "\"Lions\",\"LIO\",\"\",\"Lions\"\r\n"
        "\"Sneaks\",\"SNE\",\"\",\"../Sneaks\"\r\n");
    EXPECT_EQ(dir.read("Tigers.Csv"),
        "\"Kim Sorel\",\"9.0\",\"62\",\"2.0\"\r\n"
        "\"Lu Pell\",\"11.0\",\"70\",\"1.0\"\r\n");
    EXPECT_FALSE(dir.exists("Lions.Bak"));
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "Sneaks.Csv"));

    // Each backup holds what the save before wrote.
    const std::string firstTigers = dir.read("Tigers.Csv");
    meet.roster.setCell(2, RosterColumn::Age, "9.5");
    savePermFiles(meet, dialogs);
    EXPECT_EQ(dir.read("Teams.Bak"), dir.read("Teams.Csv"));
    EXPECT_EQ(dir.read("Tigers.Bak"), firstTigers);
    EXPECT_EQ(backupName("a.b.Csv"), "a.Bak");
}

// A second import refuses every wrestler the first one loaded, one question each.
TEST_F(TeamFilesTest, ImportTakesTeamsInListOrderWithStoredNumberForms)
{
    dir.write("Tigers.Csv", "\"Ann Lee\",\"9\",\"72.5\",\"3\"\r\n\r\n  Bo , 10.25 ,73.5, .5\r\n");
    dir.write("Lions.Csv", "Cy \"Ray\"\t,11,80,2\n\"ann lee\",\"8.0\",\"61\",\"1.0\"");
    meet.roster.setCell(1, RosterColumn::Name, "Old");
    meet.roster.setCell(1, RosterColumn::Age, "12.0");
    meet.rostersChanged = true;

    EXPECT_TRUE(loadRosters(meet, true, dialogs));
    EXPECT_FALSE(meet.rostersChanged);
    EXPECT_EQ(columnOf(meet.roster, RosterColumn::Name), (Texts { "Ann Lee", "Bo", "Cy Ray", "ann lee", "Old" }));
    EXPECT_EQ(columnOf(meet.roster, RosterColumn::Team), (Texts { "TIG", "TIG", "LIO", "LIO", "" }));
    // Cmp: 2 x 9 + 10 ln 72 + 3 = 63.77.
    const Texts first { "Ann Lee", "9.0", "72", "3.0", "TIG", "64", "Yes", "" };
    for (int c = 0; c < RosterColumn::Count; ++c)
        EXPECT_EQ(meet.roster.cell(1, c), first[static_cast<std::size_t>(c)]) << "column " << c;

    const Table once = meet.roster;
    dialogs.queueAnswers({ true, true, true, true });
    EXPECT_TRUE(loadRosters(meet, true, dialogs));
    EXPECT_EQ(dialogs.questions,
        (Texts { duplicated("Ann Lee"), duplicated("Bo"), duplicated("Cy Ray"), duplicated("ann lee") }));
    EXPECT_EQ(meet.roster, once);
}

// A name already in the roster is asked about, and No stops the import at
// once, keeping what was added ahead of the roster's initial empty row.
TEST_F(TeamFilesTest, ImportPassesOverBadRecordsAndNoToADuplicateStops)
{
    meet.teamList.appendRow("Blank\tBLA\t\t ");
    meet.teamList.appendRow("Bears\tBEA\t\tBears");
    dir.write("Tigers.Csv", "\" \",9,70,3\r\n\" Ann \",x,70,3\r\nBo,9,,3\r\nCy,9,70,3kg\r\nDee,9,70\r\nAnn,9,70,3\r\n");
    dir.write("Bears.Csv", "Ann,9,70,3\r\nBo,9,70,3\r\nAnn,9,70,3\r\nCy,9,70,3\r\n");
    meet.rostersChanged = true;
    dialogs.queueAnswers({ true, true, false });
    EXPECT_FALSE(loadRosters(meet, false, dialogs));
    EXPECT_EQ(dialogs.shown,
        (Texts { duplicated(""), skipped("Ann"), skipped("Bo"), skipped("Cy"), skipped("Dee"),
            "Couldn't read Lions.Csv; that team's wrestlers were not loaded.", duplicated("Ann"), duplicated("Ann") }));
    EXPECT_EQ(columnOf(meet.roster, RosterColumn::Name), (Texts { "Ann", "Bo", "" }));
    EXPECT_TRUE(meet.rostersChanged);

    // An import that adds nobody leaves the roster its one empty row.
    Meet none;
    EXPECT_TRUE(loadRosters(none, false, dialogs));
    EXPECT_EQ(none.roster.rowCount(), 2);
}

// A data file that is empty, leads out of the meet's folder or names a meet
// file (or its backup) is refused: each team left without a file is named
// once, in list order, after the writing; a team without wrestlers is not.
TEST_F(TeamFilesTest, EachTeamWhoseWrestlersAreInNoFileIsNamed)
{
    for (const char* name : { "", "   ", "../Up", "sub/x", "c:x", "a\\b", ".", "..", "Teams", "TEAMS", "teams.old",
             "Restore", "korvandasettings" })
        EXPECT_FALSE(isUsableDataFile(name)) << '"' << name << '"';
    EXPECT_TRUE(isUsableDataFile(" Bears ") && isUsableDataFile("Teamsters"));

    meet.teamList.setRowCount(1);
    for (const char* team : { "Bears\tBEA\tCy Oda\tBears", " Team T1 \tT1\t\t   ", "Team T2\tT2\t\t../Up",
             "Team T3\tT3\t\tRestore", "Empty\tEMP\t\t../Empty" })
        meet.teamList.appendRow(team);
    for (const char* team : { "BEA", "T1", "T2", "T3" })
        meet.roster.appendRow(std::string("Mo ") + team + "\t9.0\t62\t2.0\t" + team + "\t50\t\t");
    dir.write("Restore.Csv", "the meet");

    savePermFiles(meet, dialogs);
    const Texts named = { notSaved("Team T1"), notSaved("Team T2"), notSaved("Team T3") };
    EXPECT_EQ(dialogs.warnings, named);
    EXPECT_EQ(dialogs.shown, named);
    EXPECT_EQ(dir.read("Teams.Csv"),
        "\"Bears\",\"BEA\",\"Cy Oda\",\"Bears\"\r\n"
        "\"Team T1\",\"T1\",\"\",\"\"\r\n"
        "\"Team T2\",\"T2\",\"\",\"../Up\"\r\n"
        "\"Team T3\",\"T3\",\"\",\"Restore\"\r\n"
        "\"Empty\",\"EMP\",\"\",\"../Empty\"\r\n");
    EXPECT_EQ(dir.read("Restore.Csv"), "the meet");
    EXPECT_EQ(dir.read("Bears.Csv"), "\"Mo BEA\",\"9.0\",\"62\",\"2.0\"\r\n");
    EXPECT_FALSE(dir.exists(".Csv"));
}

TEST_F(TeamFilesTest, TheMeetsOwnFilesAreNoTeamFiles)
{
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Odd\tODD\t\tteams");
    meet.teamList.appendRow("Odder\tODR\t\tRestore");
    meet.teamList.appendRow("Tigers\tTIG\t\tTigers");
    dir.write("teams.Csv", "\"Ann\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Restore.Csv", "\"Bo\",\"9\",\"70\",\"3\"\r\n");
    dir.write("Tigers.Csv", "\"Cy\",\"9\",\"70\",\"3\"\r\n");
    EXPECT_TRUE(loadRosters(meet, false, dialogs));
    const std::string refused = " is one of the meet's own files, not a team's data file; that team's wrestlers were "
                                "not loaded.";
    EXPECT_EQ(dialogs.warnings, (Texts { "teams.Csv" + refused, "Restore.Csv" + refused }));
    EXPECT_EQ(columnOf(meet.roster, RosterColumn::Name), (Texts { "Cy" }));
}

TEST(TeamListEditsTest, QuotesTabsAndLineEndsNeverReachTheList)
{
    Meet meet;
    replaceTeam(meet, 1, { "Tig\ters", "TI\r\nG", "\"Ann\"", "Tigers\n" });
    addTeam(meet, { "Lions\r", "\tLIO", "B\"o", "\"Lions\"" });
    EXPECT_EQ(teamFieldsOfRow(meet.teamList, 1), (TeamFields { "Tigers", "TIG", "Ann", "Tigers" }));
    EXPECT_EQ(teamFieldsOfRow(meet.teamList, 2), (TeamFields { "Lions", "LIO", "Bo", "Lions" }));
}
