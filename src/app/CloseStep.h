#pragma once

#include <functional>

namespace korvanda {

class Dialogs;
struct Meet;

// What every working window does before it goes: the settings are written
// (once per run, by whoever passes `saveSettings`), then changed rosters
// are offered for saving. Only Yes writes the team files and clears the
// flag, so after No the next window to close asks again.
void closeStep(Meet& meet, Dialogs& dialogs, const std::function<void()>& saveSettings);

// The close step before another meet is opened in its place: the save
// question gets a Cancel, which keeps this meet open with nothing written
// (not even the settings) and returns false.
bool closeStepBeforeSwitch(Meet& meet, Dialogs& dialogs, const std::function<void()>& saveSettings);

} // namespace korvanda
