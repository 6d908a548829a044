#pragma once

#include "matching/MatchSettings.h"
#include "meet/Meet.h"

#include <string>
#include <vector>

namespace korvanda {

// A present wrestler with fewer bouts than "Min Bouts", and the opponent
// "Find Best Hand Match" would give him.
struct ShortWrestler {
    int rosterRow = 0;
    std::string name;
    std::string team;
    std::string age;
    std::string weight;
    std::string skill;
    int bouts = 0;
    // The proposed opponent's roster row, or 0 when nobody may meet him.
    int proposedRow = 0;
    std::string proposedName;
    std::string proposedTeam;
    // The proposal breaks a "Max." difference limit of the Auto Match frame.
    bool outsideLimits = false;

    bool operator==(const ShortWrestler&) const = default;
};

struct ShortList {
    int minBouts = 0;
    std::vector<ShortWrestler> wrestlers;
    // A box of the Auto Match frame that kept the list or its marks from
    // being made, in that box's own message; empty when all is well.
    std::string problem;
};

// The short wrestlers in roster order. The proposal follows the criteria
// checks and "Max Bouts" of `settings` exactly as a hand match does.
ShortList shortOfBouts(const Meet& meet, const MatchSettings& settings);

} // namespace korvanda
