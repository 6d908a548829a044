#include "matching/AutoMatch.h"

#include "MatchTestMeets.h"
#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <set>

using namespace korvanda;

namespace {

using Names = std::pair<std::string, std::string>;

struct MatchRun {
    bool matched = false;
    FakeDialogs dialogs;
    std::vector<int> progress;
};

MatchRun match(Meet& meet, const MatchSettings& settings = {}, RestOrdering ordering = RestOrdering::Fast)
{
    MatchRun run;
    const auto values = readMatchValues(settings, run.dialogs);
    const auto entrants = collectEntrants(meet, run.dialogs);
    if (!values || !entrants) {
        ADD_FAILURE() << "the meet was refused";
        return run;
    }
    run.matched = autoMatch(meet, *values, *entrants, run.dialogs,
                            [&run](int value) { run.progress.push_back(value); }, ordering);
    return run;
}

MatchSettings agesOnly(const char* minimum, const char* maximum)
{
    MatchSettings settings;
    settings.weightOn = false;
    settings.skillOn = false;
    settings.compositeOn = false;
    settings.limit(LimitBox::MinBouts) = minimum;
    settings.limit(LimitBox::MaxBouts) = maximum;
    return settings;
}

std::vector<std::string> column(const Table& table, int column)
{
    std::vector<std::string> cells;
    for (int r = 1; r < table.rowCount(); ++r)
        cells.push_back(table.cell(r, column));
    return cells;
}

std::vector<Names> boutList(const Meet& meet)
{
    std::vector<Names> bouts;
    for (int b = 1; b < meet.boutGrid.rowCount(); ++b)
        bouts.push_back(boutNames(meet, b));
    return bouts;
}

// Wrestlers of their own teams, "W1" of team "A" and so on.
Meet meetOfAges(const std::vector<float>& ages)
{
    Meet meet = meetOfTeams({"A", "B", "C", "D", "E"});
    for (std::size_t w = 0; w < ages.size(); ++w)
        addWrestler(meet, "W" + std::to_string(w + 1), ages[w], 60, 1, std::string(1, static_cast<char>('A' + w)));
    return meet;
}

} // namespace

TEST(AutoMatchTest, TwoWrestlersMakeOneBout)
{
    Meet meet = meetOfTeams({"AA", "BB"});
    addWrestler(meet, "Al", 10, 60, 1, "AA");
    addWrestler(meet, "Bo", 10.5f, 62, 1, "BB");
    const MatchRun run = match(meet);

    EXPECT_TRUE(run.matched);
    EXPECT_TRUE(run.dialogs.shown.empty());
    EXPECT_EQ(run.progress, (std::vector<int>{0, 10, 20, 30, 40, 55, 70, 85, 100, 0}));
    ASSERT_EQ(meet.boutGrid.rowCount(), 2);
    ASSERT_EQ(meet.boutGrid.columnCount(), 18);
    const std::vector<std::string> header = {"Bout", "Mat", "", "Name", "Age", "Weight", "Skill", "Team", "Pts.",
                                             "Winner", "", "Name", "Age", "Weight", "Skill", "Team", "Pts.", "Winner"};
    const std::vector<std::string> bout = {"1", "1", "", "Bo", "10.5", "62", "1.0", "BB", "", "",
                                           "", "Al", "10.0", "60", "1.0", "AA", "", ""};
    for (int c = 0; c < 18; ++c) {
        EXPECT_EQ(meet.boutGrid.cell(0, c), header[static_cast<std::size_t>(c)]) << c;
        EXPECT_EQ(meet.boutGrid.cell(1, c), bout[static_cast<std::size_t>(c)]) << c;
    }
    EXPECT_EQ(column(meet.roster, RosterColumn::Bouts), (std::vector<std::string>{"1", "1"}));
}

