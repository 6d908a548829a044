#include "handmatch/HandMatchList.h"

#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

using Texts = std::vector<std::string>;

class HandMatchListTest : public ::testing::Test {
protected:
    HandMatchListTest()
    {
        meet.directory = dir.path();
        meet.teamList.setRowCount(1);
        meet.teamList.appendRow("Tigers\tTIG");
        meet.teamList.appendRow("Lions\tLIO");
        meet.roster.setRowCount(1);
        for (const char* row : { "Ann\t9.0\t60\t1.0\tTIG\t60\tYes\t", "Bo\t9.0\t61\t1.0\tLIO\t60\tYes\t",
                 "Cy\t9.0\t70\t2.0\tLIO\t62\tYes\t", "Dee\t9.0\t60\t1.0\tTIG\t60\t\t" })
            meet.roster.appendRow(row);
    }

    // The editor as a click on the roster row leaves it.
    EditorWrestler editorOf(int row) const
    {
        const Table& r = meet.roster;
        return { r.cell(row, 0), r.cell(row, 1), r.cell(row, 2), r.cell(row, 3), r.cell(row, 4),
            r.cell(row, 6) == "Yes" };
    }

    PickResult pick(int listRow, const EditorWrestler& editor, const ProposalSettings& settings = {})
    {
        list.selectRow(listRow);
        return list.pickWrestler(meet, editor, settings, dialogs);
    }

    bool makeBout(int first, int second)
    {
        pick(1, editorOf(first));
        pick(2, editorOf(second));
        return list.makeHandBout(meet, dialogs);
    }

    Texts boutsCells() const
    {
        Texts cells;
        for (int row = 1; row < meet.roster.rowCount(); ++row)
            cells.push_back(meet.roster.cell(row, RosterColumn::Bouts));
        return cells;
    }

    Texts listRow(int row) const
    {
        Texts cells;
        for (int c = 0; c < list.grid().columnCount(); ++c)
            cells.push_back(list.grid().cell(row, c));
        return cells;
    }

    bool listIsEmpty() const { return listRow(1) == Texts(6) && listRow(2) == Texts(6); }
    std::string boutCell(int bout, int column) const { return meet.boutGrid.cell(bout, column); }

    TempDir dir;
    Meet meet;
    FakeDialogs dialogs;
    HandMatchList list;
};

} // namespace

TEST_F(HandMatchListTest, PickingFillsTheSelectedRow)
{
    EXPECT_EQ(listRow(0), (Texts { "Name", "Age", "Weight", "Skill", "Team", "Comp" }));
    EXPECT_FALSE(pick(1, editorOf(4)).picked);
    EXPECT_TRUE(listIsEmpty()) << "only a wrestler who is here is picked";

    EXPECT_TRUE(pick(1, { "Eli", "10", "72", "2", "TIG", true }).picked);
    list.selectRow(0);
    list.pickWrestler(meet, editorOf(2), {}, dialogs);
    EXPECT_EQ(listRow(1), (Texts { "Bo", "9.0", "61", "1.0", "LIO", "60" })) << "row 0 cannot be selected";
    pick(2, { "Eli", "10", "72", "2", "TIG", true });
    EXPECT_EQ(listRow(2), (Texts { "Eli", "10", "72", "2", "TIG", "65" })) << "the boxes' texts as they stand";
}

TEST_F(HandMatchListTest, FindBestProposesIntoAnEmptySecondRow)
{
    ProposalSettings settings { true, { true, true, true, true, false }, "3" };
    auto result = pick(1, editorOf(1), settings);
    EXPECT_TRUE(result.searched);
    EXPECT_EQ(result.proposedRow, 2);
    EXPECT_EQ(listRow(2), (Texts { "Bo", "9.0", "61", "1.0", "LIO", "60" }));

    EXPECT_FALSE(pick(1, editorOf(3), settings).searched) << "row 2 is taken";
    EXPECT_EQ(list.grid().cell(2, 0), "Bo");

    list.cancel();
    settings.maxBouts = "many";
    result = pick(1, editorOf(1), settings);
    EXPECT_TRUE(result.picked && !result.searched);
    EXPECT_EQ(dialogs.shown, Texts { "Bad value for maximum bouts." });

    list.cancel();
    settings.maxBouts = "3";
    meet.roster.setCell(2, RosterColumn::Team, "TIG");
    meet.roster.setCell(3, RosterColumn::Team, "TIG");
    result = pick(1, editorOf(1), settings);
    EXPECT_TRUE(result.searched);
    EXPECT_EQ(list.grid().cell(2, 0), "") << "all on Ann's team and same-team matches off";
}

