#pragma once

#include "sheets/Sheet.h"

#include <string_view>

namespace korvanda {

// The first sheet of an Excel workbook (.xlsx). Shared and inline texts
// are resolved; formula cells give their stored value; a date stays the
// serial number the workbook holds.
SheetReading readXlsxSheet(std::string_view bytes);

} // namespace korvanda
