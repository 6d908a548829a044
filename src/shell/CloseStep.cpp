#include "shell/CloseStep.h"

#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "teams/TeamFiles.h"

namespace korvanda {

void closeStep(Meet& meet, Dialogs& dialogs, const std::function<void()>& saveSettings)
{
    if (saveSettings)
        saveSettings();
    if (meet.rostersChanged && dialogs.ask("Save changes to rosters?")) {
        meet.rostersChanged = false;
        savePermFiles(meet, dialogs);
    }
}

} // namespace korvanda
