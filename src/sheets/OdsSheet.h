#pragma once

#include "sheets/Sheet.h"

#include <string_view>

namespace korvanda {

// The first sheet of an OpenDocument spreadsheet (.ods), as LibreOffice
// saves it. Repeated rows and cells are spread out; formula cells give
// their stored value; a date cell gives its ISO date.
SheetReading readOdsSheet(std::string_view bytes);

} // namespace korvanda
