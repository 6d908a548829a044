#pragma once

#include "meet/Meet.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvanda {

// A pair costing this may never wrestle; no cost is ever higher.
inline constexpr float forbiddenCost = 1e35f;

// The composite value of the Cmp column: 2 x age + 10 x ln(weight) + skill,
// as a whole number; "0" when a text is no number or the weight is not above 0.
std::string compositeValue(std::string_view age, std::string_view weight, std::string_view skill);

// The logarithm the pair costs compare, so that a weight limit is a ratio.
float logWeight(float weight);

// One present wrestler as the matching sees him.
struct MatchEntrant {
    float age = 0;
    float composite = 0;
    int rosterRow = 0;
    float skill = 0;
    int teamIndex = 0;
    float logWeight = 0;
};

// The first team-list row whose abbreviation is exactly `team`, or 0:
// wrestlers of unlisted teams all count as one team.
int teamIndexOf(const Table& teamList, std::string_view team);

// Why a roster row cannot take part in a pairing; None when it can.
enum class EntrantFault { None, Age, Weight, Skill, Composite, WeightNotAboveZero };

// Fills `entrant` from roster row `row` when its numbers allow it.
EntrantFault readEntrant(const Meet& meet, int row, MatchEntrant& entrant);

// What one stage of the matching allows and how it weighs differences.
struct MatchCriteria {
    bool ageOn = false;
    float ageFactor = 2.0f;
    float ageLimit = 0;
    bool weightOn = false;
    float weightFactor = 10.0f;
    float weightLimit = 0;
    bool skillOn = false;
    float skillFactor = 1.0f;
    float skillLimit = 0;
    bool compositeOn = false;
    float compositeFactor = 0;
    bool sameTeamAllowed = false;
};

// factor x (d x d), each step rounded to single precision, so the choice
// between equal costs is the same on every machine.
inline float costTerm(float factor, float difference)
{
    const float square = difference * difference;
    return factor * square;
}

// What pairing a with b costs in a stage with these criteria, a being the
// one listed first. Every step is done in single precision so the choice
// between equal costs is the same on every machine.
float pairCost(const MatchCriteria& criteria, const MatchEntrant& a, const MatchEntrant& b);

// The bouts being built: for each wrestler the opponents in the order the
// bouts were made. b is in a's list exactly when a is in b's.
class OpponentLists {
public:
    OpponentLists(int wrestlers, int capacity);

    int wrestlers() const { return static_cast<int>(counts_.size()) - 1; }
    int capacity() const { return capacity_; }
    int boutCount(int wrestler) const { return counts_[static_cast<std::size_t>(wrestler)]; }
    // The opponent at `position` (1 to boutCount) of the wrestler's list.
    int opponent(int wrestler, int position) const { return slots_[slot(wrestler, position)]; }

    // The caller makes sure a != b, the pair is new and both lists have room;
    // a full list throws std::length_error rather than overflow.
    void addPairing(int a, int b);
    // Position of b in a's list, or 0.
    int findPairing(int a, int b) const;
    // Removes the pair from both lists, keeping the others in order.
    void removePairing(int a, int b);

private:
    std::size_t slot(int wrestler, int position) const
    {
        return static_cast<std::size_t>(wrestler) * static_cast<std::size_t>(capacity_)
            + static_cast<std::size_t>(position - 1);
    }
    void append(int wrestler, int opponent);
    void removeFrom(int wrestler, int opponent);

    int capacity_;
    std::vector<int> counts_;
    std::vector<int> slots_;
};

// Rows of numbers, numbered from 1 in both directions, as the matching and
// the mat scheduling sort them.
template <typename T> class NumberRows {
public:
    NumberRows(int rows, int columns)
        : rows_(rows)
        , columns_(columns)
        , cells_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns))
    {
    }
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    T& operator()(int row, int column) { return cells_[index(row, column)]; }
    T operator()(int row, int column) const { return cells_[index(row, column)]; }
    void swapRows(int a, int b)
    {
        for (int c = 1; c <= columns_; ++c)
            std::swap((*this)(a, c), (*this)(b, c));
    }

private:
    std::size_t index(int row, int column) const
    {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_)
            + static_cast<std::size_t>(column - 1);
    }

    int rows_;
    int columns_;
    std::vector<T> cells_;
};

using SingleRows = NumberRows<float>;
using IntegerRows = NumberRows<int>;

// The partition sort of rows first to last by one column. It is not stable;
// rows with equal keys end in the one order its steps give, which keeps
// every matching repeatable. Deep inputs loop instead of nesting.
template <typename T> void sortRows(NumberRows<T>& rows, int keyColumn, bool ascending, int first, int last)
{
    while (first < last) {
        const T pivot = rows(first, keyColumn);
        // Rows whose keys all equal the first one stay where they are, only
        // the steps below find that out one row at a time.
        int same = first + 1;
        while (same <= last && rows(same, keyColumn) == pivot)
            ++same;
        if (same > last)
            return;
        int i = first;
        int j = last + 1;
        while (true) {
            do {
                ++i;
            } while (!(ascending ? rows(i, keyColumn) >= pivot : rows(i, keyColumn) <= pivot) && i != last);
            do {
                --j;
            } while (!(ascending ? rows(j, keyColumn) < pivot : rows(j, keyColumn) > pivot) && j != first);
            if (i >= j)
                break;
            rows.swapRows(i, j);
        }
        if (j != first)
            rows.swapRows(first, j);
        // The two parts are sorted apart, so their order does not matter:
        // the smaller one nests and the larger one loops.
        if (j - first < last - j) {
            sortRows(rows, keyColumn, ascending, first, j - 1);
            first = j + 1;
        } else {
            sortRows(rows, keyColumn, ascending, j + 1, last);
            last = j - 1;
        }
    }
}

inline void sortSingleRows(SingleRows& rows, int keyColumn, bool ascending, int first, int last)
{
    sortRows(rows, keyColumn, ascending, first, last);
}

inline void sortIntegerRows(IntegerRows& rows, int keyColumn, bool ascending, int first, int last)
{
    sortRows(rows, keyColumn, ascending, first, last);
}

} // namespace korvanda