TEST(AutoMatchTest, SurplusBoutsAreDroppedAndRosterOrderNumbersTheWrestlers)
{
    Meet meet = meetOfAges({10, 10, 10});
    for (const char* name : {"A", "B", "C"})
        meet.roster.setCell(name[0] - 'A' + 1, RosterColumn::Name, name);
    const MatchRun run = match(meet, agesOnly("1", "1"));
    EXPECT_TRUE(run.dialogs.shown.empty()) << "a wrestler left without a bout is no failure";
    EXPECT_EQ(boutList(meet), (std::vector<Names>{{"B", "A"}}));
    EXPECT_EQ(column(meet.roster, RosterColumn::Bouts), (std::vector<std::string>{"1", "1", ""}));

    meet.roster.swapRows(1, 3);
    meet.roster.swapRows(2, 3);
    match(meet, agesOnly("1", "1"));
    EXPECT_EQ(column(meet.roster, RosterColumn::Name), (std::vector<std::string>{"C", "A", "B"}));
    EXPECT_EQ(boutList(meet), (std::vector<Names>{{"A", "C"}}));
    EXPECT_EQ(column(meet.roster, RosterColumn::Bouts), (std::vector<std::string>{"1", "1", ""}));
}

TEST(AutoMatchTest, AnOverloadedWrestlerHandsABoutOn)
{
    // In the second stage W1 is chosen by W3 and W4; he drops his last bout,
    // then hands the one with W3 over to W4, who has room.
    Meet meet = meetOfAges({10, 10, 10, 11});
    match(meet, agesOnly("1", "1"));
    EXPECT_EQ(boutList(meet), (std::vector<Names>{{"W4", "W3"}, {"W2", "W1"}}));
    EXPECT_EQ(column(meet.roster, RosterColumn::Bouts), (std::vector<std::string>{"2", "2", "1", "1"}));
}

TEST(AutoMatchTest, CostliestSurplusBoutsAreDroppedFirst)
{
    // At Min and Max 2 the first filling gives W1 four bouts and W3 and W5
    // three. Trimming drops 3-5 (cost 0.5) before 1-5 (cost 0), which then
    // has to stay; W1 drops his last bout (with W2) and hands the one with
    // W5 over to W2.
    Meet meet = meetOfAges({11.5f, 12.5f, 12, 10, 11.5f});
    MatchSettings settings = agesOnly("2", "2");
    settings.limit(LimitBox::IdealDiffAge) = "2";
    settings.limit(LimitBox::MaxDiffAge) = "2";
    match(meet, settings);
    const auto bouts = boutList(meet);
    EXPECT_EQ(std::set<Names>(bouts.begin(), bouts.end()),
              (std::set<Names>{{"W3", "W1"}, {"W3", "W2"}, {"W4", "W1"}, {"W5", "W2"}, {"W5", "W4"}}));
}

TEST(AutoMatchTest, NoPossibleBoutLeavesTheMeetAsItWas)
{
    Meet meet = meetOfTeams({"AA", "BB"});
    addWrestler(meet, "Al", 10, 60, 1, "AA", true, "1");
    addWrestler(meet, "Ed", 10, 60, 1, "AA", true, "1");
    addWrestler(meet, "Cy", 10, 60, 1, "AA");
    meet.boutGrid.appendRow("1\t1\t\tEd\t10.0\t60\t1.0\tAA\t6\tFall\t\tAl");
    meet.boutGrid.removeRow(1);
    const Meet before = meet;
    MatchSettings settings;
    settings.sameTeamAllowed = false;

    const MatchRun run = match(meet, settings);
    EXPECT_FALSE(run.matched);
    EXPECT_EQ(run.dialogs.warnings,
              std::vector<std::string>{"Matching algorithm failed -- Relax limits and try again."});
    EXPECT_EQ(run.progress, (std::vector<int>{0, 10, 20, 30, 0}));
    EXPECT_EQ(meet.boutGrid, before.boutGrid);
    EXPECT_EQ(meet.roster, before.roster);

    settings.sameTeamAllowed = true;
    EXPECT_TRUE(match(meet, settings).matched);
    EXPECT_EQ(boutList(meet), (std::vector<Names>{{"Cy", "Al"}, {"Ed", "Al"}}));
    EXPECT_EQ(column(meet.boutGrid, BoutColumn::Winner1), (std::vector<std::string>{"", ""}));
}

