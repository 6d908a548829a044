// A large meet from the coaches' files to the printed lists: a thousand
// wrestlers in twenty teams import, sort, match and write without losing or
// mixing up anyone. (The ten thousand of a very large meet are timed in
// bench/MeetSizeBench.)
#include "bouts/WriteFiles.h"
#include "matching/MatchCommand.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/RowSorts.h"
#include "meet/TextFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"
#include "teams/RosterImport.h"
#include "teams/TeamFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace korvanda;

namespace {

constexpr int teams = 20;
constexpr int wrestlersPerTeam = 50;

void writeTeamFiles(const TempDir& dir)
{
    std::string list;
    for (int t = 1; t <= teams; ++t) {
        const std::string name = "Team" + std::to_string(t);
        list += "\"" + name + "\",\"T" + std::to_string(t) + "\",\"Coach\",\"" + name + "\"\r\n";
        std::string wrestlers;
        for (int w = 1; w <= wrestlersPerTeam; ++w) {
            const int age = 6 + (t * 7 + w * 3) % 9;
            wrestlers += "\"W" + std::to_string(t) + "-" + std::to_string(w) + "\",\"" + std::to_string(age) + "\",\""
                         + std::to_string(40 + 8 * age + (t + w * 5) % 15) + "\",\"" + std::to_string(1 + w % 5)
                         + "\"\r\n";
        }
        dir.write(name + ".Csv", wrestlers);
    }
    dir.write("Teams.Csv", list);
}

std::vector<std::string> column(const Table& table, int c)
{
    std::vector<std::string> cells;
    for (int r = 1; r < table.rowCount(); ++r)
        cells.push_back(table.cell(r, c));
    return cells;
}

bool sortedBy(const Table& roster, int c, bool ascending)
{
    for (int r = 1; r + 1 < roster.rowCount(); ++r) {
        const float a = *readSingle(roster.cell(r, c));
        const float b = *readSingle(roster.cell(r + 1, c));
        if (ascending ? b < a : a < b)
            return false;
    }
    return true;
}

std::vector<int> boutNumbers(const std::string& cell)
{
    std::vector<int> numbers;
    std::stringstream items(cell);
    for (std::string item; std::getline(items, item, ',');)
        numbers.push_back(std::stoi(item));
    return numbers;
}

} // namespace

TEST(MeetSizeTest, AThousandWrestlersFromFilesToPrintedLists)
{
    TempDir dir;
    writeTeamFiles(dir);
    Meet meet;
    meet.directory = dir.path();
    FakeDialogs dialogs;
    readTeamList(meet);
    ASSERT_EQ(meet.teamList.rowCount() - 1, teams);
    ASSERT_TRUE(loadRosters(meet, true, dialogs));
    ASSERT_EQ(meet.roster.rowCount() - 1, teams * wrestlersPerTeam);
    EXPECT_TRUE(dialogs.shown.empty());
    const auto names = column(meet.roster, RosterColumn::Name);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());

    for (const bool stable : {false, true})
        for (const bool ascending : {true, false}) {
            sortRoster(meet.roster, RosterColumn::Age, ascending, stable);
            EXPECT_TRUE(sortedBy(meet.roster, RosterColumn::Age, ascending)) << stable << ascending;
        }
    // The last sort left the ages descending; a stable sort by team keeps
    // them so within each team.
    sortRoster(meet.roster, RosterColumn::Team, true, true);
    for (int r = 1; r + 1 < meet.roster.rowCount(); ++r) {
        const std::string& team = meet.roster.cell(r, RosterColumn::Team);
        const std::string& nextTeam = meet.roster.cell(r + 1, RosterColumn::Team);
        ASSERT_LE(team, nextTeam);
        if (team == nextTeam) {
            ASSERT_GE(*readSingle(meet.roster.cell(r, RosterColumn::Age)),
                      *readSingle(meet.roster.cell(r + 1, RosterColumn::Age)));
        }
    }
    auto sortedNames = column(meet.roster, RosterColumn::Name);
    EXPECT_EQ(std::multiset<std::string>(sortedNames.begin(), sortedNames.end()),
              std::multiset<std::string>(names.begin(), names.end()))
        << "sorting loses nobody";

    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "2";
    settings.limit(LimitBox::MaxBouts) = "3";
    ASSERT_TRUE(runMatch(meet, settings, dialogs, {}));
    const Table& bouts = meet.boutGrid;
    ASSERT_GT(bouts.rowCount() - 1, teams * wrestlersPerTeam / 2);
    // Every bout is listed under both its wrestlers, and nothing else is.
    std::map<std::string, std::vector<int>> boutsOf;
    std::set<std::pair<std::string, std::string>> pairs;
    for (int b = 1; b < bouts.rowCount(); ++b) {
        ASSERT_EQ(bouts.cell(b, BoutColumn::Bout), std::to_string(b));
        const std::string& first = bouts.cell(b, BoutColumn::Name1);
        const std::string& second = bouts.cell(b, BoutColumn::Name2);
        ASSERT_NE(first, second);
        EXPECT_TRUE(pairs.insert(std::minmax(first, second)).second) << "the same pair twice: " << first << second;
        boutsOf[first].push_back(b);
        boutsOf[second].push_back(b);
    }
    for (int r = 1; r < meet.roster.rowCount(); ++r) {
        const auto listed = boutNumbers(meet.roster.cell(r, RosterColumn::Bouts));
        const auto expected = boutsOf[meet.roster.cell(r, RosterColumn::Name)];
        ASSERT_EQ(listed, expected) << meet.roster.cell(r, RosterColumn::Name);
        ASSERT_LE(listed.size(), 3u);
    }

    writeFiles(meet, {}, PrintDate{"Saturday", "Dec", 5, 2026}, dialogs);
    savePermFiles(meet);
    EXPECT_TRUE(dialogs.shown.empty());
    for (const char* name : {"Roster.Txt", "BoutList.Txt", "ScoreList.Txt", "BoutSheets.Txt", "ScoreTally.Txt"})
        EXPECT_FALSE(dir.read(name).empty()) << name;
    Meet restored;
    restored.directory = dir.path();
    ASSERT_TRUE(loadRestoreFile(restored, dialogs));
    EXPECT_EQ(restored.roster, meet.roster);
    EXPECT_EQ(restored.boutGrid, meet.boutGrid);

    // The team files written back import to the same wrestlers.
    Meet again;
    again.directory = dir.path();
    readTeamList(again);
    ASSERT_TRUE(loadRosters(again, true, dialogs));
    auto againNames = column(again.roster, RosterColumn::Name);
    EXPECT_EQ(std::set<std::string>(againNames.begin(), againNames.end()),
              std::set<std::string>(names.begin(), names.end()));
}
