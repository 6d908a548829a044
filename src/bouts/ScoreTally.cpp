#include "bouts/ScoreTally.h"

#include "bouts/PrintedLists.h"
#include "bouts/TextPadding.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace korvanda {

namespace {

// The result codes of the "Winner" cells, in the tally's column order.
constexpr std::array<std::string_view, 8> resultCodes
    = { "Fall", "TechFall", "SupDec", "MajDec", "Decision", "Draw", "Forfeit", "Scratch" };
enum : std::size_t { fall, techFall, supDec, majDec, decision, draw, forfeit, scratch };

struct TeamScore {
    std::array<int, resultCodes.size()> counts {};
    // Decided bouts the team wrestled in; a draw counts half from each side.
    float bouts = 0;
};

// The last team of the list with exactly this abbreviation, or 0.
int teamOf(const Table& teamList, const std::string& abbreviation)
{
    for (int team = teamList.rowCount() - 1; team >= 1; --team)
        if (!isEmptyRow(teamList, team) && teamList.cell(team, TeamColumn::Abbrev) == abbreviation)
            return team;
    return 0;
}

std::optional<std::size_t> resultIndex(std::string_view code)
{
    for (std::size_t k = 0; k < resultCodes.size(); ++k)
        if (resultCodes[k] == code)
            return k;
    return std::nullopt;
}

void countResult(std::vector<TeamScore>& scores, int team, int opponent, const std::string& winnerCell)
{
    const auto k = resultIndex(trimmed(winnerCell));
    if (!k)
        return;
    ++scores[static_cast<std::size_t>(team)].counts[*k];
    if (*k == scratch)
        return;
    const float share = *k == draw ? 0.5f : 1.0f;
    scores[static_cast<std::size_t>(team)].bouts += share;
    scores[static_cast<std::size_t>(opponent)].bouts += share;
}

float percentOf(float part, float bouts)
{
    if (bouts <= 0)
        return 0;
    const float hundreds = part * 100;
    return hundreds / bouts;
}

// The thirteen figures of a team's line: eight counts, then wins, losses
// and the three percentages.
std::vector<std::string> teamFigures(const TeamScore& score)
{
    const auto& c = score.counts;
    std::vector<std::string> figures;
    for (const int count : c)
        figures.push_back(std::to_string(count));
    const float pins = static_cast<float>(c[fall] + c[techFall]);
    const float wholeWins
        = static_cast<float>(c[fall] + c[techFall] + c[supDec] + c[majDec] + c[decision] + c[forfeit]);
    const float halfDraws = static_cast<float>(c[draw]) / 2;
    const float wins = wholeWins + halfDraws;
    const float losses = score.bouts - wins;
    for (const float value :
        { wins, losses, percentOf(pins, score.bouts), percentOf(wins, score.bouts), percentOf(losses, score.bouts) })
        figures.push_back(tenthsText(value));
    return figures;
}

} // namespace

std::vector<std::vector<std::string>> scoreTallyRows(const Table& teamList, const Table& boutGrid)
{
    std::vector<TeamScore> scores(static_cast<std::size_t>(teamList.rowCount()));
    for (int bout = 1; bout < boutGrid.rowCount(); ++bout) {
        const int team1 = teamOf(teamList, boutGrid.cell(bout, BoutColumn::Team1));
        const int team2 = teamOf(teamList, boutGrid.cell(bout, BoutColumn::Team2));
        if (team1 == 0 || team2 == 0)
            continue;
        countResult(scores, team1, team2, boutGrid.cell(bout, BoutColumn::Winner1));
        countResult(scores, team2, team1, boutGrid.cell(bout, BoutColumn::Winner2));
    }
    std::vector<std::vector<std::string>> rows;
    for (int team = 1; team < teamList.rowCount(); ++team) {
        if (isEmptyRow(teamList, team))
            continue;
        rows.push_back(teamFigures(scores[static_cast<std::size_t>(team)]));
        rows.back().insert(rows.back().begin(), teamList.cell(team, TeamColumn::Name));
    }
    return rows;
}

std::string scoreTallyText(const Table& teamList, const Table& boutGrid)
{
    std::string text;
    appendLine(text,
        leftJustify("Team", 20) + "         Tech   Sup   Maj                         Total Total  Pct   Pct   Pct");
    appendLine(
        text, leftJustify(" ", 20) + "   Fall  Fall  Decsn Decsn Decsn Draw  Forft Scrat Win  Loss   Pin   Win  Loss");
    appendLine(text, "");
    for (const auto& row : scoreTallyRows(teamList, boutGrid)) {
        std::string line = leftJustify(row.front(), 20);
        for (std::size_t k = 1; k < row.size(); ++k)
            line += rightJustify(row[k], 6);
        appendLine(text, line);
    }
    return text;
}

} // namespace korvanda
