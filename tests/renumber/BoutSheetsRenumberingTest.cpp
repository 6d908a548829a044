#include "bouts/BoutSheets.h"
#include "meet/Meet.h"
#include "renumber/Generation.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return lines;
        start = end + 2;
    }
}

} // namespace

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
    const std::string sheets = boutSheetsText(meet.boutGrid, meet.teamList, true, {"Sunday", "Dec", 6, 2026});

    TempDir dir;
    dir.write("BoutSheets.Txt", sheets);
    dir.write("_current_meet_v2.txt", "New Old\r\n7   Otters v Badgers  12\r\n40  x   1\r\n");
    quillon::BoutMap map;
    const quillon::ProgramDirectory program(dir.path());
    ASSERT_TRUE(quillon::readMappingFile(program, false, map).found);
    ASSERT_EQ(quillon::writeRenumberedSheets(program, false, map).outcome, quillon::SheetsOutcome::Written);

    const auto in = crlfLines(sheets);
    const auto out = crlfLines(dir.read("_boutsheets_renumbered_v2.txt"));
    // The first line is not copied; the empty text after the last line end
    // is, so the copy ends in an empty line.
    ASSERT_EQ(out.size(), in.size());
    EXPECT_EQ(out[out.size() - 2], "");
    int boutLines = 0;
    for (std::size_t k = 1; k < in.size(); ++k) {
        const std::string& before = in[k];
        const std::string& after = out[k - 1];
        const bool boutLine = before.find("Bout ") != std::string::npos && !before.empty()
                              && std::isdigit(static_cast<unsigned char>(before.back()));
        if (!boutLine) {
            EXPECT_EQ(after, before) << "line " << k;
            continue;
        }
        ++boutLines;
        const std::string old = before.substr(before.rfind(' ') + 1);
        const std::string expectedNew = old == "12" ? "7" : old == "1" ? "40" : "0";
        EXPECT_EQ(after, before.substr(0, before.find("Bout ")) + "Bout " + expectedNew + "  (KV#" + old + ")");
    }
    // Each sheet's bout line, and the team line that happens to look like one.
    EXPECT_EQ(boutLines, 12 + 12);
}
