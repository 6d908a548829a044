#include "meetcheck/MatBoard.h"

#include "meet/Meet.h"
#include "meet/Numbers.h"
#include "meetcheck/MatOrder.h"

#include <algorithm>

namespace korvanda {

namespace {

// Now, on deck and in the hole.
constexpr std::size_t boutsShown = 3;

} // namespace

std::vector<BoardMat> matBoard(const Table& boutGrid)
{
    std::vector<BoardMat> board;
    for (const auto& [mat, rows] : boutsByMat(boutGrid)) {
        BoardMat shown;
        shown.mat = mat;
        for (const int row : rows) {
            if (shown.next.size() == boutsShown)
                break;
            if (hasResult(boutGrid, row))
                continue;
            shown.next.push_back(
                { row, trimmed(boutGrid.cell(row, BoutColumn::Name1)), trimmed(boutGrid.cell(row, BoutColumn::Team1)),
                    trimmed(boutGrid.cell(row, BoutColumn::Name2)), trimmed(boutGrid.cell(row, BoutColumn::Team2)) });
        }
        board.push_back(shown);
    }
    return board;
}

int boardColumns(int mats)
{
    return mats <= 1 ? 1 : mats <= 4 ? 2 : 3;
}

int boardTextPixels(int width, int height, int mats)
{
    constexpr double linesPerMat = 10;
    constexpr double lineSpacing = 1.3;
    constexpr double lineCharacters = 26;
    constexpr double characterWidth = 0.55;
    // With no mats the board holds one line of its own.
    const int columns = boardColumns(std::max(mats, 1));
    const int rows = mats <= 0 ? 0 : (mats + columns - 1) / columns;
    const double lines = rows * linesPerMat + 1;
    const double byHeight = height / (lines * lineSpacing);
    const double byWidth = width / static_cast<double>(columns) / (lineCharacters * characterWidth);
    return std::max(8, static_cast<int>(std::min(byHeight, byWidth)));
}

} // namespace korvanda
