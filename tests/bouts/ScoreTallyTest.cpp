#include "bouts/ScoreTally.h"

#include "meet/Numbers.h"
#include "meet/TextFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace korvanda;

namespace {

const std::string headers = "Team                         Tech   Sup   Maj                         Total Total  Pct   Pct   Pct\r\n"
                            "                       Fall  Fall  Decsn Decsn Decsn Draw  Forft Scrat Win  Loss   Pin   Win  Loss\r\n"
                            "\r\n";

struct ScoreTallyTest : ::testing::Test {
    Table teams = Table::withCaptions(teamListCaptions);
    Table bouts = Table::withCaptions(boutGridCaptions);

    ScoreTallyTest()
    {
        teams.setRowCount(1);
        bouts.setRowCount(1);
    }

    void team(const std::string& name, const std::string& abbreviation)
    {
        teams.appendRow(name + "\t" + abbreviation + "\tCoach\tFile");
    }

    void bout(const std::string& team1, const std::string& winner1, const std::string& team2, const std::string& winner2)
    {
        bouts.appendRow(std::to_string(bouts.rowCount()) + "\t1\t\tRed\t9.0\t60\t1.0\t" + team1 + "\t\t" + winner1
                        + "\t\tGreen\t9.0\t60\t1.0\t" + team2 + "\t\t" + winner2);
    }

    // Each team line as "name: field field ...", after checking its width.
    std::vector<std::string> tally() const
    {
        const std::string text = scoreTallyText(teams, bouts);
        EXPECT_TRUE(text.starts_with(headers));
        const auto lines = splitLines(text);
        std::vector<std::string> result;
        for (std::size_t i = 3; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].size(), 98u) << lines[i];
            std::string row = trimmed(lines[i].substr(0, 20)) + ":";
            for (std::size_t at = 20; at < lines[i].size(); at += 6)
                row += " " + trimmed(lines[i].substr(at, 6));
            result.push_back(row);
        }
        return result;
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(ScoreTallyTest, DecisionLinesByteForByte)
{
    team("Alpha", "A");
    team("Beta", "B");
    bout("A", "Decision", "B", "");
    EXPECT_EQ(scoreTallyText(teams, bouts),
              headers
                  + "Alpha                    0     0     0     0     1     0     0     0   1.0   0.0   0.0 100.0   0.0\r\n"
                  + "Beta                     0     0     0     0     0     0     0     0   0.0   1.0   0.0   0.0 100.0\r\n");
}

TEST_F(ScoreTallyTest, EachKindOfResult)
{
    const struct {
        std::string winner1, winner2;
        Lines expected;
    } cases[] = {
        {"Draw", "Draw", {"Alpha: 0 0 0 0 0 1 0 0 0.5 0.5 0.0 50.0 50.0", "Beta: 0 0 0 0 0 1 0 0 0.5 0.5 0.0 50.0 50.0"}},
        {"Scratch", "Scratch", {"Alpha: 0 0 0 0 0 0 0 1 0.0 0.0 0.0 0.0 0.0", "Beta: 0 0 0 0 0 0 0 1 0.0 0.0 0.0 0.0 0.0"}},
        {"TechFall", "", {"Alpha: 0 1 0 0 0 0 0 0 1.0 0.0 100.0 100.0 0.0", "Beta: 0 0 0 0 0 0 0 0 0.0 1.0 0.0 0.0 100.0"}},
        {"", "Forfeit", {"Alpha: 0 0 0 0 0 0 0 0 0.0 1.0 0.0 0.0 100.0", "Beta: 0 0 0 0 0 0 1 0 1.0 0.0 0.0 100.0 0.0"}},
        {" Fall ", "", {"Alpha: 1 0 0 0 0 0 0 0 1.0 0.0 100.0 100.0 0.0", "Beta: 0 0 0 0 0 0 0 0 0.0 1.0 0.0 0.0 100.0"}},
        {"", "", {"Alpha: 0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0", "Beta: 0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0"}},
        {"fall", "Pin", {"Alpha: 0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0", "Beta: 0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0"}},
    };
    team("Alpha", "A");
    team("Beta", "B");
    for (const auto& c : cases) {
        bouts.setRowCount(1);
        bout("A", c.winner1, "B", c.winner2);
        EXPECT_EQ(tally(), c.expected) << "'" << c.winner1 << "' against '" << c.winner2 << "'";
    }
}

TEST_F(ScoreTallyTest, TeamsAreFoundByExactAbbreviationTheLastOneWinning)
{
    team("First A", "A");
    team("Beta", "B");
    team("Second A", "A");
    bout("A", "SupDec", "B", "");
    bout("A", "Fall", "Z", "");
    bout("Z", "", "B", "Decision");
    bout(" A", "Fall", "B", "");
    EXPECT_EQ(tally(), (Lines{"First A: 0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0",
                              "Beta: 0 0 0 0 0 0 0 0 0.0 1.0 0.0 0.0 100.0",
                              "Second A: 0 0 1 0 0 0 0 0 1.0 0.0 0.0 100.0 0.0"}));
}

TEST_F(ScoreTallyTest, TotalsAndPercentagesOverSeveralBouts)
{
    team("A Very Long Team Name Indeed", "A");
    team("Beta", "B");
    team("Gamma", "G");
    bout("A", "Fall", "B", "");
    bout("B", "", "A", "MajDec");
    bout("A", "", "B", "Decision");
    // Both wrestlers are A's, so A gets both sides' shares of the draw.
    bout("A", "Draw", "A", "Draw");
    EXPECT_EQ(tally(), (Lines{"A Very Long Team Nam: 1 0 0 1 0 2 0 0 3.0 2.0 20.0 60.0 40.0",
                              "Beta: 0 0 0 0 1 0 0 0 1.0 2.0 0.0 33.3 66.7",
                              "Gamma: 0 0 0 0 0 0 0 0 0.0 0.0 0.0 0.0 0.0"}));
}

TEST_F(ScoreTallyTest, TheBlankTeamRowIsNoTeam)
{
    bout("", "Fall", "", "");
    EXPECT_EQ(scoreTallyText(Table::withCaptions(teamListCaptions), bouts), headers);
}

TEST_F(ScoreTallyTest, WriteReplacesTheFileOrReportsIt)
{
    TempDir dir;
    Meet meet;
    meet.directory = dir.path();
    FakeDialogs dialogs;
    dir.write("ScoreTally.Txt", "old tally");
    EXPECT_TRUE(writeScoreTally(meet, dialogs));
    EXPECT_EQ(dir.read("ScoreTally.Txt"), headers);
    EXPECT_TRUE(dialogs.shown.empty());

    std::filesystem::create_directory(dir.path() / "ScoreTally.Txt.new");
    dir.write("ScoreTally.Txt", "old tally");
    EXPECT_FALSE(writeScoreTally(meet, dialogs));
    EXPECT_EQ(dir.read("ScoreTally.Txt"), "old tally");
    EXPECT_EQ(dialogs.shown, Lines{"Couldn't write ScoreTally.Txt; file may be in use."});
}
