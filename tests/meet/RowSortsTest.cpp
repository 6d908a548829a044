#include "meet/RowSorts.h"

#include "meet/Meet.h"
#include "support/TableColumn.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace korvanda;

namespace {

using Cells = std::vector<std::string>;

// Rows given as tab-separated texts, without the roster's initial empty row.
Table rosterOf(const Cells& rows)
{
    Table roster = Table::withCaptions(rosterCaptions);
    roster.setRowCount(1);
    for (const auto& row : rows)
        roster.appendRow(row);
    return roster;
}

} // namespace

TEST(RowSortsTest, NumbersBeforeTextsAndTextsByCharacterCode)
{
    const struct {
        int sortColumn;
        bool ascending;
        Cells keys, expected;
    } cases[] = {
        { RosterColumn::Age, true, { "10.0", "9.5", "11.0" }, { "9.5", "10.0", "11.0" } },
        { RosterColumn::Age, true, { "", "10", "abc", " 9" }, { " 9", "10", "", "abc" } },
        { RosterColumn::Age, false, { "10", "", "abc", "9" }, { "abc", "", "10", "9" } },
        { RosterColumn::Name, true, { "amy", "Zed", "Al", "A" }, { "A", "Al", "Zed", "amy" } },
        { RosterColumn::Name, true, { "\xC9mile", "zoe", "Eli" }, { "Eli", "zoe", "\xC9mile" } },
        { RosterColumn::Bouts, true, { "3,7", "12", "4" }, { "4", "12", "3,7" } },
    };
    for (const auto& c : cases) {
        for (const bool stable : { false, true }) {
            Table roster = rosterOf(Cells(c.keys.size()));
            for (std::size_t k = 0; k < c.keys.size(); ++k)
                roster.setCell(static_cast<int>(k) + 1, c.sortColumn, c.keys[k]);
            sortRoster(roster, c.sortColumn, c.ascending, stable);
            EXPECT_EQ(columnOf(roster, c.sortColumn), c.expected) << c.keys[0] << (stable ? " stable" : " quick");
        }
    }
}

TEST(RowSortsTest, QuickSortMayReorderEqualKeysWhileStableSortKeepsThem)
{
    // Worked by hand: partitioning on A's 1 exchanges B with D, which puts C
    // ahead of B.
    const Table before = rosterOf({ "A\t1\t60", "B\t2\t70", "C\t2\t80", "D\t0\t90" });
    Table quick = before, stable = before;
    quickSortRows(quick, RosterColumn::Age, true, 1, 4);
    EXPECT_EQ(columnOf(quick, RosterColumn::Name), (Cells { "D", "A", "C", "B" }));
    EXPECT_EQ(columnOf(quick, RosterColumn::Wgt), (Cells { "90", "60", "80", "70" }));
    stableSortRows(stable, RosterColumn::Age, true, 1, 4);
    EXPECT_EQ(columnOf(stable, RosterColumn::Name), (Cells { "D", "A", "B", "C" }));
}

TEST(RowSortsTest, StableSortOfAManyRowRosterKeepsEqualKeysInOrder)
{
    // Ranks worked out by hand: 1 and 1.0 are the same number, and every
    // number comes before every text.
    const Cells keys = { "-2", "1", "1.0", " 3", "", "B", "a" };
    const int rank[] = { 0, 1, 1, 2, 3, 4, 5 };
    std::mt19937 dice(7);
    Table roster = rosterOf({});
    std::vector<std::pair<int, std::string>> rows; // rank, name
    for (int k = 0; k < 300; ++k) {
        const auto key = dice() % keys.size();
        rows.emplace_back(rank[key], std::to_string(k));
        roster.appendRow(rows.back().second + "\t" + keys[key]);
    }
    sortRoster(roster, RosterColumn::Age, false, true);
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; k < rows.size(); ++k)
        ASSERT_EQ(roster.cell(static_cast<int>(k) + 1, RosterColumn::Name), rows[k].second) << k;
}

TEST(RowSortsTest, OnlyTheRowsOfTheRangeMove)
{
    for (const bool stable : { false, true }) {
        Table roster = rosterOf({ "x\t12", "c\t3", "b\t2", "a\t1", "y\t0" });
        (stable ? stableSortRows : quickSortRows)(roster, RosterColumn::Age, true, 2, 4);
        EXPECT_EQ(columnOf(roster, RosterColumn::Name), (Cells { "x", "a", "b", "c", "y" }));

        // The empty row a roster starts with sorts like any other row.
        Table fresh = Table::withCaptions(rosterCaptions);
        fresh.appendRow("Al\t9.5");
        fresh.appendRow("Bo\t8.0");
        sortRoster(fresh, RosterColumn::Age, true, stable);
        EXPECT_EQ(columnOf(fresh, RosterColumn::Name), (Cells { "Bo", "Al", "" }));
        EXPECT_EQ(fresh.cell(0, RosterColumn::Name), Table::withCaptions(rosterCaptions).cell(0, RosterColumn::Name));
    }
}

TEST(RowSortsTest, QuickSortCopesWithALargeAlreadySortedRoster)
{
    // Sorted rows are the partition sort's deepest case. The sort runs on a
    // small stack, which one nested call per row would overflow.
    const int count = 10000;
    Table roster = rosterOf({});
    for (int k = 0; k < count; ++k)
        roster.appendRow("\t\t" + std::to_string(k));
    const auto sortBothWays = [](void* data) -> void* {
        auto* table = static_cast<Table*>(data);
        quickSortRows(*table, RosterColumn::Wgt, true, 1, table->rowCount() - 1);
        quickSortRows(*table, RosterColumn::Wgt, false, 1, table->rowCount() - 1);
        return nullptr;
    };
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 64 * 1024);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, sortBothWays, &roster), 0);
    pthread_join(thread, nullptr);
    for (int k = 0; k < count; ++k)
        ASSERT_EQ(roster.cell(k + 1, RosterColumn::Wgt), std::to_string(count - 1 - k));
}
