#pragma once

#include "meet/Meet.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace korvanda {
class Shell;
}

namespace korvanda::soak {

// A result as a director types it, or a scorer taps it: a winner (1 or
// 2), a kind of win (the ResultType index) and points that fit it.
struct PickedResult {
    int winner = 0;
    int type = 0;
    std::string points[2];
};
PickedResult pickResult(std::mt19937_64& rng);

// A mat's scorer with a phone, between the director's actions. He holds
// one mat's card and sends results over loopback to the meet's server,
// now and then one again (a phone that lost the answer sends it again), or
// with his old card after "New Codes" until he is told to fetch the new one.
class SoakScorer {
public:
    // Starts serving `meet` as the director does when it is not served,
    // sends one result and checks the laptop's answer against the tables
    // `before` and now and against the restore file: every stored result
    // came from exactly one entry, and one confirmed is in the restore file.
    // Gives what is wrong, if anything.
    std::optional<std::string> send(
        Shell& shell, const Meet& meet, const Meet& before, const std::filesystem::path& folder, std::uint64_t seed);
    // The window thread's longest pass through its event loop while the
    // last result was on its way, in milliseconds.
    long long longestStall() const { return longestStall_; }
    int stored() const { return stored_; }
    // The program started again or opened another meet: the laptop knows
    // none of the results sent before.
    void forget() { entries_.clear(); }

private:
    struct Entry {
        std::string id;
        std::string body;
        int row = 0;
        // The bout's row as it was stored; compared with the restore file
        // when the laptop confirms the result.
        std::vector<std::string> storedRow;
        bool confirmed = false;
        // In the bout list but not yet confirmed (the restore file could
        // not be written), or waiting on the phone for a new card.
        bool unsaved = false;
        bool waiting = false;
    };

    std::optional<std::string> judge(Entry& entry, int status, const std::string& body, const Meet& before,
        const Meet& now, const std::filesystem::path& folder);

    // The card he holds: its mat, and its token (none once he was told it
    // is no longer valid).
    int mat_ = 0;
    std::string token_;
    std::vector<Entry> entries_;
    int nextId_ = 0;
    int stored_ = 0;
    long long longestStall_ = 0;
};

} // namespace korvanda::soak
