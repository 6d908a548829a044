#pragma once

#include "matching/PairingMeasures.h"

namespace korvanda {

// The bout order array: one row per bout, column 1 and 2 the Roster rows of
// wrestler 1 and wrestler 2, column 3 a working value (the shuffle key, then
// the bout's rest gap). The bout in row r of a block is its r-th bout.
using BoutOrder = IntegerRows;

// These are the plain forms of the rest measures: each gap is found by
// scanning the whole block. RestOrderBlock gives the same results quickly.

// The distance from row k to the nearest other row of rows first to last
// whose bout shares a wrestler with it, or the block's size when none does.
int restGap(const BoutOrder& order, int k, int first, int last);

// Exchanges the bouts of rows i and j, column 3 included.
void swapBoutRows(BoutOrder& order, int i, int j);

// Exchanges rows i and j when that lengthens their two gaps together and
// does not shorten the gaps of the block as a whole. Gives 0 when the two
// gaps do not improve; otherwise the improvement of the two gaps, even when
// the rest of the block made the exchange undone.
int trySwapBouts(BoutOrder& order, int i, int j, int first, int last);

// Reorders rows first to last by passes of exchanges tried on every pair of
// rows of which one has a gap below `threshold`, until the passes stop
// raising the total rest (with a little patience while some gap stays below
// `target`). Column 3 must hold each row's gap on entry and does on return.
void improveBoutOrder(BoutOrder& order, int first, int last, int threshold, int target);

} // namespace korvanda
