#include "matching/PairingMeasures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvanda;

namespace {

MatchEntrant entrant(float age, float weight, float skill, int team, float composite = 0)
{
    MatchEntrant e;
    e.age = age;
    e.logWeight = logWeight(weight);
    e.skill = skill;
    e.teamIndex = team;
    e.composite = composite;
    return e;
}

MatchCriteria ageOnly(float limit)
{
    MatchCriteria k;
    k.ageOn = true;
    k.ageLimit = limit;
    return k;
}

float costOf(const MatchCriteria& k, const MatchEntrant& a, const MatchEntrant& b)
{
    PairCosts costs;
    buildPairCosts(k, {a, b}, costs);
    EXPECT_EQ(costs(1, 2), costs(2, 1));
    EXPECT_EQ(costs(1, 1), forbiddenCost);
    return costs(1, 2);
}

} // namespace

TEST(PairingMeasuresTest, CompositeValue)
{
    EXPECT_EQ(compositeValue("10.0", "72", "2.0"), "65");
    EXPECT_EQ(compositeValue("10.0", "0", "2.0"), "0");
    EXPECT_EQ(compositeValue("", "72", "2.0"), "0");
    EXPECT_EQ(compositeValue("9", "-4", "1"), "0");
    // 2 x 0.25 + 10 ln 1 + 2 = 2.5 and 2 x 0.75 + 0 + 2 = 3.5: halves to even.
    EXPECT_EQ(compositeValue("0.25", "1", "2"), "2");
    EXPECT_EQ(compositeValue("0.75", "1", "2"), "4");
    EXPECT_EQ(compositeValue("-20", "1", "0"), "-40");
}

TEST(PairingMeasuresTest, LimitsAtAndPastTheLimit)
{
    EXPECT_EQ(costOf(ageOnly(1.0f), entrant(10, 60, 1, 1), entrant(11, 60, 1, 2)), 2.0f);
    EXPECT_EQ(costOf(ageOnly(0.9f), entrant(10, 60, 1, 1), entrant(11, 60, 1, 2)), forbiddenCost);

    MatchCriteria weight;
    weight.weightOn = true;
    weight.weightLimit = static_cast<float>(std::log(1.0 + 7.0 / 100));
    EXPECT_LT(costOf(weight, entrant(9, 70, 1, 1), entrant(9, 74, 1, 2)), forbiddenCost);
    EXPECT_EQ(costOf(weight, entrant(9, 70, 1, 1), entrant(9, 75, 1, 2)), forbiddenCost);
    weight.weightLimit = static_cast<float>(std::log(1.0 + 10.0 / 100));
    EXPECT_LT(costOf(weight, entrant(9, 70, 1, 1), entrant(9, 76, 1, 2)), forbiddenCost);
    EXPECT_EQ(costOf(weight, entrant(9, 70, 1, 1), entrant(9, 78, 1, 2)), forbiddenCost);

    // A failed limit is not undone by the terms that follow.
    MatchCriteria all = ageOnly(0.5f);
    all.skillOn = true;
    all.skillLimit = 5;
    all.compositeOn = true;
    all.compositeFactor = 1;
    EXPECT_EQ(costOf(all, entrant(9, 60, 1, 1, 10), entrant(12, 60, 1, 2, 90)), forbiddenCost);
}

TEST(PairingMeasuresTest, CostsAddInOrder)
{
    MatchCriteria k = ageOnly(2);
    k.skillOn = true;
    k.skillLimit = 2;
    k.compositeOn = true;
    k.compositeFactor = 1;
    EXPECT_EQ(costOf(k, entrant(10, 60, 1, 1, 60), entrant(11, 60, 3, 2, 63)), 2.0f + 4.0f + 9.0f);
    k.compositeFactor = 0;
    EXPECT_EQ(costOf(k, entrant(10, 60, 1, 1, 60), entrant(11, 60, 3, 2, 63)), 6.0f);
    EXPECT_EQ(costOf(MatchCriteria{.sameTeamAllowed = true}, entrant(5, 40, 1, 1), entrant(14, 200, 5, 1)), 0.0f);
}

