#pragma once

#include "meet/Table.h"

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

inline std::string sp(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

// A table with these captions holding these tab-separated rows.
inline korvanda::Table tableOf(const char* captions, const Lines& rows)
{
    korvanda::Table table = korvanda::Table::withCaptions(captions);
    table.setRowCount(1);
    for (const auto& row : rows)
        table.appendRow(row);
    return table;
}

// The bytes of a printed file of these lines: each ends in CR LF.
inline std::string printed(const Lines& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}
