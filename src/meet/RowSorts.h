#pragma once

#include "meet/Table.h"

namespace korvanda {

// The two sorts of the roster's arrow buttons. Both order rows first to last
// of a table by one column, exchanging whole rows in place; the header and
// the rows outside the range stay where they are. A cell that reads as a
// number sorts by its value and before every text; texts compare by
// character code, case-sensitive, so an empty cell is the smallest text.

// The fast sort: rows with equal keys may change their order.
void quickSortRows(Table& table, int column, bool ascending, int first, int last);

// The slow sort that keeps rows with equal keys in their earlier order, so
// sorting by team after sorting by weight keeps each team in weight order.
void stableSortRows(Table& table, int column, bool ascending, int first, int last);

// What an arrow above a roster column does: all data rows by that column,
// with the sort the director picked.
void sortRoster(Table& roster, int column, bool ascending, bool stable);

} // namespace korvanda
