#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvanda {

// A rectangular grid of text cells. Row 0 holds the column captions; the
// data rows start at 1. Every number of the meet lives here as text.
class Table {
public:
    Table() = default;
    Table(int rows, int columns);

    // A table whose header comes from captions separated by "|", followed by
    // one empty data row, as every meet table starts.
    static Table withCaptions(std::string_view captionFormat);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return columns_; }
    void setRowCount(int rows);
    void setColumnCount(int columns);

    // Throws std::out_of_range for a cell outside the grid.
    const std::string& cell(int row, int column) const;
    void setCell(int row, int column, std::string text);

    // Inserts a row at position `row` (rowCount() appends); the tab-separated
    // parts of `tabText` fill its cells from column 0, the rest stay empty.
    void insertRow(int row, std::string_view tabText = {});
    void appendRow(std::string_view tabText = {}) { insertRow(rowCount(), tabText); }
    void removeRow(int row);
    void swapRows(int a, int b);

    // Empties every cell, captions included; the shape stays.
    void clear();

    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row) { currentRow_ = row; }

    // Same shape and same cells; the current row does not count.
    bool operator==(const Table& other) const { return columns_ == other.columns_ && rows_ == other.rows_; }

private:
    void checkRow(int row) const;

    std::vector<std::vector<std::string>> rows_;
    int columns_ = 0;
    int currentRow_ = 1;
};

// Cuts a text at tab characters; an empty text gives one empty part.
std::vector<std::string> splitTabs(std::string_view text);

} // namespace korvanda
