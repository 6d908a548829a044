#pragma once

#include "meet/Meet.h"

#include <string>

namespace korvanda {

inline constexpr const char* scoreTallyFileName = "ScoreTally.Txt";

// "ScoreTally.Txt": for every team of the list, its wins by each kind of
// result, its draws, forfeits and scratches, total wins and losses and the
// percentages of pins, wins and losses.
std::string scoreTallyText(const Table& teamList, const Table& boutGrid);

} // namespace korvanda
