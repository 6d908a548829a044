#pragma once

#include "matching/PairingMeasures.h"
#include "meet/Meet.h"

#include <vector>

namespace korvanda {

// The criteria check boxes of the auto-match panel, as the proposal of a
// hand-match opponent reads them.
struct CriteriaChecks {
    bool age = false;
    bool weight = false;
    bool skill = false;
    bool composite = false;
    bool sameTeam = false;
};

// The switches with the fixed factors of the pair cost; hand matching
// tests no difference limit.
MatchCriteria handMatchCriteria(const CriteriaChecks& checks);

// One record per present wrestler, in roster order. A wrestler whose age,
// weight, skill or composite is no number, or whose weight is not above 0,
// cannot be measured and is left out.
std::vector<MatchEntrant> handMatchCandidates(const Meet& meet);

// How far apart two candidates (indexes into `candidates`) are; lower is
// closer, forbiddenCost means they may not meet.
float handMatchScore(int own, int other, const std::vector<MatchEntrant>& candidates, const MatchCriteria& criteria);

// The roster row of the closest present opponent for the wrestler of
// `rosterRow` among those with fewer than `boutLimit` bouts, the earlier
// row on a tie; 0 when nobody may meet him or he is no candidate himself.
int findBestOpponent(const Meet& meet, int rosterRow, const MatchCriteria& criteria, int boutLimit);

} // namespace korvanda
