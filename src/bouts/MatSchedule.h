#pragma once

#include "meet/Meet.h"

#include <array>
#include <string>

namespace korvanda {

class Dialogs;

inline constexpr int maxMats = 6;

// The mat schedule window's contents: one table per mat listing its bouts
// in order, and how many of the tables are shown.
struct MatSchedule {
    MatSchedule();

    // Mats are numbered from 1.
    Table& mat(int number) { return mats[static_cast<std::size_t>(number - 1)]; }
    const Table& mat(int number) const { return mats[static_cast<std::size_t>(number - 1)]; }

    // Header "Bout", "Red", "Team", "Green", "Team"; wrestler 1 is Red.
    std::array<Table, maxMats> mats;
    // Mats 1 to visibleMats are shown; the others are hidden and keep
    // whatever an earlier schedule left in them.
    int visibleMats = maxMats;
};

// "Mat 1" to "Mat 6".
std::string matCaption(int mat);

// "Schedule" (byWeight false) deals the bouts to the mats in turn;
// "Schedule by Weight" gives mat 1 the lightest bouts, mat 2 the next, and
// so on. Writes every bout's Mat cell, rebuilds the shown mat tables and
// saves the restore file. `matsText` is the "Mats" box of the team window.
// A mat count outside 1 to 6, or bouts that cannot be ordered by weight,
// are reported and change nothing. True when the bouts were scheduled.
bool scheduleBouts(Meet& meet, const std::string& matsText, bool byWeight, Dialogs& dialogs, MatSchedule& schedule);

} // namespace korvanda
