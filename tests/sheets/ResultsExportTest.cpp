#include "sheets/ResultsExport.h"
#include "meet/Meet.h"
#include "sheets/CsvSheet.h"
#include "sheets/SheetFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

Meet smallMeet(const TempDir& dir)
{
    Meet meet;
    meet.directory = dir.path();
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Riverbend Otters\tRBO\t\tOtters");
    meet.teamList.appendRow("Pine Hollow Badgers\tPHB\t\tBadgers");
    meet.boutGrid.setRowCount(1);
    meet.boutGrid.appendRow(
        "1\t1\t\tJ\xFCrgen M\xFCller\t11.7\t63\t3.0\tRBO\t8\tDecision\t\tIvo Corvin\t11.0\t64\t3.0\tPHB\t3\t");
    meet.boutGrid.appendRow(
        "2\t2\t\tFen, \"Jr\"\t12.0\t113\t3.0\tRBO\t4\tDraw\t\tJuno Hask\t8.0\t90\t3.0\tPHB\t4\tDraw");
    meet.boutGrid.appendRow("3\t1\t\tKit Fenwick\t8.0\t74\t4.0\tPHB\t\t\t\tTeo Vell\t8.5\t71\t2.0\tRBO\t\t");
    return meet;
}

} // namespace

TEST(ResultsExportTest, boutsAndTallyAsCsvAndWorkbook)
{
    TempDir dir;
    const Meet meet = smallMeet(dir);
    FakeDialogs dialogs;
    ASSERT_TRUE(exportResults(meet, dir.path() / "Results.xlsx", dialogs));
    EXPECT_EQ(dir.read("Results Bouts.csv"),
        "Bout,Mat,Name 1,Team 1,Age 1,Weight 1,Skill 1,Points 1,Name 2,Team 2,Age 2,Weight 2,Skill 2,Points 2,Winner,"
        "Won By\r\n"
        "1,1,J\xC3\xBCrgen M\xC3\xBCller,RBO,11.7,63,3.0,8,Ivo Corvin,PHB,11.0,64,3.0,3,J\xC3\xBCrgen M\xC3\xBCller,"
        "Decision\r\n"
        "2,2,\"Fen, \"\"Jr\"\"\",RBO,12.0,113,3.0,4,Juno Hask,PHB,8.0,90,3.0,4,,Draw\r\n"
        "3,1,Kit Fenwick,PHB,8.0,74,4.0,,Teo Vell,RBO,8.5,71,2.0,,,\r\n");
    EXPECT_EQ(dir.read("Results Tally.csv"),
        "Team,Fall,Tech Fall,Sup Decsn,Maj Decsn,Decsn,Draw,Forft,Scrat,Total Win,Total Loss,Pct Pin,Pct Win,Pct "
        "Loss\r\n"
        "Riverbend Otters,0,0,0,0,1,1,0,0,1.5,0.5,0.0,75.0,25.0\r\n"
        "Pine Hollow Badgers,0,0,0,0,0,1,0,0,0.5,1.5,0.0,25.0,75.0\r\n");
    EXPECT_TRUE(dialogs.shown.empty());
}

#if KORVANDA_WORKBOOKS
// The workbook's bout list read back: the texts as in the CSV file, the
// figures as numbers.
TEST(ResultsExportTest, workbookHoldsTheBoutList)
{
    TempDir dir;
    FakeDialogs dialogs;
    ASSERT_TRUE(exportResults(smallMeet(dir), dir.path() / "Results.xlsx", dialogs));
    const SheetReading workbook = readSheetFile(dir.path() / "Results.xlsx");
    ASSERT_TRUE(workbook.ok()) << workbook.problem;
    const std::vector<std::vector<std::string>> bouts = {
        readCsvSheet(dir.read("Results Bouts.csv")).sheet.rows.at(0),
        { "1", "1", "J\xC3\xBCrgen M\xC3\xBCller", "RBO", "11.7", "63", "3", "8", "Ivo Corvin", "PHB", "11", "64", "3",
            "3", "J\xC3\xBCrgen M\xC3\xBCller", "Decision" },
        { "2", "2", "Fen, \"Jr\"", "RBO", "12", "113", "3", "4", "Juno Hask", "PHB", "8", "90", "3", "4", "", "Draw" },
        { "3", "1", "Kit Fenwick", "PHB", "8", "74", "4", "", "Teo Vell", "RBO", "8.5", "71", "2" },
    };
    EXPECT_EQ(workbook.sheet.rows, bouts);
}
#endif
