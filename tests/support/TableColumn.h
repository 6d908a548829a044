#pragma once

#include "meet/Table.h"

#include <string>
#include <vector>

// One column of a table's data rows, top to bottom.
inline std::vector<std::string> columnOf(const korvanda::Table& table, int column)
{
    std::vector<std::string> cells;
    for (int row = 1; row < table.rowCount(); ++row)
        cells.push_back(table.cell(row, column));
    return cells;
}

// The same column on one line, each cell followed by a space: "1 2 3 ".
inline std::string columnText(const korvanda::Table& table, int column)
{
    std::string line;
    for (const std::string& cell : columnOf(table, column))
        line += cell + ' ';
    return line;
}
