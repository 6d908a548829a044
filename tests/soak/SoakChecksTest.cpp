#include "soak/SoakChecks.h"

#include "meet/RestoreFile.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace korvanda;
using namespace korvanda::soak;

TEST(SoakActionTest, EveryTextComesBackFromItsLineAndACaseNeedsItsMeet)
{
    for (const std::string text : { "", " ", "plain", "two words", "tab\there", "100%", "%41", "line\r\nend",
             "Zo\xc3\xab \xe2\x82\xac", "a%", "%4", "%zz" }) {
        const SoakAction action { 0xfeedbeef, "type", { "TeamScreen/TeamEditFrame/TeamNameBox", text } };
        const auto line = action.line();
        EXPECT_EQ(line.find_first_of("\t\r\n"), std::string::npos) << line;
        const auto back = SoakAction::parse(line);
        ASSERT_TRUE(back) << line;
        EXPECT_EQ(back->answers, action.answers);
        EXPECT_EQ(back->verb, action.verb);
        EXPECT_EQ(back->args, action.args) << line;
    }
    const auto soakCase
        = SoakCase::parse("# found by seed 7\nmeet 7\n1f click A/B\n\nzz click A/C\n2 menu A &File E&xit\n");
    ASSERT_TRUE(soakCase);
    EXPECT_EQ(soakCase->meetSeed, 7u);
    ASSERT_EQ(soakCase->actions.size(), 2u);
    EXPECT_EQ(soakCase->actions[0].answers, 0x1fu);
    EXPECT_EQ(soakCase->actions[1].args, (std::vector<std::string> { "A", "&File", "E&xit" }));
    EXPECT_EQ(SoakCase::parse(soakCase->text())->actions.size(), 2u);
    EXPECT_FALSE(SoakCase::parse("1f click A/B\n"));
    EXPECT_FALSE(SoakCase::parse("meet x7\n1f click A/B\n"));
}

TEST(ActionShrinkerTest, KeepsExactlyTheActionsTheFailureNeedsOrTheShortestWhenOutOfTime)
{
    // Fails while every action in `needed` is still on the list.
    const auto failsWith = [](std::vector<std::size_t> needed) {
        return [needed](const std::vector<std::size_t>& list) {
            return std::all_of(needed.begin(), needed.end(),
                [&](std::size_t n) { return std::find(list.begin(), list.end(), n) != list.end(); });
        };
    };
    const std::pair<std::size_t, std::vector<std::size_t>> cases[] = { { 100, { 37 } }, { 100, { 0, 99 } },
        { 64, { 0, 31, 32, 63 } }, { 7, { 2, 3, 4, 5 } }, { 1000, { 13, 500, 998 } } };
    for (const auto& [count, needed] : cases)
        EXPECT_EQ(shrinkFailingList(count, failsWith(needed), [] { return true; }), needed) << count << " actions";
    int replays = 0;
    const auto kept = shrinkFailingList(
        200,
        [&](const std::vector<std::size_t>& list) {
            ++replays;
            return failsWith({ 10, 150 })(list);
        },
        [&] { return replays < 3; });
    EXPECT_TRUE(failsWith({ 10, 150 })(kept));
    EXPECT_LE(kept.size(), 200u);
    EXPECT_LE(replays, 3);
}

TEST(KnownMessagesTest, WholeMessagesWithTheirGapsFilledAreKnownAndNothingElse)
{
    const std::pair<const char*, bool> cases[] = {
        { "Save changes to rosters?", true },
        { "Zo\xeb Ames is duplicated and could not be added. Continue? ", true },
        { "Couldn't write /tmp/meet/Restore.Csv; the previous restore file was kept.", true },
        { "/tmp/meet/Restore.Csv is damaged or incomplete (line 7); the meet was not changed.", true },
        { "Really remove bout 12", true },
        { "Result should be Majority Decision", true },
        { "Couldn't write BoutSheets.Txt; file may be in use.", true },
        { "Too few bouts to schedule by weight on 4 mats.", true },
        { "\"/proc/Meet\" is a file, not a folder. A meet needs a folder of its own. The meet that is open stays open.",
            true },
        { "The meet folder \"/tmp/Gone/Meet\" does not exist. Choose another folder for the meet.", true },
        { "The Score Tally is empty; there is nothing to print.", true },
        // Cut off, run on, empty, broken over lines, a bout that is no number.
        { "Save changes to rosters", false },
        { "Unacceptable match!", false },
        { "", false },
        { "Ben Cole is already in the roster\nand cannot be added twice.", false },
        { "Really remove bout x", false },
        { "Couldn't write Notes.Txt; file may be in use.", false },
        { "The meet folder \"/tmp/Gone/Meet\" does not exist.", false },
        { "The Notes is empty; there is nothing to print.", false },
    };
    for (const auto& [text, known] : cases)
        EXPECT_EQ(isKnownMessage(text), known) << '"' << text << '"';
}

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
        bool cellsAgree, numbersRun, mayDisagree;
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

TEST(MeetPromisesTest, TablesKeepTheirShapeAndTheRestoreFileHoldsThemCellForCell)
{
    Meet meet = oneBoutMeet();
    EXPECT_FALSE(tableShapeProblem(meet));
    const std::string file = restoreFileText(meet);
    EXPECT_FALSE(restoreFileProblem(meet, file));
    meet.roster.setCurrentRow(3);
    EXPECT_EQ(tableShapeProblem(meet), "Roster current row 3 of 2");
    meet.roster.setCurrentRow(1);
    meet.boutGrid.setCell(1, BoutColumn::Winner1, "Fall");
    EXPECT_EQ(restoreFileProblem(meet, file), "BoutGrid cell 1,9 is \"\" in the file, \"Fall\" in memory");
    EXPECT_TRUE(restoreFileProblem(meet, file.substr(0, file.size() / 2)));
    meet.teamList.setCell(0, TeamColumn::Coach, "Coach");
    EXPECT_TRUE(tableShapeProblem(meet));
}

TEST(MeetPromisesTest, AWrittenFileIsWholeAndEndsEveryLineWithCrLf)
{
    const auto file = [](std::string bytes) { return FolderEntry { false, std::move(bytes), {} }; };
    const FolderState before = { { "Roster.Txt", file("old\n") }, { "Held", { true, {}, {} } } };
    const std::pair<FolderState, std::optional<std::string>> cases[] = {
        { before, std::nullopt },
        // A form feed between pages is no line end.
        { { { "Roster.Txt", file("a\r\n\fb\r\n") }, { "Empty.Txt", file("") } }, std::nullopt },
        // A backup keeps the old text, whole or not.
        { { { "Roster.Bak", file("old\n") } }, std::nullopt },
        { { { "Roster.Txt", file("a\nb\r\n") } }, "Roster.Txt: a bare line end at byte 1" },
        { { { "Roster.Txt", file("a\r\nb") } }, "Roster.Txt: the last line has no CR LF" },
        { { { "Roster.Txt", file("a\r\r\n") } }, "Roster.Txt: a bare line end at byte 1" },
        { { { "Restore.Csv.new", file("a\r\n") } }, "a temporary Restore.Csv.new was left behind" },
    };
    for (const auto& [after, problem] : cases)
        EXPECT_EQ(writtenFilesProblem(before, after), problem) << after.begin()->first;
}
