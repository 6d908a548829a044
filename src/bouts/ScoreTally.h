#pragma once

#include "meet/Meet.h"

#include <string>
#include <vector>

namespace korvanda {

inline constexpr const char* scoreTallyFileName = "ScoreTally.Txt";

// "ScoreTally.Txt": for every team of the list, its wins by each kind of
// result, its draws, forfeits and scratches, total wins and losses and the
// percentages of pins, wins and losses.
std::string scoreTallyText(const Table& teamList, const Table& boutGrid);

// The tally's lines as cells: each team's name, then its eight counts,
// wins, losses and the three percentages as the file writes them.
std::vector<std::vector<std::string>> scoreTallyRows(const Table& teamList, const Table& boutGrid);

} // namespace korvanda
