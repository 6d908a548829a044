#include "matching/AutoMatch.h"

#include "matching/BoutOrder.h"
#include "matching/RestOrderBlock.h"
#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace korvanda {

namespace {

void report(const MatchProgress& progress, int value)
{
    if (progress)
        progress(value);
}

std::string refusal(EntrantFault fault, const std::string& name)
{
    const char* what = "age";
    switch (fault) {
    case EntrantFault::WeightNotAboveZero:
        return "Can't match: the weight of " + trimmed(name) + " is not above 0.";
    case EntrantFault::Weight:
        what = "weight";
        break;
    case EntrantFault::Skill:
        what = "skill";
        break;
    case EntrantFault::Composite:
        what = "composite value";
        break;
    case EntrantFault::Age:
    case EntrantFault::None:
        break;
    }
    return std::string("Can't match: the ") + what + " of " + trimmed(name) + " is not a number.";
}

std::array<MatchCriteria, 3> stageCriteria(const MatchValues& values, int teams)
{
    std::array<MatchCriteria, 3> stages {};
    for (std::size_t s = 0; s < 3; ++s) {
        MatchCriteria& k = stages[s];
        k.ageOn = values.ageOn;
        k.weightOn = values.weightOn;
        k.skillOn = values.skillOn;
        k.ageFactor = 2.0f;
        k.weightFactor = 10.0f;
        k.skillFactor = 1.0f;
        const bool ideal = s == 0;
        k.ageLimit = ideal ? values.idealAge : values.maxAge;
        k.weightLimit = ideal ? values.idealWeight : values.maxWeight;
        k.skillLimit = ideal ? values.idealSkill : values.maxSkill;
        k.compositeOn = ideal ? false : values.compositeOn;
        k.compositeFactor = ideal ? 0.0f : 1.0f;
        // With fewer than two teams every bout is a same-team bout.
        k.sameTeamAllowed = s == 2 ? values.sameTeamAllowed : teams < 2;
    }
    return stages;
}

// The pairing of one run: opponent lists that three stages fill in turn.
class Pairing {
public:
    Pairing(const std::vector<MatchEntrant>& entrants, int minBouts, int maxBouts, bool plain)
        : entrants_(entrants)
        , n_(static_cast<int>(entrants.size()))
        , minBouts_(minBouts)
        , maxBouts_(maxBouts)
        ,
        // A wrestler can never meet more than everyone else, so a list
        // longer than that would only waste memory; the choices are the
        // same as with room for three times the maximum.
        lists_(n_, std::max(1, std::min(3 * maxBouts, n_ - 1)))
        , stageStart_(static_cast<std::size_t>(n_) + 1, 0)
        , plain_(plain)
    {
        for (int i = 1; i <= n_; ++i)
            byWeight_.push_back(i);
        std::stable_sort(byWeight_.begin(), byWeight_.end(),
            [this](int a, int b) { return entrant(a).logWeight < entrant(b).logWeight; });
        weightRank_.resize(static_cast<std::size_t>(n_) + 1);
        for (int k = 0; k < n_; ++k)
            weightRank_[static_cast<std::size_t>(byWeight_[static_cast<std::size_t>(k)])] = k;
    }

    // One stage; gives the number of bout places held after its filling.
    int runStage(const MatchCriteria& criteria)
    {
        criteria_ = &criteria;
        for (int i = 1; i <= n_; ++i)
            stageStart_[static_cast<std::size_t>(i)] = lists_.boutCount(i);
        fill();
        int total = 0;
        for (int i = 1; i <= n_; ++i)
            total += lists_.boutCount(i);
        if (total == 0)
            return 0;
        trimSurplus();
        enforceMaximum();
        return total;
    }

    const OpponentLists& lists() const { return lists_; }

private:
    int stageStart(int i) const { return stageStart_[static_cast<std::size_t>(i)]; }
    const MatchEntrant& entrant(int i) const { return entrants_[static_cast<std::size_t>(i - 1)]; }

