#include "folders/StartFolder.h"

#include "folders/MeetFolder.h"

namespace korvanda {

StartFolder chooseStartFolder(const StartPlaces& places)
{
    if (places.argument)
        return { StartReason::Argument, *places.argument };
    if (holdsMeet(places.programFolder))
        return { StartReason::Portable, places.programFolder };
    if (places.lastMeet)
        return { StartReason::LastMeet, *places.lastMeet };
    return { StartReason::FirstStart, places.documents / demoMeetFolderName };
}

} // namespace korvanda
