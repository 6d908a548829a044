#include "bouts/PrintedLists.h"

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

Table tableOf(const char* captions, const Lines& rows)
{
    Table table = Table::withCaptions(captions);
    table.setRowCount(1);
    for (const auto& row : rows)
        table.appendRow(row);
    return table;
}

Table boutsNumbered(int count)
{
    Lines rows;
    for (int bout = 1; bout <= count; ++bout)
        rows.push_back(std::to_string(bout) + "\t1\t\tRed " + std::to_string(bout) + "\t9.0\t60\t2.0\tTIG\t\t\t\tGreen "
                       + std::to_string(bout) + "\t9.5\t62\t2.5\tLIO\t\t");
    return tableOf(boutGridCaptions, rows);
}

const std::string rosterHeader = "Name" + sp(16) + "Age  Wgt Team Bouts" + sp(5);
const std::string boutHeaderWithSkills = "Bout Name" + sp(14) + "Age Wgt Skil Team   Name" + sp(15) + "Age Wgt Skil Team ";
const std::string boutHeaderWithoutSkills = "Bout Name" + sp(17) + "Age  Wgt  Team     Name" + sp(17) + "Age  Wgt  Team ";
const std::string scoreSide = "Name" + sp(15) + "Age  Wgt Skil Team Pts. Result  ";
const std::string scoreHeader = "Bout " + scoreSide + " " + scoreSide;

// The lines of a printed file; every line must end in CR LF.
Lines linesOf(const std::string& text)
{
    EXPECT_TRUE(text.empty() || text.ends_with("\r\n"));
    const auto lines = splitLines(text);
    for (const auto& line : lines)
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a bare line end";
    return lines;
}

// The first data line of every page after the first, checking the form
// feed, the repeated header and its empty line before it.
Lines pageStarts(const Lines& lines, const std::string& header)
{
    Lines starts;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i].find('\f') == std::string::npos)
            continue;
        EXPECT_EQ(lines[i], "\f" + header);
        EXPECT_EQ(lines[i + 1], "");
        starts.push_back(lines[i + 2]);
    }
    return starts;
}

} // namespace

TEST(PrintedListsTest, RosterLinesCutLongFieldsToTheirWidths)
{
    const Table roster = tableOf(rosterCaptions, {"Alexander Montgomery-Smith\t123.5\t72\t2.0\tTIGERS\t55\tYes\t3,17,25",
                                                  "Bo Lind\t9.0\t105\t1.0\tLIO\t40\t\t1,2,3,4,5,6,7,8,9"});
    EXPECT_EQ(rosterListText(roster, false), rosterHeader + "\r\n\r\n"
                                                 + "Alexander Montgomery23.5  72 TIGER 3,17,25        \r\n"
                                                 + "Bo Lind              9.0 105 LIO   1,2,3,4,5,6,7,8\r\n");
}

TEST(PrintedListsTest, RosterOmitsAbsenteesAndPagesByPrintedWrestlers)
{
    Lines rows;
    for (int i = 1; i <= 60; ++i)
        rows.push_back("W" + std::to_string(i) + "\t9.0\t60\t1.0\tTIG\t40\t" + (i <= 3 ? " " : "Yes") + "\t");
    const Table roster = tableOf(rosterCaptions, rows);

    const auto present = linesOf(rosterListText(roster, true));
    ASSERT_EQ(present.size(), 2u + 57u + 2u);
    EXPECT_EQ(present[0], rosterHeader);
    EXPECT_EQ(present[2], "W4                   9.0  60 TIG   " + sp(15));
    EXPECT_EQ(pageStarts(present, rosterHeader), Lines{"W54                  9.0  60 TIG   " + sp(15)});

    const auto everyone = linesOf(rosterListText(roster, false));
    ASSERT_EQ(everyone.size(), 2u + 60u + 2u);
    EXPECT_EQ(pageStarts(everyone, rosterHeader), Lines{"W51                  9.0  60 TIG   " + sp(15)});
}

TEST(PrintedListsTest, EmptyTablesGiveEmptyFiles)
{
    const Meet fresh;
    EXPECT_EQ(rosterListText(fresh.roster, false), "");
    EXPECT_EQ(boutListText(fresh.boutGrid, true), "");
    EXPECT_EQ(boutListText(fresh.boutGrid, false), "");
    EXPECT_EQ(scoreListText(fresh.boutGrid), "");
    EXPECT_EQ(rosterListText(tableOf(rosterCaptions, {"Bo Lind\t9.0\t60\t1.0\tLIO\t40\t\t"}), true), "");
}

