#include "bouts/MatSchedule.h"

#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace korvanda;

namespace {

using Numbers = std::vector<int>;
using Texts = std::vector<std::string>;

// Bout n pairs "Red n" of team Rn with "Green n" of team Gn; the weight
// sum of each bout stands in wrestler 1's cell.
Meet boutsWithSums(const TempDir& dir, const Numbers& sums)
{
    Meet meet;
    meet.directory = dir.path();
    if (!sums.empty())
        meet.boutGrid.setRowCount(1);
    for (std::size_t i = 0; i < sums.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        meet.boutGrid.appendRow(n + "\t4\t\tRed " + n + "\t\t" + std::to_string(sums[i]) + "\t\tR" + n
            + "\t\t\t\tGreen " + n + "\t\t0\t\tG" + n);
    }
    return meet;
}

Numbers matsOf(const Meet& meet)
{
    Numbers mats;
    for (int row = 1; row < meet.boutGrid.rowCount(); ++row)
        mats.push_back(std::stoi(meet.boutGrid.cell(row, BoutColumn::Mat)));
    return mats;
}

Texts boutsOnMat(const MatSchedule& schedule, int mat)
{
    Texts bouts;
    for (int row = 1; row < schedule.mat(mat).rowCount(); ++row)
        bouts.push_back(schedule.mat(mat).cell(row, 0));
    return bouts;
}

} // namespace

