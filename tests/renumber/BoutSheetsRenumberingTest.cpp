#include "bouts/BoutSheets.h"
#include "meet/Meet.h"
#include "renumber/Generation.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <utility>

using namespace korvanda;

TEST(BoutSheetsRenumberingTest, KorvandaSheetsComeBackWithNewNumbers)
{
    Meet meet;
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Riverbend Otters\tRBO\t\tOtters");
    meet.teamList.appendRow("Badgers Bout 9\tPHB\t\tBadgers");
    meet.boutGrid.setRowCount(1);
    for (const std::string bout : { "1", "5", "12" })
        meet.boutGrid.appendRow(bout + "\t1\t\tArlo Brisk\t9.0\t62\t2.0\tRBO\t\t\t\tFen Ingle\t9.5\t64\t3.0\tPHB\t\t");
    const std::string sheets = boutSheetsText(meet.boutGrid, meet.teamList, true, { "Sunday", "Dec", 6, 2026 });
    TempDir dir;
    dir.write("BoutSheets.Txt", sheets);
    dir.write("_current_meet_v2.txt", "New Old\r\n7   Otters v Badgers  12\r\n40  x   1\r\n");
    quillon::BoutMap map;
    const quillon::ProgramDirectory program(dir.path());
    ASSERT_TRUE(quillon::readMappingFile(program, false, map).found);
    ASSERT_EQ(quillon::writeRenumberedSheets(program, false, map).outcome, quillon::SheetsOutcome::Written);

    // Every line but the first comes back, and the empty one after the last line end; each
    // sheet's bout line, and the team line that looks like one, end in the new number and the old.
    const std::pair<std::string, std::string> renumbered[] = {
        { std::string(46, ' ') + "Badgers Bout 9\r\n", std::string(46, ' ') + "Badgers Bout 0  (KV#9)\r\n" },
        { std::string(50, ' ') + "Bout 1\r\n", std::string(50, ' ') + "Bout 40  (KV#1)\r\n" },
        { std::string(50, ' ') + "Bout 5\r\n", std::string(50, ' ') + "Bout 0  (KV#5)\r\n" },
        { std::string(50, ' ') + "Bout 12\r\n", std::string(50, ' ') + "Bout 7  (KV#12)\r\n" },
    };
    std::string expected = sheets.substr(sheets.find("\r\n") + 2) + "\r\n";
    int changed = 0;
    for (const auto& [line, after] : renumbered)
        for (auto at = expected.find(line); at != std::string::npos; at = expected.find(line, at), ++changed)
            expected.replace(at, line.size(), after);
    EXPECT_EQ(changed, 3 + 3) << "three team lines and three bout lines";
    EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), expected);
}