    // The stage's costs are worked out when needed, by pairCost with the
    // lower-numbered wrestler first: the whole matrix of a large meet would
    // take hundreds of megabytes, and most of it is never read.
    float cost(int i, int j) const
    {
        if (i == j)
            return forbiddenCost;
        return i < j ? pairCost(*criteria_, entrant(i), entrant(j)) : pairCost(*criteria_, entrant(j), entrant(i));
    }

    // The wrestler j that `allowed` lets meet i at the smallest cost below
    // `best`, the lowest-numbered one among equal costs, or 0; `best`
    // becomes his cost. With the weight criterion on, only the wrestlers
    // near i in weight can cost less: the others are beyond the weight
    // limit, or their weight difference alone costs more than the best pair
    // found so far, as the other criteria only add to a pair's cost.
    template <typename Allowed> int cheapest(int i, float& best, Allowed allowed) const
    {
        int choice = 0;
        auto consider = [&](int j) {
            if (j == i)
                return;
            const float c = cost(i, j);
            if ((c < best || (c == best && choice != 0 && j < choice)) && allowed(j)) {
                best = c;
                choice = j;
            }
        };
        if (!criteria_->weightOn || plain_) {
            for (int j = 1; j <= n_; ++j)
                consider(j);
            return choice;
        }
        const float own = entrant(i).logWeight;
        auto beyond = [&](int j) {
            const float d = std::fabs(own - entrant(j).logWeight);
            return !(d <= criteria_->weightLimit) || costTerm(criteria_->weightFactor, d) > best;
        };
        const int at = weightRank_[static_cast<std::size_t>(i)];
        for (int k = at - 1; k >= 0 && !beyond(byWeight_[static_cast<std::size_t>(k)]); --k)
            consider(byWeight_[static_cast<std::size_t>(k)]);
        for (int k = at + 1; k < n_ && !beyond(byWeight_[static_cast<std::size_t>(k)]); ++k)
            consider(byWeight_[static_cast<std::size_t>(k)]);
        return choice;
    }

    void fill()
    {
        for (int round = 1; round <= minBouts_; ++round) {
            bool added = false;
            for (int i = 1; i <= n_; ++i) {
                if (lists_.boutCount(i) >= minBouts_)
                    continue;
                float best = forbiddenCost;
                const int choice = cheapest(i, best,
                    [&](int j) { return lists_.boutCount(j) < lists_.capacity() && lists_.findPairing(i, j) == 0; });
                if (choice != 0) {
                    lists_.addPairing(i, choice);
                    added = true;
                }
            }
            // A round that adds nothing leaves the next one nothing new to find.
            if (!added)
                break;
        }
    }

    void trimSurplus()
    {
        int rows = 0;
        for (int i = 1; i <= n_; ++i)
            rows += std::max(0, lists_.boutCount(i) - stageStart(i));
        SingleRows newBouts(rows, 3);
        int row = 0;
        for (int i = 1; i <= n_; ++i) {
            for (int p = stageStart(i) + 1; p <= lists_.boutCount(i); ++p) {
                const int o = lists_.opponent(i, p);
                ++row;
                newBouts(row, 1) = cost(i, o);
                newBouts(row, 2) = static_cast<float>(i);
                newBouts(row, 3) = static_cast<float>(o);
            }
        }
        sortSingleRows(newBouts, 1, false, 1, rows);
        for (int r = 1; r <= rows; ++r) {
            const int a = static_cast<int>(newBouts(r, 2));
            const int b = static_cast<int>(newBouts(r, 3));
            if (lists_.boutCount(a) > minBouts_ && lists_.boutCount(b) > minBouts_)
                lists_.removePairing(a, b);
        }
    }

    // Hands a bout of an overloaded wrestler to the cheapest wrestler with
    // room, or drops the bout he got last.
    void relieve(int i)
    {
        float best = forbiddenCost;
        int giver = 0;
        int receiver = 0;
        for (int p = stageStart(i) + 1; p <= lists_.boutCount(i); ++p) {
            const int o = lists_.opponent(i, p);
            const int j = cheapest(o, best,
                [&](int r) { return lists_.boutCount(r) < maxBouts_ && r != i && lists_.findPairing(o, r) == 0; });
            if (j != 0) {
                giver = o;
                receiver = j;
            }
        }
        if (receiver != 0) {
            lists_.removePairing(i, giver);
            lists_.addPairing(giver, receiver);
        } else {
            lists_.removePairing(i, lists_.opponent(i, lists_.boutCount(i)));
        }
    }

