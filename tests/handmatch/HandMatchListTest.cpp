#include "handmatch/HandMatchList.h"

#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

class HandMatchListTest : public ::testing::Test {
protected:
    HandMatchListTest()
    {
        meet.directory = dir.path();
        meet.teamList.setRowCount(1);
        meet.teamList.appendRow("Tigers\tTIG");
        meet.teamList.appendRow("Lions\tLIO");
        meet.roster.setRowCount(1);
        addWrestler("Ann", "9.0", "60", "1.0", "TIG", "Yes");
        addWrestler("Bo", "9.0", "61", "1.0", "LIO", "Yes");
        addWrestler("Cy", "9.0", "70", "2.0", "LIO", "Yes");
        addWrestler("Dee", "9.0", "60", "1.0", "TIG", "");
    }

    void addWrestler(const std::string& name, const std::string& age, const std::string& weight,
                     const std::string& skill, const std::string& team, const std::string& here)
    {
        meet.roster.appendRow(name + "\t" + age + "\t" + weight + "\t" + skill + "\t" + team + "\t"
                              + compositeValue(age, weight, skill) + "\t" + here + "\t");
    }

    // The editor as a click on the roster row leaves it.
    EditorWrestler editorOf(int row) const
    {
        const Table& r = meet.roster;
        return {r.cell(row, 0), r.cell(row, 1), r.cell(row, 2), r.cell(row, 3), r.cell(row, 4),
                r.cell(row, RosterColumn::Here) == "Yes"};
    }

    void pick(int listRow, int rosterRow, ProposalSettings settings = {})
    {
        list.selectRow(listRow);
        list.pickWrestler(meet, editorOf(rosterRow), settings, dialogs);
    }

    std::string boutsOf(int rosterRow) const { return meet.roster.cell(rosterRow, RosterColumn::Bouts); }
    std::string boutCell(int bout, int column) const { return meet.boutGrid.cell(bout, column); }

    bool makeBout(int first, int second)
    {
        pick(1, first);
        pick(2, second);
        return list.makeHandBout(meet, dialogs);
    }

    TempDir dir;
    Meet meet;
    FakeDialogs dialogs;
    HandMatchList list;
};

bool listIsEmpty(const HandMatchList& list)
{
    const Table& grid = list.grid();
    for (int row = 1; row <= 2; ++row)
        for (int c = 0; c < grid.columnCount(); ++c)
            if (!grid.cell(row, c).empty())
                return false;
    return true;
}

} // namespace

