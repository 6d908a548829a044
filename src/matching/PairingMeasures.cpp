#include "matching/PairingMeasures.h"

#include "meet/Numbers.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace korvanda {

std::string compositeValue(std::string_view age, std::string_view weight, std::string_view skill)
{
    const auto a = readDouble(age);
    const auto w = readDouble(weight);
    const auto s = readDouble(skill);
    if (!a || !w || !s || *w <= 0)
        return "0";
    return wholeText(roundHalfEven(2 * *a + 10 * std::log(*w) + *s));
}

float logWeight(float weight)
{
    return static_cast<float>(std::log(static_cast<double>(weight)));
}

int teamIndexOf(const Table& teamList, std::string_view team)
{
    for (int row = 1; row < teamList.rowCount(); ++row)
        if (teamList.cell(row, TeamColumn::Abbrev) == team)
            return row;
    return 0;
}

EntrantFault readEntrant(const Meet& meet, int row, MatchEntrant& entrant)
{
    const Table& roster = meet.roster;
    const auto age = readSingle(roster.cell(row, RosterColumn::Age));
    const auto weight = readSingle(roster.cell(row, RosterColumn::Wgt));
    const auto skill = readSingle(roster.cell(row, RosterColumn::Skill));
    const auto composite = readSingle(roster.cell(row, RosterColumn::Cmp));
    if (!age)
        return EntrantFault::Age;
    if (!weight)
        return EntrantFault::Weight;
    if (!skill)
        return EntrantFault::Skill;
    if (!composite)
        return EntrantFault::Composite;
    if (!(*weight > 0))
        return EntrantFault::WeightNotAboveZero;
    entrant.age = *age;
    entrant.composite = *composite;
    entrant.rosterRow = row;
    entrant.skill = *skill;
    entrant.teamIndex = teamIndexOf(meet.teamList, roster.cell(row, RosterColumn::Team));
    entrant.logWeight = logWeight(*weight);
    return EntrantFault::None;
}

float pairCost(const MatchCriteria& k, const MatchEntrant& a, const MatchEntrant& b)
{
    if (!k.sameTeamAllowed && a.teamIndex == b.teamIndex)
        return forbiddenCost;
    float c = 0;
    if (k.ageOn) {
        const float d = std::fabs(a.age - b.age);
        c = d <= k.ageLimit ? costTerm(k.ageFactor, d) : forbiddenCost;
    }
    if (k.weightOn) {
        const float d = std::fabs(a.logWeight - b.logWeight);
        c = d <= k.weightLimit ? c + costTerm(k.weightFactor, d) : forbiddenCost;
    }
    if (k.skillOn) {
        const float d = std::fabs(a.skill - b.skill);
        c = d <= k.skillLimit ? c + costTerm(k.skillFactor, d) : forbiddenCost;
    }
    if (k.compositeOn)
        c = c + costTerm(k.compositeFactor, a.composite - b.composite);
    return c > forbiddenCost ? forbiddenCost : c;
}

OpponentLists::OpponentLists(int wrestlers, int capacity)
    : capacity_(capacity)
    , counts_(static_cast<std::size_t>(wrestlers) + 1, 0)
    , slots_((static_cast<std::size_t>(wrestlers) + 1) * static_cast<std::size_t>(capacity), 0)
{
}

void OpponentLists::append(int wrestler, int opponent)
{
    int& count = counts_[static_cast<std::size_t>(wrestler)];
    if (count >= capacity_)
        throw std::length_error("opponent list is full");
    ++count;
    slots_[slot(wrestler, count)] = opponent;
}

void OpponentLists::addPairing(int a, int b)
{
    if (boutCount(a) >= capacity_ || boutCount(b) >= capacity_)
        throw std::length_error("opponent list is full");
    append(a, b);
    append(b, a);
}

int OpponentLists::findPairing(int a, int b) const
{
    for (int k = 1; k <= boutCount(a); ++k)
        if (opponent(a, k) == b)
            return k;
    return 0;
}

void OpponentLists::removeFrom(int wrestler, int opponent)
{
    const int k = findPairing(wrestler, opponent);
    if (k == 0)
        return;
    int& count = counts_[static_cast<std::size_t>(wrestler)];
    for (int p = k; p < count; ++p)
        slots_[slot(wrestler, p)] = slots_[slot(wrestler, p + 1)];
    --count;
}

void OpponentLists::removePairing(int a, int b)
{
    removeFrom(a, b);
    removeFrom(b, a);
}

} // namespace korvanda
