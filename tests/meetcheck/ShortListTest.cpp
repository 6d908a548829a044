#include "meetcheck/ShortList.h"

#include "CheckMeets.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace korvanda;

TEST(ShortListTest, ThePresentWrestlersBelowMinBoutsWithTheHandMatchProposal)
{
    // Cy has his two bouts, Dee is absent, and Eve, at Max Bouts (3), may
    // have no more.
    const Meet meet = meetWith({ "Ann\t9.0\t60\t1.0\tTIG\t60\tYes\t", "Bo\t9.0\t61\t1.0\tLIO\t60\tYes\t1",
        "Cy\t9.0\t62\t1.0\tLIO\t61\tYes\t1,2", "Dee\t9.0\t60\t1.0\tTIG\t60\t\t",
        "Eve\t9.0\t60\t1.0\tTIG\t60\tYes\t2,3,4" });
    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "2";
    // Bo against Ann costs 10 (ln 61/60)^2 = 0.00273; against Cy 10 (ln 62/61)^2 = 0.00264,
    // plus 1 for their composites when that criterion counts.
    for (const bool compositeOn : { true, false }) {
        settings.compositeOn = compositeOn;
        const ShortList list = shortOfBouts(meet, settings);
        EXPECT_EQ(std::tie(list.minBouts, list.problem), std::tuple(2, std::string()));
        std::vector<std::tuple<int, std::string, int, int, std::string>> listed;
        for (const ShortWrestler& w : list.wrestlers)
            listed.emplace_back(w.rosterRow, w.name, w.bouts, w.proposedRow, w.proposedName);
        const decltype(listed) expected
            = { { 1, "Ann", 0, 2, "Bo" }, { 2, "Bo", 1, compositeOn ? 1 : 3, compositeOn ? "Ann" : "Cy" } };
        EXPECT_EQ(listed, expected) << "composite " << compositeOn;
    }
}

TEST(ShortListTest, AProposalOutsideTheMaxLimitsIsMarkedAndABadBoxIsNamed)
{
    // Ann's only opponent is Bo, half again as heavy; Cy is absent.
    const Meet meet = meetWith(
        { "Ann\t9.0\t60\t1.0\tTIG\t60\tYes\t", "Bo\t9.0\t90\t1.0\tLIO\t63\tYes\t1", "Cy\t9.0\t60\t1.0\tLIO\t60\t\t" });
    const struct {
        const char* maxWeight;
        const char* maxBouts;
        bool weightOn;
        int proposedRow;
        bool outside;
        const char* problem;
    } cases[] = {
        { "10", "3", true, 2, true, "" },
        { "60", "3", true, 2, false, "" },
        { "10", "3", false, 2, false, "" },
        { "x", "3", true, 2, false, "Bad value for maximum weight difference." },
        { "10", "1", true, 0, false, "Bad value for maximum bouts." },
        { "10", "many", true, 0, false, "Bad value for maximum bouts." },
    };
    for (const auto& c : cases) {
        MatchSettings settings;
        settings.limit(LimitBox::MinBouts) = "2";
        settings.limit(LimitBox::MaxDiffWeight) = c.maxWeight;
        settings.limit(LimitBox::MaxBouts) = c.maxBouts;
        settings.weightOn = c.weightOn;
        const ShortList list = shortOfBouts(meet, settings);
        ASSERT_EQ(list.wrestlers.size(), 2u) << "Ann and Bo, below one bout and below two";
        const ShortWrestler& ann = list.wrestlers[0];
        EXPECT_EQ(ann.proposedRow, c.proposedRow) << c.maxWeight << " " << c.maxBouts;
        EXPECT_EQ(ann.outsideLimits, c.outside) << c.maxWeight << " " << c.maxBouts;
        EXPECT_EQ(list.problem, c.problem) << c.maxWeight << " " << c.maxBouts;
    }
    MatchSettings badMin;
    badMin.limit(LimitBox::MinBouts) = "";
    EXPECT_EQ(shortOfBouts(meet, badMin).problem, "Bad value for minimum bouts.");
    EXPECT_TRUE(shortOfBouts(meet, badMin).wrestlers.empty());
}
