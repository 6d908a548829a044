#include "history/BringBack.h"

#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/MeetHistory.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"

#include <ctime>

namespace korvanda {

std::string clockText(std::time_t time, bool withSeconds)
{
    const std::time_t now = std::time(nullptr);
    // One call at a time, on the window thread: the shared result of
    // localtime is read before the next call.
    const std::tm* local = std::localtime(&now);
    const std::tm today = local ? *local : std::tm {};
    // A time no clock can show comes from a damaged header: it shows as "?".
    local = std::localtime(&time);
    if (!local)
        return "?";
    const std::tm then = *local;
    char text[40];
    const bool sameDay = then.tm_year == today.tm_year && then.tm_yday == today.tm_yday;
    const char* format
        = sameDay ? (withSeconds ? "%H:%M:%S" : "%H:%M") : (withSeconds ? "%Y-%m-%d %H:%M:%S" : "%Y-%m-%d %H:%M");
    return std::strftime(text, sizeof text, format, &then) ? text : "";
}

void reportDamaged(const MeetHistory& history, const std::vector<std::string>& damaged, Dialogs& dialogs)
{
    if (damaged.empty())
        return;
    std::string names;
    for (const auto& name : damaged)
        names += (names.empty() ? "" : ", ") + name;
    dialogs.warn("These kept states in " + history.folder().string() + " are damaged and were skipped: " + names + ".");
}

bool bringBack(Meet& meet, const MeetHistory& history, const KeptState& state, Dialogs& dialogs)
{
    const std::string clock = clockText(state.time, false);
    if (!dialogs.ask("Bring back the meet as it was at " + clock + " (after " + state.cause + ")?"))
        return false;
    const auto text = history.text(state);
    const std::string name = (history.folder() / state.file.filename()).string();
    if (!text) {
        dialogs.warn(name + " is damaged; the meet was not changed.");
        return false;
    }
    if (!restoreFromText(meet, *text, name, dialogs))
        return false;
    saveRestoreFile(meet, dialogs, causes::bringBack(clock));
    return true;
}

} // namespace korvanda
