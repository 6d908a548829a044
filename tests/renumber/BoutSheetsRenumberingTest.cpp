#include "bouts/BoutSheets.h"
#include "meet/Meet.h"
#include "renumber/Generation.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(BoutSheetsRenumberingTest, KorvandaSheetsComeBackWithNewNumbers)
{
    Meet meet;
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Riverbend Otters\tRBO\t\tOtters");
    meet.teamList.appendRow("Badgers Bout 9\tPHB\t\tBadgers");
    meet.boutGrid.setRowCount(1);
    for (int bout = 1; bout <= 12; ++bout)
        meet.boutGrid.appendRow(std::to_string(bout) + "\t" + std::to_string(bout % 3 + 1)
            + "\t\tArlo Brisk\t9.0\t62\t2.0\tRBO\t\t\t\tFen Ingle\t9.5\t64\t3.0\tPHB\t\t");
    const std::string sheets = boutSheetsText(meet.boutGrid, meet.teamList, true, { "Sunday", "Dec", 6, 2026 });
    TempDir dir;
    dir.write("BoutSheets.Txt", sheets);
    dir.write("_current_meet_v2.txt", "New Old\r\n7   Otters v Badgers  12\r\n40  x   1\r\n");
    quillon::BoutMap map;
    const quillon::ProgramDirectory program(dir.path());
    ASSERT_TRUE(quillon::readMappingFile(program, false, map).found);
    ASSERT_EQ(quillon::writeRenumberedSheets(program, false, map).outcome, quillon::SheetsOutcome::Written);

    // Every line but the first comes back, and the empty one after the last line end; each
    // sheet's bout line, and the team line that looks like one, ends in the new number and the old.
    std::string expected = sheets.substr(sheets.find("\r\n") + 2) + "\r\n";
    int boutLines = 0;
    for (int old = 1; old <= 12; ++old) {
        const std::string line = "Bout " + std::to_string(old) + "\r\n";
        const std::string renumbered = "Bout "
            + std::string(old == 12 ? "7"
                    : old == 1      ? "40"
                                    : "0")
            + "  (KV#" + std::to_string(old) + ")\r\n";
        for (auto at = expected.find(line); at != std::string::npos; at = expected.find(line, at), ++boutLines)
            expected.replace(at, line.size(), renumbered);
    }
    EXPECT_EQ(boutLines, 12 + 12);
    EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), expected);
}
