#pragma once

#include "matching/MatchSettings.h"
#include "matching/PairingMeasures.h"

#include <functional>
#include <optional>
#include <vector>

namespace korvanda {

class Dialogs;
struct Meet;

// Receives the progress of a matching, 0 to 100, for the progress bar.
using MatchProgress = std::function<void(int)>;

// How the bouts are made and ordered for rest. Both give the same bouts in
// the same order; Plain weighs every wrestler for every choice of opponent
// and rescans the block for every gap, and serves to check Fast.
enum class RestOrdering { Fast, Plain };

// The present wrestlers in roster order; entrant k - 1 is wrestler k. Gives
// nothing, after telling the director, when nobody is present or when a
// present wrestler's age, weight, skill or composite value is no number or
// his weight is not above 0.
std::optional<std::vector<MatchEntrant>> collectEntrants(const Meet& meet, Dialogs& dialogs);

// The repeatable value in [0, 1) that shuffles the bouts, fixed by the seed.
float shuffleValue(float seed);

// Pairs the entrants in three widening stages, orders the bouts for rest
// and writes them as the new bout list, inter-team bouts first; every Bouts
// cell of the roster is rewritten. When no bout at all can be made, the
// director is warned, the tables stay as they were and the result is false.
bool autoMatch(Meet& meet, const MatchValues& values, const std::vector<MatchEntrant>& entrants, Dialogs& dialogs,
    const MatchProgress& progress, RestOrdering ordering = RestOrdering::Fast);

} // namespace korvanda
