#include "bouts/BoutSheets.h"

#include "meet/Meet.h"
#include "meet/TextFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace korvanda;

namespace {

std::string sp(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

using Lines = std::vector<std::string>;

const PrintDate saturday{"Saturday", "Dec", 5, 2026};
const std::string cells = "|            |            |            |            |            |            |";
const std::string bottom = "|__________________________|____________|____________|____________|____________|____________"
                           "|____________|";

// The 21 lines of a score box holding these six fields.
Lines scoreBox(const Lines& fields)
{
    Lines box = {
        sp(28) + std::string(77, '_') + " ",
        sp(27) + cells,
        sp(27) + "|     P1     |     P2     |     P3     |    OT1     |    OT2     |   Total    |",
        sp(27) + "|   1 Min    |   1 Min    |   1 Min    |   1 Min    |   30 Sec   |   Score    |",
        " " + bottom.substr(1),
    };
    for (std::size_t k = 0; k < 6; ++k) {
        if (k % 3 == 0)
            box.push_back(k == 0 ? "|Wrestler 1 (Green)        " + cells : "|Wrestler 2 (Red)          " + cells);
        box.push_back("|" + sp(26) + cells);
        box.push_back("|" + fields[k] + cells);
        if (k % 3 == 2)
            box.push_back(bottom);
    }
    return box;
}

Table tableOf(const char* captions, const Lines& rows)
{
    Table table = Table::withCaptions(captions);
    table.setRowCount(1);
    for (const auto& row : rows)
        table.appendRow(row);
    return table;
}

const Table threeTeams = tableOf(teamListCaptions, {"Northfield Tigers\tTIG\tAnn Loe\tTigers", "Lions\tLIO\tBo Kerr\tLions",
                                                    "Bears of the Valley\tBEA\tCy Moss\tBears"});
const Table oneBout = tableOf(boutGridCaptions, {"7\t2\t\tChristopher Abernathy-Jones\t10.5\t72\t2.0\tTIGERS\t\t\t\t"
                                                 "Bo Lind\t9.0\t105\t10.0\tLIO\t\t"});

} // namespace

TEST(BoutSheetsTest, DateReadsDayCommaMonthDayYear)
{
    EXPECT_EQ(dateText(saturday), "Saturday, Dec 5 2026");
    EXPECT_EQ(dateText({"Monday", "Jan", 18, 2027}), "Monday, Jan 18 2027");
}

TEST(BoutSheetsTest, OneSheetWithAndWithoutSkills)
{
    Lines expected = {sp(44) + "Northfield Tigers", sp(50) + "Lions", sp(44) + "Bears of the Valley", "",
                      sp(43) + "Saturday, Dec 5 2026", "", "", sp(50) + "Bout 7", sp(50) + "Mat 2", "", ""};
    const Lines box = scoreBox({"Christopher Abernathy-Jone", "TIGERS" + sp(20), "Age 10.5 Wgt  72 Skil  2.0",
                                "Bo Lind" + sp(19), "LIO" + sp(23), "Age  9.0 Wgt 105 Skil 10.0"});
    expected.insert(expected.end(), box.begin(), box.end());
    std::string text;
    for (const auto& line : expected)
        text += line + "\r\n";
    EXPECT_EQ(boutSheetsText(oneBout, threeTeams, true, saturday), text);

    const auto lines = splitLines(boutSheetsText(oneBout, threeTeams, false, saturday));
    ASSERT_EQ(lines.size(), 11u + 21u);
    EXPECT_EQ(lines[11 + 11], "|Age 10.5   Weight  72     " + cells);
    EXPECT_EQ(lines[11 + 19], "|Age  9.0   Weight 105     " + cells);
    for (std::size_t i = 11; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), 106u) << "box line " << i - 10;
}

TEST(BoutSheetsTest, LaterSheetsStartWithAFormFeedAndCentreTheirNumbers)
{
    Lines rows;
    for (int bout = 1; bout <= 100; ++bout)
        rows.push_back(std::to_string(bout) + (bout == 100 ? "\t12" : "\t3") + "\t\tA\t9.0\t60\t1.0\tTIG\t\t\t\tB");
    const auto lines = splitLines(boutSheetsText(tableOf(boutGridCaptions, rows), threeTeams, true, saturday));
    const std::size_t sheetLength = 3 + 8 + 21;
    ASSERT_EQ(lines.size(), 100 * sheetLength + 99);
    const struct {
        std::size_t bout;
        std::string boutLine, matLine;
    } cases[] = {
        {1, sp(50) + "Bout 1", sp(50) + "Mat 3"},
        {2, sp(50) + "Bout 2", sp(50) + "Mat 3"},
        {42, sp(50) + "Bout 42", sp(50) + "Mat 3"},
        {100, sp(49) + "Bout 100", sp(50) + "Mat 12"},
    };
    for (const auto& c : cases) {
        const std::size_t start = (c.bout - 1) * (sheetLength + 1);
        if (c.bout > 1) {
            EXPECT_EQ(lines[start - 1], "\f");
        }
        EXPECT_EQ(lines[start], sp(44) + "Northfield Tigers") << "bout " << c.bout;
        EXPECT_EQ(lines[start + 7], c.boutLine);
        EXPECT_EQ(lines[start + 8], c.matLine);
    }
}

TEST(BoutSheetsTest, NoBoutsAndNoTeams)
{
    const Meet fresh;
    EXPECT_EQ(boutSheetsText(fresh.boutGrid, threeTeams, true, saturday), "");

    const auto lines = splitLines(boutSheetsText(oneBout, fresh.teamList, true, saturday));
    ASSERT_EQ(lines.size(), 8u + 21u) << "the blank team row prints no line";
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], sp(43) + "Saturday, Dec 5 2026");
}
