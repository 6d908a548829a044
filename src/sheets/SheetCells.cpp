#include "sheets/SheetCells.h"

namespace korvanda {

bool SheetCells::put(std::size_t row, std::size_t column, std::string text)
{
    if (failed())
        return false;
    if (text.empty())
        return true;
    if (row >= SheetLimits::rows) {
        fail("The sheet has more than " + std::to_string(SheetLimits::rows) + " rows.");
        return false;
    }
    if (column >= SheetLimits::columns) {
        fail("The sheet has more than " + std::to_string(SheetLimits::columns) + " columns.");
        return false;
    }
    if (text.size() > SheetLimits::cellBytes) {
        fail("A cell in row " + std::to_string(row + 1) + " holds more than " + std::to_string(SheetLimits::cellBytes)
            + " characters.");
        return false;
    }
    textBytes_ += text.size();
    if (textBytes_ > SheetLimits::textBytes) {
        fail("The sheet holds more than " + std::to_string(SheetLimits::textBytes >> 20) + " MB of text.");
        return false;
    }
    auto& rows = sheet_.rows;
    if (rows.size() <= row)
        rows.resize(row + 1);
    if (rows[row].size() <= column)
        rows[row].resize(column + 1);
    rows[row][column] = std::move(text);
    return true;
}

void SheetCells::fail(std::string problem)
{
    if (!failed())
        problem_ = std::move(problem);
}

SheetReading SheetCells::finish()
{
    SheetReading reading;
    reading.problem = problem_;
    if (!failed())
        reading.sheet = std::move(sheet_);
    return reading;
}

} // namespace korvanda
