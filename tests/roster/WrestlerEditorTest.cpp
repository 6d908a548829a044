#include "roster/WrestlerEditor.h"

#include "matching/PairingMeasures.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace korvanda;

namespace {

using Texts = std::vector<std::string>;

const Texts ann = {"Ann", "9.0", "60", "1.0", "TIG", "90", "Yes", ""};
const Texts bo = {"Bo", "10.0", "70", "2.0", "LIO", "100", "", "4"};
const Texts cy = {"Cy", "11.0", "80", "3.0", "TIG", "110", "", ""};

struct WrestlerEditorTest : ::testing::Test {
    TempDir dir;
    Meet meet;
    FakeDialogs dialogs;
    WrestlerEditor editor;

    WrestlerEditorTest()
    {
        meet.directory = dir.path();
        meet.teamList.setRowCount(1);
        meet.teamList.appendRow("Tigers\tTIG\tAnn\tTigers");
        meet.teamList.appendRow("Lions\t LIO \tBo\tLions");
        meet.roster.setRowCount(1);
        for (const Texts& wrestler : {ann, bo, cy}) {
            meet.roster.appendRow();
            for (int c = 0; c < RosterColumn::Count; ++c)
                meet.roster.setCell(meet.roster.rowCount() - 1, c, wrestler[static_cast<std::size_t>(c)]);
        }
    }

    void click(int row)
    {
        meet.roster.setCurrentRow(row);
        rosterClicked(meet, editor);
    }

    Texts row(int r) const
    {
        Texts cells;
        for (int c = 0; c < RosterColumn::Count; ++c)
            cells.push_back(meet.roster.cell(r, c));
        return cells;
    }

    std::string restoreFile() const { return dir.exists("Restore.Csv") ? dir.read("Restore.Csv") : ""; }
};

WrestlerEditor typed(std::string name, std::string team = "TIG")
{
    return {std::move(name), "10.0", "70", "2.0", std::move(team), CheckState::Clear, ""};
}

bool isEmpty(const WrestlerEditor& e)
{
    return e.name.empty() && e.age.empty() && e.weight.empty() && e.skill.empty() && e.team.empty()
           && e.bouts.empty() && e.present == CheckState::Clear;
}

std::string alreadyThere(const std::string& name)
{
    return name + " is already in the roster and cannot be added twice.";
}

} // namespace

TEST_F(WrestlerEditorTest, BoxesTakeTheirStoredFormsOnLeaving)
{
    struct Case {
        std::string (*normalize)(std::string_view, Dialogs&);
        const char* typed;
        const char* shown;
        const char* complaint;
    };
    const std::vector<Case> cases = {
        {normalizeAgeBox, "10", "10.0", nullptr},     {normalizeAgeBox, "9.26", "9.3", nullptr},
        {normalizeAgeBox, "", "", "Bad age value."},  {normalizeWeightBox, "84.5", "84", nullptr},
        {normalizeWeightBox, "85.5", "86", nullptr},  {normalizeWeightBox, "70 lb", "70 lb", "Bad weight value."},
        {normalizeSkillBox, " 2", "2.0", nullptr},    {normalizeSkillBox, "high", "high", "Bad skill value."},
    };
    for (const auto& c : cases) {
        FakeDialogs told;
        EXPECT_EQ(c.normalize(c.typed, told), c.shown) << c.typed;
        EXPECT_EQ(told.shown, c.complaint ? Texts{c.complaint} : Texts{}) << c.typed;
    }
}

TEST_F(WrestlerEditorTest, InvalidEntriesAreRefusedByAddAndReplace)
{
    std::vector<WrestlerEditor> bad(6, typed("Dee"));
    bad[0].team = "tig";
    bad[1].name = "  ";
    bad[2].name = "\"\"";
    bad[3].age = "";
    bad[4].weight = "heavy";
    bad[5].skill = "?";
    const Table before = meet.roster;
    for (const auto& entry : bad) {
        for (const auto operation : {addWrestler, replaceWrestler}) {
            FakeDialogs told;
            editor = entry;
            EXPECT_FALSE(operation(meet, editor, told));
            EXPECT_EQ(told.shown, Texts{"Error in wrestler data; correct and retry."});
            EXPECT_EQ(editor.name, entry.name);
        }
    }
    EXPECT_EQ(meet.roster, before);
    EXPECT_FALSE(meet.rostersChanged);
    EXPECT_EQ(restoreFile(), "");
}

