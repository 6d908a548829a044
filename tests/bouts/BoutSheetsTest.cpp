#include "bouts/BoutSheets.h"

#include "BoutTables.h"
#include "meet/Meet.h"
#include "meet/TextFile.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

const PrintDate saturday { "Saturday", "Dec", 5, 2026 };
const Table threeTeams
    = tableOf(teamListCaptions, { "Northfield Tigers\tTIG", "Lions\tLIO", "Bears of the Valley\tBEA" });
const std::string scoreBoxes = "|            |            |            |            |            |            |";
const std::string bottom
    = "|__________________________|____________|____________|____________|____________|____________|____________|";

} // namespace

TEST(BoutSheetsTest, OneSheetByteForByte)
{
    const Table bout = tableOf(boutGridCaptions,
        { "7\t2\t\tChristopher Abernathy-Jones\t10.5\t72\t2.0\tTIGERS\t\t\t\tBo Lind\t9.0\t105\t10.0\tLIO" });
    Lines expected = { sp(44) + "Northfield Tigers", sp(50) + "Lions", sp(44) + "Bears of the Valley", "",
        sp(43) + "Saturday, Dec 5 2026", "", "", sp(50) + "Bout 7", sp(50) + "Mat 2", "", "",
        sp(28) + std::string(77, '_') + " ", sp(27) + scoreBoxes,
        sp(27) + "|     P1     |     P2     |     P3     |    OT1     |    OT2     |   Total    |",
        sp(27) + "|   1 Min    |   1 Min    |   1 Min    |   1 Min    |   30 Sec   |   Score    |",
        " " + bottom.substr(1) };
    const Lines fields = { "Christopher Abernathy-Jone", "TIGERS" + sp(20), "Age 10.5 Wgt  72 Skil  2.0",
        "Bo Lind" + sp(19), "LIO" + sp(23), "Age  9.0 Wgt 105 Skil 10.0" };
    for (std::size_t k = 0; k < 6; ++k) {
        if (k % 3 == 0)
            expected.push_back((k == 0 ? "|Wrestler 1 (Green)        " : "|Wrestler 2 (Red)          ") + scoreBoxes);
        expected.push_back("|" + sp(26) + scoreBoxes);
        expected.push_back("|" + fields[k] + scoreBoxes);
        if (k % 3 == 2)
            expected.push_back(bottom);
    }
    EXPECT_EQ(boutSheetsText(bout, threeTeams, true, saturday), printed(expected));

    const auto withoutSkills = splitLines(boutSheetsText(bout, threeTeams, false, saturday));
    ASSERT_EQ(withoutSkills.size(), 11u + 21u);
    EXPECT_EQ(withoutSkills[11 + 11], "|Age 10.5   Weight  72     " + scoreBoxes);
    EXPECT_EQ(withoutSkills[11 + 19], "|Age  9.0   Weight 105     " + scoreBoxes);
    for (std::size_t i = 11; i < expected.size(); ++i)
        EXPECT_EQ(expected[i].size(), 106u) << "box line " << i - 10;
}

TEST(BoutSheetsTest, LaterSheetsStartWithAFormFeedAndCentreTheirNumbers)
{
    const Table bouts = tableOf(boutGridCaptions, { "5\t3\t\tA", "12\t3\t\tB", "123\t12\t\tC" });
    const auto lines = splitLines(boutSheetsText(bouts, Meet().teamList, true, saturday));
    // The blank row of a team list prints no team line.
    const std::size_t sheet = 8 + 21;
    ASSERT_EQ(lines.size(), 3 * sheet + 2);
    EXPECT_EQ(lines[1], sp(43) + "Saturday, Dec 5 2026");
    const Lines numbers = { lines[4], lines[5], lines[sheet], lines[sheet + 5], lines[2 * sheet + 1],
        lines[2 * sheet + 1 + 5], lines[2 * sheet + 1 + 6] };
    EXPECT_EQ(numbers,
        (Lines { sp(50) + "Bout 5", sp(50) + "Mat 3", "\f", sp(50) + "Bout 12", "\f", sp(49) + "Bout 123",
            sp(50) + "Mat 12" }));
    EXPECT_EQ(boutSheetsText(Meet().boutGrid, threeTeams, true, saturday), "") << "no bouts, no sheets";
}
