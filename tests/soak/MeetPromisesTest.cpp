#include "soak/MeetPromises.h"

#include "meet/RestoreFile.h"

#include <gtest/gtest.h>

using namespace korvanda;
using namespace korvanda::soak;

namespace {

// Two wrestlers in one bout, as a hand match leaves them.
Meet oneBoutMeet()
{
    Meet meet;
    meet.roster.setCell(1, RosterColumn::Name, "Al Ames");
    meet.roster.setCell(1, RosterColumn::Bouts, "1");
    meet.roster.appendRow("Ben Cole\t9.0\t60\t1.0\tTIG\t\tYes\t1");
    meet.boutGrid.setCell(1, BoutColumn::Bout, "1");
    meet.boutGrid.setCell(1, BoutColumn::Name1, "Al Ames");
    meet.boutGrid.setCell(1, BoutColumn::Name2, "Ben Cole");
    return meet;
}

} // namespace

TEST(MeetPromisesTest, BoutsCellsAndBoutNumbersFollowTheBoutList)
{
    const struct {
        const char* what;
        void (*change)(Meet&);
        bool cellsAgree;
        bool numbersRun;
        bool mayDisagree;
    } cases[] = {
        { "as made", [](Meet&) {}, true, true, false },
        { "a second bout",
            [](Meet& m) {
                m.boutGrid.appendRow("2\t1\t\tBen Cole\t\t\t\t\t\t\t\tAl Ames");
                m.roster.setCell(1, RosterColumn::Bouts, "1,2");
                m.roster.setCell(2, RosterColumn::Bouts, "1,2");
            },
            true, true, false },
        { "a number missing", [](Meet& m) { m.roster.setCell(2, RosterColumn::Bouts, ""); }, false, true, false },
        { "a number too many", [](Meet& m) { m.roster.setCell(1, RosterColumn::Bouts, "1,2"); }, false, true, false },
        { "a gap in the numbers", [](Meet& m) { m.boutGrid.setCell(1, BoutColumn::Bout, "2"); }, true, false, false },
        { "renamed after matching", [](Meet& m) { m.roster.setCell(1, RosterColumn::Name, "Al Baker"); }, false, true,
            true },
        { "the same name twice", [](Meet& m) { m.roster.appendRow("Al Ames"); }, false, true, true },
        { "only the empty row",
            [](Meet& m) {
                m.boutGrid.removeRow(1);
                m.boutGrid.appendRow();
                m.roster.setCell(1, RosterColumn::Bouts, "");
                m.roster.setCell(2, RosterColumn::Bouts, "");
            },
            true, true, false },
    };
    for (const auto& c : cases) {
        Meet meet = oneBoutMeet();
        c.change(meet);
        EXPECT_EQ(!boutsCellProblem(meet), c.cellsAgree) << c.what;
        EXPECT_EQ(!boutNumberProblem(meet), c.numbersRun) << c.what;
        EXPECT_EQ(boutsMayDisagree(meet), c.mayDisagree) << c.what;
    }
}

TEST(MeetPromisesTest, RestoreFileAndTablesAreComparedCellForCell)
{
    Meet meet = oneBoutMeet();
    const std::string file = restoreFileText(meet);
    EXPECT_FALSE(restoreFileProblem(meet, file));
    meet.boutGrid.setCell(1, BoutColumn::Winner1, "Fall");
    EXPECT_EQ(restoreFileProblem(meet, file), "BoutGrid cell 1,9 is \"\" in the file, \"Fall\" in memory");
    EXPECT_TRUE(restoreFileProblem(meet, file.substr(0, file.size() / 2)));
}

TEST(MeetPromisesTest, TablesKeepCaptionsRowsAndCurrentRow)
{
    Meet meet = oneBoutMeet();
    EXPECT_FALSE(tableShapeProblem(meet));
    meet.roster.setCurrentRow(3);
    EXPECT_EQ(tableShapeProblem(meet), "Roster current row 3 of 2");
    meet.roster.setCurrentRow(1);
    meet.teamList.setCell(0, TeamColumn::Coach, "Coach");
    EXPECT_TRUE(tableShapeProblem(meet));
}

TEST(MeetPromisesTest, AWrittenFileEndsEveryLineWithCrLf)
{
    EXPECT_FALSE(wholeFileProblem(""));
    EXPECT_FALSE(wholeFileProblem("a\r\n\x0c"
                                  "b\r\n"));
    EXPECT_EQ(wholeFileProblem("a\nb\r\n"), "a bare line end at byte 1");
    EXPECT_EQ(wholeFileProblem("a\r\nb"), "the last line has no CR LF");
    EXPECT_TRUE(wholeFileProblem("a\r\r\n"));
}
