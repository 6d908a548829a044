#include "bouts/ScoreTally.h"

#include "BoutTables.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace korvanda;

namespace {

const std::string headers
    = "Team                         Tech   Sup   Maj                         Total Total  Pct   Pct   Pct\r\n"
      "                       Fall  Fall  Decsn Decsn Decsn Draw  Forft Scrat Win  Loss   Pin   Win  Loss\r\n"
      "\r\n";

// A team's printed line: the name as given in 20 characters, then each field set right in 6.
std::string line(const std::string& name, const std::string& fields)
{
    std::string text = name + sp(20 - static_cast<int>(name.size()));
    std::istringstream words(fields);
    for (std::string field; words >> field;)
        text += sp(6 - static_cast<int>(field.size())) + field;
    return text + "\r\n";
}

// The team list keeps its blank first row, which is no team and never printed.
struct ScoreTallyTest : ::testing::Test {
    Table teams = Table::withCaptions(teamListCaptions);
    Table bouts = Table::withCaptions(boutGridCaptions);

    void team(const std::string& name, const std::string& abbreviation) { teams.appendRow(name + "\t" + abbreviation); }
    void bout(
        const std::string& team1, const std::string& winner1, const std::string& team2, const std::string& winner2)
    {
        bouts.appendRow("\t\t\t\t\t\t\t" + team1 + "\t\t" + winner1 + "\t\t\t\t\t\t" + team2 + "\t\t" + winner2);
    }
};

} // namespace

TEST_F(ScoreTallyTest, EachKindOfResultBetweenTwoTeams)
{
    // Winner cells of one bout of Alpha against Beta, then their lines' fields.
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        { "Decision", "", "0 0 0 0 1 0 0 0 1.0 0.0 0.0 100.0 0.0", "0 0 0 0 0 0 0 0 0.0 1.0 0.0 0.0 100.0" },
        { "Draw", "Draw", "0 0 0 0 0 1 0 0 0.5 0.5 0.0 50.0 50.0", "0 0 0 0 0 1 0 0 0.5 0.5 0.0 50.0 50.0" },
        { "Scratch", "Scratch", "0 0 0 0 0 0 0 1 0.0 0.0 0.0 0.0 0.0", "0 0 0 0 0 0 0 1 0.0 0.0 0.0 0.0 0.0" },
        { "TechFall", "", "0 1 0 0 0 0 0 0 1.0 0.0 100.0 100.0 0.0", "0 0 0 0 0 0 0 0 0.0 1.0 0.0 0.0 100.0" },
        { "", " Forfeit ", "0 0 0 0 0 0 0 0 0.0 1.0 0.0 0.0 100.0", "0 0 0 0 0 0 1 0 1.0 0.0 0.0 100.0 0.0" },
        { "", "", "0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0", "0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0" },
    };
    team("Alpha", "A");
    team("Beta", "B");
    for (const auto& [winner1, winner2, alpha, beta] : cases) {
        bouts = Table::withCaptions(boutGridCaptions);
        bout("A", winner1, "B", winner2);
        EXPECT_EQ(scoreTallyText(teams, bouts), headers + line("Alpha", alpha) + line("Beta", beta))
            << winner1 << "/" << winner2;
    }
}

TEST_F(ScoreTallyTest, TeamsByExactAbbreviationTheLastOneWinning)
{
    team("First A", "A");
    team("A Very Long Team Name Indeed", "A");
    team("Beta", "B");
    team("Gamma", "G");
    bout("A", "Fall", "B", "");
    bout("B", "", "A", "MajDec");
    bout("A", "", "B", "Decision");
    // Both wrestlers are A's, so A gets both sides' shares of the draw.
    bout("A", "Draw", "A", "Draw");
    // No team of the list: left out for both sides.
    bout("A", "Fall", "Z", "");
    bout(" A", "Fall", "B", "");
    EXPECT_EQ(scoreTallyText(teams, bouts),
        headers + line("First A", "0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0")
            + line("A Very Long Team Nam", "1 0 0 1 0 2 0 0 3.0 2.0 20.0 60.0 40.0")
            + line("Beta", "0 0 0 0 1 0 0 0 1.0 2.0 0.0 33.3 66.7")
            + line("Gamma", "0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0"));
}
