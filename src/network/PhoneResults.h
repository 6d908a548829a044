#pragma once

#include "meet/Meet.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace korvanda {

// A result as a mat's scorer sent it from a phone. Texts are Latin-1.
struct PhoneResult {
    // Made by the phone once per result, so a result sent twice is known.
    std::string id;
    // The mat whose card the phone holds.
    int mat = 0;
    int bout = 0;
    // The two wrestlers the scorer saw when he entered the result.
    std::string name1;
    std::string name2;
    // 0 for neither, else 1 (Red) or 2 (Green).
    int winner = 0;
    // The ResultType index 1 to 8.
    int resultType = 0;
    std::string points1;
    std::string points2;
};

// What the phone is told.
struct PhoneAnswer {
    // In the bout list and in the restore file.
    bool stored = false;
    // The same result had been stored before; nothing changed now.
    bool again = false;
    // Not stored for now; the phone keeps it and sends it again.
    bool retry = false;
    // Why it was refused, as the scorer reads it.
    std::vector<std::string> messages;
};

// The results that came in over the network. Lives on the window thread
// beside the meet; every result goes through the same checks and the same
// storing as "Accept" on the bout window.
class PhoneResults {
public:
    PhoneAnswer store(Meet& meet, const PhoneResult& result);

private:
    // Results in the restore file, by id.
    std::set<std::string> confirmed_;
    // Results in the bout list whose restore file could not be written,
    // with their bout's row as they left it: a re-send writes the file
    // again while the bout still holds the result, and is taken afresh once
    // the table changed it.
    std::map<std::string, std::vector<std::string>> unsaved_;
};

} // namespace korvanda
