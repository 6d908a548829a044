#include "meet/RowSorts.h"

#include "meet/Meet.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <string>
#include <vector>

using namespace korvanda;

namespace {

// A roster whose rows are "name\tage\tweight..." texts; no initial empty row.
Table rosterOf(const std::vector<std::string>& rows)
{
    Table roster = Table::withCaptions(rosterCaptions);
    roster.setRowCount(1);
    for (const auto& row : rows)
        roster.appendRow(row);
    return roster;
}

std::vector<std::string> column(const Table& table, int c)
{
    std::vector<std::string> cells;
    for (int r = 1; r < table.rowCount(); ++r)
        cells.push_back(table.cell(r, c));
    return cells;
}

using Cells = std::vector<std::string>;

} // namespace

TEST(RowSortsTest, KeysCompareNumbersFirstThenTextsByCharacterCode)
{
    struct Case {
        const char* what;
        int sortColumn;
        bool ascending;
        Cells keys;
        Cells expected;
    };
    const std::vector<Case> cases = {
        {"ages by value, not as text", RosterColumn::Age, true, {"10.0", "9.5", "11.0"}, {"9.5", "10.0", "11.0"}},
        {"descending", RosterColumn::Age, false, {"10.0", "9.5", "11.0"}, {"11.0", "10.0", "9.5"}},
        {"empty cells after every number", RosterColumn::Age, true, {"", "10", "abc", " 9"}, {" 9", "10", "", "abc"}},
        {"empty cells first descending", RosterColumn::Age, false, {"10", "", "abc", "9"}, {"abc", "", "10", "9"}},
        {"absent before present", RosterColumn::Here, true, {"Yes", "", "Yes", ""}, {"", "", "Yes", "Yes"}},
        {"capitals before small letters", RosterColumn::Name, true, {"amy", "Zed", "Al", "A"}, {"A", "Al", "Zed", "amy"}},
        {"accented letters after plain ones", RosterColumn::Name, true, {"\xC9mile", "zoe", "Eli"}, {"Eli", "zoe", "\xC9mile"}},
        {"several bouts are a text", RosterColumn::Bouts, true, {"3,7", "12", "4"}, {"4", "12", "3,7"}},
    };
    for (const auto& c : cases) {
        for (const bool stable : {false, true}) {
            Table roster = Table::withCaptions(rosterCaptions);
            roster.setRowCount(1);
            for (std::size_t k = 0; k < c.keys.size(); ++k) {
                roster.appendRow();
                roster.setCell(roster.rowCount() - 1, c.sortColumn, c.keys[k]);
                roster.setCell(roster.rowCount() - 1, RosterColumn::Team, std::to_string(k));
            }
            sortRoster(roster, c.sortColumn, c.ascending, stable);
            EXPECT_EQ(column(roster, c.sortColumn), c.expected) << c.what << (stable ? " (stable)" : " (quick)");
        }
    }
}

TEST(RowSortsTest, WholeRowsMoveAndTheHeaderStays)
{
    Table roster = rosterOf({"Cy\t11.0\t90\t2.0\tLIO\t120\tYes\t3", "Al\t9.5\t70\t1.0\tTIG\t100\t\t", "Bo\t10.0\t80\t3.0\tTIG\t110\tYes\t1,2"});
    const Table before = roster;
    for (const bool stable : {false, true}) {
        roster = before;
        sortRoster(roster, RosterColumn::Age, true, stable);
        EXPECT_EQ(roster.cell(0, 0), before.cell(0, 0));
        EXPECT_EQ(roster.rowCount(), before.rowCount());
        for (int c = 0; c < RosterColumn::Count; ++c) {
            EXPECT_EQ(roster.cell(1, c), before.cell(2, c));
            EXPECT_EQ(roster.cell(2, c), before.cell(3, c));
            EXPECT_EQ(roster.cell(3, c), before.cell(1, c));
        }
    }
}

