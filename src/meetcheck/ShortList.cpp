#include "meetcheck/ShortList.h"

#include "handmatch/BoutNumbers.h"
#include "handmatch/OpponentSearch.h"
#include "matching/PairingMeasures.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"

#include <optional>

namespace korvanda {

namespace {

// Keeps the first complaint about the boxes instead of showing it: the
// list is refreshed after every change and must not pester the director.
class FirstMessage : public Dialogs {
public:
    void inform(const std::string& text) override { keep(text); }
    void warn(const std::string& text) override { keep(text); }
    bool ask(const std::string& text) override
    {
        keep(text);
        return false;
    }
    std::string text;

private:
    void keep(const std::string& shown)
    {
        if (text.empty())
            text = shown;
    }
};

std::optional<MatchEntrant> entrantOf(const std::vector<MatchEntrant>& candidates, int rosterRow)
{
    for (const auto& candidate : candidates)
        if (candidate.rosterRow == rosterRow)
            return candidate;
    return std::nullopt;
}

// The same limit test as the wider stages of "Match", apart from the team.
bool outsideMaxLimits(const MatchValues& values, const MatchEntrant& a, const MatchEntrant& b)
{
    MatchCriteria limits;
    limits.ageOn = values.ageOn;
    limits.ageLimit = values.maxAge;
    limits.weightOn = values.weightOn;
    limits.weightLimit = values.maxWeight;
    limits.skillOn = values.skillOn;
    limits.skillLimit = values.maxSkill;
    limits.sameTeamAllowed = true;
    return pairCost(limits, a, b) >= forbiddenCost;
}

} // namespace

ShortList shortOfBouts(const Meet& meet, const MatchSettings& settings)
{
    ShortList list;
    const auto minBouts = boutCount(settings.limit(LimitBox::MinBouts));
    if (!minBouts) {
        list.problem = limitBoxMessage(LimitBox::MinBouts);
        return list;
    }
    list.minBouts = *minBouts;
    const auto maxBouts = boutCount(settings.limit(LimitBox::MaxBouts));
    FirstMessage complaint;
    const auto values = readMatchValues(settings, complaint);
    if (!maxBouts)
        list.problem = limitBoxMessage(LimitBox::MaxBouts);
    else if (!values)
        list.problem = complaint.text;

    const MatchCriteria criteria = handMatchCriteria(
        { settings.ageOn, settings.weightOn, settings.skillOn, settings.compositeOn, settings.sameTeamAllowed });
    const auto candidates = handMatchCandidates(meet);
    const Table& roster = meet.roster;
    for (int row = 1; row < roster.rowCount(); ++row) {
        if (trimmed(roster.cell(row, RosterColumn::Here)).empty())
            continue;
        const int bouts = boutCountOf(roster.cell(row, RosterColumn::Bouts));
        if (bouts >= list.minBouts)
            continue;
        ShortWrestler wrestler;
        wrestler.rosterRow = row;
        wrestler.name = roster.cell(row, RosterColumn::Name);
        wrestler.team = roster.cell(row, RosterColumn::Team);
        wrestler.age = roster.cell(row, RosterColumn::Age);
        wrestler.weight = roster.cell(row, RosterColumn::Wgt);
        wrestler.skill = roster.cell(row, RosterColumn::Skill);
        wrestler.bouts = bouts;
        if (maxBouts)
            wrestler.proposedRow = findBestOpponent(meet, row, criteria, *maxBouts);
        if (wrestler.proposedRow > 0) {
            wrestler.proposedName = roster.cell(wrestler.proposedRow, RosterColumn::Name);
            wrestler.proposedTeam = roster.cell(wrestler.proposedRow, RosterColumn::Team);
            const auto own = entrantOf(candidates, row);
            const auto other = entrantOf(candidates, wrestler.proposedRow);
            wrestler.outsideLimits = values && own && other && outsideMaxLimits(*values, *own, *other);
        }
        list.wrestlers.push_back(wrestler);
    }
    return list;
}

} // namespace korvanda
