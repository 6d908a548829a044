#include "bouts/ResultEntry.h"

#include "BoutTables.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(ResultEntryTest, AcceptChecksInOrderAndStoresOnlyAPassingEntry)
{
    using namespace ResultType;
    const char* badBout = "Bad bout number. Correct and retry.";
    const char* blank = "Bout number is blank";
    // Number, points and choices typed; the messages, and the result cells written when stored.
    const std::tuple<const char*, const char*, const char*, const char*, int, int, Lines, Lines> cases[] = {
        { "fall without points", "2", "", "", 1, Fall, {}, { "", "", "Fall", "" } },
        { "blank side scored nothing", "2", "5", " ", 1, Decision, {}, { "5", "0", "Decision", "" } },
        { "scratch with points", "2", "3", "", 0, Scratch, { "Points should not be assigned to scratched bout." }, {} },
        { "scratch drops the winner", "2", "", "", 1, Scratch, {}, { "", "", "Scratch", "Scratch" } },
        { "draw drops the winner", "2", "3", "3", 2, Draw, {}, { "3", "3", "Draw", "Draw" } },
        { "draw with a margin", "2", "4", "3", 0, Draw, { "Result should be Decision" }, {} },
        { "draw without points", "2", "", "", 0, Draw, { "Points must be assigned" }, {} },
        { "tech fall, nothing", "2", "", "", 0, TechFall, { "Points must be assigned", "No winner was declared" }, {} },
        { "margin 15", "2", "15", "0", 1, Decision, { "Result should be Technical Fall" }, {} },
        { "margin 14", "2", "14", "0", 1, TechFall, { "Result should be Superior Decision" }, {} },
        { "margin 12", "2", "12", "0", 1, Decision, { "Result should be Superior Decision" }, {} },
        { "margin 8", "2", "8", "0", 1, Decision, { "Result should be Majority Decision" }, {} },
        { "margin 1", "2", "1", "0", 1, MajDec, { "Result should be Decision" }, {} },
        { "wrestler 2 by tech fall", "2", "0", "15", 2, TechFall, {}, { "0", "15", "", "TechFall" } },
        { "7.5 rounds to even 8", "2", "7.5", "0", 1, MajDec, {}, { "7.5", "0", "MajDec", "" } },
        { "-0.5 rounds to 0", "2", "0", "0.5", 1, MajDec, {}, { "0", "0.5", "MajDec", "" } },
        { "points against the winner", "2", "2", "5", 1, Decision, { "Points inconsistent with winner" }, {} },
        { "a fall ends the bout", "2", "2", "5", 1, Fall, {}, { "2", "5", "Fall", "" } },
        { "forfeit", "2", "", "", 2, Forfeit, {}, { "", "", "", "Forfeit" } },
        { "forfeit against the points", "2", "5", "2", 2, Forfeit, { "Points inconsistent with winner" }, {} },
        { "equal points", "2", "4", "4", 1, Decision, {}, { "4", "4", "Decision", "" } },
        { "points no number", "2", "x", "3", 1, Decision, {}, { "x", "3", "Decision", "" } },
        { "taking a result back", "2", "", "", 0, None, {}, { "", "", "", "" } },
        { "no type, a winner", "2", "5", "2", 1, None, { "Result should be Decision" }, {} },
        { "typed number, kept as typed", " 2.5 ", " 9 ", "", 1, MajDec, {}, { " 9 ", "0", "MajDec", "" } },
        { "quotes and tabs dropped", "2", "\"5\"\t", "2\r\n", 1, Decision, {}, { "5", "2", "Decision", "" } },
        { "margin too large", "2", "-32769", "", 2, TechFall, { "Points out of range." }, {} },
        { "blank number", "", "6", "", 1, Decision, { blank }, {} },
        { "the empty row", "4", "6", "", 1, Decision, { badBout }, {} },
    };
    // Three bouts, bout 2 already decided, and an empty row past them.
    const Lines rows = { "1\t1\t\tAnn", "2\t1\t\tCy\t\t\t\tLIO\t7\tDecision\t\tDee\t\t\t\tTIG\t3", "3\t1\t\tEve", "" };
    const int resultColumns[] = { BoutColumn::Points1, BoutColumn::Points2, BoutColumn::Winner1, BoutColumn::Winner2 };
    for (const auto& [what, number, points1, points2, winner, type, messages, stored] : cases) {
        TempDir dir;
        Meet meet;
        meet.directory = dir.path();
        meet.boutGrid = tableOf(boutGridCaptions, rows);
        Table expected = meet.boutGrid;
        FakeDialogs dialogs;
        ResultEntry entry { number, "Cy", "LIO", "Dee", "TIG", points1, points2, winner, type };
        const bool accepted = acceptResult(meet, entry, dialogs);
        EXPECT_EQ(dialogs.shown, messages) << what;
        EXPECT_EQ(accepted, messages.empty()) << what;
        for (std::size_t k = 0; k < stored.size(); ++k)
            expected.setCell(2, resultColumns[k], stored[k]);
        EXPECT_EQ(meet.boutGrid, expected) << what;
        EXPECT_EQ(entry == ResultEntry {}, accepted) << what << ": cleared only when stored";
        // Saved once the number names a bout, stored or not.
        EXPECT_EQ(dir.exists("Restore.Csv"), messages != Lines { blank } && messages != Lines { badBout }) << what;
    }
}

