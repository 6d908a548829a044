#include "bouts/MatSchedule.h"

#include "support/FakeDialogs.h"
#include "support/TableColumn.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace korvanda;

namespace {

// Bout n pairs "Red n" of team Rn with "Green n" of team Gn; wrestler 1's
// weight is the bout's weight sum.
struct Scheduling {
    TempDir dir;
    Meet meet;
    FakeDialogs dialogs;
    MatSchedule schedule;

    explicit Scheduling(const std::vector<std::string>& sums)
    {
        meet.directory = dir.path();
        if (!sums.empty())
            meet.boutGrid.setRowCount(1);
        for (std::size_t i = 0; i < sums.size(); ++i) {
            const std::string n = std::to_string(i + 1);
            meet.boutGrid.appendRow(
                n + "\t4\t\tRed " + n + "\t\t" + sums[i] + "\t\tR" + n + "\t\t\t\tGreen " + n + "\t\t0\t\tG" + n);
        }
    }
    bool run(const char* mats, bool byWeight) { return scheduleBouts(meet, mats, byWeight, dialogs, schedule); }
    std::string mats() const { return columnText(meet.boutGrid, BoutColumn::Mat); }
};

} // namespace

TEST(MatScheduleTest, InTurnFillsTheMatTablesAndReschedulingRebuildsThem)
{
    Scheduling s(std::vector<std::string>(7, "120"));
    ASSERT_TRUE(s.run("3", false));
    EXPECT_EQ(s.mats(), "1 2 3 1 2 3 1 ");
    EXPECT_EQ(columnText(s.schedule.mat(1), 0), "1 4 7 ");
    std::string line;
    for (int c = 0; c < 5; ++c)
        line += columnText(s.schedule.mat(2), c);
    EXPECT_EQ(line, "2 5 Red 2 Red 5 R2 R5 Green 2 Green 5 G2 G5 ");
    EXPECT_TRUE(s.dir.exists("Restore.Csv"));

    ASSERT_TRUE(s.run("6", false));
    ASSERT_TRUE(s.run("2", false));
    EXPECT_EQ(s.schedule.visibleMats, 2);
    EXPECT_EQ(columnText(s.schedule.mat(1), 0), "1 3 5 7 ");
    EXPECT_EQ(columnText(s.schedule.mat(2), 0), "2 4 6 ");

    // The empty row of a fresh bout list is no bout and gets no mat.
    s.meet.boutGrid = Meet().boutGrid;
    ASSERT_TRUE(s.run("2", false));
    EXPECT_EQ(s.schedule.mat(1).rowCount(), 1);
    EXPECT_EQ(s.meet.boutGrid, Meet().boutGrid);
}

TEST(MatScheduleTest, ByWeightSharesTheMatsAtTheLimitsAndRefusalsChangeNothing)
{
    const char* badMats = "The number of mats must be from 1 to 6.";
    // The sums, the mats typed and the mode; then the bouts' mats, or the message of a refusal.
    const std::tuple<std::vector<std::string>, const char*, bool, std::string> cases[] = {
        // Ten bouts: mat 1 takes sums up to the 5th smallest, 110.
        { { "130", "100", "150", "90", "120", "110", "160", "140", "95", "105" }, "2", true, "2 1 2 1 2 1 2 2 1 1 " },
        // Five bouts: 2.5 rounds to 2, so the limit is the 2nd smallest; seven: 3.5 rounds to 4.
        { { "150", "110", "130", "120", "140" }, "2", true, "2 1 2 1 2 " },
        { { "170", "110", "130", "120", "140", "160", "150" }, "2", true, "2 1 1 1 1 2 2 " },
        // Equal keys all land on the limit's mat.
        { { "100", "100", "120", "100" }, "2", true, "1 1 2 1 " },
        { { "100", "120", "130", "140", "150", "160" }, "3", true, "1 1 2 2 3 3 " },
        { { "120", "130" }, "1", true, "1 1 " },
        // Above every limit: the bout before decides, and the heaviest mat takes a first bout.
        { { "20000", "100", "20000", "200" }, "2", true, "2 1 1 1 " },
        { { "120" }, "0", false, badMats },
        { { "120" }, "6.6", false, badMats },
        { { "120" }, "", true, badMats },
        { {}, "2", true, "There are no bouts to schedule." },
        { { "120", "x" }, "2", true, "Bout 2 has a weight that is not a number; nothing was scheduled." },
        { { "120" }, "3", true, "Too few bouts to schedule by weight on 3 mats." },
        // 3 x 1 / 6 is exactly a half and rounds to 0.
        { { "120", "120", "120" }, "6", true, "Too few bouts to schedule by weight on 6 mats." },
    };
    for (const auto& [sums, mats, byWeight, expected] : cases) {
        Scheduling s(sums);
        const Table bouts = s.meet.boutGrid;
        s.schedule.visibleMats = 4;
        s.schedule.mat(1).appendRow("9\tOld");
        const Table mat1 = s.schedule.mat(1);
        const bool refused = !std::isdigit(static_cast<unsigned char>(expected[0]));
        EXPECT_EQ(s.run(mats, byWeight), !refused) << expected;
        if (!refused) {
            EXPECT_EQ(s.mats(), expected) << sums.size() << " bouts on " << mats;
            continue;
        }
        EXPECT_EQ(s.dialogs.shown, std::vector<std::string> { expected }) << mats;
        EXPECT_EQ(s.meet.boutGrid, bouts) << expected;
        EXPECT_EQ(s.schedule.visibleMats, 4);
        EXPECT_EQ(s.schedule.mat(1), mat1);
        EXPECT_FALSE(s.dir.exists("Restore.Csv"));
    }
}
