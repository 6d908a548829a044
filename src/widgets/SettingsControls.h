#pragma once

class QWidget;

namespace korvanda {

class Dialogs;
struct Meet;

// Puts the values of the settings file into the controls of the team list
// (window 1) and the roster (window 2), found by name. Anything that does
// not fit is passed over without a word.
void loadSettings(const Meet& meet, QWidget& teamScreen, QWidget& wrestlerScreen);

// Writes the controls' values to the settings file once per run. When the
// file cannot be written the director is told and the next close tries again.
void saveSettings(Meet& meet, Dialogs& dialogs, QWidget& teamScreen, QWidget& wrestlerScreen);

} // namespace korvanda
