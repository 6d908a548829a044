#include "roster/WrestlerEditor.h"

#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

using Texts = std::vector<std::string>;

const std::string ann = "Ann\t9.0\t60\t1.0\tTIG\t90\tYes\t";
const std::string bo = "Bo\t10.0\t70\t2.0\tLIO\t100\t\t4";
const std::string cy = "Cy\t11.0\t80\t3.0\tTIG\t110\t\t";

struct WrestlerEditorTest : ::testing::Test {
    TempDir dir;
    Meet meet;
    FakeDialogs dialogs;
    WrestlerEditor editor;

    WrestlerEditorTest()
    {
        meet.directory = dir.path();
        meet.teamList.setRowCount(1);
        meet.teamList.appendRow("Tigers\tTIG");
        meet.teamList.appendRow("Lions\t LIO ");
        meet.roster.setRowCount(1);
        for (const auto& wrestler : { ann, bo, cy })
            meet.roster.appendRow(wrestler);
    }
    void click(int row)
    {
        meet.roster.setCurrentRow(row);
        rosterClicked(meet, editor);
    }
    // A roster row's cells joined by tabs.
    std::string row(int r) const
    {
        std::string text = meet.roster.cell(r, 0);
        for (int c = 1; c < RosterColumn::Count; ++c)
            text += "\t" + meet.roster.cell(r, c);
        return text;
    }
};

WrestlerEditor typed(std::string name)
{
    return { std::move(name), "10.0", "70", "2.0", "TIG", CheckState::Clear, "" };
}

} // namespace

TEST_F(WrestlerEditorTest, BoxesTakeTheirStoredFormsOnLeaving)
{
    const std::tuple<std::string (*)(std::string_view, Dialogs&), const char*, const char*, Texts> cases[] = {
        { normalizeAgeBox, "9.26", "9.3", {} },
        { normalizeAgeBox, "", "", { "Bad age value." } },
        { normalizeWeightBox, "84.5", "84", {} },
        { normalizeWeightBox, "85.5", "86", {} },
        { normalizeWeightBox, "70 lb", "70 lb", { "Bad weight value." } },
        { normalizeSkillBox, "high", "high", { "Bad skill value." } },
    };
    for (const auto& [normalize, text, shown, complaint] : cases) {
        FakeDialogs told;
        EXPECT_EQ(normalize(text, told), shown) << text;
        EXPECT_EQ(told.shown, complaint) << text;
    }
}

TEST_F(WrestlerEditorTest, InvalidEntriesAreRefusedByAddReplaceAndTheAttendanceToggle)
{
    // An unlisted team (case counts), no name, and each number missing or unreadable.
    using W = WrestlerEditor;
    const std::pair<std::string W::*, const char*> bad[] = { { &W::team, "tig" }, { &W::name, "  " },
        { &W::name, "\"\t\"" }, { &W::age, "" }, { &W::weight, "heavy" }, { &W::skill, "?" }, { &W::age, "10\t" } };
    for (const auto& [field, text] : bad) {
        for (const auto operation : { addWrestler, replaceWrestler }) {
            editor = typed("Dee");
            editor.*field = text;
            EXPECT_FALSE(operation(meet, editor, dialogs)) << text;
            EXPECT_EQ(editor.*field, text) << "the editor is kept for mending";
        }
    }
    // A wrestler whose team has left the list cannot be toggled either.
    meet.roster.setCell(3, RosterColumn::Team, "BEA");
    click(3);
    rosterDoubleClicked(meet, editor, true, dialogs);
    EXPECT_EQ(dialogs.shown, Texts(15, "Error in wrestler data; correct and retry."));
    EXPECT_EQ(row(1) + row(2) + row(3), ann + bo + "Cy\t11.0\t80\t3.0\tBEA\t110\t\t");
    EXPECT_FALSE(meet.rostersChanged || dir.exists("Restore.Csv"));
}

TEST_F(WrestlerEditorTest, AddTrimsWhileReplaceStoresAsTypedAndNeitherKeepsQuotesOrTabs)
{
    click(2);
    editor.name = " Dee \"The\tBull\"\r\n ";
    editor.age = " 10.0";
    editor.team = "LIO ";
    EXPECT_TRUE(addWrestler(meet, editor, dialogs));
    // The loaded wrestler's bouts come along with the new name.
    // Cmp: 2 x 10 + 10 ln 70 + 2 = 64.48.
    EXPECT_EQ(row(4), "Dee TheBull\t10.0\t70\t2.0\tLIO\t64\t\t4");
    EXPECT_TRUE(meet.rostersChanged && editor.name.empty());
    EXPECT_EQ(meet.currentRow, 4);
    EXPECT_EQ(meet.roster.currentRow(), 4);
    EXPECT_NE(dir.read("Restore.Csv").find(row(4)), std::string::npos);

    click(1);
    editor.name = "Ann\t ";
    editor.team = "L\"IO ";
    editor.weight = " 61";
    editor.bouts = "\"4\"";
    editor.present = CheckState::Greyed;
    EXPECT_TRUE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(row(1), "Ann \t9.0\t 61\t1.0\tLIO \t60\t\t") << "Cmp: 2 x 9 + 10 ln 61 + 1 = 60.11";
    EXPECT_NE(dir.read("Restore.Csv").find(row(1)), std::string::npos);
}