    void enforceMaximum()
    {
        for (int pass = 1; pass <= 2 * maxBouts_; ++pass) {
            bool overloaded = false;
            for (int i = 1; i <= n_; ++i) {
                if (lists_.boutCount(i) > maxBouts_)
                    relieve(i);
                if (lists_.boutCount(i) > maxBouts_)
                    overloaded = true;
            }
            if (!overloaded)
                break;
        }
    }

    const std::vector<MatchEntrant>& entrants_;
    int n_;
    int minBouts_;
    int maxBouts_;
    OpponentLists lists_;
    std::vector<int> stageStart_;
    const MatchCriteria* criteria_ = nullptr;
    // The wrestlers from the lightest to the heaviest, and where each stands there.
    std::vector<int> byWeight_;
    std::vector<int> weightRank_;
    // Weighs every wrestler for every choice, to check the shortcut.
    bool plain_;
};

// The bouts from the side of their later wrestler, bouts between teams
// first; gives the number of those.
int listBouts(const Meet& meet, const std::vector<MatchEntrant>& entrants, const OpponentLists& lists, BoutOrder& order)
{
    const int n = static_cast<int>(entrants.size());
    auto rosterRow = [&](int w) { return entrants[static_cast<std::size_t>(w - 1)].rosterRow; };
    auto team = [&](int w) -> const std::string& { return meet.roster.cell(rosterRow(w), RosterColumn::Team); };
    int row = 0;
    int interTeam = 0;
    for (bool sameTeam : { false, true }) {
        for (int i = 1; i <= n; ++i) {
            for (int p = 1; p <= lists.boutCount(i); ++p) {
                const int o = lists.opponent(i, p);
                if (o < i && (team(i) == team(o)) == sameTeam) {
                    ++row;
                    order(row, 1) = rosterRow(i);
                    order(row, 2) = rosterRow(o);
                }
            }
        }
        if (!sameTeam)
            interTeam = row;
    }
    return interTeam;
}

void shuffle(BoutOrder& order, int interTeam)
{
    float r = 0.5f;
    for (int k = 1; k <= order.rows(); ++k) {
        r = shuffleValue(-r);
        order(k, 3) = static_cast<int>(roundHalfEven(30000.0 * static_cast<double>(r)));
    }
    sortIntegerRows(order, 3, true, 1, interTeam);
    sortIntegerRows(order, 3, true, interTeam + 1, order.rows());
}

void orderBlockForRest(BoutOrder& order, int first, int last, int mats, RestOrdering ordering,
    const MatchProgress& progress, int midway, int done)
{
    const int size = last - first + 1;
    if (ordering == RestOrdering::Plain) {
        for (int k = first; k <= last; ++k)
            order(k, 3) = restGap(order, k, first, last);
        improveBoutOrder(order, first, last, 3 * mats, 3 * mats);
        report(progress, midway);
        improveBoutOrder(order, first, last, size, 3 * mats);
        report(progress, done);
        return;
    }
    RestOrderBlock block(order, first, last);
    block.measureGaps();
    block.improve(3 * mats, 3 * mats);
    report(progress, midway);
    block.improve(size, 3 * mats);
    block.writeTo(order);
    report(progress, done);
}

void appendBout(std::string& cell, int bout)
{
    std::string text = trimmed(cell);
    if (!text.empty())
        text += ',';
    cell = text + std::to_string(bout);
}

void writeBouts(Meet& meet, const BoutOrder& order)
{
    static const char* const captions[BoutColumn::Count] = { "Bout", "Mat", "", "Name", "Age", "Weight", "Skill",
        "Team", "Pts.", "Winner", "", "Name", "Age", "Weight", "Skill", "Team", "Pts.", "Winner" };
    Table& grid = meet.boutGrid;
    const int current = grid.currentRow();
    grid.clear();
    grid.setRowCount(1);
    grid.setColumnCount(BoutColumn::Count);
    for (int c = 0; c < BoutColumn::Count; ++c)
        grid.setCell(0, c, captions[c]);

    Table& roster = meet.roster;
    for (int r = 1; r < roster.rowCount(); ++r)
        roster.setCell(r, RosterColumn::Bouts, "");

    for (int k = 1; k <= order.rows(); ++k) {
        const int a = order(k, 1);
        const int b = order(k, 2);
        grid.appendRow();
        grid.setCell(k, BoutColumn::Bout, std::to_string(k));
        grid.setCell(k, BoutColumn::Mat, "1");
        for (int c = 0; c <= RosterColumn::Team; ++c) {
            grid.setCell(k, BoutColumn::Name1 + c, roster.cell(a, c));
            grid.setCell(k, BoutColumn::Name2 + c, roster.cell(b, c));
        }
        std::string bouts = roster.cell(a, RosterColumn::Bouts);
        appendBout(bouts, k);
        roster.setCell(a, RosterColumn::Bouts, bouts);
        bouts = roster.cell(b, RosterColumn::Bouts);
        appendBout(bouts, k);
        roster.setCell(b, RosterColumn::Bouts, bouts);
    }
    // The bout list's selection stays where it was, as far as the new bouts reach.
    grid.setCurrentRow(std::max(1, std::min(current, grid.rowCount() - 1)));
}

} // namespace

