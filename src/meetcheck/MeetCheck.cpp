#include "meetcheck/MeetCheck.h"

namespace korvanda {

MeetCheck checkMeet(const Meet& meet, const MatchSettings& settings, const CheckValues& values)
{
    MeetCheck check;
    check.values = values;
    check.shortList = shortOfBouts(meet, settings);
    for (const RestGap& gap : restGaps(meet.boutGrid))
        if (gap.rest < values.minimumRest)
            check.shortRests.push_back(gap);
    check.mats = matFigures(meet.boutGrid, values.minutesPerBout, values.startMinutes);
    return check;
}

} // namespace korvanda
