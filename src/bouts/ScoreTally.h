#pragma once

#include "meet/Meet.h"

#include <string>

namespace korvanda {

class Dialogs;

inline constexpr const char* scoreTallyFileName = "ScoreTally.Txt";

// "ScoreTally.Txt": for every team of the list, its wins by each kind of
// result, its draws, forfeits and scratches, total wins and losses and the
// percentages of pins, wins and losses.
std::string scoreTallyText(const Table& teamList, const Table& boutGrid);

// Writes the tally into the meet's directory. A file that cannot be
// written is reported and keeps its old contents.
bool writeScoreTally(const Meet& meet, Dialogs& dialogs);

} // namespace korvanda