std::optional<std::vector<MatchEntrant>> collectEntrants(const Meet& meet, Dialogs& dialogs)
{
    const Table& roster = meet.roster;
    std::vector<MatchEntrant> entrants;
    for (int r = 1; r < roster.rowCount(); ++r) {
        if (trimmed(roster.cell(r, RosterColumn::Here)).empty())
            continue;
        const std::string& name = roster.cell(r, RosterColumn::Name);
        MatchEntrant e;
        const EntrantFault fault = readEntrant(meet, r, e);
        if (fault != EntrantFault::None) {
            dialogs.inform(refusal(fault, name));
            return std::nullopt;
        }
        entrants.push_back(e);
    }
    if (entrants.empty()) {
        dialogs.inform("Can't match: no wrestler is marked present.");
        return std::nullopt;
    }
    return entrants;
}

float shuffleValue(float seed)
{
    std::uint32_t h = std::bit_cast<std::uint32_t>(seed);
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return static_cast<float>(h >> 8) / 16777216.0f;
}

bool autoMatch(Meet& meet, const MatchValues& values, const std::vector<MatchEntrant>& entrants, Dialogs& dialogs,
    const MatchProgress& progress, RestOrdering ordering)
{
    report(progress, 0);
    const auto stages = stageCriteria(values, meet.teamList.rowCount() - 1);
    Pairing pairing(entrants, values.minBouts, values.maxBouts, ordering == RestOrdering::Plain);
    int total = 0;
    for (int s = 1; s <= 3; ++s) {
        total = pairing.runStage(stages[static_cast<std::size_t>(s - 1)]);
        report(progress, 10 * s);
    }
    if (total == 0) {
        dialogs.warn("Matching algorithm failed -- Relax limits and try again.");
        report(progress, 0);
        return false;
    }

    const OpponentLists& lists = pairing.lists();
    int places = 0;
    for (int i = 1; i <= lists.wrestlers(); ++i)
        places += lists.boutCount(i);
    BoutOrder order(places / 2, 3);
    const int interTeam = listBouts(meet, entrants, lists, order);
    report(progress, 40);

    shuffle(order, interTeam);
    orderBlockForRest(order, 1, interTeam, values.mats, ordering, progress, 55, 70);
    orderBlockForRest(order, interTeam + 1, order.rows(), values.mats, ordering, progress, 85, 100);

    writeBouts(meet, order);
    report(progress, 0);
    return true;
}

} // namespace korvanda
