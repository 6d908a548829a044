#include "bouts/WriteFiles.h"

#include "bouts/PrintedLists.h"
#include "bouts/ScoreTally.h"
#include "meet/Dialogs.h"
#include "meet/RestoreFile.h"
#include "meet/TextFile.h"

#include <string>

namespace korvanda {

namespace {

void writeList(const Meet& meet, const char* name, const std::string& text, Dialogs& dialogs)
{
    if (!saveFileSafely(meet.directory / name, text))
        dialogs.inform(std::string("Couldn't write ") + name + "; file may be in use.");
}

} // namespace

void writeFiles(const Meet& meet, const ListOptions& options, const PrintDate& today, Dialogs& dialogs)
{
    saveRestoreFile(meet, dialogs);
    writeList(meet, rosterListFileName, rosterListText(meet.roster, options.omitAbsents), dialogs);
    writeList(meet, boutListFileName, boutListText(meet.boutGrid, options.skillsOnBLists), dialogs);
    writeList(meet, scoreListFileName, scoreListText(meet.boutGrid), dialogs);
    writeList(meet, boutSheetsFileName, boutSheetsText(meet.boutGrid, meet.teamList, options.skillsOnBSheets, today),
        dialogs);
    writeScoreTally(meet, dialogs);
}

} // namespace korvanda
