#pragma once

#include "sheets/SheetColumns.h"

#include <optional>
#include <string>
#include <vector>

namespace korvanda {

// One row of a coach's sheet read through its columns. The name is the
// name cell, or first and last name joined "First Last" (UTF-8).
std::string sheetWrestlerName(const Sheet& sheet, const SheetColumns& columns, std::size_t row);

// The weight in whole pounds as the roster stores it, from the row's
// weight column; a cell saying "kg", or a column taken for kilograms, is
// converted. Nothing when the row has no readable weight.
std::optional<std::string> sheetWrestlerWeight(const Sheet& sheet, const SheetColumns& columns, std::size_t row);

// The cell of the row's first column of that kind, or an empty text.
std::string sheetWrestlerCell(const Sheet& sheet, const SheetColumns& columns, std::size_t row, ColumnKind kind);

// The rows under the header that hold a wrestler, by index: a row without
// a single filled cell is a spacer between groups.
std::vector<std::size_t> wrestlerRows(const Sheet& sheet, const SheetColumns& columns);

} // namespace korvanda
