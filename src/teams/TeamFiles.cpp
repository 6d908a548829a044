#include "teams/TeamFiles.h"

#include "meet/CsvRecord.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/TextFile.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace korvanda {

void readTeamList(Meet& meet)
{
    const auto text = readWholeFile(meet.directory / teamListFileName);
    if (!text)
        return;
    Table& teams = meet.teamList;
    int k = 0;
    for (const auto& line : splitLines(*text)) {
        auto fields = splitRecord(line);
        if (fields.empty())
            continue;
        fields.resize(TeamColumn::Count);
        std::string row;
        for (int c = 0; c < TeamColumn::Count; ++c)
            row += (c > 0 ? "\t" : "") + withoutFileBreakers(fields[static_cast<std::size_t>(c)]);
        teams.insertRow(++k, row);
    }
    // The blank row the list starts with has been pushed to the end; it goes,
    // unless it is all the list holds.
    const int last = teams.rowCount() - 1;
    if (last > 1 && trimmed(teams.cell(last, TeamColumn::Abbrev)).empty())
        teams.removeRow(last);
}

std::string backupName(std::string_view fileName)
{
    return std::string(fileName.substr(0, fileName.find('.'))) + ".Bak";
}

int countTeamWrestlers(const Table& roster, std::string_view abbreviation)
{
    int count = 0;
    for (int r = 1; r < roster.rowCount(); ++r)
        if (roster.cell(r, RosterColumn::Team) == abbreviation)
            ++count;
    return count;
}

bool isPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string_view::npos;
}

bool isMeetFileName(std::string_view name)
{
    const std::string_view stem = name.substr(0, name.find('.'));
    const auto sameLetters = [stem](std::string_view meetFile) {
        return std::equal(stem.begin(), stem.end(), meetFile.begin(), meetFile.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    return sameLetters("Teams") || sameLetters("Restore") || sameLetters("KorvandaSettings");
}

bool isUsableDataFile(std::string_view dataFile)
{
    const std::string name = trimmed(dataFile);
    return isPlainFileName(name) && !isMeetFileName(name);
}

std::string teamFileLine(const Table& table, int row, std::initializer_list<int> columns)
{
    std::vector<std::string> fields;
    for (int c : columns)
        fields.push_back(trimmed(table.cell(row, c)));
    return quotedRecord(fields);
}

namespace {

void saveWithBackup(const Meet& meet, const std::string& fileName, const std::string& text)
{
    saveFileWithBackup(meet.directory / fileName, meet.directory / backupName(fileName), text);
}

} // namespace

void savePermFiles(const Meet& meet, Dialogs& dialogs)
{
    const Table& teams = meet.teamList;
    if (teams.rowCount() < 2 || trimmed(teams.cell(1, TeamColumn::Name)).empty())
        return;

    std::string list;
    for (int t = 1; t < teams.rowCount(); ++t)
        list
            += teamFileLine(teams, t, { TeamColumn::Name, TeamColumn::Abbrev, TeamColumn::Coach, TeamColumn::DataFile })
            + "\r\n";
    saveWithBackup(meet, teamListFileName, list);

    std::vector<std::string> unsaved;
    for (int t = 1; t < teams.rowCount(); ++t) {
        const std::string abbreviation = trimmed(teams.cell(t, TeamColumn::Abbrev));
        const std::string dataFile = trimmed(teams.cell(t, TeamColumn::DataFile));
        if (countTeamWrestlers(meet.roster, abbreviation) == 0)
            continue;
        if (!isUsableDataFile(dataFile)) {
            unsaved.push_back(trimmed(teams.cell(t, TeamColumn::Name)));
            continue;
        }
        std::string wrestlers;
        for (int r = 1; r < meet.roster.rowCount(); ++r)
            if (meet.roster.cell(r, RosterColumn::Team) == abbreviation)
                wrestlers += teamFileLine(meet.roster, r,
                                 { RosterColumn::Name, RosterColumn::Age, RosterColumn::Wgt, RosterColumn::Skill })
                    + "\r\n";
        saveWithBackup(meet, dataFile + ".Csv", wrestlers);
    }
    for (const auto& name : unsaved)
        dialogs.warn("Team " + name + " has no usable data file, so its wrestlers were not saved to a team file.");
}

} // namespace korvanda