TEST(AutoMatchTest, TeamsOfTheTeamList)
{
    // With one listed team, same-team bouts are allowed from the start.
    Meet oneTeam = meetOfTeams({"AA"});
    for (const char* name : {"Al", "Bo"})
        addWrestler(oneTeam, name, 10, 60, 1, "AA");
    MatchSettings settings;
    settings.sameTeamAllowed = false;
    EXPECT_TRUE(match(oneTeam, settings).matched);

    // Wrestlers of unlisted teams count as one team for the pairing.
    Meet unlisted = meetOfTeams({"AA", "BB"});
    addWrestler(unlisted, "Al", 10, 60, 1, "QQ");
    addWrestler(unlisted, "Bo", 10, 60, 1, "RR");
    EXPECT_FALSE(match(unlisted, settings).matched);
}

TEST(AutoMatchTest, EveryBoutsCellIsRewritten)
{
    Meet meet = meetOfTeams({"AA", "BB"});
    addWrestler(meet, "Al", 10, 60, 1, "AA", true, " 7 ");
    addWrestler(meet, "Gone", 10, 60, 1, "BB", false, "4,5");
    addWrestler(meet, "Bo", 10, 60, 1, "BB", true, "3");
    match(meet);
    EXPECT_EQ(column(meet.roster, RosterColumn::Bouts), (std::vector<std::string>{"1", "", "1"}));
}

TEST(AutoMatchTest, ShuffleValues)
{
    // The first keys of every run; a change here reorders every meet's bouts.
    EXPECT_EQ(shuffleValue(-0.5f), 0.49703341722488403f);
    EXPECT_EQ(shuffleValue(-0.49703341722488403f), 0.1798011064529419f);
    EXPECT_EQ(shuffleValue(-0.1798011064529419f), 0.7005354762077332f);
}

TEST(AutoMatchTest, BadEntrantsAreRefused)
{
    const std::pair<int, const char*> cases[] = {
        {RosterColumn::Age, "Can't match: the age of Bo is not a number."},
        {RosterColumn::Wgt, "Can't match: the weight of Bo is not a number."},
        {RosterColumn::Skill, "Can't match: the skill of Bo is not a number."},
        {RosterColumn::Cmp, "Can't match: the composite value of Bo is not a number."},
    };
    auto refusal = [](int column, const char* text) {
        Meet meet = meetOfTeams({"AA", "BB"});
        addWrestler(meet, "Al", 10, 60, 1, "AA");
        addWrestler(meet, " Bo ", 10, 60, 1, "BB");
        addWrestler(meet, "Cy", 10, 60, 1, "BB", false);
        meet.roster.setCell(3, RosterColumn::Age, "absent, so never looked at");
        meet.roster.setCell(2, column, text);
        FakeDialogs dialogs;
        const bool accepted = collectEntrants(meet, dialogs).has_value();
        EXPECT_EQ(accepted, dialogs.shown.empty());
        return dialogs.shown;
    };
    for (const auto& [column, message] : cases)
        EXPECT_EQ(refusal(column, "n/a"), std::vector<std::string>{message});
    EXPECT_EQ(refusal(RosterColumn::Wgt, "0"),
              std::vector<std::string>{"Can't match: the weight of Bo is not above 0."});
    EXPECT_EQ(refusal(RosterColumn::Here, ""), std::vector<std::string>{}) << "Al alone is a valid meet";

    FakeDialogs dialogs;
    Meet empty;
    EXPECT_FALSE(collectEntrants(empty, dialogs)) << "only the initial empty row";
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Can't match: no wrestler is marked present."});
}

