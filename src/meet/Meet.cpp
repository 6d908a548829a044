#include "meet/Meet.h"

namespace korvanda {

int findRow(const Table& table, std::string_view text)
{
    if (table.columnCount() == 0)
        return 0;
    for (int row = 1; row < table.rowCount(); ++row)
        if (table.cell(row, 0) == text)
            return row;
    return 0;
}

} // namespace korvanda
