#include "bouts/PrintedLists.h"

#include "meet/Meet.h"
#include "meet/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace korvanda;

namespace {

std::string sp(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

// A table holding only its header and the given tab-separated rows.
Table tableOf(const char* captions, const std::vector<std::string>& rows)
{
    Table table = Table::withCaptions(captions);
    table.setRowCount(1);
    for (const auto& row : rows)
        table.appendRow(row);
    return table;
}

std::string boutRow(int bout, const std::string& name1, const std::string& name2)
{
    return std::to_string(bout) + "\t1\t\t" + name1 + "\t9.0\t60\t2.0\tTIG\t\t\t\t" + name2 + "\t9.5\t62\t2.5\tLIO\t\t";
}

Table boutsNumbered(int count)
{
    std::vector<std::string> rows;
    for (int bout = 1; bout <= count; ++bout)
        rows.push_back(boutRow(bout, "Red " + std::to_string(bout), "Green " + std::to_string(bout)));
    return tableOf(boutGridCaptions, rows);
}

const std::string rosterHeader = "Name" + sp(16) + "Age  Wgt Team Bouts" + sp(5);
const std::string boutHeaderWithSkills =
    "Bout Name" + sp(14) + "Age Wgt Skil Team   Name" + sp(15) + "Age Wgt Skil Team ";
const std::string boutHeaderWithoutSkills =
    "Bout Name" + sp(17) + "Age  Wgt  Team     Name" + sp(17) + "Age  Wgt  Team ";
const std::string scoreSide = "Name" + sp(15) + "Age  Wgt Skil Team Pts. Result  ";
const std::string scoreHeader = "Bout " + scoreSide + " " + scoreSide;

// The lines of a printed file, after checking that every line ends in CR LF.
std::vector<std::string> linesOf(const std::string& text)
{
    EXPECT_TRUE(text.empty() || text.ends_with("\r\n"));
    std::size_t crlf = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++crlf;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(crlf)) << "a bare LF";
    return splitLines(text);
}

// Where the form feeds with a repeated header stand, and the line after each.
std::vector<std::string> linesAfterPageBreaks(const std::vector<std::string>& lines, const std::string& header)
{
    std::vector<std::string> after;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('\f') == std::string::npos)
            continue;
        EXPECT_EQ(lines[i], "\f" + header);
        EXPECT_EQ(lines.at(i + 1), "");
        after.push_back(lines.at(i + 2));
    }
    return after;
}

} // namespace

TEST(PrintedListsTest, RosterLineCutsLongFieldsToTheirWidths)
{
    const Table roster = tableOf(rosterCaptions, {
        "Alexander Montgomery-Smith\t123.5\t72\t2.0\tTIGERS\t55\tYes\t3,17,25",
        "Bo Lind\t9.0\t105\t1.0\tLIO\t40\t\t1,2,3,4,5,6,7,8,9",
    });
    EXPECT_EQ(rosterListText(roster, false),
              rosterHeader + "\r\n\r\n"
                  + "Alexander Montgomery23.5  72 TIGER 3,17,25" + sp(8) + "\r\n"
                  + "Bo Lind" + sp(13) + " 9.0 105 LIO   1,2,3,4,5,6,7,8\r\n");
}

TEST(PrintedListsTest, RosterOmitsAbsenteesAndPagesByPrintedWrestlers)
{
    std::vector<std::string> rows;
    for (int i = 1; i <= 60; ++i)
        rows.push_back("W" + std::to_string(i) + "\t9.0\t60\t1.0\tTIG\t40\t" + (i <= 3 ? " " : "Yes") + "\t");
    const Table roster = tableOf(rosterCaptions, rows);

    const auto omitted = linesOf(rosterListText(roster, true));
    ASSERT_EQ(omitted.size(), 2u + 57u + 2u);
    EXPECT_EQ(omitted[0], rosterHeader);
    EXPECT_EQ(omitted[1], "");
    EXPECT_TRUE(omitted[2].starts_with("W4 "));
    EXPECT_EQ(linesAfterPageBreaks(omitted, rosterHeader), std::vector<std::string>{omitted[54]});
    EXPECT_TRUE(omitted[54].starts_with("W54 ")) << "the 51st printed wrestler opens page two";

    const auto everyone = linesOf(rosterListText(roster, false));
    ASSERT_EQ(everyone.size(), 2u + 60u + 2u);
    EXPECT_TRUE(everyone[2].starts_with("W1 "));
    EXPECT_TRUE(linesAfterPageBreaks(everyone, rosterHeader).at(0).starts_with("W51 "));
}

TEST(PrintedListsTest, EmptyTablesGiveEmptyFiles)
{
    const Meet fresh;
    EXPECT_EQ(rosterListText(fresh.roster, false), "");
    EXPECT_EQ(boutListText(fresh.boutGrid, true), "");
    EXPECT_EQ(boutListText(fresh.boutGrid, false), "");
    EXPECT_EQ(scoreListText(fresh.boutGrid), "");

    const Table allAbsent = tableOf(rosterCaptions, {"Bo Lind\t9.0\t60\t1.0\tLIO\t40\t\t"});
    EXPECT_EQ(rosterListText(allAbsent, true), "");
}

