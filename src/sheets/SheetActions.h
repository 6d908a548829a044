#pragma once

class QWidget;

namespace korvanda {

class Dialogs;
struct Meet;

// The three ways in from the windows, each starting with the file chooser.

// "Import Roster..." on the team window, for the team in `teamRow`.
void importRosterFromSheet(QWidget* parent, const Meet& meet, int teamRow, Dialogs& dialogs);

// "Update Weights..." on the roster window. Gives true when weights were
// applied, so the window shows the roster anew.
bool updateWeightsFromSheet(QWidget* parent, Meet& meet, Dialogs& dialogs);

// "Export Results..." on the bout window.
void exportResultsToWorkbook(QWidget* parent, const Meet& meet, Dialogs& dialogs);

} // namespace korvanda
