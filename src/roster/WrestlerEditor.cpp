#include "roster/WrestlerEditor.h"

#include "matching/PairingMeasures.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"
#include "meet/TextFile.h"

#include <algorithm>
#include <array>
#include <optional>

namespace korvanda {

namespace {

bool isDataRow(const Table& table, int row)
{
    return row >= 1 && row < table.rowCount();
}

std::string normalizedBox(
    std::string_view text, const std::optional<std::string>& stored, const char* complaint, Dialogs& dialogs)
{
    if (stored)
        return *stored;
    dialogs.inform(complaint);
    return std::string(text);
}

bool teamIsListed(const Table& teamList, std::string_view team)
{
    const std::string wanted = trimmed(withoutFileBreakers(team));
    for (int r = 1; r < teamList.rowCount(); ++r)
        if (trimmed(teamList.cell(r, TeamColumn::Abbrev)) == wanted)
            return true;
    return false;
}

std::string alreadyThere(const std::string& name)
{
    return name + " is already in the roster and cannot be added twice.";
}

// The eight cells of a row, in column order.
using RowCells = std::array<std::string, RosterColumn::Count>;

RowCells cellsFromEditor(const WrestlerEditor& editor, bool trim)
{
    // Every cell ends up in the team files or the restore file, where a
    // double quote, a tab or a line end would break the record, so those
    // never reach a row. (The numbers hold none: validation refuses them.)
    const auto cleaned = [trim](std::string_view text) {
        const std::string kept = withoutFileBreakers(text);
        return trim ? trimmed(kept) : kept;
    };
    RowCells cells;
    cells[RosterColumn::Name] = cleaned(editor.name);
    cells[RosterColumn::Age] = cleaned(editor.age);
    cells[RosterColumn::Wgt] = cleaned(editor.weight);
    cells[RosterColumn::Skill] = cleaned(editor.skill);
    cells[RosterColumn::Team] = cleaned(editor.team);
    cells[RosterColumn::Cmp] = compositeValue(editor.age, editor.weight, editor.skill);
    cells[RosterColumn::Here] = editor.present == CheckState::Checked ? "Yes" : "";
    cells[RosterColumn::Bouts] = cleaned(editor.bouts);
    return cells;
}

bool isBlankRow(const Table& roster, int row)
{
    for (int c = 0; c < roster.columnCount(); ++c)
        if (!trimmed(roster.cell(row, c)).empty())
            return false;
    return true;
}

void writeRow(Table& roster, int row, const RowCells& cells)
{
    for (int c = 0; c < RosterColumn::Count; ++c)
        roster.setCell(row, c, cells[static_cast<std::size_t>(c)]);
}

// The row the director selected; a selection left past the end by a
// shorter roster falls back on the last data row.
int selectedRow(Table& roster)
{
    const int row = std::clamp(roster.currentRow(), 1, roster.rowCount() - 1);
    roster.setCurrentRow(row);
    return row;
}

} // namespace

std::string normalizeAgeBox(std::string_view text, Dialogs& dialogs)
{
    return normalizedBox(text, ageOrSkillText(text), "Bad age value.", dialogs);
}

std::string normalizeWeightBox(std::string_view text, Dialogs& dialogs)
{
    return normalizedBox(text, weightText(text), "Bad weight value.", dialogs);
}

std::string normalizeSkillBox(std::string_view text, Dialogs& dialogs)
{
    return normalizedBox(text, ageOrSkillText(text), "Bad skill value.", dialogs);
}

bool validateWrestler(const Meet& meet, const WrestlerEditor& editor, Dialogs& dialogs)
{
    const bool valid = teamIsListed(meet.teamList, editor.team) && !trimmed(withoutFileBreakers(editor.name)).empty()
        && isNumber(editor.age) && isNumber(editor.weight) && isNumber(editor.skill);
    if (!valid)
        dialogs.inform("Error in wrestler data; correct and retry.");
    return valid;
}

void cancelEdit(WrestlerEditor& editor)
{
    editor = WrestlerEditor {};
}

void loadEditorFromRow(Meet& meet, WrestlerEditor& editor, int row)
{
    const Table& roster = meet.roster;
    if (!isDataRow(roster, row))
        return;
    meet.currentRow = roster.currentRow();
    editor.name = roster.cell(row, RosterColumn::Name);
    editor.age = roster.cell(row, RosterColumn::Age);
    editor.weight = roster.cell(row, RosterColumn::Wgt);
    editor.skill = roster.cell(row, RosterColumn::Skill);
    editor.team = roster.cell(row, RosterColumn::Team);
    editor.present = roster.cell(row, RosterColumn::Here) == "Yes" ? CheckState::Checked : CheckState::Clear;
    editor.bouts = roster.cell(row, RosterColumn::Bouts);
}

bool addWrestler(Meet& meet, WrestlerEditor& editor, Dialogs& dialogs)
{
    if (!validateWrestler(meet, editor, dialogs))
        return false;
    const RowCells cells = cellsFromEditor(editor, true);
    const std::string& name = cells[RosterColumn::Name];
    if (findRow(meet.roster, name) != 0) {
        dialogs.inform(alreadyThere(name));
        return false;
    }
    Table& roster = meet.roster;
    const int row = roster.rowCount();
    roster.appendRow();
    writeRow(roster, row, cells);
    roster.setCurrentRow(row);
    meet.currentRow = row;
    saveRestoreFile(meet, dialogs, causes::wrestler("Add", name));
    meet.rostersChanged = true;
    cancelEdit(editor);
    return true;
}

bool writeEditorToRow(Meet& meet, WrestlerEditor& editor, bool markChanged, Dialogs& dialogs)
{
    if (!validateWrestler(meet, editor, dialogs))
        return false;
    const std::string name = trimmed(withoutFileBreakers(editor.name));
    const int found = findRow(meet.roster, name);
    if (found != 0 && found != meet.currentRow) {
        dialogs.inform(alreadyThere(name));
        return false;
    }
    // A restore of a shorter roster can leave the editor's row past the end.
    if (!isDataRow(meet.roster, meet.currentRow)) {
        dialogs.inform("No wrestler is selected; click the wrestler to replace first.");
        return false;
    }
    RowCells cells = cellsFromEditor(editor, false);
    // The Bouts box only shows what the row held when it was loaded, and the
    // director cannot type into it. A matching, a hand match or a removed
    // bout since then has changed the row: writing the old copy back would
    // take bouts away from him or give him one that no longer exists, also
    // when he is renamed. Only the matching and the hand matches set bouts.
    cells[RosterColumn::Bouts] = meet.roster.cell(meet.currentRow, RosterColumn::Bouts);
    writeRow(meet.roster, meet.currentRow, cells);
    saveRestoreFile(meet, dialogs, causes::wrestler(markChanged ? "Replace" : "Attendance", name));
    if (markChanged)
        meet.rostersChanged = true;
    cancelEdit(editor);
    return true;
}

bool replaceWrestler(Meet& meet, WrestlerEditor& editor, Dialogs& dialogs)
{
    return writeEditorToRow(meet, editor, true, dialogs);
}

bool deleteWrestler(Meet& meet, WrestlerEditor& editor, Dialogs& dialogs)
{
    Table& roster = meet.roster;
    if (meet.currentRow < 1 || roster.rowCount() < 2) {
        dialogs.inform("The roster is empty.");
        return false;
    }
    // Show the wrestler the question will name, so that after No the editor
    // holds the row that Replace would write.
    loadEditorFromRow(meet, editor, selectedRow(roster));
    const int row = meet.currentRow;
    // The one blank row of an empty roster is no wrestler to ask about.
    if (isBlankRow(roster, row)) {
        dialogs.inform("The roster is empty.");
        return false;
    }
    if (!trimmed(roster.cell(row, RosterColumn::Bouts)).empty()) {
        dialogs.inform("Wrestlers with bouts cannot be deleted.");
        cancelEdit(editor);
        return false;
    }
    if (!dialogs.ask("Really remove " + trimmed(roster.cell(row, RosterColumn::Name)) + "?"))
        return false;
    if (roster.rowCount() > 2) {
        roster.removeRow(row);
        selectedRow(roster);
        meet.currentRow = std::min(meet.currentRow, roster.rowCount() - 1);
    } else {
        // The roster keeps its one data row, as an empty roster does.
        writeRow(roster, row, RowCells {});
    }
    cancelEdit(editor);
    meet.rostersChanged = true;
    return true;
}

void rosterClicked(Meet& meet, WrestlerEditor& editor)
{
    loadEditorFromRow(meet, editor, meet.roster.currentRow());
}

void rosterDoubleClicked(Meet& meet, WrestlerEditor& editor, bool attendanceByDoubleClick, Dialogs& dialogs)
{
    if (!attendanceByDoubleClick || !isDataRow(meet.roster, meet.roster.currentRow()))
        return;
    rosterClicked(meet, editor);
    if (editor.present == CheckState::Clear)
        editor.present = CheckState::Checked;
    else if (editor.present == CheckState::Checked)
        editor.present = CheckState::Clear;
    writeEditorToRow(meet, editor, false, dialogs);
}

} // namespace korvanda
