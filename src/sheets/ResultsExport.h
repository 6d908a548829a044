#pragma once

#include "meet/Meet.h"

#include <filesystem>

namespace korvanda {

class Dialogs;

// "Export Results...": the workbook at `workbook` with a sheet of bouts and
// one of the team tally, and the same two tables beside it as
// "NAME Bouts.csv" and "NAME Tally.csv". Each file is written whole or not
// at all, keeping its old version; one that cannot be written is named to
// the director. Gives true when all three were written.
bool exportResults(const Meet& meet, const std::filesystem::path& workbook, Dialogs& dialogs);

// The two CSV files written beside a workbook.
std::filesystem::path boutsCsvPath(const std::filesystem::path& workbook);
std::filesystem::path tallyCsvPath(const std::filesystem::path& workbook);

} // namespace korvanda