TEST(PairingMeasuresTest, SameTeamRule)
{
    MatchCriteria k;
    EXPECT_EQ(costOf(k, entrant(10, 60, 1, 3), entrant(10, 60, 1, 3)), forbiddenCost);
    EXPECT_EQ(costOf(k, entrant(10, 60, 1, 0), entrant(10, 60, 1, 0)), forbiddenCost)
        << "wrestlers of unlisted teams count as one team";
    EXPECT_EQ(costOf(k, entrant(10, 60, 1, 0), entrant(10, 60, 1, 2)), 0.0f);
    k.sameTeamAllowed = true;
    EXPECT_EQ(costOf(k, entrant(10, 60, 1, 3), entrant(10, 60, 1, 3)), 0.0f);
}

TEST(PairingMeasuresTest, OpponentLists)
{
    OpponentLists lists(4, 3);
    lists.addPairing(1, 2);
    lists.addPairing(1, 3);
    lists.addPairing(1, 4);
    EXPECT_EQ(lists.boutCount(1), 3);
    EXPECT_EQ(lists.findPairing(1, 3), 2);
    EXPECT_EQ(lists.findPairing(3, 1), 1);
    EXPECT_EQ(lists.findPairing(2, 3), 0);
    lists.removePairing(2, 3);
    EXPECT_EQ(lists.boutCount(2), 1);
    lists.removePairing(3, 1);
    EXPECT_EQ(lists.boutCount(1), 2);
    EXPECT_EQ(lists.opponent(1, 1), 2);
    EXPECT_EQ(lists.opponent(1, 2), 4);
    EXPECT_EQ(lists.boutCount(3), 0);
    lists.addPairing(1, 3);
    EXPECT_THROW(lists.addPairing(1, 2), std::length_error);
}

namespace {

std::vector<float> sortedKeys(std::vector<float> keys, bool ascending, std::vector<float>* tags = nullptr)
{
    SingleRows rows(static_cast<int>(keys.size()), 2);
    for (int r = 1; r <= rows.rows(); ++r) {
        rows(r, 1) = keys[static_cast<std::size_t>(r - 1)];
        rows(r, 2) = static_cast<float>(r);
    }
    sortSingleRows(rows, 1, ascending, 1, rows.rows());
    std::vector<float> out;
    for (int r = 1; r <= rows.rows(); ++r) {
        out.push_back(rows(r, 1));
        if (tags)
            tags->push_back(rows(r, 2));
    }
    return out;
}

} // namespace

TEST(PairingMeasuresTest, PartitionSortOrder)
{
    EXPECT_EQ(sortedKeys({5, 1, 2}, true), (std::vector<float>{1, 2, 5}));
    EXPECT_EQ(sortedKeys({5, 1, 2, 9, 3}, false), (std::vector<float>{9, 5, 3, 2, 1}));
    std::vector<float> tags;
    EXPECT_EQ(sortedKeys({3, 2, 2}, true, &tags), (std::vector<float>{2, 2, 3}));
    EXPECT_EQ(tags, (std::vector<float>{3, 2, 1})) << "equal keys end in the order the steps give";

    IntegerRows rows(3, 1);
    rows(1, 1) = 7;
    rows(2, 1) = 4;
    rows(3, 1) = 1;
    sortIntegerRows(rows, 1, true, 2, 2);
    EXPECT_EQ(rows(2, 1), 4);
    sortIntegerRows(rows, 1, true, 2, 3);
    EXPECT_EQ(rows(1, 1), 7) << "rows outside the range stay";
    EXPECT_EQ(rows(2, 1), 1);
}

TEST(PairingMeasuresTest, PartitionSortOfALongSortedRunDoesNotNestDeeply)
{
    const int n = 20000;
    IntegerRows rows(n, 1);
    for (int r = 1; r <= n; ++r)
        rows(r, 1) = r;
    sortIntegerRows(rows, 1, false, 1, n);
    EXPECT_EQ(rows(1, 1), n);
    EXPECT_EQ(rows(n, 1), 1);
}
