#pragma once

#include "meet/Meet.h"
#include "meetcheck/MeetCheck.h"

#include <map>
#include <memory>
#include <string>

namespace korvanda {

// The meet as the phones see it, made on the window thread after every
// change and never changed afterwards, so the server's threads read it
// without touching the tables.
struct MeetSnapshot {
    // Grows by one whenever what the phones see changes.
    long long version = 0;
    // The spectator page's data: the board, every bout with its mat, place
    // and estimated start, and the team tally.
    std::string meetJson;
    // Each mat's bouts in their order, for its scorer.
    std::map<int, std::string> matJson;
    // The spectator's data without its version: what tells whether
    // anything changed.
    std::string content;
};

// The snapshot of `meet` now. When the phones would see nothing new,
// `previous` itself comes back, so its version still answers "not modified".
std::shared_ptr<const MeetSnapshot> makeSnapshot(
    const Meet& meet, const CheckValues& values, std::shared_ptr<const MeetSnapshot> previous);

} // namespace korvanda
