#pragma once

#include "sheets/Sheet.h"

#include <filesystem>

namespace korvanda {

// Reads a coach's file by its ending: .csv and .txt as text, .xlsx and
// .ods as workbooks. A file that cannot be read, or one with another
// ending, gives the problem in words.
SheetReading readSheetFile(const std::filesystem::path& path);

} // namespace korvanda
