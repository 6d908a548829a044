#pragma once

#include "meet/Meet.h"
#include "support/TableColumn.h"

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// A meet of the Tigers (TIG) and the Lions (LIO) with these tab-separated
// roster rows and, when given, bout rows.
inline korvanda::Meet meetWith(const Texts& roster, const Texts& bouts = {})
{
    korvanda::Meet meet;
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG");
    meet.teamList.appendRow("Lions\tLIO");
    meet.roster.setRowCount(1);
    for (const auto& row : roster)
        meet.roster.appendRow(row);
    if (!bouts.empty())
        meet.boutGrid.setRowCount(1);
    for (const auto& row : bouts)
        meet.boutGrid.appendRow(row);
    return meet;
}

// The cells of one row of a table.
inline Texts rowOf(const korvanda::Table& table, int row)
{
    Texts cells;
    for (int column = 0; column < table.columnCount(); ++column)
        cells.push_back(table.cell(row, column));
    return cells;
}

