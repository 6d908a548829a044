#pragma once

#include "sheets/Sheet.h"

#include <string_view>

namespace korvanda {

// A CSV or tab-separated text as RFC 4180 has it: fields in double quotes
// may hold separators, doubled quotes and line ends. The separator (comma,
// semicolon or tab) is the one the first lines use most outside quotes;
// the text may be UTF-8, with or without a byte-order mark, or Windows-1252.
SheetReading readCsvSheet(std::string_view bytes);

} // namespace korvanda
