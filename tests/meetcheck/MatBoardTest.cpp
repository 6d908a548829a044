#include "meetcheck/MatBoard.h"

#include "CheckMeets.h"

#include <gtest/gtest.h>

#include <functional>

using namespace korvanda;

namespace {

// Each mat's bouts as the board shows them, mat by mat.
std::vector<std::vector<int>> shownBouts(const Meet& meet)
{
    std::vector<std::vector<int>> shown;
    for (const BoardMat& mat : matBoard(meet.boutGrid)) {
        std::vector<int> bouts;
        for (const BoardBout& bout : mat.next)
            bouts.push_back(bout.bout);
        shown.push_back(bouts);
    }
    return shown;
}

} // namespace

TEST(MatBoardTest, TheBoardFollowsResultsAcceptedAndBoutsRemoved)
{
    Meet meet = meetWith({},
        { boutRow(1, 1, "Ann", "TIG", "Bo", "LIO"), boutRow(2, 3, "Cy", "LIO", "Dee", "TIG"),
            boutRow(3, 1, "Eve", "TIG", "Fay", "LIO"), boutRow(4, 3, "Gus", "LIO", "Hal", "TIG"),
            boutRow(5, 1, "Ann", "TIG", "Fay", "LIO"), boutRow(6, 1, "Bo", "LIO", "Eve", "TIG") });
    EXPECT_EQ(matBoard(meet.boutGrid).front().next.front(), (BoardBout { 1, "Ann", "TIG", "Bo", "LIO" }));
    EXPECT_EQ(matBoard(meet.boutGrid).back().mat, 3) << "mats with no bout are left out";
    EXPECT_TRUE(matBoard(Meet().boutGrid).empty()) << "a fresh bout list";

    const struct {
        const char* step;
        std::function<void(Table&)> change;
        std::vector<std::vector<int>> shown;
    } steps[] = {
        { "scheduled", [](Table&) {}, { { 1, 3, 5 }, { 2, 4 } } },
        { "bout 1 won by Red", [](Table& b) { b.setCell(1, BoutColumn::Winner1, "Fall"); }, { { 3, 5, 6 }, { 2, 4 } } },
        { "bout 5 a draw, before bout 3",
            [](Table& b) {
                b.setCell(5, BoutColumn::Winner1, "Draw");
                b.setCell(5, BoutColumn::Winner2, "Draw");
            },
            { { 3, 6 }, { 2, 4 } } },
        { "mat 3 done",
            [](Table& b) {
                b.setCell(2, BoutColumn::Winner2, "Decision");
                b.setCell(4, BoutColumn::Winner2, "Forfeit");
            },
            { { 3, 6 }, {} } },
        { "last bout removed", [](Table& b) { b.removeRow(6); }, { { 3 }, {} } },
        { "bout 1's result cleared", [](Table& b) { b.setCell(1, BoutColumn::Winner1, " "); }, { { 1, 3 }, {} } },
    };
    for (const auto& s : steps) {
        s.change(meet.boutGrid);
        EXPECT_EQ(shownBouts(meet), s.shown) << s.step;
    }
}

TEST(MatBoardTest, TextGrowsWithTheWindowAndALineFitsItsColumn)
{
    for (int mats = 0; mats <= 6; ++mats) {
        const int full = boardTextPixels(1920, 1080, mats);
        // About 4 cm letters on a 2.5 m wide screen: readable from ten metres.
        EXPECT_GE(full, 1080 / 30) << mats << " mats";
        EXPECT_NEAR(boardTextPixels(960, 540, mats), full / 2.0, 1.0) << mats << " mats";
        const int columns = boardColumns(mats);
        const int tall = boardTextPixels(1920, 4000, mats);
        EXPECT_LE(tall * 26 * 0.55, 1920.0 / columns) << mats << " mats on a tall screen";
    }
}