TEST(RowSortsTest, QuickSortMayReorderEqualKeysWhileStableSortKeepsThem)
{
    // Worked through by hand: the partition on 1 moves D to the top, and the
    // exchange of B with D puts C ahead of B.
    const Table before = rosterOf({"A\t1", "B\t2", "C\t2", "D\t0"});
    Table quick = before;
    quickSortRows(quick, RosterColumn::Age, true, 1, 4);
    EXPECT_EQ(column(quick, RosterColumn::Name), (Cells{"D", "A", "C", "B"}));
    Table stable = before;
    stableSortRows(stable, RosterColumn::Age, true, 1, 4);
    EXPECT_EQ(column(stable, RosterColumn::Name), (Cells{"D", "A", "B", "C"}));

    // Descending with every key equal leaves the partition row in place.
    Table equal = rosterOf({"A\t5", "B\t5", "C\t5"});
    quickSortRows(equal, RosterColumn::Age, false, 1, 3);
    EXPECT_EQ(column(equal, RosterColumn::Name), (Cells{"A", "B", "C"}));
}

TEST(RowSortsTest, StableSortByTeamKeepsWeightOrderWithinEachTeam)
{
    Table roster = rosterOf({"a\t\t95\t\tTIG", "b\t\t60\t\tLIO", "c\t\t72\t\tTIG", "d\t\t88\t\tLIO", "e\t\t51\t\tTIG"});
    quickSortRows(roster, RosterColumn::Wgt, true, 1, 5);
    stableSortRows(roster, RosterColumn::Team, true, 1, 5);
    EXPECT_EQ(column(roster, RosterColumn::Name), (Cells{"b", "d", "e", "c", "a"}));

    stableSortRows(roster, RosterColumn::Wgt, false, 1, 5);
    stableSortRows(roster, RosterColumn::Team, false, 1, 5);
    EXPECT_EQ(column(roster, RosterColumn::Name), (Cells{"a", "c", "e", "d", "b"}));
}

TEST(RowSortsTest, RowsOutsideTheRangeStayPut)
{
    for (const bool stable : {false, true}) {
        Table roster = rosterOf({"x\t12", "c\t3", "b\t2", "a\t1", "y\t0"});
        if (stable)
            stableSortRows(roster, RosterColumn::Age, true, 2, 4);
        else
            quickSortRows(roster, RosterColumn::Age, true, 2, 4);
        EXPECT_EQ(column(roster, RosterColumn::Name), (Cells{"x", "a", "b", "c", "y"}));
    }
}

TEST(RowSortsTest, SmallRostersAndTheInitialEmptyRow)
{
    for (const bool stable : {false, true}) {
        for (const bool ascending : {false, true}) {
            Table single = rosterOf({"Al\t9.5\t70\t1.0\tTIG\t100\t\t"});
            const Table before = single;
            sortRoster(single, RosterColumn::Name, ascending, stable);
            EXPECT_EQ(single, before);
        }
        // A roster still holding the empty row it starts with: that row is
        // sorted like any other and goes last by age.
        Table roster = Table::withCaptions(rosterCaptions);
        roster.appendRow("Al\t9.5");
        roster.appendRow("Bo\t8.0");
        sortRoster(roster, RosterColumn::Age, true, stable);
        EXPECT_EQ(column(roster, RosterColumn::Name), (Cells{"Bo", "Al", ""}));
    }
}

TEST(RowSortsTest, SortingLeavesTheSelectedPositionAlone)
{
    Table roster = rosterOf({"c\t3", "b\t2", "a\t1"});
    roster.setCurrentRow(2);
    sortRoster(roster, RosterColumn::Age, true, false);
    EXPECT_EQ(roster.currentRow(), 2);
}

TEST(RowSortsTest, QuickSortCopesWithALargeAlreadySortedRoster)
{
    // Sorted input is the partition sort's deepest case. The sorts run on a
    // small stack, which one nested call per row would overflow.
    const int count = 6000;
    Table roster = Table::withCaptions(rosterCaptions);
    roster.setRowCount(1);
    for (int k = 0; k < count; ++k) {
        roster.appendRow();
        roster.setCell(k + 1, RosterColumn::Wgt, std::to_string(k));
    }
    struct Job {
        Table* table;
        int count;
    } job{&roster, count};
    const auto sortBothWays = [](void* data) -> void* {
        auto* j = static_cast<Job*>(data);
        quickSortRows(*j->table, RosterColumn::Wgt, true, 1, j->count);
        quickSortRows(*j->table, RosterColumn::Wgt, false, 1, j->count);
        return nullptr;
    };
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 64 * 1024), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, sortBothWays, &job), 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
    pthread_attr_destroy(&attributes);
    for (int k = 0; k < count; ++k)
        ASSERT_EQ(roster.cell(k + 1, RosterColumn::Wgt), std::to_string(count - 1 - k));
}
