#include "matching/AutoMatch.h"
#include "matching/MatchCommand.h"

#include "meet/RestoreFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>

using namespace korvanda;

namespace {

// A meet of these team abbreviations and wrestler rows "Name Age Wgt Skill
// Team [Here [Bouts]]", tab-separated; Here is "Yes" unless given, and Cmp is
// worked out as the wrestler editor would.
Meet meetOf(const std::vector<std::string>& teams, const std::vector<std::string>& wrestlers)
{
    Meet meet;
    meet.teamList.setRowCount(1);
    meet.roster.setRowCount(1);
    for (const std::string& team : teams)
        meet.teamList.appendRow("Team " + team + "\t" + team);
    for (const std::string& row : wrestlers) {
        std::vector<std::string> c = splitTabs(row + (std::count(row.begin(), row.end(), '\t') < 5 ? "\tYes" : ""));
        c.resize(7);
        meet.roster.appendRow(c[0] + "\t" + c[1] + "\t" + c[2] + "\t" + c[3] + "\t" + c[4] + "\t"
            + compositeValue(c[1], c[2], c[3]) + "\t" + c[5] + "\t" + c[6]);
    }
    return meet;
}

struct MatchRun {
    bool matched = false;
    FakeDialogs dialogs;
    std::vector<int> progress;
};

// A refused meet or setting throws.
MatchRun match(Meet& meet, const MatchSettings& settings = {}, RestOrdering ordering = RestOrdering::Fast)
{
    MatchRun run;
    const auto entrants = collectEntrants(meet, run.dialogs).value();
    run.matched = autoMatch(
        meet, readMatchValues(settings, run.dialogs).value(), entrants, run.dialogs,
        [&run](int value) { run.progress.push_back(value); }, ordering);
    return run;
}

// The cells of a row, or (row -1) of a column's data rows, joined by "|".
std::string cells(const Table& table, int row, int column = 0)
{
    std::string text;
    const int count = row < 0 ? table.rowCount() - 1 : table.columnCount();
    for (int k = 0; k < count; ++k)
        text += (k ? "|" : "") + (row < 0 ? table.cell(k + 1, column) : table.cell(row, k));
    return text;
}

// The bouts as "Red-Green" names: which bouts, not their order.
using Bouts = std::multiset<std::string>;
Bouts boutsMade(const Meet& meet)
{
    Bouts bouts;
    for (int b = 1; b < meet.boutGrid.rowCount(); ++b)
        bouts.insert(meet.boutGrid.cell(b, BoutColumn::Name1) + "-" + meet.boutGrid.cell(b, BoutColumn::Name2));
    return bouts;
}

// Wrestlers A, B, ... of the teams of the same names, alike but for age.
std::vector<std::string> ofAges(const std::vector<std::string>& ages)
{
    std::vector<std::string> rows;
    for (std::size_t w = 0; w < ages.size(); ++w)
        rows.push_back(std::string(1, char('A' + w)) + "\t" + ages[w] + "\t60\t1\t" + char('A' + w));
    return rows;
}

// Settings whose eight limit boxes hold these texts, "|" between them;
// every criterion counts, or the age alone.
MatchSettings limits(const std::string& boxes, bool agesOnly = false)
{
    MatchSettings settings { .weightOn = !agesOnly, .skillOn = !agesOnly, .compositeOn = !agesOnly };
    std::istringstream in(boxes);
    for (std::string& box : settings.limits)
        std::getline(in, box, '|');
    return settings;
}

} // namespace