TEST_F(WrestlerEditorTest, AddingKimAfterTheBoxesWereLeft)
{
    editor = {"Kim", normalizeAgeBox("9", dialogs), normalizeWeightBox("61.5", dialogs),
              normalizeSkillBox("2", dialogs), "LIO", CheckState::Checked, ""};
    EXPECT_TRUE(addWrestler(meet, editor, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(row(4), (Texts{"Kim", "9.0", "62", "2.0", "LIO", compositeValue("9.0", "62", "2.0"), "Yes", ""}));
    EXPECT_EQ(meet.currentRow, 4);
    EXPECT_EQ(meet.roster.currentRow(), 4);
    EXPECT_TRUE(meet.rostersChanged);
    EXPECT_TRUE(isEmpty(editor));
    EXPECT_NE(restoreFile().find("\"Kim\t9.0\t62\t"), std::string::npos);

    // On a roster holding only its empty row, that row stays first.
    Meet fresh;
    fresh.directory = dir.path();
    fresh.teamList = meet.teamList;
    editor = typed("Ann");
    EXPECT_TRUE(addWrestler(fresh, editor, dialogs));
    EXPECT_EQ(fresh.roster.cell(1, RosterColumn::Name), "");
    EXPECT_EQ(fresh.roster.cell(2, RosterColumn::Name), "Ann");
}

TEST_F(WrestlerEditorTest, AddTrimsWhileReplaceStoresAsTyped)
{
    click(2);
    editor.name = " Dee \"The\tBull\" ";
    editor.age = " 10.0";
    editor.team = "LIO ";
    EXPECT_TRUE(addWrestler(meet, editor, dialogs));
    // The loaded wrestler's bouts come along with the new name.
    EXPECT_EQ(row(4), (Texts{"Dee TheBull", "10.0", "70", "2.0", "LIO", compositeValue("10.0", "70", "2.0"), "", "4"}));

    click(1);
    editor.name = "Ann ";
    editor.team = "L\"IO ";
    editor.weight = " 61";
    editor.present = CheckState::Greyed;
    EXPECT_TRUE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(row(1), (Texts{"Ann ", "9.0", " 61", "1.0", "LIO ", compositeValue("9.0", "61", "1.0"), "", ""}));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_NE(restoreFile().find("\"Ann \t9.0\t 61\t"), std::string::npos);
}

TEST_F(WrestlerEditorTest, NamesAreKeptApart)
{
    for (const char* name : {" Ann ", "\"Ann\""}) {
        editor = typed(name);
        EXPECT_FALSE(addWrestler(meet, editor, dialogs));
        EXPECT_EQ(dialogs.shown.back(), alreadyThere("Ann"));
        EXPECT_EQ(editor.name, name);
    }
    editor = typed("ann");
    EXPECT_TRUE(addWrestler(meet, editor, dialogs));

    click(2);
    editor.weight = "72";
    EXPECT_TRUE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(meet.roster.cell(2, RosterColumn::Wgt), "72");

    click(2);
    editor.name = "Cy";
    EXPECT_FALSE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.shown.back(), alreadyThere("Cy"));
    EXPECT_EQ(meet.roster.cell(2, RosterColumn::Name), "Bo");
}

TEST_F(WrestlerEditorTest, ReplaceWritesThePositionLastLoaded)
{
    click(3);
    cancelEdit(editor);
    EXPECT_EQ(meet.currentRow, 3);
    editor = typed("Cyd");
    // A sort since the click: the position stays, the wrestler moved away.
    meet.roster.swapRows(1, 3);
    EXPECT_TRUE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(row(3)[RosterColumn::Name], "Cyd");
    EXPECT_EQ(row(1), cy);
    EXPECT_TRUE(meet.rostersChanged);
    EXPECT_TRUE(isEmpty(editor));

    // A restore of a shorter roster can leave that position past the end.
    meet.currentRow = 9;
    editor = typed("Eve");
    EXPECT_FALSE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.shown.back(), "No wrestler is selected; click the wrestler to replace first.");
}

