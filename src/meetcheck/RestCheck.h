#pragma once

#include "meet/Table.h"

#include <set>
#include <string>
#include <vector>

namespace korvanda {

// A wrestler's two bouts that lie closest together on the mats.
struct RestGap {
    std::string name;
    std::string team;
    // Time slots strictly between the two bouts (slot difference minus one):
    // back to back is 0, the same slot on two mats is -1.
    int rest = 0;
    int firstBout = 0;
    int firstMat = 0;
    int secondBout = 0;
    int secondMat = 0;

    bool operator==(const RestGap&) const = default;
};

// For every wrestler with two bouts or more on the mats, his closest pair,
// the worst rest first; a bout's time slot is its place on its mat.
std::vector<RestGap> restGaps(const Table& boutGrid);

// The bouts of every pair of one wrestler's bouts with less than
// `minimumRest` slots between them, to be marked on the mat tables.
std::set<int> shortRestBouts(const Table& boutGrid, int minimumRest);

} // namespace korvanda