TEST(AutoMatchTest, OneBoutWrittenInFull)
{
    Meet meet = meetOf({ "AA", "BB" },
        { "Al\t10.0\t60\t1.0\tAA\tYes\t 7 ", "Gone\t10\t60\t1\tBB\t\t4,5", "Bo\t10.5\t62\t1.0\tBB\tYes\t3" });
    meet.boutGrid.appendRow("7\t1\t\tAl\t10.0\t60\t1.0\tAA\t6\tFall"); // its result goes with it
    meet.boutGrid.appendRow("8");
    meet.boutGrid.setCurrentRow(2);
    const MatchRun run = match(meet);
    EXPECT_TRUE(run.dialogs.shown.empty());
    EXPECT_EQ(run.progress, (std::vector<int> { 0, 10, 20, 30, 40, 55, 70, 85, 100, 0 }));
    ASSERT_EQ(meet.boutGrid.rowCount(), 2);
    EXPECT_EQ(cells(meet.boutGrid, 0),
        "Bout|Mat||Name|Age|Weight|Skill|Team|Pts.|Winner||"
        "Name|Age|Weight|Skill|Team|Pts.|Winner");
    EXPECT_EQ(cells(meet.boutGrid, 1), "1|1||Bo|10.5|62|1.0|BB||||Al|10.0|60|1.0|AA||")
        << "wrestler 1 is the later roster row";
    EXPECT_EQ(cells(meet.roster, -1, RosterColumn::Bouts), "1||1") << "the absent wrestler's bouts go too";
    EXPECT_EQ(meet.boutGrid.currentRow(), 1) << "the bout selected before is gone";
}

TEST(AutoMatchTest, SmallMeets)
{
    const std::vector<std::string> letters = { "A", "B", "C", "D", "E" };
    const std::vector<std::string> oneTeam = { "Al\t10\t60\t1\tAA", "Ed\t10\t60\t1\tAA", "Cy\t10\t60\t1\tAA" };
    const struct {
        std::vector<std::string> teamList, rows;
        MatchSettings settings;
        Bouts made;
    } cases[] = {
        // A chooses B and C chooses A; A finds no receiver for his surplus
        // and drops his last bout; C is left without one, and no message.
        { letters, ofAges({ "10", "10", "10" }), limits("0|1|7|10|0|2|1|1", true), { "B-A" } },
        // Trimming drops C-E (cost 0.5) before A-E (cost 0), which then has
        // to stay; A drops his last bout (with B) and hands E over to B.
        { letters, ofAges({ "11.5", "12.5", "12", "10", "11.5" }), limits("2|2|7|10|0|2|2|2", true),
            { "C-A", "C-B", "D-A", "E-B", "E-D" } },
        // One team: same-team bouts only when allowed, or from the start when
        // the list has one team. Teams not in the list count as one team.
        { { "AA", "BB" }, oneTeam, { .sameTeamAllowed = false }, {} },
        { { "AA", "BB" }, oneTeam, {}, { "Cy-Al", "Ed-Al" } },
        { { "AA" }, oneTeam, { .sameTeamAllowed = false }, { "Cy-Al", "Ed-Al" } },
        { { "AA", "BB" }, { "Al\t10\t60\t1\tQQ", "Ed\t10\t60\t1\tRR" }, { .sameTeamAllowed = false }, {} },
    };
    for (const auto& c : cases) {
        Meet meet = meetOf(c.teamList, c.rows);
        meet.boutGrid.setRowCount(1);
        const MatchRun run = match(meet, c.settings);
        EXPECT_EQ(boutsMade(meet), c.made) << &c - cases;
        EXPECT_EQ(run.matched, !c.made.empty());
        EXPECT_EQ(run.dialogs.shown.size(), c.made.empty() ? 1u : 0u) << "only a failure is told";
        EXPECT_EQ(run.progress.back(), 0) << "the bar goes back to 0 either way";
    }
    // A roster sort renumbers the wrestlers, and the pair changes.
    Meet meet = meetOf(letters, ofAges({ "10", "10", "10" }));
    meet.roster.swapRows(1, 3);
    meet.roster.swapRows(2, 3);
    match(meet, limits("0|1|7|10|0|2|1|1", true));
    EXPECT_EQ(cells(meet.roster, -1, RosterColumn::Name), "C|A|B");
    EXPECT_EQ(boutsMade(meet), Bouts { "A-C" });
    EXPECT_EQ(cells(meet.roster, -1, RosterColumn::Bouts), "1|1|");
}