TEST(MatScheduleTest, InTurnAndRescheduling)
{
    TempDir dir;
    Meet meet = boutsWithSums(dir, Numbers(7, 120));
    FakeDialogs dialogs;
    MatSchedule schedule;
    ASSERT_TRUE(scheduleBouts(meet, "3", false, dialogs, schedule));
    EXPECT_EQ(matsOf(meet), (Numbers { 1, 2, 3, 1, 2, 3, 1 }));
    EXPECT_EQ(schedule.visibleMats, 3);
    EXPECT_EQ(boutsOnMat(schedule, 1), (Texts { "1", "4", "7" }));
    Texts header, line;
    for (int c = 0; c < 5; ++c) {
        header.push_back(schedule.mat(2).cell(0, c));
        line.push_back(schedule.mat(2).cell(2, c));
    }
    EXPECT_EQ(header, (Texts { "Bout", "Red", "Team", "Green", "Team" }));
    EXPECT_EQ(line, (Texts { "5", "Red 5", "R5", "Green 5", "G5" }));
    EXPECT_TRUE(dir.exists("Restore.Csv"));

    ASSERT_TRUE(scheduleBouts(meet, "6", false, dialogs, schedule));
    EXPECT_EQ(boutsOnMat(schedule, 6), Texts { "6" });
    ASSERT_TRUE(scheduleBouts(meet, "2", false, dialogs, schedule));
    EXPECT_EQ(schedule.visibleMats, 2);
    EXPECT_EQ(boutsOnMat(schedule, 1), (Texts { "1", "3", "5", "7" })) << "rebuilt from scratch";
    EXPECT_EQ(boutsOnMat(schedule, 2), (Texts { "2", "4", "6" }));
    ASSERT_TRUE(scheduleBouts(meet, "1", true, dialogs, schedule));
    EXPECT_EQ(boutsOnMat(schedule, 1).size(), 7u);
    EXPECT_EQ(matsOf(meet), Numbers(7, 1));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(MatScheduleTest, ByWeightSharesTheMatsAtTheLimits)
{
    struct Case {
        Numbers sums;
        const char* mats;
        Numbers expected;
    };
    const Case cases[] = {
        // Ten bouts: mat 1 takes sums up to the 5th smallest, 110.
        { { 130, 100, 150, 90, 120, 110, 160, 140, 95, 105 }, "2", { 2, 1, 2, 1, 2, 1, 2, 2, 1, 1 } },
        // Five bouts: 2.5 rounds to 2, so the limit is the 2nd smallest.
        { { 150, 110, 130, 120, 140 }, "2", { 2, 1, 2, 1, 2 } },
        // Seven bouts: 3.5 rounds to 4.
        { { 170, 110, 130, 120, 140, 160, 150 }, "2", { 2, 1, 1, 1, 1, 2, 2 } },
        // Equal keys all land on the limit's mat.
        { { 100, 100, 120, 100 }, "2", { 1, 1, 2, 1 } },
        { { 100, 120, 130, 140, 150, 160 }, "3", { 1, 1, 2, 2, 3, 3 } },
        // Above every limit: the bout before decides, and the heaviest mat
        // takes a first bout.
        { { 20000, 100, 20000, 200 }, "2", { 2, 1, 1, 1 } },
    };
    for (const auto& c : cases) {
        TempDir dir;
        Meet meet = boutsWithSums(dir, c.sums);
        FakeDialogs dialogs;
        MatSchedule schedule;
        ASSERT_TRUE(scheduleBouts(meet, c.mats, true, dialogs, schedule)) << c.sums.size();
        EXPECT_EQ(matsOf(meet), c.expected) << c.sums.size() << " bouts on " << c.mats;
        EXPECT_EQ(boutsOnMat(schedule, 2).size(),
            static_cast<std::size_t>(std::count(c.expected.begin(), c.expected.end(), 2)));
    }
}

TEST(MatScheduleTest, NoBoutsInTurnLeavesHeadersOnly)
{
    TempDir dir;
    Meet meet = boutsWithSums(dir, {});
    FakeDialogs dialogs;
    MatSchedule schedule;
    schedule.mat(1).appendRow("9\tOld");
    ASSERT_TRUE(scheduleBouts(meet, "2", false, dialogs, schedule));
    EXPECT_EQ(schedule.mat(1).rowCount(), 1);
    EXPECT_EQ(meet.boutGrid, Meet().boutGrid) << "the empty row is no bout and gets no mat";
    EXPECT_TRUE(dir.exists("Restore.Csv"));
}

TEST(MatScheduleTest, RefusalsChangeNothing)
{
    struct Case {
        Numbers sums;
        const char* mats;
        bool byWeight;
        const char* message;
    };
    const char* badMats = "The number of mats must be from 1 to 6.";
    const Case cases[] = {
        { { 120 }, "0", false, badMats },
        { { 120 }, "7", false, badMats },
        { { 120 }, "6.6", false, badMats },
        { { 120 }, "", true, badMats },
        { {}, "2", true, "There are no bouts to schedule." },
        { { 120, 0 }, "2", true, "Bout 2 has a weight that is not a number; nothing was scheduled." },
        { { 120 }, "3", true, "Too few bouts to schedule by weight on 3 mats." },
        // 3 x 1 / 6 is exactly a half and rounds to 0.
        { { 120, 120, 120 }, "6", true, "Too few bouts to schedule by weight on 6 mats." },
    };
    for (const auto& c : cases) {
        TempDir dir;
        Meet meet = boutsWithSums(dir, c.sums);
        if (c.sums.size() == 2)
            meet.boutGrid.setCell(2, BoutColumn::Weight2, "");
        const Table bouts = meet.boutGrid;
        FakeDialogs dialogs;
        MatSchedule schedule;
        schedule.visibleMats = 4;
        schedule.mat(1).appendRow("9\tOld");
        const Table mat1 = schedule.mat(1);
        EXPECT_FALSE(scheduleBouts(meet, c.mats, c.byWeight, dialogs, schedule)) << c.message;
        EXPECT_EQ(dialogs.shown, Texts { c.message }) << c.mats;
        EXPECT_EQ(meet.boutGrid, bouts) << c.message;
        EXPECT_EQ(schedule.visibleMats, 4);
        EXPECT_EQ(schedule.mat(1), mat1);
        EXPECT_FALSE(dir.exists("Restore.Csv"));
    }
}
