#include "bouts/ResultEntry.h"

#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <vector>

using namespace korvanda;

namespace {

Meet threeBouts(const TempDir& dir)
{
    Meet meet;
    meet.directory = dir.path();
    meet.boutGrid.setRowCount(1);
    meet.boutGrid.appendRow("1\t1\t\tAnn\t9.0\t60\t1.0\tTIG\t\t\t\tBo\t9.0\t61\t1.0\tLIO");
    meet.boutGrid.appendRow("2\t1\t\tCy\t9.0\t62\t1.0\tLIO\t7\tDecision\t\tDee\t9.0\t60\t1.0\tTIG\t3");
    meet.boutGrid.appendRow("3\t1\t\tEve\t9.0\t62\t1.0\tLIO\t\t\t\tFay\t9.0\t60\t1.0\tTIG");
    return meet;
}

std::vector<std::string> resultCells(const Meet& meet, int bout)
{
    const Table& t = meet.boutGrid;
    return { t.cell(bout, BoutColumn::Points1), t.cell(bout, BoutColumn::Points2), t.cell(bout, BoutColumn::Winner1),
        t.cell(bout, BoutColumn::Winner2) };
}

using Messages = std::vector<std::string>;
using Cells = std::vector<std::string>;

} // namespace

TEST(ResultEntryTest, AcceptChecks)
{
    using namespace ResultType;
    struct Case {
        const char* what;
        const char* points1;
        const char* points2;
        int winner;
        int type;
        Messages messages;
        // Points 1, points 2, Winner 1, Winner 2 when stored.
        Cells stored;
    };
    const Case cases[] = {
        { "fall without points", "", "", 1, Fall, {}, { "", "", "Fall", "" } },
        { "blank side scored nothing", "5", " ", 1, Decision, {}, { "5", "0", "Decision", "" } },
        { "scratch with points", "3", "", 0, Scratch, { "Points should not be assigned to scratched bout." }, {} },
        { "scratch has no winner", "", "", 1, Scratch, {}, { "", "", "Scratch", "Scratch" } },
        { "draw", "3", "3", 0, Draw, {}, { "3", "3", "Draw", "Draw" } },
        { "draw drops the winner", "3", "3", 2, Draw, {}, { "3", "3", "Draw", "Draw" } },
        { "draw with a margin", "4", "3", 0, Draw, { "Result should be Decision" }, {} },
        { "draw without points", "", "", 0, Draw, { "Points must be assigned" }, {} },
        { "tech fall with nothing", "", "", 0, TechFall, { "Points must be assigned", "No winner was declared" }, {} },
        { "no winner, big margin", "20", "0", 0, Decision,
            { "No winner was declared", "Result should be Technical Fall" }, {} },
        { "margin 15", "15", "0", 1, Decision, { "Result should be Technical Fall" }, {} },
        { "margin 12", "12", "0", 1, Decision, { "Result should be Superior Decision" }, {} },
        { "margin 8", "8", "0", 1, Decision, { "Result should be Majority Decision" }, {} },
        { "margin 1", "1", "0", 1, MajDec, { "Result should be Decision" }, {} },
        { "margin 14", "14", "0", 1, TechFall, { "Result should be Superior Decision" }, {} },
        { "margin 11", "11", "0", 1, MajDec, {}, { "11", "0", "MajDec", "" } },
        { "wrestler 2 by tech fall", "0", "15", 2, TechFall, {}, { "0", "15", "", "TechFall" } },
        { "half a point rounds to even", "2.5", "0", 1, Decision, {}, { "2.5", "0", "Decision", "" } },
        { "margin -0.5 counts as 0", "0", "0.5", 1, MajDec, {}, { "0", "0.5", "MajDec", "" } },
        { "points against the winner", "2", "5", 1, Decision, { "Points inconsistent with winner" }, {} },
        { "a fall ends the bout", "2", "5", 1, Fall, {}, { "2", "5", "Fall", "" } },
        { "fall, wrestler 2", "5", "2", 2, Fall, {}, { "5", "2", "", "Fall" } },
        { "forfeit", "", "", 2, Forfeit, {}, { "", "", "", "Forfeit" } },
        { "forfeit against the points", "5", "2", 2, Forfeit, { "Points inconsistent with winner" }, {} },
        { "equal points", "4", "4", 1, Decision, {}, { "4", "4", "Decision", "" } },
        { "points no number", "x", "3", 1, Decision, {}, { "x", "3", "Decision", "" } },
        { "taking a result back", "", "", 0, None, {}, { "", "", "", "" } },
        { "no type, a winner", "5", "2", 1, None, { "Result should be Decision" }, {} },
        { "no type, no winner, margin", "5", "2", 0, None, { "Result should be Decision" }, {} },
    };
    for (const auto& c : cases) {
        TempDir dir;
        Meet meet = threeBouts(dir);
        const Cells before = resultCells(meet, 2);
        FakeDialogs dialogs;
        ResultEntry entry { "2", "Cy", "LIO", "Dee", "TIG", c.points1, c.points2, c.winner, c.type };
        const bool stored = acceptResult(meet, entry, dialogs);
        EXPECT_EQ(dialogs.shown, c.messages) << c.what;
        EXPECT_EQ(stored, c.messages.empty()) << c.what;
        EXPECT_EQ(resultCells(meet, 2), stored ? c.stored : before) << c.what;
        EXPECT_EQ(entry == ResultEntry {}, stored) << c.what << ": cleared only when stored";
        EXPECT_TRUE(dir.exists("Restore.Csv")) << c.what;
    }
}