TEST_F(HandMatchListTest, AddMakesNewBoutsAtTheEnd)
{
    ASSERT_TRUE(makeBout(1, 2));
    EXPECT_EQ(meet.boutGrid.rowCount(), 2) << "the first bout takes the empty row";
    Texts row;
    for (int c = 0; c < BoutColumn::Count; ++c)
        row.push_back(boutCell(1, c));
    EXPECT_EQ(row,
        (Texts {
            "1", "1", "", "Ann", "9.0", "60", "1.0", "TIG", "", "", "", "Bo", "9.0", "61", "1.0", "LIO", "", "" }));
    EXPECT_TRUE(listIsEmpty());
    EXPECT_TRUE(meet.handMatchesMade);
    EXPECT_TRUE(dir.exists("Restore.Csv"));

    meet.roster.setCell(3, RosterColumn::Bouts, " 7 ");
    ASSERT_TRUE(makeBout(3, 1));
    EXPECT_EQ(boutCell(2, BoutColumn::Bout), "2");
    EXPECT_EQ(boutsCells(), (Texts { "1,2", "1", "7,2", "" })) << "the new number goes last";
}

TEST_F(HandMatchListTest, UnacceptablePairsChangeNothing)
{
    const Table bouts = meet.boutGrid;
    for (const auto& [first, second] : { std::pair { "Ann", "" }, { "", "Bo" }, { "Ann", "  " }, { "Ann", " Ann " } }) {
        list.cancel();
        pick(1, { first, "9", "60", "1", "TIG", true });
        pick(2, { second, "9", "60", "1", "TIG", true });
        dialogs.shown.clear();
        EXPECT_FALSE(list.makeHandBout(meet, dialogs)) << first << "/" << second;
        EXPECT_EQ(dialogs.shown, Texts { "Unacceptable match" });
        EXPECT_FALSE(listIsEmpty()) << "the list stays for mending";
    }
    EXPECT_EQ(meet.boutGrid, bouts);
    EXPECT_FALSE(meet.handMatchesMade);
    EXPECT_FALSE(dir.exists("Restore.Csv"));
}

TEST_F(HandMatchListTest, EditBoutNeedsAnExistingBout)
{
    for (const char* text : { "", "x", "1", "0" }) {
        dialogs.shown.clear();
        EXPECT_FALSE(list.editOrReplaceBout(meet, text, dialogs));
        EXPECT_EQ(dialogs.shown, Texts { "Bad bout number. Correct and retry." }) << text;
        EXPECT_FALSE(list.editing());
    }
    EXPECT_TRUE(dir.exists("Restore.Csv")) << "saved even after a bad number";
    EXPECT_EQ(list.editButtonCaption(), "Edit Bout >");
    EXPECT_EQ(list.editButtonFace(), (FaceColour { 192, 192, 255 }));
}

