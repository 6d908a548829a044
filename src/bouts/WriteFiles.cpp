#include "bouts/WriteFiles.h"

#include "meet/Dialogs.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"
#include "meet/TextFile.h"

#include <string>

namespace korvanda {

void writeFiles(const Meet& meet, const ListOptions& options, const PrintDate& today, Dialogs& dialogs)
{
    saveRestoreFile(meet, dialogs, causes::writeFiles);
    for (MeetList list : allMeetLists) {
        const char* name = listFileName(list);
        if (!saveFileSafely(meet.directory / name, listText(meet, list, options, today)))
            dialogs.inform(std::string("Couldn't write ") + name + "; file may be in use.");
    }
}

} // namespace korvanda
