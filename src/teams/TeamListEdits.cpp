#include "teams/TeamListEdits.h"

#include "meet/Numbers.h"
#include "meet/TextFile.h"

#include <algorithm>

namespace korvanda {

namespace {

std::string rowText(const TeamFields& fields)
{
    std::string row;
    for (std::size_t c = 0; c < fields.size(); ++c)
        row += (c > 0 ? "\t" : "") + withoutFileBreakers(fields[c]);
    return row;
}

bool isDataRow(const Table& table, int row)
{
    return row >= 1 && row < table.rowCount();
}

} // namespace

TeamFields teamFieldsOfRow(const Table& teamList, int row)
{
    TeamFields fields;
    for (int c = 0; c < TeamColumn::Count; ++c)
        fields[static_cast<std::size_t>(c)] = teamList.cell(row, c);
    return fields;
}

void addTeam(Meet& meet, const TeamFields& fields)
{
    meet.teamList.appendRow(rowText(fields));
    meet.rostersChanged = true;
}

void replaceTeam(Meet& meet, int row, const TeamFields& fields)
{
    if (!isDataRow(meet.teamList, row))
        return;
    const auto cells = splitTabs(rowText(fields));
    for (int c = 0; c < TeamColumn::Count; ++c)
        meet.teamList.setCell(row, c, cells[static_cast<std::size_t>(c)]);
    meet.rostersChanged = true;
}

void deleteTeam(Meet& meet, int row)
{
    Table& teams = meet.teamList;
    if (!isDataRow(teams, row))
        return;
    if (teams.rowCount() > 2) {
        teams.removeRow(row);
        teams.setCurrentRow(std::min(teams.currentRow(), teams.rowCount() - 1));
    } else {
        for (int c = 0; c < TeamColumn::Count; ++c)
            teams.setCell(row, c, "");
    }
    meet.rostersChanged = true;
}

std::string steppedMatCount(std::string_view text, bool up)
{
    const auto value = readSingle(text);
    double mats = 0;
    if (up)
        mats = value ? roundHalfEven(*value) + 1 : 6;
    else
        mats = value ? roundHalfEven(*value) - 1 : 1;
    return wholeText(std::clamp(mats, 1.0, 6.0));
}

} // namespace korvanda
