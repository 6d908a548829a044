#pragma once

#include "sheets/Sheet.h"

#include <string>

namespace korvanda {

// Collects the cells a reader finds into a sheet, within the limits on
// rows, columns, cell length and all their text; the first cell past a limit becomes the
// problem that names it, and every later cell is dropped.
class SheetCells {
public:
    // Puts `text` at the 0-based place; empty texts take no room.
    bool put(std::size_t row, std::size_t column, std::string text);
    bool failed() const { return !problem_.empty(); }
    const std::string& problem() const { return problem_; }
    void fail(std::string problem);
    SheetReading finish();

private:
    Sheet sheet_;
    std::string problem_;
    std::size_t textBytes_ = 0;
};

} // namespace korvanda
