#pragma once

#include "matching/MatchSettings.h"
#include "meet/Meet.h"
#include "meetcheck/MatFigures.h"
#include "meetcheck/RestCheck.h"
#include "meetcheck/ShortList.h"

#include <vector>

namespace korvanda {

// The check window's own boxes, kept for each meet folder.
struct CheckValues {
    int minimumRest = 2;
    int minutesPerBout = 5;
    // Minutes after midnight.
    int startMinutes = 9 * 60;
};

// The three answers of the meet day check.
struct MeetCheck {
    CheckValues values;
    ShortList shortList;
    // Wrestlers with less rest than values.minimumRest, worst first.
    std::vector<RestGap> shortRests;
    std::vector<MatFigure> mats;
};

MeetCheck checkMeet(const Meet& meet, const MatchSettings& settings, const CheckValues& values);

} // namespace korvanda
