#include "meet/Table.h"

#include <stdexcept>
#include <utility>

namespace korvanda {

Table::Table(int rows, int columns)
{
    setColumnCount(columns);
    setRowCount(rows);
}

Table Table::withCaptions(std::string_view captionFormat)
{
    std::vector<std::string> captions;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = captionFormat.find('|', start);
        captions.emplace_back(captionFormat.substr(start, bar - start));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    Table table(2, static_cast<int>(captions.size()));
    for (int c = 0; c < table.columnCount(); ++c)
        table.setCell(0, c, captions[static_cast<std::size_t>(c)]);
    return table;
}

void Table::setRowCount(int rows)
{
    if (rows < 0)
        throw std::out_of_range("negative row count");
    rows_.resize(static_cast<std::size_t>(rows), std::vector<std::string>(static_cast<std::size_t>(columns_)));
}

void Table::setColumnCount(int columns)
{
    if (columns < 0)
        throw std::out_of_range("negative column count");
    columns_ = columns;
    for (auto& row : rows_)
        row.resize(static_cast<std::size_t>(columns));
}

void Table::checkRow(int row) const
{
    if (row < 0 || row >= rowCount())
        throw std::out_of_range("row outside the table");
}

const std::string& Table::cell(int row, int column) const
{
    checkRow(row);
    if (column < 0 || column >= columns_)
        throw std::out_of_range("column outside the table");
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void Table::setCell(int row, int column, std::string text)
{
    checkRow(row);
    if (column < 0 || column >= columns_)
        throw std::out_of_range("column outside the table");
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

void Table::insertRow(int row, std::string_view tabText)
{
    if (row < 0 || row > rowCount())
        throw std::out_of_range("row outside the table");
    std::vector<std::string> cells(static_cast<std::size_t>(columns_));
    const auto parts = splitTabs(tabText);
    for (std::size_t c = 0; c < parts.size() && c < cells.size(); ++c)
        cells[c] = parts[c];
    rows_.insert(rows_.begin() + row, std::move(cells));
}

void Table::removeRow(int row)
{
    checkRow(row);
    rows_.erase(rows_.begin() + row);
}

void Table::swapRows(int a, int b)
{
    checkRow(a);
    checkRow(b);
    std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
}

void Table::clear()
{
    for (auto& row : rows_)
        for (auto& text : row)
            text.clear();
}

std::vector<std::string> splitTabs(std::string_view text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = text.find('\t', start);
        parts.emplace_back(text.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return parts;
        start = tab + 1;
    }
}

} // namespace korvanda