TEST_F(WrestlerEditorTest, DeleteAsksRefusesBoutsAndLeavesTheRestoreFileAlone)
{
    dir.write("Restore.Csv", "before");
    click(2);
    EXPECT_FALSE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.shown, Texts{"Wrestlers with bouts cannot be deleted."});
    EXPECT_TRUE(isEmpty(editor));

    click(1);
    // The selection moved without a click, as the arrow keys do: the editor
    // shows the wrestler the question names.
    meet.roster.setCurrentRow(3);
    EXPECT_FALSE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.questions, Texts{"Really remove Cy?"});
    EXPECT_EQ(editor.name, "Cy");
    EXPECT_EQ(meet.roster.rowCount(), 4);
    EXPECT_FALSE(meet.rostersChanged);

    dialogs.queueAnswers({true});
    EXPECT_TRUE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(meet.roster.rowCount(), 3);
    EXPECT_EQ(row(2), bo);
    EXPECT_EQ(meet.currentRow, 2);
    EXPECT_EQ(meet.roster.currentRow(), 2);
    EXPECT_TRUE(meet.rostersChanged);
    EXPECT_TRUE(isEmpty(editor));
    EXPECT_EQ(restoreFile(), "before");
}

TEST_F(WrestlerEditorTest, DeletingTheOnlyRowEmptiesIt)
{
    meet.roster.setRowCount(2);
    click(1);
    dialogs.queueAnswers({true});
    EXPECT_TRUE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.questions, Texts{"Really remove Ann?"});
    ASSERT_EQ(meet.roster.rowCount(), 2);
    EXPECT_EQ(row(1), Texts(RosterColumn::Count));

    meet.currentRow = 0;
    EXPECT_FALSE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.shown.back(), "The roster is empty.");
}

TEST_F(WrestlerEditorTest, DoubleClickTurnsAttendanceOverOnlyWhenAsked)
{
    click(1);
    rosterDoubleClicked(meet, editor, false, dialogs);
    EXPECT_EQ(row(1), ann);
    EXPECT_EQ(editor.present, CheckState::Checked);
    EXPECT_EQ(restoreFile(), "");

    for (const int r : {1, 2}) {
        click(r);
        rosterDoubleClicked(meet, editor, true, dialogs);
    }
    EXPECT_EQ(meet.roster.cell(1, RosterColumn::Here), "");
    EXPECT_EQ(row(2)[RosterColumn::Here], "Yes");
    EXPECT_EQ(row(2)[RosterColumn::Bouts], "4");
    EXPECT_FALSE(meet.rostersChanged);
    EXPECT_TRUE(isEmpty(editor));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_NE(restoreFile().find("\"Bo\t10.0\t70\t2.0\tLIO\t" + compositeValue("10.0", "70", "2.0") + "\tYes\t4\""),
              std::string::npos);

    // A wrestler whose team has left the list is not written.
    meet.rostersChanged = true;
    meet.roster.setCell(3, RosterColumn::Team, "BEA");
    click(3);
    rosterDoubleClicked(meet, editor, true, dialogs);
    EXPECT_EQ(dialogs.shown, Texts{"Error in wrestler data; correct and retry."});
    EXPECT_EQ(meet.roster.cell(3, RosterColumn::Here), "");
    EXPECT_TRUE(meet.rostersChanged);
}

TEST_F(WrestlerEditorTest, NoBoxCarriesQuotesTabsOrLineEndsIntoTheRoster)
{
    editor = typed("Gus\r\n\"Iron\"\tHand");
    editor.team = "\tLIO\r\n";
    editor.bouts = "4\r\n";
    EXPECT_TRUE(addWrestler(meet, editor, dialogs));
    EXPECT_EQ(row(4), (Texts{"GusIronHand", "10.0", "70", "2.0", "LIO", compositeValue("10.0", "70", "2.0"), "", "4"}));

    click(4);
    editor.name = "Gus\t";
    editor.bouts = "\"4\"";
    EXPECT_TRUE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(row(4)[RosterColumn::Name], "Gus");
    EXPECT_EQ(row(4)[RosterColumn::Bouts], "4");

    editor = typed("Hal");
    editor.age = "10\t";
    EXPECT_FALSE(addWrestler(meet, editor, dialogs)) << "a number with a tab in it is no number";
    EXPECT_EQ(dialogs.shown.back(), "Error in wrestler data; correct and retry.");
}