TEST(AutoMatchTest, BoutListOfALargerMeet)
{
    // Sixty wrestlers (Wk in roster row k), three in four of team A, of mixed ages, weights and skills.
    auto inventedMeet = [](unsigned seed) {
        std::mt19937 dice(seed);
        std::vector<std::string> rows;
        for (int w = 1; w <= 60; ++w) {
            const unsigned age = 8 + dice() % 5, weight = (40 + 7 * age) * (90 + dice() % 25) / 100;
            const unsigned skill = 1 + dice() % 4, team = dice() % 4, here = dice() % 10;
            rows.push_back("W" + std::to_string(w) + "\t" + std::to_string(age) + "\t" + std::to_string(weight) + "\t"
                + std::to_string(skill) + "\t" + "AAAB"[team] + "\t" + (here ? "Yes" : ""));
        }
        return meetOf({ "A", "B" }, rows);
    };
    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "2";
    settings.mats = "2";
    for (unsigned seed : { 1u, 2u, 3u }) {
        Meet meet = inventedMeet(seed);
        ASSERT_TRUE(match(meet, settings).matched);
        // Each wrestler's bouts and pairs are counted in MeetSizeTest.
        const Table& grid = meet.boutGrid;
        std::string kinds; // I for a bout between teams, S within one
        for (int b = 1; b < grid.rowCount(); ++b) {
            kinds += grid.cell(b, BoutColumn::Team1) == grid.cell(b, BoutColumn::Team2) ? 'S' : 'I';
            auto value = [&](int column) { return std::stof(grid.cell(b, column)); };
            EXPECT_LE(std::abs(value(BoutColumn::Age1) - value(BoutColumn::Age2)), 1.0f) << "within the limits";
            EXPECT_LE(std::abs(value(BoutColumn::Skill1) - value(BoutColumn::Skill2)), 2.0f);
            const auto [light, heavy] = std::minmax({ value(BoutColumn::Weight1), value(BoutColumn::Weight2) });
            EXPECT_LE(heavy, light * 1.1f);
        }
        EXPECT_TRUE(kinds.starts_with('I') && kinds.ends_with('S') && std::is_sorted(kinds.begin(), kinds.end()))
            << "both blocks, bouts between teams first: " << kinds;
        Meet again = inventedMeet(seed), plain = inventedMeet(seed);
        match(again, settings);
        match(plain, settings, RestOrdering::Plain);
        EXPECT_EQ(again.boutGrid, meet.boutGrid) << "the same meet gives the same bouts in the same order";
        EXPECT_EQ(plain.boutGrid, meet.boutGrid) << "and so does the plain rest order";
    }
}

TEST(AutoMatchTest, FastMatchingOfRandomMeetsIsThePlainOne)
{
    // The shapes the shortcuts skip most in: everyone at one bout, everyone
    // at the maximum, teams of one, no weight limit, one mat or six.
    const struct {
        int wrestlers, teams;
        const char *minBouts, *maxBouts, *mats;
        bool weightOn = true;
    } shapes[] = {
        { 150, 6, "1", "1", "1" },
        { 120, 4, "3", "3", "6" },
        { 100, 100, "2", "3", "2" },
        { 140, 2, "1", "4", "3" },
        { 90, 3, "2", "2", "1", false },
    };
    std::mt19937 dice(23);
    for (const auto& shape : shapes) {
        std::vector<std::string> teams, rows;
        for (int t = 1; t <= shape.teams; ++t)
            teams.push_back("T" + std::to_string(t));
        for (int w = 1; w <= shape.wrestlers; ++w) {
            const unsigned age = 7 + dice() % 8, weight = (40 + 7 * age) * (85 + dice() % 35) / 100;
            rows.push_back("W" + std::to_string(w) + "\t" + std::to_string(age) + "\t" + std::to_string(weight) + "\t"
                + std::to_string(1 + dice() % 5) + "\t" + teams[static_cast<std::size_t>(w - 1) % teams.size()]);
        }
        MatchSettings settings { .weightOn = shape.weightOn };
        settings.limit(LimitBox::MinBouts) = shape.minBouts;
        settings.limit(LimitBox::MaxBouts) = shape.maxBouts;
        settings.mats = shape.mats;
        Meet fast = meetOf(teams, rows), plain = fast;
        ASSERT_TRUE(match(fast, settings).matched);
        match(plain, settings, RestOrdering::Plain);
        EXPECT_EQ(fast.boutGrid, plain.boutGrid) << &shape - shapes;
        EXPECT_EQ(fast.roster, plain.roster) << &shape - shapes;
    }
}

