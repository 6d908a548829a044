#pragma once

#include "meet/Table.h"

#include <string>
#include <vector>

namespace korvanda {

// How far one mat has come and when it should be done.
struct MatFigure {
    int mat = 0;
    int bouts = 0;
    int withResults = 0;
    // Minutes after the midnight before the meet starts.
    int endMinutes = 0;

    bool operator==(const MatFigure&) const = default;
};

// Every mat in use, in mat order; each bout is taken to last
// `minutesPerBout` from `startMinutes` (minutes after midnight) on.
std::vector<MatFigure> matFigures(const Table& boutGrid, int minutesPerBout, int startMinutes);

// "9:05" as "09:05"; a time past midnight says on which day after, as in
// "00:40 (+1 day)".
std::string clockText(int minutes);

} // namespace korvanda
