#include "matching/PairingMeasures.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace korvanda;

TEST(PairingMeasuresTest, CompositeValue)
{
    // 2 x 0.25 + 10 ln 1 + 2 = 2.5 and 2 x 0.75 + 0 + 2 = 3.5: halves to even.
    const char* cases[][4] = { { "10.0", "72", "2.0", "65" }, { "10.0", "0", "2.0", "0" }, { "", "72", "2.0", "0" },
        { "9", "-4", "1", "0" }, { "0.25", "1", "2", "2" }, { "0.75", "1", "2", "4" }, { "-20", "1", "0", "-40" } };
    for (const auto& c : cases)
        EXPECT_EQ(compositeValue(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
}

TEST(PairingMeasuresTest, PairCost)
{
    auto entrant = [](float age, float weight, float skill, int team, float composite = 0) {
        return MatchEntrant { age, composite, 0, skill, team, logWeight(weight) };
    };
    const float percent7 = 0.06765865f; // ln 1.07: 70 may meet 74 (ln 74/70 = 0.0556), not 75 (0.0690)
    const float allowed = -1; // any cost below the forbidden one
    const MatchCriteria all { .ageOn = true, .ageLimit = 2, .skillOn = true, .skillLimit = 2, .compositeOn = true };
    MatchCriteria composite = all;
    composite.compositeFactor = 1;
    MatchCriteria ageFails = composite;
    ageFails.ageLimit = 0.5f;
    const struct {
        MatchCriteria k;
        MatchEntrant a, b;
        float cost;
    } cases[] = {
        { { .ageOn = true, .ageLimit = 1 }, entrant(10, 60, 1, 1), entrant(11, 60, 1, 2), 2 },
        { { .ageOn = true, .ageLimit = 0.9f }, entrant(10, 60, 1, 1), entrant(11, 60, 1, 2), forbiddenCost },
        { { .weightOn = true, .weightLimit = percent7 }, entrant(9, 70, 1, 1), entrant(9, 74, 1, 2), allowed },
        { { .weightOn = true, .weightLimit = percent7 }, entrant(9, 70, 1, 1), entrant(9, 75, 1, 2), forbiddenCost },
        { composite, entrant(10, 60, 1, 1, 60), entrant(11, 60, 3, 2, 63), 2.0f + 4.0f + 9.0f },
        { all, entrant(10, 60, 1, 1, 60), entrant(11, 60, 3, 2, 63), 6 }, // composite factor 0
        // A failed limit is not undone by the terms that follow.
        { ageFails, entrant(9, 60, 1, 1, 10), entrant(10, 60, 1, 2, 90), forbiddenCost },
        { { .sameTeamAllowed = true }, entrant(5, 40, 1, 1), entrant(14, 200, 5, 1), 0 },
        { {}, entrant(10, 60, 1, 3), entrant(10, 60, 1, 3), forbiddenCost },
        { {}, entrant(10, 60, 1, 0), entrant(10, 60, 1, 0), forbiddenCost }, // unlisted teams are one team
        { {}, entrant(10, 60, 1, 0), entrant(10, 60, 1, 2), 0 },
    };
    for (const auto& c : cases) {
        const float cost = pairCost(c.k, c.a, c.b);
        EXPECT_TRUE(c.cost == allowed ? cost < forbiddenCost : cost == c.cost)
            << "case " << &c - cases << " costs " << cost;
    }
}

TEST(PairingMeasuresTest, OpponentLists)
{
    OpponentLists lists(4, 3);
    for (int opponent : { 2, 3, 4 })
        lists.addPairing(1, opponent);
    EXPECT_EQ(
        std::tuple(lists.findPairing(1, 3), lists.findPairing(3, 1), lists.findPairing(2, 3)), std::tuple(2, 1, 0));
    lists.removePairing(2, 3); // not listed: nothing changes
    lists.removePairing(3, 1);
    EXPECT_EQ(std::tuple(lists.boutCount(1), lists.boutCount(2), lists.boutCount(3)), std::tuple(2, 1, 0));
    EXPECT_EQ(std::pair(lists.opponent(1, 1), lists.opponent(1, 2)), std::pair(2, 4)) << "the order is kept";
    lists.addPairing(1, 3);
    EXPECT_THROW(lists.addPairing(1, 2), std::length_error) << "a full list never overflows";
}

TEST(PairingMeasuresTest, PartitionSortOrder)
{
    // Where the rows stood before rows `from` to `to` were sorted by key.
    auto sorted = [](std::vector<int> keys, bool ascending, int from = 1, int to = 0) {
        IntegerRows rows(static_cast<int>(keys.size()), 2);
        for (int r = 1; r <= rows.rows(); ++r)
            std::tie(rows(r, 1), rows(r, 2)) = std::pair(keys[static_cast<std::size_t>(r - 1)], r);
        sortIntegerRows(rows, 1, ascending, from, to ? to : rows.rows());
        std::string places;
        for (int r = 1; r <= rows.rows(); ++r)
            places += std::to_string(rows(r, 2));
        return places;
    };
    EXPECT_EQ(sorted({ 5, 1, 2 }, true), "231");
    EXPECT_EQ(sorted({ 3, 2, 2 }, true), "321") << "equal keys end in the order the steps give";
    EXPECT_EQ(sorted({ 2, 2, 2, 1 }, true), "4132");
    EXPECT_EQ(sorted({ 5, 1, 2, 9, 3 }, false), "41532");
    EXPECT_EQ(sorted({ 7, 4, 1 }, true, 2, 2), "123");
    EXPECT_EQ(sorted({ 7, 4, 1 }, true, 2, 3), "132") << "rows outside the range stay";
}