TEST_F(WrestlerEditorTest, ReplaceKeepsTheRowsBoutsNotTheStaleCopyTheEditorShows)
{
    const struct {
        std::string name;
        std::string boutsSinceLoaded;
    } cases[] = {
        // A matching after the click gave Bo bout 7 as well.
        { "Bo", "4,7" },
        { " Bo ", "4,7" },
        { "Bob", "4,7" },
        // Bout 4 was removed after the click; a renamed Bo must not get it back.
        { "Bob", "" },
    };
    for (const auto& c : cases) {
        meet.roster.setCell(2, RosterColumn::Name, "Bo");
        meet.roster.setCell(2, RosterColumn::Bouts, "4");
        click(2);
        meet.roster.setCell(2, RosterColumn::Bouts, c.boutsSinceLoaded);
        editor.name = c.name;
        EXPECT_TRUE(replaceWrestler(meet, editor, dialogs)) << c.name;
        EXPECT_EQ(meet.roster.cell(2, RosterColumn::Bouts), c.boutsSinceLoaded) << c.name;
    }
}

TEST_F(WrestlerEditorTest, NamesAreKeptApartAndReplaceWritesThePositionLastLoaded)
{
    for (const char* name : { " Ann ", "\"Ann\"" }) {
        editor = typed(name);
        EXPECT_FALSE(addWrestler(meet, editor, dialogs));
        EXPECT_EQ(dialogs.shown.back(), "Ann is already in the roster and cannot be added twice.");
    }
    editor = typed("ann");
    EXPECT_TRUE(addWrestler(meet, editor, dialogs));
    click(2);
    editor.name = "Cy";
    EXPECT_FALSE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.shown.back(), "Cy is already in the roster and cannot be added twice.");

    click(3);
    cancelEdit(editor);
    editor = typed("Cy");
    // A sort since the click: the position stays, the wrestler moved away.
    meet.roster.swapRows(1, 3);
    EXPECT_FALSE(replaceWrestler(meet, editor, dialogs)) << "Cy now stands elsewhere";
    editor.name = "Cyd";
    EXPECT_TRUE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(row(1) + row(2) + row(3).substr(0, 4), cy + bo + "Cyd\t");

    // A restore of a shorter roster can leave that position past the end.
    meet.currentRow = 9;
    editor = typed("Eve");
    EXPECT_FALSE(replaceWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.shown.back(), "No wrestler is selected; click the wrestler to replace first.");
}

TEST_F(WrestlerEditorTest, DeleteAsksRefusesBoutsAndLeavesTheRestoreFileAlone)
{
    click(2);
    EXPECT_FALSE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.shown, Texts { "Wrestlers with bouts cannot be deleted." });
    EXPECT_TRUE(editor.name.empty());

    click(1);
    // The selection moved without a click, as the arrow keys do: the editor
    // shows the wrestler the question names.
    meet.roster.setCurrentRow(3);
    EXPECT_FALSE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.questions, Texts { "Really remove Cy?" });
    EXPECT_EQ(editor.name, "Cy");

    dialogs.queueAnswers({ true, true });
    EXPECT_TRUE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(meet.roster.rowCount(), 3);
    EXPECT_EQ(row(1) + row(2), ann + bo);
    EXPECT_EQ(meet.currentRow, 2);
    EXPECT_TRUE(meet.rostersChanged && editor.name.empty());
    EXPECT_FALSE(dir.exists("Restore.Csv"));

    // The only row is emptied, as an empty roster has one empty row.
    meet.roster.setRowCount(2);
    click(1);
    EXPECT_TRUE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(row(1), "\t\t\t\t\t\t\t");
    // Nobody is left to remove, so nobody is asked about.
    EXPECT_FALSE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.shown.back(), "The roster is empty.");
    meet.currentRow = 0;
    EXPECT_FALSE(deleteWrestler(meet, editor, dialogs));
    EXPECT_EQ(dialogs.shown.back(), "The roster is empty.");
}