TEST_F(HandMatchListTest, ReplacingWrestlerTwoOnly)
{
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(makeBout(1 + i % 2, 2 - i % 2));
    meet.boutGrid.setCell(5, BoutColumn::Mat, "3");
    meet.boutGrid.setCell(5, BoutColumn::Winner1, "Decision");
    meet.roster.setCell(3, RosterColumn::Bouts, "2,9");
    meet.handMatchesMade = false;

    EXPECT_FALSE(list.editOrReplaceBout(meet, "5", dialogs));
    EXPECT_TRUE(list.editing());
    EXPECT_EQ(list.editButtonCaption(), "Replace >");
    EXPECT_EQ(list.editButtonFace(), (FaceColour { 0, 255, 0 }));
    EXPECT_EQ(list.editedBoutRows(), (std::array<int, 2> { 1, 2 }));
    EXPECT_EQ(listRow(2), (Texts { "Bo", "9.0", "61", "1.0", "LIO", "60" }));

    pick(2, editorOf(3));
    EXPECT_TRUE(list.editOrReplaceBout(meet, "5", dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(list.editing());
    EXPECT_TRUE(listIsEmpty());
    EXPECT_EQ(boutsCells(), (Texts { "1,2,3,4,5", "1,2,3,4", "2,5,9", "" }));
    EXPECT_EQ(boutCell(5, BoutColumn::Name1), "Ann");
    EXPECT_EQ(boutCell(5, BoutColumn::Weight2), "70");
    EXPECT_EQ(boutCell(5, BoutColumn::Mat), "1");
    EXPECT_EQ(boutCell(5, BoutColumn::Winner1), "Decision") << "the result stays";
    EXPECT_EQ(meet.boutGrid.rowCount(), 6) << "no bout is added";
    EXPECT_TRUE(meet.handMatchesMade);
}

TEST_F(HandMatchListTest, ReplaceAfterTheRosterWasSorted)
{
    ASSERT_TRUE(makeBout(1, 2));
    EXPECT_FALSE(list.editOrReplaceBout(meet, "1", dialogs));
    meet.roster.swapRows(1, 3);
    meet.roster.removeRow(4);
    pick(2, editorOf(1));
    EXPECT_TRUE(list.editOrReplaceBout(meet, "1", dialogs));
    EXPECT_EQ(boutsCells(), (Texts { "1", "", "1" })) << "Cy gains, Bo loses though his row moved, Ann keeps";
}

TEST_F(HandMatchListTest, ReplaceWithAnUnacceptablePairResets)
{
    ASSERT_TRUE(makeBout(1, 2));
    const Meet before = meet;
    EXPECT_FALSE(list.editOrReplaceBout(meet, "1", dialogs));
    pick(2, editorOf(1));
    EXPECT_TRUE(list.editOrReplaceBout(meet, "1", dialogs));
    EXPECT_EQ(dialogs.shown, Texts { "Unacceptable match" });
    EXPECT_FALSE(list.editing());
    EXPECT_TRUE(listIsEmpty());
    EXPECT_EQ(meet.boutGrid, before.boutGrid);
    EXPECT_EQ(meet.roster, before.roster);
}

TEST_F(HandMatchListTest, EditingABoutWithAWrestlerWhoLeftTheRoster)
{
    ASSERT_TRUE(makeBout(1, 2));
    pick(1, editorOf(3));
    meet.roster.setCell(1, RosterColumn::Name, "Annie");
    EXPECT_FALSE(list.editOrReplaceBout(meet, "1", dialogs));
    EXPECT_EQ(list.editedBoutRows(), (std::array<int, 2> { 0, 2 }));
    EXPECT_EQ(listRow(1), Texts(6)) << "the earlier pick is gone too";
}

TEST_F(HandMatchListTest, TypedQuotesTabsAndLineEndsNeverReachTheBout)
{
    // The editor's boxes as the director might have typed them.
    pick(1, { "An\"n\"\t", "9.0\r\n", "6\t0", "1.0", "T\"IG\n", true });
    pick(2, editorOf(2));
    EXPECT_EQ(listRow(1), (Texts { "Ann", "9.0", "60", "1.0", "TIG", "60" }));
    ASSERT_TRUE(list.makeHandBout(meet, dialogs));
    EXPECT_EQ(boutCell(1, BoutColumn::Name1), "Ann");
    EXPECT_EQ(boutCell(1, BoutColumn::Team1), "TIG");
    EXPECT_EQ(boutsCells(), (Texts { "1", "1", "", "" })) << "the cleaned name finds Ann in the roster";
}
