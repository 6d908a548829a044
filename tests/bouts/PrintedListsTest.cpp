#include "bouts/PrintedLists.h"

#include "BoutTables.h"
#include "bouts/TextPadding.h"
#include "meet/Meet.h"
#include "meet/TextFile.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

// Bouts 1 to `count` of Red n and Green n, then one of long names and skills 10.0.
Table bouts(int count)
{
    Lines rows;
    for (int n = 1; n <= count; ++n)
        rows.push_back(std::to_string(n) + "\t1\t\tRed " + std::to_string(n) + "\t9.0\t60\t2.0\tTIG\t\t\t\tGreen "
            + std::to_string(n) + "\t9.5\t62\t2.5\tLIO\t\t");
    rows.push_back(
        "7\t2\t\tChristopher Abernathy\t10.5\t72\t10.0\tTIGERS\t12\tMajDec\t\tBo Lind\t9.0\t105\t10.0\tLIO\t4");
    return tableOf(boutGridCaptions, rows);
}

const std::string rosterHeader = "Name" + sp(16) + "Age  Wgt Team Bouts" + sp(5);
const std::string boutHeaderWithSkills
    = "Bout Name" + sp(14) + "Age Wgt Skil Team   Name" + sp(15) + "Age Wgt Skil Team ";
const std::string boutHeaderWithoutSkills
    = "Bout Name" + sp(17) + "Age  Wgt  Team     Name" + sp(17) + "Age  Wgt  Team ";
const std::string scoreSide = "Name" + sp(15) + "Age  Wgt Skil Team Pts. Result  ";
const std::string scoreHeader = "Bout " + scoreSide + " " + scoreSide;

// The first data line of every later page: it follows a form feed, the header again and an empty line.
Lines pageStarts(const std::string& text, const std::string& header)
{
    EXPECT_TRUE(text.starts_with(header + "\r\n\r\n"));
    const std::string pageBreak = "\r\n\f" + header + "\r\n\r\n";
    Lines starts;
    for (auto at = text.find(pageBreak); at != std::string::npos; at = text.find(pageBreak, at + 1)) {
        const auto start = at + pageBreak.size();
        starts.push_back(text.substr(start, text.find("\r\n", start) - start));
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), static_cast<long>(starts.size())) << "a stray form feed";
    return starts;
}

} // namespace

TEST(PrintedListsTest, RosterCutsLongFieldsOmitsAbsenteesAndPagesByPrintedWrestlers)
{
    const Table two = tableOf(rosterCaptions,
        { "Alexander Montgomery-Smith\t123.5\t72\t2.0\tTIGERS\t55\tYes\t3,17,25",
            "Bo Lind\t9.0\t105\t1.0\tLIO\t40\t\t1,2,3,4,5,6,7,8,9" });
    EXPECT_EQ(rosterListText(two, false),
        printed({ rosterHeader, "", "Alexander Montgomery23.5  72 TIGER 3,17,25        ",
            "Bo Lind              9.0 105 LIO   1,2,3,4,5,6,7,8" }));
    EXPECT_EQ(rosterListText(tableOf(rosterCaptions, { "Bo Lind\t9.0\t60\t1.0\tLIO\t40\t\t" }), true), "");

    // The first three are absent, so W54 is the 51st wrestler printed.
    Lines rows;
    for (int i = 1; i <= 60; ++i)
        rows.push_back("W" + std::to_string(i) + "\t9.0\t60\t1.0\tTIG\t40\t" + (i <= 3 ? " " : "Yes") + "\t");
    EXPECT_EQ(pageStarts(rosterListText(tableOf(rosterCaptions, rows), true), rosterHeader),
        Lines { "W54                  9.0  60 TIG   " + sp(15) });
}

TEST(PrintedListsTest, BoutListsPageAfterFiftyBoutsAndTheScoreListAfterForty)
{
    // The printed number is the row, not the Bout cell.
    EXPECT_EQ(boutListText(bouts(1), true),
        printed({ boutHeaderWithSkills, "",
            "  1 Red 1" + sp(13) + " 9.0  60  2.0 TIG    Green 1" + sp(11) + " 9.5  62  2.5 LIO  ",
            "  2 Christopher Aberna10.5  72  0.0 TIGER  Bo Lind" + sp(12) + "9.0 105  10. LIO  " }));

    EXPECT_EQ(pageStarts(boutListText(bouts(50), false), boutHeaderWithoutSkills),
        Lines { " 51  Christopher Abernath10.5   72  TIGER    Bo Lind" + sp(14) + "9.0  105  LIO  " });

    EXPECT_EQ(pageStarts(scoreListText(bouts(40)), scoreHeader),
        Lines { " 41  Christopher Abernat10.5  72  0.0 TIGER 12 MajDec    Bo Lind" + sp(13) + "9.0 105  10. LIO    4 "
            + sp(8) });
}

TEST(PrintedListsTest, NothingToPrintGivesAnEmptyFileAndCentringNeverCuts)
{
    const Meet fresh;
    for (const auto& text : { rosterListText(fresh.roster, false), boutListText(fresh.boutGrid, true),
             boutListText(fresh.boutGrid, false), scoreListText(fresh.boutGrid) })
        EXPECT_EQ(text, "");
    // No printed list reaches a text too long for its centred field.
    EXPECT_EQ(centerText("abcdefghij", 6), "abcdefghij");
}
