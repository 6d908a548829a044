#pragma once

#include "meet/Table.h"

#include <string>
#include <string_view>

namespace korvanda {

enum class BoutsListChange { Add, Remove };

// A wrestler's Bouts cell with one bout number added in ascending place or
// taken out. Numbers are written back as plain digits joined by commas;
// empty items are dropped, and an item that is no number is kept as it is.
// No number is ever lost, however long the list.
std::string updateBoutsList(std::string_view bouts, int boutNumber, BoutsListChange change);

// How many bouts a Bouts cell lists: none when blank, else one more than
// its commas.
int boutCountOf(std::string_view bouts);

// The bout a typed bout number names: its row in the bout table, or 0 when
// the text is no number, lies outside 1 to the last row, or names a row
// whose Bout cell is empty.
int boutRowOf(const Table& boutGrid, std::string_view boutNumberText);

} // namespace korvanda
