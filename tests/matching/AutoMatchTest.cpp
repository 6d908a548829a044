#include "matching/AutoMatch.h"

#include "MatchTestMeets.h"
#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>

using namespace korvanda;

namespace {

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

MatchSettings bouts(const char* minimum, const char* maximum)
{
    MatchSettings settings;
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

Meet threeEqualWrestlers()
{
    Meet meet = meetOfTeams({"X", "Y", "Z"});
    addWrestler(meet, "A", 10, 60, 1, "X");
    addWrestler(meet, "B", 10, 60, 1, "Y");
    addWrestler(meet, "C", 10, 60, 1, "Z");
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

TEST(AutoMatchTest, SurplusBoutsAreDroppedWithoutAMessage)
{
    Meet meet = threeEqualWrestlers();
    const MatchRun run = match(meet, bouts("1", "1"));
    EXPECT_TRUE(run.matched);
    EXPECT_TRUE(run.dialogs.shown.empty());
    ASSERT_EQ(meet.boutGrid.rowCount(), 2);
    EXPECT_EQ(boutNames(meet, 1), std::make_pair(std::string("B"), std::string("A")));
    EXPECT_EQ(column(meet.roster, RosterColumn::Bouts), (std::vector<std::string>{"1", "1", ""}));
}

TEST(AutoMatchTest, RosterOrderNumbersTheWrestlers)
{
    Meet meet = threeEqualWrestlers();
    meet.roster.swapRows(1, 3);
    meet.roster.swapRows(2, 3);
    ASSERT_EQ(column(meet.roster, RosterColumn::Name), (std::vector<std::string>{"C", "A", "B"}));
    match(meet, bouts("1", "1"));
    ASSERT_EQ(meet.boutGrid.rowCount(), 2);
    EXPECT_EQ(boutNames(meet, 1), std::make_pair(std::string("A"), std::string("C")));
    EXPECT_EQ(column(meet.roster, RosterColumn::Bouts), (std::vector<std::string>{"1", "1", ""}));
}

TEST(AutoMatchTest, AnOverloadedWrestlerHandsABoutOn)
{
    // In the second stage W1 is chosen by W3 and W4; his last bout is dropped,
    // then the bout with W3 goes to W4, who has room.
    Meet meet = meetOfTeams({"T1", "T2", "T3", "T4"});
    addWrestler(meet, "W1", 10, 60, 1, "T1");
    addWrestler(meet, "W2", 10, 60, 1, "T2");
    addWrestler(meet, "W3", 10, 60, 1, "T3");
    addWrestler(meet, "W4", 11, 60, 1, "T4");
    MatchSettings settings = bouts("1", "1");
    settings.weightOn = false;
    settings.skillOn = false;
    settings.compositeOn = false;
    const MatchRun run = match(meet, settings);
    EXPECT_TRUE(run.matched);
    ASSERT_EQ(meet.boutGrid.rowCount(), 3);
    EXPECT_EQ(boutNames(meet, 1), std::make_pair(std::string("W4"), std::string("W3")));
    EXPECT_EQ(boutNames(meet, 2), std::make_pair(std::string("W2"), std::string("W1")));
    EXPECT_EQ(column(meet.roster, RosterColumn::Bouts), (std::vector<std::string>{"2", "2", "1", "1"}));
}

TEST(AutoMatchTest, CostliestSurplusBoutsAreDroppedFirst)
{
    // At Min and Max 2 the first filling gives W1 four bouts and W3 and W5
    // three. Trimming drops 3-5 (cost 0.5) before 1-5 (cost 0), which then
    // has to stay; W1 drops his last bout (with W2) and hands the one with
    // W5 over to W2.
    Meet meet = meetOfTeams({"A", "B", "C", "D", "E"});
    const float ages[] = {11.5f, 12.5f, 12, 10, 11.5f};
    for (int w = 0; w < 5; ++w)
        addWrestler(meet, "W" + std::to_string(w + 1), ages[w], 60, 1, std::string(1, static_cast<char>('A' + w)));
    MatchSettings settings = bouts("2", "2");
    settings.weightOn = false;
    settings.skillOn = false;
    settings.compositeOn = false;
    settings.limit(LimitBox::IdealDiffAge) = "2";
    settings.limit(LimitBox::MaxDiffAge) = "2";
    ASSERT_TRUE(match(meet, settings).matched);
    std::set<std::pair<std::string, std::string>> pairs;
    for (int b = 1; b < meet.boutGrid.rowCount(); ++b)
        pairs.insert(boutNames(meet, b));
    EXPECT_EQ(pairs, (std::set<std::pair<std::string, std::string>>{
                         {"W3", "W1"}, {"W3", "W2"}, {"W4", "W1"}, {"W5", "W2"}, {"W5", "W4"}}));
}

TEST(AutoMatchTest, NoPossibleBoutLeavesTheMeetAsItWas)
{
    Meet meet = meetOfTeams({"AA", "BB"});
    addWrestler(meet, "Al", 10, 60, 1, "AA", true, "1");
    addWrestler(meet, "Ed", 10, 60, 1, "AA", true, "1");
    addWrestler(meet, "Cy", 10, 60, 1, "AA");
    meet.boutGrid.setCell(1, BoutColumn::Bout, "1");
    meet.boutGrid.setCell(1, BoutColumn::Name1, "Ed");
    meet.boutGrid.setCell(1, BoutColumn::Name2, "Al");
    meet.boutGrid.setCell(1, BoutColumn::Winner1, "Fall");
    const Meet before = meet;
    MatchSettings settings;
    settings.sameTeamAllowed = false;

    const MatchRun run = match(meet, settings);
    EXPECT_FALSE(run.matched);
    EXPECT_EQ(run.dialogs.warnings, std::vector<std::string>{"Matching algorithm failed -- Relax limits and try again."});
    EXPECT_EQ(run.progress, (std::vector<int>{0, 10, 20, 30, 0}));
    EXPECT_EQ(meet.boutGrid, before.boutGrid);
    EXPECT_EQ(meet.roster, before.roster);

    settings.sameTeamAllowed = true;
    EXPECT_TRUE(match(meet, settings).matched);
    EXPECT_EQ(column(meet.boutGrid, BoutColumn::Winner1), (std::vector<std::string>{"", ""}))
        << "old results go with the old bouts";
}

TEST(AutoMatchTest, WithOneTeamSameTeamBoutsComeFromTheFirstStage)
{
    Meet meet = meetOfTeams({"AA"});
    for (const char* name : {"Al", "Bo", "Cy", "Di"})
        addWrestler(meet, name, 10, 60, 1, "AA");
    MatchSettings settings;
    settings.sameTeamAllowed = false;
    EXPECT_TRUE(match(meet, settings).matched);
    EXPECT_GE(meet.boutGrid.rowCount(), 3);
}

TEST(AutoMatchTest, WrestlersOfUnlistedTeamsCountAsOneTeam)
{
    Meet meet = meetOfTeams({"AA", "BB"});
    addWrestler(meet, "Al", 10, 60, 1, "QQ");
    addWrestler(meet, "Bo", 10, 60, 1, "RR");
    MatchSettings settings;
    settings.sameTeamAllowed = false;
    EXPECT_FALSE(match(meet, settings).matched);
    settings.sameTeamAllowed = true;
    EXPECT_TRUE(match(meet, settings).matched);
    EXPECT_EQ(boutNames(meet, 1), std::make_pair(std::string("Bo"), std::string("Al")));
}

TEST(AutoMatchTest, EveryBoutsCellIsRewritten)
{
    Meet meet = meetOfTeams({"AA", "BB"});
    addWrestler(meet, "Al", 10, 60, 1, "AA", true, " 7 ");
    addWrestler(meet, "Gone", 10, 60, 1, "BB", false, "4,5");
    addWrestler(meet, "Bo", 10, 60, 1, "BB", true, "3");
    match(meet);
    EXPECT_EQ(column(meet.roster, RosterColumn::Bouts), (std::vector<std::string>{"1", "", "1"}));
    EXPECT_EQ(boutNames(meet, 1), std::make_pair(std::string("Bo"), std::string("Al")));
}

TEST(AutoMatchTest, ShuffleValues)
{
    // The first keys of every run; a change here reorders every meet's bouts.
    EXPECT_EQ(shuffleValue(-0.5f), 0.49703341722488403f);
    EXPECT_EQ(shuffleValue(-0.49703341722488403f), 0.1798011064529419f);
    EXPECT_EQ(shuffleValue(-0.1798011064529419f), 0.7005354762077332f);
    std::mt19937 dice(3);
    for (int k = 0; k < 1000; ++k) {
        const float seed = -static_cast<float>(dice() % 100000) / 100000.0f;
        const float value = shuffleValue(seed);
        EXPECT_GE(value, 0.0f);
        EXPECT_LT(value, 1.0f);
        EXPECT_EQ(value, shuffleValue(seed));
    }
}

TEST(AutoMatchTest, EntrantsAreThePresentWrestlers)
{
    Meet meet = meetOfTeams({"AA", "BB"});
    addWrestler(meet, "Al", 10, 60, 1, "BB");
    addWrestler(meet, "Gone", 10, 0, 1, "AA", false);
    addWrestler(meet, "Bo", 12, 70, 3, "ZZ");
    FakeDialogs dialogs;
    const auto entrants = collectEntrants(meet, dialogs);
    ASSERT_TRUE(entrants);
    ASSERT_EQ(entrants->size(), 2u);
    EXPECT_EQ((*entrants)[0].rosterRow, 1);
    EXPECT_EQ((*entrants)[0].teamIndex, 2);
    EXPECT_EQ((*entrants)[1].rosterRow, 3);
    EXPECT_EQ((*entrants)[1].teamIndex, 0);
    EXPECT_EQ((*entrants)[1].age, 12.0f);
    EXPECT_EQ((*entrants)[1].skill, 3.0f);
    EXPECT_EQ((*entrants)[1].logWeight, logWeight(70));
    EXPECT_EQ((*entrants)[1].composite, 69.0f);
}

TEST(AutoMatchTest, BadEntrantsAreRefused)
{
    struct Case {
        int column;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {RosterColumn::Age, "ten", "Can't match: the age of Bo is not a number."},
        {RosterColumn::Wgt, "", "Can't match: the weight of Bo is not a number."},
        {RosterColumn::Skill, "?", "Can't match: the skill of Bo is not a number."},
        {RosterColumn::Cmp, "x", "Can't match: the composite value of Bo is not a number."},
        {RosterColumn::Wgt, "0", "Can't match: the weight of Bo is not above 0."},
        {RosterColumn::Wgt, "-60", "Can't match: the weight of Bo is not above 0."},
        {RosterColumn::Here, "", nullptr},
    };
    for (const Case& c : cases) {
        Meet meet = meetOfTeams({"AA", "BB"});
        addWrestler(meet, "Al", 10, 60, 1, "AA");
        addWrestler(meet, " Bo ", 10, 60, 1, "BB");
        addWrestler(meet, "Cy", 10, 60, 1, "BB");
        meet.roster.setCell(2, c.column, c.text);
        meet.roster.setCell(3, RosterColumn::Age, "bad too");
        meet.roster.setCell(3, RosterColumn::Here, "");
        FakeDialogs dialogs;
        const auto entrants = collectEntrants(meet, dialogs);
        if (c.message) {
            EXPECT_FALSE(entrants);
            EXPECT_EQ(dialogs.shown, std::vector<std::string>{c.message});
        } else {
            EXPECT_TRUE(entrants) << "absent wrestlers are not looked at";
        }
    }

    FakeDialogs dialogs;
    Meet empty;
    EXPECT_FALSE(collectEntrants(empty, dialogs)) << "only the initial empty row";
    Meet absent = meetOfTeams({"AA"});
    addWrestler(absent, "Al", 10, 60, 1, "AA", false);
    EXPECT_FALSE(collectEntrants(absent, dialogs));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>(2, "Can't match: no wrestler is marked present."));
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

} // namespace

TEST(AutoMatchTest, BoutListOfALargerMeet)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        Meet meet = inventedMeet(seed);
        MatchSettings settings = bouts("2", "3");
        settings.mats = "2";
        ASSERT_TRUE(match(meet, settings).matched);

        std::map<std::string, int> rowOf;
        for (int r = 1; r < meet.roster.rowCount(); ++r)
            rowOf[meet.roster.cell(r, RosterColumn::Name)] = r;
        std::map<std::string, std::string> boutsOf;
        std::set<std::pair<int, int>> pairs;
        bool sameTeamSeen = false;
        for (int b = 1; b < meet.boutGrid.rowCount(); ++b) {
            const Table& grid = meet.boutGrid;
            EXPECT_EQ(grid.cell(b, BoutColumn::Bout), std::to_string(b));
            EXPECT_EQ(grid.cell(b, BoutColumn::Mat), "1");
            const int red = rowOf.at(grid.cell(b, BoutColumn::Name1));
            const int green = rowOf.at(grid.cell(b, BoutColumn::Name2));
            EXPECT_GT(red, green) << "wrestler 1 is the later roster row";
            EXPECT_TRUE(pairs.insert({red, green}).second) << "a pair meets once";
            EXPECT_FALSE(meet.roster.cell(red, RosterColumn::Here).empty());
            EXPECT_FALSE(meet.roster.cell(green, RosterColumn::Here).empty());

            const bool sameTeam = grid.cell(b, BoutColumn::Team1) == grid.cell(b, BoutColumn::Team2);
            EXPECT_FALSE(sameTeamSeen && !sameTeam) << "bouts between teams come first";
            sameTeamSeen = sameTeamSeen || sameTeam;
            const float ageGap = std::fabs(*readSingle(grid.cell(b, BoutColumn::Age1)) - *readSingle(grid.cell(b, BoutColumn::Age2)));
            const float skillGap =
                std::fabs(*readSingle(grid.cell(b, BoutColumn::Skill1)) - *readSingle(grid.cell(b, BoutColumn::Skill2)));
            const float w1 = *readSingle(grid.cell(b, BoutColumn::Weight1));
            const float w2 = *readSingle(grid.cell(b, BoutColumn::Weight2));
            EXPECT_LE(ageGap, 1.0f);
            EXPECT_LE(skillGap, 2.0f);
            EXPECT_LE(std::max(w1, w2), std::min(w1, w2) * 1.1f);
            for (int w : {red, green}) {
                std::string& list = boutsOf[meet.roster.cell(w, RosterColumn::Name)];
                list += (list.empty() ? "" : ",") + std::to_string(b);
            }
        }
        for (int r = 1; r < meet.roster.rowCount(); ++r) {
            const std::string& name = meet.roster.cell(r, RosterColumn::Name);
            EXPECT_EQ(meet.roster.cell(r, RosterColumn::Bouts), boutsOf[name]) << name;
            EXPECT_LE(std::count(boutsOf[name].begin(), boutsOf[name].end(), ','), 2) << name;
        }

        Meet again = inventedMeet(seed);
        match(again, settings);
        EXPECT_EQ(again.boutGrid, meet.boutGrid) << "the same meet gives the same bouts in the same order";
        Meet plain = inventedMeet(seed);
        match(plain, settings, RestOrdering::Plain);
        EXPECT_EQ(plain.boutGrid, meet.boutGrid);
        EXPECT_EQ(plain.roster, meet.roster);
    }
}

TEST(AutoMatchTest, AHugeMaximumIsHeldToTheNumberOfWrestlers)
{
    Meet huge = inventedMeet(5);
    Meet large = inventedMeet(5);
    ASSERT_TRUE(match(huge, bouts("3", "32767")).matched);
    ASSERT_TRUE(match(large, bouts("3", "1000")).matched);
    EXPECT_EQ(huge.boutGrid, large.boutGrid) << "nobody can have more bouts than there are opponents";
}
