#include "soak/MeetPromises.h"

#include "meet/RestoreFile.h"

#include <algorithm>
#include <map>
#include <vector>

namespace korvanda::soak {

namespace {

std::string trimmedCopy(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::vector<std::string> captionsOf(std::string_view format)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const auto bar = format.find('|', start);
        out.push_back(trimmedCopy(format.substr(start, bar - start)));
        if (bar == std::string_view::npos)
            return out;
        start = bar + 1;
    }
}

std::optional<std::string> shapeProblem(const char* name, const Table& table, const char* captions)
{
    const auto expected = captionsOf(captions);
    if (table.columnCount() != static_cast<int>(expected.size()))
        return std::string(name) + " has " + std::to_string(table.columnCount()) + " columns";
    if (table.rowCount() < 2)
        return std::string(name) + " has no data row";
    for (int c = 0; c < table.columnCount(); ++c)
        if (trimmedCopy(table.cell(0, c)) != expected[static_cast<std::size_t>(c)])
            return std::string(name) + " caption " + std::to_string(c) + " reads \"" + table.cell(0, c) + "\"";
    if (table.currentRow() < 1 || table.currentRow() >= table.rowCount())
        return std::string(name) + " current row " + std::to_string(table.currentRow()) + " of "
            + std::to_string(table.rowCount() - 1);
    return std::nullopt;
}

std::optional<std::string> sameTable(const char* name, const Table& file, const Table& memory)
{
    if (file == memory)
        return std::nullopt;
    if (file.rowCount() != memory.rowCount() || file.columnCount() != memory.columnCount())
        return std::string(name) + " is " + std::to_string(file.rowCount()) + "x" + std::to_string(file.columnCount())
            + " in the file, " + std::to_string(memory.rowCount()) + "x" + std::to_string(memory.columnCount())
            + " in memory";
    for (int r = 0; r < file.rowCount(); ++r)
        for (int c = 0; c < file.columnCount(); ++c)
            if (file.cell(r, c) != memory.cell(r, c))
                return std::string(name) + " cell " + std::to_string(r) + "," + std::to_string(c) + " is \""
                    + file.cell(r, c) + "\" in the file, \"" + memory.cell(r, c) + "\" in memory";
    return std::string(name) + " differs";
}

std::vector<std::string> boutsItems(std::string_view cell)
{
    std::vector<std::string> items;
    const std::string text = trimmedCopy(cell);
    if (text.empty())
        return items;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

// The bout numbers that name each wrestler, as the bout list holds them.
std::map<std::string, std::vector<std::string>> boutsByName(const Table& bouts)
{
    std::map<std::string, std::vector<std::string>> byName;
    for (int r = 1; r < bouts.rowCount(); ++r) {
        if (trimmedCopy(bouts.cell(r, BoutColumn::Bout)).empty())
            continue;
        for (const int column : { BoutColumn::Name1, BoutColumn::Name2 })
            byName[bouts.cell(r, column)].push_back(std::to_string(r));
    }
    return byName;
}

} // namespace

std::optional<std::string> tableShapeProblem(const Meet& meet)
{
    if (auto problem = shapeProblem("TeamList", meet.teamList, teamListCaptions))
        return problem;
    if (auto problem = shapeProblem("Roster", meet.roster, rosterCaptions))
        return problem;
    return shapeProblem("BoutGrid", meet.boutGrid, boutGridCaptions);
}

std::optional<std::string> restoreFileProblem(const Meet& meet, std::string_view restoreFile)
{
    int badLine = 0;
    const auto tables = parseRestoreFile(restoreFile, &badLine);
    if (!tables)
        return "it does not read back (line " + std::to_string(badLine) + ")";
    if (auto problem = sameTable("TeamList", tables->teamList, meet.teamList))
        return problem;
    if (auto problem = sameTable("Roster", tables->roster, meet.roster))
        return problem;
    return sameTable("BoutGrid", tables->boutGrid, meet.boutGrid);
}

std::optional<std::string> wholeFileProblem(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool crLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (crLf) {
            ++i;
        } else if (bytes[i] == '\r' || bytes[i] == '\n') {
            return "a bare line end at byte " + std::to_string(i);
        }
    }
    if (!bytes.empty() && bytes.back() != '\n')
        return "the last line has no CR LF";
    return std::nullopt;
}

std::optional<std::string> boutNumberProblem(const Meet& meet)
{
    const Table& bouts = meet.boutGrid;
    // The bout list's one empty row, before the first bout or after the last was removed.
    if (bouts.rowCount() == 2 && trimmedCopy(bouts.cell(1, BoutColumn::Bout)).empty())
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
        if (trimmedCopy(name).empty())
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