TEST_F(HandMatchListTest, PickingFillsTheSelectedRow)
{
    EXPECT_EQ(list.grid().rowCount(), 3);
    EXPECT_EQ(list.grid().cell(0, 5), "Comp");

    const auto absent = list.pickWrestler(meet, editorOf(4), {}, dialogs);
    EXPECT_FALSE(absent.picked);
    EXPECT_TRUE(listIsEmpty(list)) << "only a wrestler who is here is picked";

    EditorWrestler typed{"Eli", "10", "72", "2", "TIG", true};
    EXPECT_TRUE(list.pickWrestler(meet, typed, {}, dialogs).picked);
    list.selectRow(0);
    list.selectRow(2);
    pick(2, 2);
    const Table& grid = list.grid();
    EXPECT_EQ(grid.cell(1, 0), "Eli");
    EXPECT_EQ(grid.cell(1, 2), "72") << "the boxes' texts as they stand";
    EXPECT_EQ(grid.cell(1, 5), "65");
    EXPECT_EQ(grid.cell(2, 0), "Bo");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(HandMatchListTest, FindBestProposesIntoAnEmptySecondRow)
{
    ProposalSettings settings{true, {true, true, true, true, false}, "3"};
    list.selectRow(1);
    auto result = list.pickWrestler(meet, editorOf(1), settings, dialogs);
    EXPECT_TRUE(result.searched);
    EXPECT_EQ(result.proposedRow, 2);
    EXPECT_EQ(list.grid().cell(2, 0), "Bo");
    EXPECT_EQ(list.grid().cell(2, 5), meet.roster.cell(2, RosterColumn::Cmp));

    result = list.pickWrestler(meet, editorOf(3), settings, dialogs);
    EXPECT_FALSE(result.searched) << "row 2 is taken";
    EXPECT_EQ(list.grid().cell(2, 0), "Bo");

    list.cancel();
    settings.maxBouts = "many";
    result = list.pickWrestler(meet, editorOf(1), settings, dialogs);
    EXPECT_TRUE(result.picked);
    EXPECT_FALSE(result.searched);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Bad value for maximum bouts."});

    list.cancel();
    settings.maxBouts = "3";
    meet.roster.setCell(2, RosterColumn::Team, "TIG");
    meet.roster.setCell(3, RosterColumn::Team, "TIG");
    result = list.pickWrestler(meet, editorOf(1), settings, dialogs);
    EXPECT_TRUE(result.searched);
    EXPECT_EQ(result.proposedRow, 0);
    EXPECT_EQ(list.grid().cell(2, 0), "") << "all on Ann's team and same-team matches off";
}

TEST_F(HandMatchListTest, AddMakesNewBoutsAtTheEnd)
{
    ASSERT_TRUE(makeBout(1, 2));
    EXPECT_EQ(meet.boutGrid.rowCount(), 2) << "the first bout takes the empty row";
    EXPECT_EQ(boutCell(1, BoutColumn::Bout), "1");
    EXPECT_EQ(boutCell(1, BoutColumn::Mat), "1");
    EXPECT_EQ(boutCell(1, BoutColumn::Name1), "Ann");
    EXPECT_EQ(boutCell(1, BoutColumn::Weight1), "60");
    EXPECT_EQ(boutCell(1, BoutColumn::Team2), "LIO");
    EXPECT_TRUE(listIsEmpty(list));
    EXPECT_EQ(list.grid().cell(0, 0), "Name");
    EXPECT_TRUE(meet.handMatchesMade);
    EXPECT_TRUE(dir.exists("Restore.Csv"));

    meet.roster.setCell(3, RosterColumn::Bouts, " 7 ");
    ASSERT_TRUE(makeBout(3, 1));
    EXPECT_EQ(meet.boutGrid.rowCount(), 3);
    EXPECT_EQ(boutCell(2, BoutColumn::Bout), "2");
    EXPECT_EQ(boutsOf(1), "1,2");
    EXPECT_EQ(boutsOf(2), "1");
    EXPECT_EQ(boutsOf(3), "7,2") << "the new number goes last";
}

TEST_F(HandMatchListTest, UnacceptablePairsChangeNothing)
{
    const Table bouts = meet.boutGrid;
    struct Case {
        const char* first;
        const char* second;
    };
    const Case cases[] = {{"Ann", ""}, {"", "Bo"}, {"Ann", "  "}, {"Ann", " Ann "}};
    for (const auto& c : cases) {
        list.cancel();
        list.selectRow(1);
        list.pickWrestler(meet, {c.first, "9", "60", "1", "TIG", true}, {}, dialogs);
        list.selectRow(2);
        list.pickWrestler(meet, {c.second, "9", "60", "1", "TIG", true}, {}, dialogs);
        dialogs.shown.clear();
        EXPECT_FALSE(list.makeHandBout(meet, dialogs)) << c.first << "/" << c.second;
        EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Unacceptable match"});
        EXPECT_FALSE(listIsEmpty(list)) << "the list stays for mending";
    }
    EXPECT_EQ(meet.boutGrid, bouts);
    EXPECT_FALSE(meet.handMatchesMade);
    EXPECT_FALSE(dir.exists("Restore.Csv"));
}

TEST_F(HandMatchListTest, EditBoutNeedsAnExistingBout)
{
    for (const char* text : {"", "x", "1", "0"}) {
        dialogs.shown.clear();
        EXPECT_FALSE(list.editOrReplaceBout(meet, text, dialogs));
        EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Bad bout number. Correct and retry."}) << text;
        EXPECT_FALSE(list.editing());
    }
    EXPECT_TRUE(dir.exists("Restore.Csv")) << "saved even after a bad number";
    EXPECT_EQ(list.editButtonCaption(), "Edit Bout >");
    EXPECT_EQ(list.editButtonFace(), (FaceColour{192, 192, 255}));
}

TEST_F(HandMatchListTest, ReplacingWrestlerTwoOnly)
{
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(makeBout(1 + i % 2, 2 - i % 2));
    ASSERT_TRUE(makeBout(1, 2));
    meet.boutGrid.setCell(5, BoutColumn::Mat, "3");
    meet.boutGrid.setCell(5, BoutColumn::Points1, "6");
    meet.boutGrid.setCell(5, BoutColumn::Winner1, "Decision");
    meet.roster.setCell(3, RosterColumn::Bouts, "2,9");
    meet.handMatchesMade = false;

    EXPECT_FALSE(list.editOrReplaceBout(meet, "5", dialogs));
    EXPECT_TRUE(list.editing());
    EXPECT_EQ(list.editButtonCaption(), "Replace >");
    EXPECT_EQ(list.editButtonFace(), (FaceColour{0, 255, 0}));
    EXPECT_EQ(list.editedBoutRows(), (std::array<int, 2>{1, 2}));
    EXPECT_EQ(list.grid().cell(2, 0), "Bo");
    EXPECT_EQ(list.grid().cell(2, 5), meet.roster.cell(2, RosterColumn::Cmp));

    pick(2, 3);
    EXPECT_TRUE(list.editOrReplaceBout(meet, "5", dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(list.editing());
    EXPECT_TRUE(listIsEmpty(list));
    EXPECT_EQ(boutsOf(1), "1,2,3,4,5") << "wrestler 1 stays as he was";
    EXPECT_EQ(boutsOf(2), "1,2,3,4");
    EXPECT_EQ(boutsOf(3), "2,5,9") << "the new wrestler 2 gets 5 in its place";
    EXPECT_EQ(boutCell(5, BoutColumn::Name1), "Ann");
    EXPECT_EQ(boutCell(5, BoutColumn::Name2), "Cy");
    EXPECT_EQ(boutCell(5, BoutColumn::Weight2), "70");
    EXPECT_EQ(boutCell(5, BoutColumn::Mat), "1");
    EXPECT_EQ(boutCell(5, BoutColumn::Points1), "6") << "the result stays";
    EXPECT_EQ(boutCell(5, BoutColumn::Winner1), "Decision");
    EXPECT_EQ(meet.boutGrid.rowCount(), 6) << "no bout is added";
    EXPECT_TRUE(meet.handMatchesMade);
}

TEST_F(HandMatchListTest, ReplaceAfterTheRosterWasSorted)
{
    ASSERT_TRUE(makeBout(1, 2));
    EXPECT_FALSE(list.editOrReplaceBout(meet, "1", dialogs));
    meet.roster.swapRows(1, 3);
    meet.roster.removeRow(4);
    list.selectRow(2);
    list.pickWrestler(meet, editorOf(1), {}, dialogs);
    EXPECT_TRUE(list.editOrReplaceBout(meet, "1", dialogs));
    EXPECT_EQ(findRow(meet.roster, "Bo"), 2);
    EXPECT_EQ(boutsOf(2), "") << "Bo loses the bout though his row moved";
    EXPECT_EQ(boutsOf(1), "1") << "Cy";
    EXPECT_EQ(boutsOf(3), "1") << "Ann";
}

TEST_F(HandMatchListTest, ReplaceWithAnUnacceptablePairResets)
{
    ASSERT_TRUE(makeBout(1, 2));
    const Meet before = meet;
    EXPECT_FALSE(list.editOrReplaceBout(meet, "1", dialogs));
    pick(2, 1);
    EXPECT_TRUE(list.editOrReplaceBout(meet, "1", dialogs));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Unacceptable match"});
    EXPECT_FALSE(list.editing());
    EXPECT_TRUE(listIsEmpty(list));
    EXPECT_EQ(meet.boutGrid, before.boutGrid);
    EXPECT_EQ(meet.roster, before.roster);
}

TEST_F(HandMatchListTest, EditingABoutWithAWrestlerWhoLeftTheRoster)
{
    ASSERT_TRUE(makeBout(1, 2));
    pick(1, 3);
    meet.roster.setCell(1, RosterColumn::Name, "Annie");
    EXPECT_FALSE(list.editOrReplaceBout(meet, "1", dialogs));
    EXPECT_EQ(list.editedBoutRows(), (std::array<int, 2>{0, 2}));
    EXPECT_EQ(list.grid().cell(1, 0), "") << "the earlier pick is gone too";
    EXPECT_EQ(list.grid().cell(2, 0), "Bo");
}