TEST(PrintedListsTest, BoutListLinesWithAndWithoutSkills)
{
    const Table grid = tableOf(boutGridCaptions, {
        boutRow(1, "A", "B"),
        "7\t2\t\tChristopher Abernathy\t10.5\t72\t10.0\tTIGERS\t\t\t\tBo Lind\t9.0\t105\t10.0\tLIO\t\t",
    });
    EXPECT_EQ(boutListText(grid, true),
              boutHeaderWithSkills + "\r\n\r\n"
                  + "  1 A" + sp(17) + " 9.0  60  2.0 TIG    B" + sp(17) + " 9.5  62  2.5 LIO  \r\n"
                  + "  2 Christopher Aberna10.5  72  0.0 TIGER  Bo Lind" + sp(12) + "9.0 105  10. LIO  \r\n");
    EXPECT_EQ(boutListText(grid, false),
              boutHeaderWithoutSkills + "\r\n\r\n"
                  + "  1  A" + sp(19) + " 9.0   60  TIG      B" + sp(19) + " 9.5   62  LIO  \r\n"
                  + "  2  Christopher Abernath10.5   72  TIGER    Bo Lind" + sp(14) + "9.0  105  LIO  \r\n")
        << "the printed number is the row, not the Bout cell";
}

TEST(PrintedListsTest, BoutListPagesEveryFiftyBouts)
{
    const auto fifty = linesOf(boutListText(boutsNumbered(50), true));
    EXPECT_EQ(fifty.size(), 52u);
    EXPECT_TRUE(linesAfterPageBreaks(fifty, boutHeaderWithSkills).empty());

    const auto fiftyOne = linesOf(boutListText(boutsNumbered(51), false));
    ASSERT_EQ(fiftyOne.size(), 55u);
    EXPECT_EQ(fiftyOne[0], boutHeaderWithoutSkills);
    EXPECT_EQ(fiftyOne[51], " 50  Red 50" + sp(14) + " 9.0   60  TIG      Green 50" + sp(12) + " 9.5   62  LIO  ");
    EXPECT_EQ(linesAfterPageBreaks(fiftyOne, boutHeaderWithoutSkills),
              std::vector<std::string>{" 51  Red 51" + sp(14) + " 9.0   60  TIG      Green 51" + sp(12)
                                       + " 9.5   62  LIO  "});
}

TEST(PrintedListsTest, ScoreListLinesWithAndWithoutResults)
{
    Table grid = boutsNumbered(12);
    grid.setCell(12, BoutColumn::Name1, "Christopher Abernathy");
    grid.setCell(12, BoutColumn::Age1, "10.5");
    grid.setCell(12, BoutColumn::Weight1, "72");
    grid.setCell(12, BoutColumn::Points1, "12");
    grid.setCell(12, BoutColumn::Winner1, "MajDec");
    grid.setCell(12, BoutColumn::Name2, "Bo Lind");
    grid.setCell(12, BoutColumn::Weight2, "105");
    grid.setCell(12, BoutColumn::Skill2, "10.0");
    grid.setCell(12, BoutColumn::Points2, "4");
    const auto lines = linesOf(scoreListText(grid));
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], scoreHeader);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "  1  Red 1" + sp(14) + " 9.0  60  2.0 TIG  " + sp(3) + " " + sp(8) + "  Green 1" + sp(12)
                            + " 9.5  62  2.5 LIO  " + sp(3) + " " + sp(8));
    EXPECT_EQ(lines[13], " 12  Christopher Abernat10.5  72  2.0 TIG   12 MajDec    Bo Lind" + sp(12)
                             + " 9.5 105  10. LIO    4 " + sp(8));
}

TEST(PrintedListsTest, ScoreListStartsItsSecondPageBeforeBoutFortyOne)
{
    const auto lines = linesOf(scoreListText(boutsNumbered(81)));
    const auto pageStarts = linesAfterPageBreaks(lines, scoreHeader);
    ASSERT_EQ(pageStarts.size(), 2u);
    EXPECT_TRUE(pageStarts[0].starts_with(" 41  Red 41 "));
    EXPECT_TRUE(pageStarts[1].starts_with(" 81  Red 81 "));
    EXPECT_EQ(lines.size(), 2u + 81u + 2u * 2u);
}

TEST(PrintedListsTest, ThreeDigitBoutNumbersFillTheirField)
{
    const auto lines = linesOf(boutListText(boutsNumbered(100), true));
    EXPECT_TRUE(lines.back().starts_with("100 Red 100 "));
    EXPECT_TRUE(lines[2].starts_with("  1 Red 1 "));
}