TEST(PrintedListsTest, BoutListLinesWithAndWithoutSkills)
{
    Table grid = boutsNumbered(2);
    grid.appendRow("7\t2\t\tChristopher Abernathy\t10.5\t72\t10.0\tTIGERS\t\t\t\tBo Lind\t9.0\t105\t10.0\tLIO\t\t");
    const auto withSkills = linesOf(boutListText(grid, true));
    ASSERT_EQ(withSkills.size(), 5u);
    EXPECT_EQ(withSkills[0], boutHeaderWithSkills);
    EXPECT_EQ(withSkills[2], "  1 Red 1" + sp(13) + " 9.0  60  2.0 TIG    Green 1" + sp(11) + " 9.5  62  2.5 LIO  ");
    EXPECT_EQ(withSkills[4], "  3 Christopher Aberna10.5  72  0.0 TIGER  Bo Lind" + sp(12) + "9.0 105  10. LIO  ")
        << "the printed number is the row, not the Bout cell";

    const auto withoutSkills = linesOf(boutListText(grid, false));
    ASSERT_EQ(withoutSkills.size(), 5u);
    EXPECT_EQ(withoutSkills[0], boutHeaderWithoutSkills);
    EXPECT_EQ(withoutSkills[4], "  3  Christopher Abernath10.5   72  TIGER    Bo Lind" + sp(14) + "9.0  105  LIO  ");
}

TEST(PrintedListsTest, BoutListPagesEveryFiftyBouts)
{
    const auto fifty = linesOf(boutListText(boutsNumbered(50), true));
    EXPECT_EQ(fifty.size(), 52u);
    EXPECT_TRUE(pageStarts(fifty, boutHeaderWithSkills).empty());

    const auto hundred = linesOf(boutListText(boutsNumbered(101), false));
    ASSERT_EQ(hundred.size(), 2u + 101u + 2u * 2u);
    EXPECT_EQ(hundred[51], " 50  Red 50" + sp(14) + " 9.0   60  TIG      Green 50" + sp(12) + " 9.5   62  LIO  ");
    EXPECT_EQ(pageStarts(hundred, boutHeaderWithoutSkills),
              (Lines{" 51  Red 51" + sp(14) + " 9.0   60  TIG      Green 51" + sp(12) + " 9.5   62  LIO  ",
                     "101  Red 101" + sp(13) + " 9.0   60  TIG      Green 101" + sp(11) + " 9.5   62  LIO  "}));
}

TEST(PrintedListsTest, ScoreListLinesAndPages)
{
    Table grid = boutsNumbered(81);
    for (const auto& [column, text] : std::vector<std::pair<int, std::string>>{
             {BoutColumn::Name1, "Christopher Abernathy"}, {BoutColumn::Age1, "10.5"}, {BoutColumn::Skill1, "10.0"},
             {BoutColumn::Points1, "12"}, {BoutColumn::Winner1, "MajDec"}, {BoutColumn::Weight2, "105"},
             {BoutColumn::Skill2, "10.0"}, {BoutColumn::Points2, "4"}})
        grid.setCell(12, column, text);
    const auto lines = linesOf(scoreListText(grid));
    ASSERT_EQ(lines.size(), 2u + 81u + 2u * 2u);
    EXPECT_EQ(lines[0], scoreHeader);
    EXPECT_EQ(lines[2], "  1  Red 1" + sp(14) + " 9.0  60  2.0 TIG  " + sp(12) + "  Green 1" + sp(12)
                            + " 9.5  62  2.5 LIO  " + sp(12));
    EXPECT_EQ(lines[13], " 12  Christopher Abernat10.5  60  0.0 TIG   12 MajDec    Green 12" + sp(11)
                             + " 9.5 105  10. LIO    4 " + sp(8));
    const auto starts = pageStarts(lines, scoreHeader);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_TRUE(starts[0].starts_with(" 41  Red 41 "));
    EXPECT_TRUE(starts[1].starts_with(" 81  Red 81 "));
}
