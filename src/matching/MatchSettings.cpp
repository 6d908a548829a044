#include "matching/MatchSettings.h"

#include "meet/Dialogs.h"
#include "meet/Numbers.h"

#include <algorithm>
#include <cmath>

namespace korvanda {

namespace {

struct LimitPair {
    LimitBox first;
    LimitBox second;
    float floor;
};

LimitPair pairOf(LimitBox box)
{
    switch (box) {
    case LimitBox::IdealDiffAge:
    case LimitBox::MaxDiffAge:
        return { LimitBox::IdealDiffAge, LimitBox::MaxDiffAge, 0 };
    case LimitBox::IdealDiffWeight:
    case LimitBox::MaxDiffWeight:
        return { LimitBox::IdealDiffWeight, LimitBox::MaxDiffWeight, 0 };
    case LimitBox::IdealDiffSkill:
    case LimitBox::MaxDiffSkill:
        return { LimitBox::IdealDiffSkill, LimitBox::MaxDiffSkill, 0 };
    case LimitBox::MinBouts:
    case LimitBox::MaxBouts:
        break;
    }
    return { LimitBox::MinBouts, LimitBox::MaxBouts, 1 };
}

} // namespace

std::optional<int> boutCount(const std::string& text)
{
    const auto value = readSingle(text);
    if (!value)
        return std::nullopt;
    const double whole = roundHalfEven(*value);
    if (whole < -32768 || whole > 32767)
        return std::nullopt;
    return static_cast<int>(whole);
}

bool checkLimitPair(const std::string& first, const std::string& second, float floor)
{
    const auto low = readSingle(first);
    if (!low || *low < floor)
        return false;
    const auto high = readSingle(second);
    return high && !(*high < *low);
}

const char* limitBoxMessage(LimitBox box)
{
    switch (box) {
    case LimitBox::IdealDiffAge:
        return "Bad value for ideal age difference.";
    case LimitBox::MaxDiffAge:
        return "Bad value for maximum age difference.";
    case LimitBox::IdealDiffWeight:
        return "Bad value for ideal weight difference.";
    case LimitBox::MaxDiffWeight:
        return "Bad value for maximum weight difference.";
    case LimitBox::IdealDiffSkill:
        return "Bad value for ideal skill difference.";
    case LimitBox::MaxDiffSkill:
        return "Bad value for maximum skill difference.";
    case LimitBox::MinBouts:
        return "Bad value for minimum bouts.";
    case LimitBox::MaxBouts:
        break;
    }
    return "Bad value for maximum bouts.";
}

bool leaveLimitBox(const MatchSettings& settings, LimitBox box, Dialogs& dialogs)
{
    const LimitPair pair = pairOf(box);
    if (checkLimitPair(settings.limit(pair.first), settings.limit(pair.second), pair.floor))
        return true;
    dialogs.inform(limitBoxMessage(box));
    return false;
}

float weightLimit(float percent)
{
    return static_cast<float>(std::log(1 + static_cast<double>(percent) / 100));
}

int matsFromText(const std::string& text)
{
    const auto value = readSingle(text);
    if (!value)
        return 1;
    return static_cast<int>(std::clamp(roundHalfEven(*value), 1.0, 6.0));
}

std::optional<MatchValues> readMatchValues(const MatchSettings& settings, Dialogs& dialogs)
{
    auto refuse = [&](LimitBox box) {
        dialogs.inform(limitBoxMessage(box));
        return std::nullopt;
    };
    std::array<float, 6> limits {};
    for (int b = 0; b < 6; ++b) {
        const auto value = readSingle(settings.limits[static_cast<std::size_t>(b)]);
        if (!value)
            return refuse(static_cast<LimitBox>(b));
        limits[static_cast<std::size_t>(b)] = *value;
    }
    const auto minBouts = boutCount(settings.limit(LimitBox::MinBouts));
    if (!minBouts || *minBouts < 1)
        return refuse(LimitBox::MinBouts);
    const auto maxBouts = boutCount(settings.limit(LimitBox::MaxBouts));
    if (!maxBouts || *maxBouts < *minBouts)
        return refuse(LimitBox::MaxBouts);

    MatchValues values;
    values.ageOn = settings.ageOn;
    values.weightOn = settings.weightOn;
    values.skillOn = settings.skillOn;
    values.compositeOn = settings.compositeOn;
    values.sameTeamAllowed = settings.sameTeamAllowed;
    values.idealAge = limits[0];
    values.maxAge = limits[1];
    values.idealWeight = weightLimit(limits[2]);
    values.maxWeight = weightLimit(limits[3]);
    values.idealSkill = limits[4];
    values.maxSkill = limits[5];
    values.minBouts = *minBouts;
    values.maxBouts = *maxBouts;
    values.mats = matsFromText(settings.mats);
    return values;
}

} // namespace korvanda