TEST(MatchCommandTest, WhenTheBoutsAndTheRestoreFileChange)
{
    enum Outcome { nothing, saved, replaced }; // replaced bouts are saved too
    const struct {
        MatchSettings settings;
        const char* answer; // to the question after hand matching, or none
        Outcome outcome;
        std::vector<std::string> shown;
        int column = RosterColumn::Here; // of Bo's row, set to `text`
        const char* text = "Yes";
    } cases[] = {
        { {}, nullptr, replaced, {} },
        { {}, "No", nothing, { "Hand matches will be deleted.  Proceed anyway?" } },
        { {}, "Yes", replaced, { "Hand matches will be deleted.  Proceed anyway?" } },
        // The first bad box is named; a later one waits. Which box has which
        // message is pinned in MatchSettingsTest.
        { limits("0|one|7|10|0|2|1|3 bouts"), nullptr, nothing, { "Bad value for maximum age difference." } },
        { limits("x|1|7|10|0|2|1|3"), nullptr, nothing, { "Bad value for ideal age difference." } },
        { limits("0|1|7|10|0|2|0.5|3"), nullptr, nothing, { "Bad value for minimum bouts." } },
        { limits("0|1|7|10|0|2|4|3"), nullptr, nothing, { "Bad value for maximum bouts." } },
        { limits("0|1|7|10|0|2|1|40000"), nullptr, nothing, { "Bad value for maximum bouts." } },
        // Ideal above maximum is only reported when a box is left.
        { limits("0|1|7|10|3|2|1|3"), nullptr, replaced, {} },
        { limits("-1|-1|7|10|0|2|1|3"), nullptr, saved,
            { "Matching algorithm failed -- Relax limits and try again." } },
        { {}, nullptr, nothing, { "Can't match: the age of Bo is not a number." }, RosterColumn::Age, "n/a" },
        { {}, nullptr, nothing, { "Can't match: the weight of Bo is not a number." }, RosterColumn::Wgt, "" },
        { {}, nullptr, nothing, { "Can't match: the skill of Bo is not a number." }, RosterColumn::Skill, "?" },
        { {}, nullptr, nothing, { "Can't match: the composite value of Bo is not a number." }, RosterColumn::Cmp, "x" },
        { {}, nullptr, nothing, { "Can't match: the weight of Bo is not above 0." }, RosterColumn::Wgt, "0" },
    };
    for (const auto& c : cases) {
        // Three wrestlers, a bout made by hand earlier in the meet, and an
        // absent wrestler who is never read.
        Meet meet = meetOf({ "AA", "BB" },
            { "Al\t10\t60\t1\tAA\tYes\t1", " Bo \t10\t60\t1\tBB", "Cy\t10\t61\t1\tBB\tYes\t1", "Dee\tx\t60\t1\tBB\t" });
        meet.roster.setCell(2, c.column, c.text);
        meet.boutGrid.setRowCount(1);
        meet.boutGrid.appendRow("1\t1\t\tCy\t10\t61\t1\tBB\t\t\t\tAl\t10\t60\t1\tAA");
        const Meet before = meet;
        TempDir dir;
        meet.directory = dir.path();
        meet.handMatchesMade = c.answer != nullptr;
        dir.write(restoreFileName, "earlier");
        FakeDialogs dialogs;
        dialogs.queueAnswers({ c.answer && *c.answer == 'Y' });
        const int k = static_cast<int>(&c - cases);
        EXPECT_EQ(runMatch(meet, c.settings, dialogs, {}), c.outcome == replaced) << k;
        EXPECT_EQ(dialogs.shown, c.shown) << k;
        EXPECT_EQ(meet.boutGrid == before.boutGrid && meet.roster == before.roster, c.outcome != replaced) << k;
        EXPECT_EQ(dir.read(restoreFileName), c.outcome == nothing ? "earlier" : restoreFileText(meet)) << k;
        EXPECT_EQ(meet.handMatchesMade, c.answer != nullptr) << "every later run asks again";
    }
    FakeDialogs dialogs;
    EXPECT_FALSE(collectEntrants(Meet {}, dialogs)) << "only the initial empty row";
    EXPECT_EQ(dialogs.shown, std::vector<std::string> { "Can't match: no wrestler is marked present." });
}
