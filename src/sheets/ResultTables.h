#pragma once

#include "meet/Meet.h"

#include <string>
#include <vector>

namespace korvanda {

// Rows of text cells, the captions first.
using TextRows = std::vector<std::vector<std::string>>;

// The results for the league: one row per bout with both wrestlers, the
// winner's name, how the bout was won and the points, in Latin-1.
TextRows boutResultRows(const Meet& meet);

// The team tally with the figures of the printed tally.
TextRows tallyResultRows(const Meet& meet);

// The columns of boutResultRows that hold numbers.
bool isNumberColumn(std::size_t column);

// The rows as CSV for league websites: UTF-8, every field that needs it in
// double quotes, CR LF after every row.
std::string resultsCsvText(const TextRows& rows);

} // namespace korvanda