TEST(ResultEntryTest, SelectBoutShowsTheStoredResult)
{
    Table bouts = Meet().boutGrid;
    bouts.setRowCount(1);
    for (const char* result : { "3\t\t\t\t\t\t\tLIO\t12\tMajDec", "\t", "2\tDraw\t\t\t\t\t\t\t2\tDraw", "\t Fall ",
             "\tPin", "\tScratch\t\t\t\t\t\t\t\tScratch" })
        bouts.appendRow(std::to_string(bouts.rowCount()) + "\t1\t\tAnn\t\t\t\tTIG\t" + result);
    const ResultEntry earlier { "9", "x", "x", "x", "x", "1", "1", 1, ResultType::Forfeit };
    EXPECT_EQ(selectBout(bouts, 1, earlier),
        (ResultEntry { "1", "Ann", "TIG", "", "LIO", "3", "12", 2, ResultType::MajDec }));
    // Row, winner, result type; an unknown code ("Pin") leaves the type as it was.
    const std::tuple<int, int, int> cases[] = { { 2, 0, ResultType::None }, { 3, 0, ResultType::Draw },
        { 4, 1, ResultType::Fall }, { 5, 1, ResultType::Forfeit }, { 6, 0, ResultType::Scratch } };
    for (const auto& [row, winner, type] : cases) {
        const ResultEntry shown = selectBout(bouts, row, earlier);
        EXPECT_EQ(std::make_tuple(shown.boutNumber, shown.winner, shown.resultType),
            std::make_tuple(std::to_string(row), winner, type));
    }
    EXPECT_EQ(selectBout(bouts, 0, earlier), earlier) << "the header row is no bout";
    EXPECT_EQ(selectBout(bouts, 7, earlier), earlier);
}

// Enter in the "Bout" box names a bout as Accept reads the number, and
// reports what names none with Accept's own words.
TEST(ResultEntryTest, TypedBoutNumberChoosesABoutOrSaysWhyNot)
{
    Table bouts = Meet().boutGrid;
    bouts.setRowCount(1);
    for (int n = 1; n <= 3; ++n)
        bouts.appendRow(std::to_string(n) + "\t1\t\tAnn");
    const char* badBout = "Bad bout number. Correct and retry.";
    const char* blank = "Bout number is blank";
    const std::tuple<const char*, int, Lines> cases[]
        = { { "2", 2, {} }, { " 3 ", 3, {} }, { "2.5", 2, {} }, { "1.5", 2, {} }, { "", 0, { blank } },
              { "two", 0, { blank } }, { "0", 0, { badBout } }, { "4", 0, { badBout } }, { "-1", 0, { badBout } } };
    for (const auto& [typed, row, messages] : cases) {
        FakeDialogs dialogs;
        EXPECT_EQ(chooseTypedBout(bouts, typed, dialogs), row) << typed;
        EXPECT_EQ(dialogs.shown, messages) << typed;
    }
}
