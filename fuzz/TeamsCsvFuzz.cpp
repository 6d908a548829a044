// "Teams.Csv" as a coach might hand it over, typed in a spreadsheet: the
// team list always comes out whole (four columns, at least one row, no cell
// holding what a file cannot carry), and what Save List writes of it reads
// back as the same list.
#include "FuzzSupport.h"

#include "meet/Meet.h"
#include "meet/Numbers.h"
#include "teams/TeamFiles.h"

#include <string>

using namespace korvanda;

namespace {

bool fitsAFile(const Table& table)
{
    for (int r = 1; r < table.rowCount(); ++r)
        for (int c = 0; c < table.columnCount(); ++c)
            if (table.cell(r, c).find_first_of("\"\t\r\n") != std::string::npos)
                return false;
    return true;
}

Meet readFromScratch()
{
    Meet meet;
    meet.directory = fuzzsupport::scratchDirectory();
    readTeamList(meet);
    return meet;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::placeInput(teamListFileName, data, size);
    const Meet meet = readFromScratch();
    const Table& teams = meet.teamList;
    FUZZ_CHECK(teams.columnCount() == TeamColumn::Count);
    FUZZ_CHECK(teams.rowCount() >= 2);
    for (int c = 0; c < TeamColumn::Count; ++c)
        FUZZ_CHECK(teams.cell(0, c) == Meet().teamList.cell(0, c));
    FUZZ_CHECK(fitsAFile(teams));

    std::string list;
    for (int t = 1; t < teams.rowCount(); ++t)
        list
            += teamFileLine(teams, t, { TeamColumn::Name, TeamColumn::Abbrev, TeamColumn::Coach, TeamColumn::DataFile })
            + "\r\n";
    fuzzsupport::placeInput(teamListFileName, reinterpret_cast<const std::uint8_t*>(list.data()), list.size());
    const Meet again = readFromScratch();
    FUZZ_CHECK(again.teamList.rowCount() == teams.rowCount());
    for (int t = 1; t < teams.rowCount(); ++t)
        for (int c = 0; c < TeamColumn::Count; ++c)
            FUZZ_CHECK(again.teamList.cell(t, c) == trimmed(teams.cell(t, c)));
    return 0;
}
