#pragma once

#include "meet/Table.h"

#include <map>
#include <vector>

namespace korvanda {

// The bout rows on each mat in use, in the order the mat runs them: by bout
// number, as its table in the mat schedule lists them. A bout whose Mat cell
// names no mat from 1 to 6 is on no mat.
std::map<int, std::vector<int>> boutsByMat(const Table& boutGrid);

// A result is in once either Winner cell holds a code.
bool hasResult(const Table& boutGrid, int row);

} // namespace korvanda
