#include "handmatch/OpponentSearch.h"

#include "handmatch/BoutNumbers.h"
#include "meet/Numbers.h"

namespace korvanda {

MatchCriteria handMatchCriteria(const CriteriaChecks& checks)
{
    MatchCriteria criteria;
    criteria.ageOn = checks.age;
    criteria.ageFactor = 2.0f;
    criteria.weightOn = checks.weight;
    criteria.weightFactor = 10.0f;
    criteria.skillOn = checks.skill;
    criteria.skillFactor = 1.0f;
    criteria.compositeOn = checks.composite;
    criteria.compositeFactor = 1.0f;
    criteria.sameTeamAllowed = checks.sameTeam;
    return criteria;
}

std::vector<MatchEntrant> handMatchCandidates(const Meet& meet)
{
    const Table& roster = meet.roster;
    std::vector<MatchEntrant> candidates;
    for (int row = 1; row < roster.rowCount(); ++row) {
        if (trimmed(roster.cell(row, RosterColumn::Here)).empty())
            continue;
        MatchEntrant entrant;
        if (readEntrant(meet, row, entrant) != EntrantFault::None)
            continue;
        candidates.push_back(entrant);
    }
    return candidates;
}

float handMatchScore(int own, int other, const std::vector<MatchEntrant>& candidates, const MatchCriteria& criteria)
{
    if (own == other)
        return forbiddenCost;
    const MatchEntrant& a = candidates.at(static_cast<std::size_t>(own));
    const MatchEntrant& b = candidates.at(static_cast<std::size_t>(other));
    // Wrestlers whose teams are both missing from the team list count as one team.
    if (!criteria.sameTeamAllowed && a.teamIndex == b.teamIndex)
        return forbiddenCost;
    float score = 0;
    if (criteria.ageOn)
        score += costTerm(criteria.ageFactor, a.age - b.age);
    if (criteria.weightOn)
        score += costTerm(criteria.weightFactor, a.logWeight - b.logWeight);
    if (criteria.skillOn)
        score += costTerm(criteria.skillFactor, a.skill - b.skill);
    if (criteria.compositeOn)
        score += costTerm(criteria.compositeFactor, a.composite - b.composite);
    if (!(score <= forbiddenCost))
        score = forbiddenCost;
    return score;
}

int findBestOpponent(const Meet& meet, int rosterRow, const MatchCriteria& criteria, int boutLimit)
{
    const auto candidates = handMatchCandidates(meet);
    int own = -1;
    for (std::size_t i = 0; i < candidates.size() && own < 0; ++i)
        if (candidates[i].rosterRow == rosterRow)
            own = static_cast<int>(i);
    if (own < 0)
        return 0;
    int best = -1;
    float bestScore = forbiddenCost;
    for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
        if (i == own)
            continue;
        const auto& bouts = meet.roster.cell(candidates[static_cast<std::size_t>(i)].rosterRow, RosterColumn::Bouts);
        if (boutCountOf(bouts) >= boutLimit)
            continue;
        const float score = handMatchScore(own, i, candidates, criteria);
        if (score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best < 0 ? 0 : candidates[static_cast<std::size_t>(best)].rosterRow;
}

} // namespace korvanda
