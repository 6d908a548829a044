#include "soak/SoakChecks.h"

#include "meet/RestoreFile.h"

#include <algorithm>

namespace korvanda::soak {

namespace {

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::vector<std::string> boutsItems(std::string_view cell)
{
    std::vector<std::string> items;
    const std::string text = trimmed(cell);
    for (std::size_t start = 0; !text.empty();) {
        const auto comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return items;
}

// The bout numbers that name each wrestler, as the bout list holds them.
std::map<std::string, std::vector<std::string>> boutsByName(const Table& bouts)
{
    std::map<std::string, std::vector<std::string>> byName;
    for (int r = 1; r < bouts.rowCount(); ++r)
        if (!trimmed(bouts.cell(r, BoutColumn::Bout)).empty())
            for (const int column : { BoutColumn::Name1, BoutColumn::Name2 })
                byName[bouts.cell(r, column)].push_back(std::to_string(r));
    return byName;
}

struct MeetTable {
    const char* name;
    const char* captions;
    Table Meet::*table;
};
constexpr MeetTable meetTables[] = { { "TeamList", teamListCaptions, &Meet::teamList },
    { "Roster", rosterCaptions, &Meet::roster }, { "BoutGrid", boutGridCaptions, &Meet::boutGrid } };

std::optional<std::string> shapeProblem(const Table& table, const char* captions)
{
    const Table expected = Table::withCaptions(captions);
    if (table.columnCount() != expected.columnCount())
        return " has " + std::to_string(table.columnCount()) + " columns";
    if (table.rowCount() < 2)
        return " has no data row";
    for (int c = 0; c < table.columnCount(); ++c)
        if (trimmed(table.cell(0, c)) != trimmed(expected.cell(0, c)))
            return " caption " + std::to_string(c) + " reads \"" + table.cell(0, c) + "\"";
    if (table.currentRow() < 1 || table.currentRow() >= table.rowCount())
        return " current row " + std::to_string(table.currentRow()) + " of " + std::to_string(table.rowCount() - 1);
    return std::nullopt;
}

std::optional<std::string> sameTable(const Table& file, const Table& memory)
{
    if (file.rowCount() != memory.rowCount() || file.columnCount() != memory.columnCount())
        return " is " + std::to_string(file.rowCount()) + "x" + std::to_string(file.columnCount()) + " in the file, "
            + std::to_string(memory.rowCount()) + "x" + std::to_string(memory.columnCount()) + " in memory";
    for (int r = 0; r < file.rowCount(); ++r)
        for (int c = 0; c < file.columnCount(); ++c)
            if (file.cell(r, c) != memory.cell(r, c))
                return " cell " + std::to_string(r) + "," + std::to_string(c) + " is \"" + file.cell(r, c)
                    + "\" in the file, \"" + memory.cell(r, c) + "\" in memory";
    return std::nullopt;
}

} // namespace

std::optional<std::string> tableShapeProblem(const Meet& meet)
{
    for (const auto& t : meetTables)
        if (auto problem = shapeProblem(meet.*t.table, t.captions))
            return t.name + *problem;
    return std::nullopt;
}

std::optional<std::string> restoreFileProblem(const Meet& meet, std::string_view restoreFile)
{
    int badLine = 0;
    const auto read = parseRestoreFile(restoreFile, &badLine);
    if (!read)
        return "it does not read back (line " + std::to_string(badLine) + ")";
    const Meet inFile { read->teamList, read->roster, read->boutGrid };
    for (const auto& t : meetTables)
        if (auto problem = sameTable(inFile.*t.table, meet.*t.table))
            return t.name + *problem;
    return std::nullopt;
}

std::optional<std::string> writtenFilesProblem(const FolderState& before, const FolderState& after)
{
    for (const auto& [name, entry] : after) {
        const auto old = before.find(name);
        if (entry.directory || (old != before.end() && old->second == entry))
            continue;
        if (name.ends_with(".new"))
            return "a temporary " + name + " was left behind";
        if (std::any_of(before.begin(), before.end(),
                [&](const auto& held) { return !held.second.directory && held.second.bytes == entry.bytes; }))
            continue;
        const std::string& bytes = entry.bytes;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes.compare(i, 2, "\r\n") == 0)
                ++i;
            else if (bytes[i] == '\r' || bytes[i] == '\n')
                return name + ": a bare line end at byte " + std::to_string(i);
        if (!bytes.empty() && bytes.back() != '\n')
            return name + ": the last line has no CR LF";
    }
    return std::nullopt;
}

std::optional<std::string> boutNumberProblem(const Meet& meet)
{
    const Table& bouts = meet.boutGrid;
    // The bout list's one empty row, before the first bout or after the last was removed.
    if (bouts.rowCount() == 2 && trimmed(bouts.cell(1, BoutColumn::Bout)).empty())
        return std::nullopt;
    for (int r = 1; r < bouts.rowCount(); ++r)
        if (bouts.cell(r, BoutColumn::Bout) != std::to_string(r))
            return "row " + std::to_string(r) + " holds bout \"" + bouts.cell(r, BoutColumn::Bout) + "\"";
    return std::nullopt;
}

std::optional<std::string> boutsCellProblem(const Meet& meet)
{
    auto byName = boutsByName(meet.boutGrid);
    const Table& roster = meet.roster;
    for (int r = 1; r < roster.rowCount(); ++r) {
        const std::string& name = roster.cell(r, RosterColumn::Name);
        if (trimmed(name).empty())
            continue;
        auto listed = boutsItems(roster.cell(r, RosterColumn::Bouts));
        auto actual = byName[name];
        std::sort(listed.begin(), listed.end());
        std::sort(actual.begin(), actual.end());
        if (listed != actual) {
            std::string numbers;
            for (const auto& n : byName[name])
                numbers += (numbers.empty() ? "" : ",") + n;
            return name + "'s Bouts cell reads \"" + roster.cell(r, RosterColumn::Bouts)
                + "\", the bouts naming him are \"" + numbers + "\"";
        }
    }
    return std::nullopt;
}

bool boutsMayDisagree(const Meet& meet)
{
    std::map<std::string, int> inRoster;
    const Table& roster = meet.roster;
    for (int r = 1; r < roster.rowCount(); ++r) {
        ++inRoster[roster.cell(r, RosterColumn::Name)];
        if (boutsItems(roster.cell(r, RosterColumn::Bouts)).size() >= 10)
            return true;
    }
    for (const auto& [name, bouts] : boutsByName(meet.boutGrid))
        if (inRoster[name] != 1 || bouts.size() >= 10)
            return true;
    return false;
}

} // namespace korvanda::soak
