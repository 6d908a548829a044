#pragma once

#include <array>
#include <optional>
#include <string>

namespace korvanda {

class Dialogs;

// The eight limit boxes of the "Auto Match" frame, in the order they are
// checked before a matching starts.
enum class LimitBox {
    IdealDiffAge,
    MaxDiffAge,
    IdealDiffWeight,
    MaxDiffWeight,
    IdealDiffSkill,
    MaxDiffSkill,
    MinBouts,
    MaxBouts,
};
inline constexpr int limitBoxCount = 8;

// What the "Auto Match" frame and the team window's mat box hold, as the
// director typed it. The initial values are those of a fresh installation.
struct MatchSettings {
    bool ageOn = true;
    bool weightOn = true;
    bool skillOn = true;
    bool compositeOn = true;
    bool sameTeamAllowed = true;
    std::array<std::string, limitBoxCount> limits = { "0", "1", "7", "10", "0", "2", "1", "3" };
    std::string mats = "1";

    const std::string& limit(LimitBox box) const { return limits[static_cast<std::size_t>(box)]; }
    std::string& limit(LimitBox box) { return limits[static_cast<std::size_t>(box)]; }
};

// True when the first text is a number not below `floor` and the second is
// a number not below the first.
bool checkLimitPair(const std::string& first, const std::string& second, float floor);

// "Bad value for ideal age difference." and its seven siblings.
const char* limitBoxMessage(LimitBox box);

// Checks the pair the box belongs to, as when the director leaves the box;
// a bad pair is reported with the box's message and nothing is changed.
bool leaveLimitBox(const MatchSettings& settings, LimitBox box, Dialogs& dialogs);

// The settings as numbers, ready for a matching.
struct MatchValues {
    bool ageOn = true;
    bool weightOn = true;
    bool skillOn = true;
    bool compositeOn = true;
    bool sameTeamAllowed = true;
    float idealAge = 0;
    float maxAge = 0;
    // Weight limits as the largest allowed difference of log weights.
    float idealWeight = 0;
    float maxWeight = 0;
    float idealSkill = 0;
    float maxSkill = 0;
    int minBouts = 1;
    int maxBouts = 1;
    int mats = 1;
};

// The weight limit of p percent as a difference of log weights.
float weightLimit(float percent);

// A bout count box as the 16-bit whole number the matching works with; a
// value that does not fit is refused rather than wrapped.
std::optional<int> boutCount(const std::string& text);

// The mats the bouts are ordered for: the box's whole number held to 1 to 6
// as its spin control does, 1 when the box holds no number.
int matsFromText(const std::string& text);

// Reads every box. A box that holds no number, or bout counts (as whole
// numbers) outside 1 <= minimum <= maximum, are reported with the box's
// message and give nothing: a matching never runs on such values.
std::optional<MatchValues> readMatchValues(const MatchSettings& settings, Dialogs& dialogs);

} // namespace korvanda
