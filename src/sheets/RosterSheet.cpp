#include "sheets/RosterSheet.h"

#include "meet/CsvRecord.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/TextFile.h"
#include "meet/Utf8Text.h"
#include "sheets/SheetWrestlers.h"
#include "teams/TeamFiles.h"

#include <map>

namespace korvanda {

namespace {

void addProblem(RosterSheetRow& row, const std::string& problem)
{
    row.problem += (row.problem.empty() ? "" : "; ") + problem;
}

std::optional<std::string> sheetAge(const Sheet& sheet, const SheetColumns& columns, std::size_t row, DayNumber meetDay)
{
    if (const auto age = ageOrSkillText(sheetWrestlerCell(sheet, columns, row, ColumnKind::Age)))
        return age;
    if (const auto birth = readSheetDate(sheetWrestlerCell(sheet, columns, row, ColumnKind::BirthDate)))
        return ageOnDay(*birth, meetDay);
    return std::nullopt;
}

} // namespace

std::vector<RosterSheetRow> rosterSheetRows(const Sheet& sheet, const SheetColumns& columns, DayNumber meetDay)
{
    std::vector<RosterSheetRow> rows;
    for (const std::size_t r : wrestlerRows(sheet, columns)) {
        RosterSheetRow row;
        row.sheetRow = r + 1;
        const Latin1Text name = latin1FromUtf8(sheetWrestlerName(sheet, columns, r));
        row.name = trimmed(withoutFileBreakers(name.text));
        row.nameApproximated = name.approximated;
        if (row.name.empty())
            addProblem(row, "no name");
        if (name.unheld)
            addProblem(row, "a character the team files cannot hold");
        const auto age = sheetAge(sheet, columns, r, meetDay);
        const auto weight = sheetWrestlerWeight(sheet, columns, r);
        const auto skill = ageOrSkillText(sheetWrestlerCell(sheet, columns, r, ColumnKind::Skill));
        row.age = age.value_or("");
        row.weight = weight.value_or("");
        row.skill = skill.value_or("");
        if (!age)
            addProblem(row, "missing or unreadable age");
        if (!weight)
            addProblem(row, "missing or unreadable weight");
        if (!skill)
            addProblem(row, "missing or unreadable skill");
        rows.push_back(std::move(row));
    }
    // Which of two rows with one name is the right one only the coach knows.
    std::map<std::string, int> uses;
    for (const auto& row : rows)
        ++uses[row.name];
    for (auto& row : rows)
        if (!row.name.empty() && uses[row.name] > 1)
            addProblem(row, "name twice in the sheet");
    return rows;
}

std::string rosterSheetText(const std::vector<RosterSheetRow>& rows)
{
    std::string text;
    for (const auto& row : rows)
        if (row.problem.empty())
            text += quotedRecord({ row.name, row.age, row.weight, row.skill }) + "\r\n";
    return text;
}

bool canTakeRoster(const Meet& meet, int teamRow, Dialogs& dialogs)
{
    const Table& teams = meet.teamList;
    if (teamRow < 1 || teamRow >= teams.rowCount() || trimmed(teams.cell(teamRow, TeamColumn::Name)).empty()) {
        dialogs.inform("Click the team the roster is for in the team list first.");
        return false;
    }
    if (!isUsableDataFile(teams.cell(teamRow, TeamColumn::DataFile))) {
        dialogs.warn("Team " + trimmed(teams.cell(teamRow, TeamColumn::Name))
            + " has no usable data file, so the roster was not imported.");
        return false;
    }
    return true;
}

bool importRosterSheet(const Meet& meet, int teamRow, const std::vector<RosterSheetRow>& rows, Dialogs& dialogs)
{
    if (!canTakeRoster(meet, teamRow, dialogs))
        return false;
    const std::string fileName = trimmed(meet.teamList.cell(teamRow, TeamColumn::DataFile)) + ".Csv";
    if (!saveFileWithBackup(meet.directory / fileName, meet.directory / backupName(fileName), rosterSheetText(rows))) {
        dialogs.warn("Couldn't write " + fileName + "; file may be in use.");
        return false;
    }
    return true;
}

} // namespace korvanda
