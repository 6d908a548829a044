// A large meet from the coaches' files to the printed lists: hundreds of
// wrestlers in a dozen teams import, sort, match and write without losing
// or mixing up anyone. (A very large meet is timed in bench/MeetSizeBench.)
#include "HardeningMeets.h"

#include "matching/MatchCommand.h"
#include "meet/Numbers.h"
#include "meet/RowSorts.h"
#include "support/TableColumn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace korvanda;

TEST(MeetSizeTest, ManyWrestlersFromFilesToPrintedLists)
{
    constexpr int teams = 12, perTeam = 40;
    TempDir dir;
    std::string list;
    for (int t = 1; t <= teams; ++t) {
        const std::string name = "Team" + std::to_string(t);
        list += "\"" + name + "\",\"T" + std::to_string(t) + "\",\"Coach\",\"" + name + "\"\r\n";
        std::string wrestlers;
        for (int w = 1; w <= perTeam; ++w) {
            const int age = 6 + (t * 7 + w * 3) % 9;
            wrestlers += "\"W" + std::to_string(t) + "-" + std::to_string(w) + "\",\"" + std::to_string(age) + "\",\""
                + std::to_string(40 + 8 * age + (t + w * 5) % 15) + "\",\"" + std::to_string(1 + w % 5) + "\"\r\n";
        }
        dir.write(name + ".Csv", wrestlers);
    }
    dir.write("Teams.Csv", list);
    Meet meet;
    meet.directory = dir.path();
    FakeDialogs dialogs;
    readTeamList(meet);
    ASSERT_TRUE(loadRosters(meet, true, dialogs));
    // The names are all different, so a row lost or doubled shows.
    const auto names = [](const Table& roster) {
        const auto all = columnOf(roster, RosterColumn::Name);
        return std::set<std::string>(all.begin(), all.end());
    };
    const auto imported = names(meet.roster);
    ASSERT_EQ(imported.size(), std::size_t { teams * perTeam });

    const auto age = [&](int r) { return *readSingle(meet.roster.cell(r, RosterColumn::Age)); };
    for (const bool stable : { false, true })
        for (const bool ascending : { true, false }) {
            sortRoster(meet.roster, RosterColumn::Age, ascending, stable);
            for (int r = 1; r + 1 < meet.roster.rowCount(); ++r)
                ASSERT_TRUE(ascending ? age(r) <= age(r + 1) : age(r) >= age(r + 1)) << stable << ascending << r;
        }
    // A stable sort by team keeps the descending ages within each team.
    sortRoster(meet.roster, RosterColumn::Team, true, true);
    for (int r = 1; r + 1 < meet.roster.rowCount(); ++r) {
        const std::string& team = meet.roster.cell(r, RosterColumn::Team);
        const std::string& next = meet.roster.cell(r + 1, RosterColumn::Team);
        ASSERT_TRUE(team < next || (team == next && age(r) >= age(r + 1))) << r;
    }
    EXPECT_EQ(names(meet.roster), imported) << "sorting loses nobody";

    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "2";
    settings.limit(LimitBox::MaxBouts) = "3";
    ASSERT_TRUE(runMatch(meet, settings, dialogs, {}));
    const Table& bouts = meet.boutGrid;
    ASSERT_GT(bouts.rowCount() - 1, teams * perTeam / 2);
    // Every bout is listed under both its wrestlers, and nothing else is.
    std::map<std::string, std::string> boutsOf;
    std::set<std::pair<std::string, std::string>> pairs;
    for (int b = 1; b < bouts.rowCount(); ++b) {
        ASSERT_EQ(bouts.cell(b, BoutColumn::Bout), std::to_string(b));
        const std::string& first = bouts.cell(b, BoutColumn::Name1);
        const std::string& second = bouts.cell(b, BoutColumn::Name2);
        ASSERT_NE(first, second);
        EXPECT_TRUE(pairs.insert(std::minmax(first, second)).second) << "the same pair twice: " << first << second;
        for (const auto& name : { first, second })
            boutsOf[name] += (boutsOf[name].empty() ? "" : ",") + std::to_string(b);
    }
    for (int r = 1; r < meet.roster.rowCount(); ++r) {
        const std::string& listed = meet.roster.cell(r, RosterColumn::Bouts);
        ASSERT_EQ(listed, boutsOf[meet.roster.cell(r, RosterColumn::Name)]) << r;
        ASSERT_LE(std::count(listed.begin(), listed.end(), ','), 2);
    }

    writeFiles(meet, {}, PrintDate { "Saturday", "Dec", 5, 2026 }, dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    for (const char* name : { "Roster.Txt", "BoutList.Txt", "ScoreList.Txt", "BoutSheets.Txt", "ScoreTally.Txt" })
        EXPECT_FALSE(dir.read(name).empty()) << name;
}
