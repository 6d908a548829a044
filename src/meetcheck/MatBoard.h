#pragma once

#include "meet/Table.h"

#include <string>
#include <vector>

namespace korvanda {

// One bout as the gym reads it: Red (wrestler 1) against Green.
struct BoardBout {
    int bout = 0;
    std::string name1;
    std::string team1;
    std::string name2;
    std::string team2;

    bool operator==(const BoardBout&) const = default;
};

// What one mat shows: the bout on the mat, on deck and in the hole.
struct BoardMat {
    int mat = 0;
    // The mat's first three bouts without a result, in its order; empty
    // once every bout of the mat has a result.
    std::vector<BoardBout> next;
};

// Every mat in use, in mat order; no mat while there is no bout.
std::vector<BoardMat> matBoard(const Table& boutGrid);

// The board's columns of mats for `mats` mats: one, two, or three from
// five mats on.
int boardColumns(int mats);

// The text height in pixels for a board of `mats` mats in a window of
// `width` by `height`: every mat's ten lines share the height, and a line of
// about 26 characters fits the width of its column.
int boardTextPixels(int width, int height, int mats);

} // namespace korvanda
