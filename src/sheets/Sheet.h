#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korvanda {

// The first sheet of a coach's spreadsheet as text cells (UTF-8), row by
// row from the top; a formula cell holds the value the program stored.
struct Sheet {
    std::vector<std::vector<std::string>> rows;
};

// What reading a spreadsheet gives: the sheet, or the problem that stopped
// the reading, in words for the director.
struct SheetReading {
    Sheet sheet;
    std::string problem;
    bool ok() const { return problem.empty(); }
};

// A roster is a few hundred rows; these bounds keep a hostile or broken
// file from filling the memory or keeping the program busy for minutes.
namespace SheetLimits {
inline constexpr std::size_t fileBytes = 64u << 20;
inline constexpr std::size_t entryBytes = 64u << 20;
// A zip entry unpacking to more than this many times its packed size is
// taken for a zip bomb once it is larger than a megabyte.
inline constexpr std::size_t packRatio = 200;
inline constexpr std::size_t rows = 20000;
inline constexpr std::size_t columns = 256;
inline constexpr std::size_t cellBytes = 4096;
// All cells together: a few repeated rows and cells of a workbook could
// otherwise ask for gigabytes; a team's roster holds a few kilobytes.
inline constexpr std::size_t textBytes = 16u << 20;
inline constexpr int xmlDepth = 64;
} // namespace SheetLimits

// The refusal of a file over the size limit, whoever reads it first.
inline SheetReading oversizedSheet()
{
    return { {}, "The file is larger than " + std::to_string(SheetLimits::fileBytes >> 20) + " MB." };
}

} // namespace korvanda
