#pragma once

#include "meet/Meet.h"

#include <string>
#include <string_view>

namespace korvanda {

class Dialogs;

// The three states of the "Here" box; a greyed box counts as not present.
enum class CheckState { Clear, Checked, Greyed };

// What the boxes of the roster window's editor hold, as the director typed
// it. The window copies its boxes in, calls one operation, and shows the
// boxes as the operation left them.
struct WrestlerEditor {
    std::string name;
    std::string age;
    std::string weight;
    std::string skill;
    std::string team;
    CheckState present = CheckState::Clear;
    // Shown only: the bouts of the wrestler last loaded.
    std::string bouts;
};

// The text a box shows after it loses the focus: a number in its stored
// form, or the text as it was after the director has been told it is bad.
std::string normalizeAgeBox(std::string_view text, Dialogs& dialogs);
std::string normalizeWeightBox(std::string_view text, Dialogs& dialogs);
std::string normalizeSkillBox(std::string_view text, Dialogs& dialogs);

// A listed team, a name, and three numbers; otherwise the director is told.
bool validateWrestler(const Meet& meet, const WrestlerEditor& editor, Dialogs& dialogs);

// "Cancel": empties every box; the row the editor came from is kept.
void cancelEdit(WrestlerEditor& editor);

// Makes the roster's selected row the editor's row and shows `row` in the
// boxes. A row outside the data rows loads nothing.
void loadEditorFromRow(Meet& meet, WrestlerEditor& editor, int row);

// "Add": a new wrestler at the end of the roster, trimmed, unless the name
// is taken. Gives true when the row was added; the editor is then emptied.
// Add and Replace drop double quotes, tabs and line ends from every box,
// since no file of the meet can carry them.
bool addWrestler(Meet& meet, WrestlerEditor& editor, Dialogs& dialogs);

// Writes the editor over the editor's row as typed, unless the name belongs
// to another row. `markChanged` says whether the team files are now out of
// date. Gives true when the row was written; the editor is then emptied.
bool writeEditorToRow(Meet& meet, WrestlerEditor& editor, bool markChanged, Dialogs& dialogs);

// "Replace".
bool replaceWrestler(Meet& meet, WrestlerEditor& editor, Dialogs& dialogs);

// "Delete": removes the selected wrestler after asking, unless he has
// bouts. Gives true when the wrestler was removed.
bool deleteWrestler(Meet& meet, WrestlerEditor& editor, Dialogs& dialogs);

// A click on the roster, after the window has made the clicked row the
// roster's current row.
void rosterClicked(Meet& meet, WrestlerEditor& editor);

// A double-click on the roster: with "Dbl-Click Attendance" checked it
// turns the wrestler's attendance over and writes the row back, without
// marking the team files out of date.
void rosterDoubleClicked(Meet& meet, WrestlerEditor& editor, bool attendanceByDoubleClick, Dialogs& dialogs);

} // namespace korvanda