namespace {

// Sixty wrestlers of four teams with a spread of ages, weights and skills.
Meet inventedMeet(unsigned seed)
{
    Meet meet = meetOfTeams({"AA", "BB", "CC", "DD"});
    std::mt19937 dice(seed);
    const char* teams[] = {"AA", "BB", "CC", "DD"};
    for (int w = 1; w <= 60; ++w) {
        const int age = 8 + static_cast<int>(dice() % 5);
        const int weight = (40 + 7 * age) * (90 + static_cast<int>(dice() % 25)) / 100;
        addWrestler(meet, "W" + std::to_string(w), static_cast<float>(age), weight,
                    static_cast<float>(1 + dice() % 4), teams[dice() % 4], dice() % 10 != 0);
    }
    return meet;
}

float difference(const Table& grid, int bout, int column1, int column2)
{
    return std::fabs(*readSingle(grid.cell(bout, column1)) - *readSingle(grid.cell(bout, column2)));
}

} // namespace

TEST(AutoMatchTest, BoutListOfALargerMeet)
{
    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "2";
    settings.mats = "2";
    for (unsigned seed : {1u, 2u, 3u}) {
        Meet meet = inventedMeet(seed);
        ASSERT_TRUE(match(meet, settings).matched);

        const Table& grid = meet.boutGrid;
        std::map<std::string, int> rowOf;
        for (int r = 1; r < meet.roster.rowCount(); ++r)
            rowOf[meet.roster.cell(r, RosterColumn::Name)] = r;
        std::map<int, std::string> boutsOf;
        std::set<std::pair<int, int>> pairs;
        bool sameTeamSeen = false;
        for (int b = 1; b < grid.rowCount(); ++b) {
            EXPECT_EQ(grid.cell(b, BoutColumn::Bout), std::to_string(b));
            const int red = rowOf.at(grid.cell(b, BoutColumn::Name1));
            const int green = rowOf.at(grid.cell(b, BoutColumn::Name2));
            EXPECT_GT(red, green) << "wrestler 1 is the later roster row";
            EXPECT_TRUE(pairs.insert({red, green}).second) << "a pair meets once";
            const bool sameTeam = grid.cell(b, BoutColumn::Team1) == grid.cell(b, BoutColumn::Team2);
            EXPECT_FALSE(sameTeamSeen && !sameTeam) << "bouts between teams come first";
            sameTeamSeen = sameTeamSeen || sameTeam;
            EXPECT_LE(difference(grid, b, BoutColumn::Age1, BoutColumn::Age2), 1.0f);
            EXPECT_LE(difference(grid, b, BoutColumn::Skill1, BoutColumn::Skill2), 2.0f);
            const float w1 = *readSingle(grid.cell(b, BoutColumn::Weight1));
            const float w2 = *readSingle(grid.cell(b, BoutColumn::Weight2));
            EXPECT_LE(std::max(w1, w2), std::min(w1, w2) * 1.1f);
            for (int w : {red, green})
                boutsOf[w] += (boutsOf[w].empty() ? "" : ",") + std::to_string(b);
        }
        for (int r = 1; r < meet.roster.rowCount(); ++r) {
            EXPECT_EQ(meet.roster.cell(r, RosterColumn::Bouts), boutsOf[r]) << r;
            EXPECT_LE(std::count(boutsOf[r].begin(), boutsOf[r].end(), ','), 2) << "at most three bouts";
        }

        Meet again = inventedMeet(seed);
        match(again, settings);
        EXPECT_EQ(again.boutGrid, meet.boutGrid) << "the same meet gives the same bouts in the same order";
        Meet plain = inventedMeet(seed);
        match(plain, settings, RestOrdering::Plain);
        EXPECT_EQ(plain.boutGrid, meet.boutGrid);
    }
}

TEST(AutoMatchTest, AHugeMaximumIsHeldToTheNumberOfWrestlers)
{
    Meet huge = inventedMeet(5);
    Meet large = inventedMeet(5);
    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "3";
    settings.limit(LimitBox::MaxBouts) = "32767";
    ASSERT_TRUE(match(huge, settings).matched);
    settings.limit(LimitBox::MaxBouts) = "1000";
    ASSERT_TRUE(match(large, settings).matched);
    EXPECT_EQ(huge.boutGrid, large.boutGrid) << "nobody can have more bouts than there are opponents";
}
