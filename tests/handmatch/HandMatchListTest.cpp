#include "handmatch/HandMatchList.h"

#include "HandMatchMeets.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

class HandMatchListTest : public ::testing::Test {
protected:
    HandMatchListTest() { meet.directory = dir.path(); }

    PickResult pick(int listRow, const EditorWrestler& editor, const ProposalSettings& settings = {})
    {
        list.selectRow(listRow);
        return list.pickWrestler(meet, editor, settings, dialogs);
    }
    // Picks the wrestler as a click on his roster row leaves him in the editor.
    PickResult pick(int listRow, int row, const ProposalSettings& settings = {})
    {
        const Texts w = rowOf(meet.roster, row);
        return pick(listRow, { w[0], w[1], w[2], w[3], w[4], w[6] == "Yes" }, settings);
    }
    bool makeBout(int first, int second)
    {
        pick(1, first);
        pick(2, second);
        return list.makeHandBout(meet, dialogs);
    }
    bool listIsEmpty() const { return list.grid() == HandMatchList().grid(); }

    TempDir dir;
    Meet meet = meetWith({ "Ann\t9.0\t60\t1.0\tTIG\t60\tYes\t", "Bo\t9.0\t61\t1.0\tLIO\t60\tYes\t",
        "Cy\t9.0\t70\t2.0\tLIO\t62\tYes\t", "Dee\t9.0\t60\t1.0\tTIG\t60\t\t" });
    FakeDialogs dialogs;
    HandMatchList list;
};

const Texts boRow = { "Bo", "9.0", "61", "1.0", "LIO", "60" };

} // namespace

TEST_F(HandMatchListTest, PickingFillsTheSelectedRowAndFindBestProposesIntoAnEmptyRowTwo)
{
    EXPECT_FALSE(pick(1, 4).picked);
    EXPECT_TRUE(listIsEmpty()) << "only a wrestler who is here is picked";
    pick(0, 2);
    EXPECT_EQ(rowOf(list.grid(), 1), boRow) << "row 0 cannot be selected";
    pick(2, { "An\"n\"\t", "10\r\n", "7\t2", "2", "T\"IG\n", true });
    EXPECT_EQ(rowOf(list.grid(), 2), (Texts { "Ann", "10", "72", "2", "TIG", "65" }));

    list.cancel();
    ProposalSettings settings { true, { true, true, true, true, false }, "3" };
    EXPECT_EQ(pick(1, 1, settings).proposedRow, 2);
    EXPECT_EQ(rowOf(list.grid(), 2), boRow);
    EXPECT_FALSE(pick(1, 3, settings).searched) << "row 2 is taken";
    list.cancel();
    settings.maxBouts = "0";
    EXPECT_TRUE(pick(1, 1, settings).searched);
    EXPECT_EQ(rowOf(list.grid(), 2), Texts(6)) << "nobody may have another bout";
    list.cancel();
    settings.maxBouts = "many";
    EXPECT_FALSE(pick(1, 1, settings).searched);
    EXPECT_EQ(dialogs.shown, Texts { "Bad value for maximum bouts." });
}

TEST_F(HandMatchListTest, AddMakesNewBoutsAtTheEndUnlessThePairIsUnacceptable)
{
    for (const auto& [first, second] : { std::pair { "Ann", "" }, { "", "Bo" }, { "Ann", "  " }, { "Ann", " Ann " } }) {
        pick(1, { first, "9", "60", "1", "TIG", true });
        pick(2, { second, "9", "60", "1", "TIG", true });
        EXPECT_FALSE(list.makeHandBout(meet, dialogs)) << first << "/" << second;
        EXPECT_FALSE(listIsEmpty()) << "the list stays for mending";
    }
    EXPECT_EQ(dialogs.shown, Texts(4, "Unacceptable match"));
    EXPECT_EQ(meet.boutGrid, Meet().boutGrid);
    EXPECT_FALSE(meet.handMatchesMade || dir.exists("Restore.Csv"));

    ASSERT_TRUE(makeBout(1, 2));
    EXPECT_EQ(rowOf(meet.boutGrid, 1),
        (Texts { "1", "1", "", "Ann", "9.0", "60", "1.0", "TIG", "", "", "", "Bo", "9.0", "61", "1.0", "LIO", "", "" }))
        << "the first bout takes the empty row";
    EXPECT_TRUE(listIsEmpty());
    EXPECT_TRUE(meet.handMatchesMade && dir.exists("Restore.Csv"));
}

TEST_F(HandMatchListTest, EditBoutThenReplace)
{
    // Blank, too large to be a bout, the empty row of a fresh list, past the last row.
    for (const char* text : { "", "1e30", "1", "2" })
        EXPECT_FALSE(list.editOrReplaceBout(meet, text, dialogs)) << text;
    EXPECT_EQ(dialogs.shown, Texts(4, "Bad bout number. Correct and retry."));
    EXPECT_FALSE(list.editing());
    EXPECT_TRUE(dir.exists("Restore.Csv")) << "saved even after a bad number";

    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(makeBout(1 + i % 2, 2 - i % 2));
    meet.boutGrid.setCell(5, BoutColumn::Mat, "3");
    meet.boutGrid.setCell(5, BoutColumn::Winner1, "Decision");
    meet.roster.setCell(3, RosterColumn::Bouts, "2,9");
    meet.handMatchesMade = false;
    EXPECT_FALSE(list.editOrReplaceBout(meet, "5", dialogs));
    EXPECT_EQ(list.editedBoutRows(), (std::array<int, 2> { 1, 2 }));
    EXPECT_EQ(rowOf(list.grid(), 2), boRow);

    // The roster was sorted since: Cy and Ann swapped places.
    meet.roster.swapRows(1, 3);
    pick(2, 1);
    EXPECT_TRUE(list.editOrReplaceBout(meet, "5", dialogs));
    EXPECT_TRUE(!list.editing() && listIsEmpty());
    EXPECT_EQ(columnOf(meet.roster, RosterColumn::Bouts), (Texts { "2,5,9", "1,2,3,4", "1,2,3,4,5", "" }));
    EXPECT_EQ(rowOf(meet.boutGrid, 5),
        (Texts { "5", "1", "", "Ann", "9.0", "60", "1.0", "TIG", "", "Decision", "", "Cy", "9.0", "70", "2.0", "LIO",
            "", "" }))
        << "back on mat 1, the result kept";
    EXPECT_EQ(meet.boutGrid.rowCount(), 6) << "no bout is added";
    EXPECT_TRUE(meet.handMatchesMade);

    // Ann against herself: nothing changes, and the panel is reset.
    const Meet before = meet;
    EXPECT_FALSE(list.editOrReplaceBout(meet, "5", dialogs));
    pick(2, 3);
    EXPECT_TRUE(list.editOrReplaceBout(meet, "5", dialogs));
    EXPECT_EQ(dialogs.shown.back(), "Unacceptable match");
    EXPECT_TRUE(!list.editing() && listIsEmpty());
    EXPECT_TRUE(meet.boutGrid == before.boutGrid && meet.roster == before.roster);

    // A wrestler of the bout who left the roster leaves his row empty.
    meet.roster.setCell(3, RosterColumn::Name, "Annie");
    EXPECT_FALSE(list.editOrReplaceBout(meet, "5", dialogs));
    EXPECT_EQ(list.editedBoutRows(), (std::array<int, 2> { 0, 1 }));
    EXPECT_EQ(rowOf(list.grid(), 1), Texts(6));
}