TEST(ResultEntryTest, RefusedBeforeTheChecks)
{
    struct Case {
        const char* number;
        const char* points1;
        const char* message;
        bool saved;
    };
    const char* badBout = "Bad bout number. Correct and retry.";
    const Case cases[] = {
        { "", "6", "Bout number is blank", false },
        { "two", "6", "Bout number is blank", false },
        { "0", "6", badBout, false },
        { "-1", "6", badBout, false },
        { "4", "6", badBout, false },
        { "5", "6", badBout, false },
        { "3", "40000", "Points out of range.", true },
        { "3", "-32769", "Points out of range.", true },
        { "3", "1e30", "Points out of range.", true },
    };
    for (const auto& c : cases) {
        TempDir dir;
        Meet meet = threeBouts(dir);
        meet.boutGrid.appendRow();
        const Table before = meet.boutGrid;
        FakeDialogs dialogs;
        ResultEntry entry { c.number, "", "", "", "", c.points1, "", 1, ResultType::Decision };
        EXPECT_FALSE(acceptResult(meet, entry, dialogs));
        EXPECT_EQ(dialogs.shown, Messages { c.message }) << c.number;
        EXPECT_EQ(meet.boutGrid, before) << c.number;
        EXPECT_EQ(entry.points2, "0") << "blank points are filled before the number is read";
        EXPECT_EQ(dir.exists("Restore.Csv"), c.saved) << c.number;
    }
}

TEST(ResultEntryTest, TypedNumberPicksTheRowAndARefusalKeepsTheEntry)
{
    TempDir dir;
    Meet meet = threeBouts(dir);
    FakeDialogs dialogs;
    ResultEntry entry { " 2.5 ", "Ann", "", "", "", "4", "", 1, ResultType::Draw };
    EXPECT_FALSE(acceptResult(meet, entry, dialogs));
    EXPECT_EQ(entry, (ResultEntry { " 2.5 ", "Ann", "", "", "", "4", "0", 0, ResultType::Draw }));
    entry.points1 = " 9 ";
    entry.winner = 1;
    entry.resultType = ResultType::MajDec;
    EXPECT_TRUE(acceptResult(meet, entry, dialogs));
    EXPECT_EQ(resultCells(meet, 2), (Cells { " 9 ", "0", "MajDec", "" })) << "bout 2, texts as typed";
    EXPECT_EQ(resultCells(meet, 3), (Cells { "", "", "", "" }));
    entry = { "3", "", "", "", "", "32767", "0", 1, ResultType::TechFall };
    EXPECT_TRUE(acceptResult(meet, entry, dialogs)) << "the largest margin that fits";
}

TEST(ResultEntryTest, SelectBoutShowsTheStoredResult)
{
    Table bouts = Meet().boutGrid;
    bouts.setRowCount(1);
    bouts.appendRow("1\t1\t\tAnn\t\t\t\tTIG\t3\t\t\tBo\t\t\t\tLIO\t12\tMajDec");
    bouts.appendRow("2\t1\t\tCy\t\t\t\tLIO\t\t\t\tDee\t\t\t\tTIG\t\t");
    bouts.appendRow("3\t1\t\tEve\t\t\t\tLIO\t2\tDraw\t\tFay\t\t\t\tTIG\t2\tDraw");
    bouts.appendRow("4\t1\t\tGus\t\t\t\tLIO\t\t Fall \t\tHal\t\t\t\tTIG\t\t");
    bouts.appendRow("5\t1\t\tIda\t\t\t\tLIO\t\tPin\t\tJo\t\t\t\tTIG\t\t");
    bouts.appendRow("6\t1\t\tKit\t\t\t\tLIO\t\tScratch\t\tLu\t\t\t\tTIG\t\tScratch");
    const ResultEntry earlier { "9", "x", "x", "x", "x", "1", "1", 1, ResultType::Forfeit };

    const ResultEntry first = selectBout(bouts, 1, earlier);
    EXPECT_EQ(first, (ResultEntry { "1", "Ann", "TIG", "Bo", "LIO", "3", "12", 2, ResultType::MajDec }));

    struct Case {
        int row;
        int winner;
        int type;
    };
    const Case cases[] = {
        { 2, 0, ResultType::None },
        { 3, 0, ResultType::Draw },
        { 4, 1, ResultType::Fall },
        { 5, 1, ResultType::Forfeit }, // an unknown code leaves the type as it was
        { 6, 0, ResultType::Scratch },
    };
    for (const auto& c : cases) {
        const ResultEntry shown = selectBout(bouts, c.row, earlier);
        EXPECT_EQ(shown.boutNumber, std::to_string(c.row));
        EXPECT_EQ(shown.winner, c.winner) << c.row;
        EXPECT_EQ(shown.resultType, c.type) << c.row;
    }
    EXPECT_EQ(selectBout(bouts, 0, earlier), earlier) << "the header row is no bout";
    EXPECT_EQ(selectBout(bouts, 7, earlier), earlier);
}

TEST(ResultEntryTest, TypedQuotesTabsAndLineEndsAreDroppedFromThePoints)
{
    TempDir dir;
    Meet meet = threeBouts(dir);
    FakeDialogs dialogs;
    ResultEntry entry { "3", "", "", "", "", "\"5\"\t", "2\r\n", 1, ResultType::Decision };
    EXPECT_TRUE(acceptResult(meet, entry, dialogs)) << "5 to 2 is a decision once the points are clean";
    EXPECT_EQ(resultCells(meet, 3), (Cells { "5", "2", "Decision", "" }));

    entry = { "1", "", "", "", "", "x\"y", "\t", 0, ResultType::None };
    EXPECT_TRUE(acceptResult(meet, entry, dialogs));
    EXPECT_EQ(resultCells(meet, 1), (Cells { "xy", "0", "", "" })) << "a tab alone is a blank box";
    EXPECT_TRUE(dialogs.shown.empty());
}
