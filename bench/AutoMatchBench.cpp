// Times the whole automatic matching on invented meets of eight teams and
// checks that the fast rest ordering gives the same bout list as the plain
// one, which rescans the block for every gap.
#include "Dice.h"
#include "matching/AutoMatch.h"
#include "matching/MatchSettings.h"
#include "matching/PairingMeasures.h"
#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace korvanda;

namespace {

class SilentDialogs : public Dialogs {
public:
    void inform(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void warn(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool ask(const std::string&) override { return true; }
};

Meet inventMeet(int wrestlers)
{
    Meet meet;
    meet.teamList.removeRow(1);
    meet.roster.removeRow(1);
    for (int t = 1; t <= 8; ++t)
        meet.teamList.appendRow(
            "Team " + std::to_string(t) + "\tT" + std::to_string(t) + "\tCoach\tteam" + std::to_string(t));
    Dice dice(12345);
    for (int w = 1; w <= wrestlers; ++w) {
        const int age = dice.roll(6, 14);
        const int weight = (40 + 8 * age) * dice.roll(85, 120) / 100;
        const int skill = dice.roll(1, 5);
        const std::string ageText = tenthsText(static_cast<float>(age));
        const std::string weightText = std::to_string(weight);
        const std::string skillText = tenthsText(static_cast<float>(skill));
        meet.roster.appendRow("Wrestler " + std::to_string(w) + "\t" + ageText + "\t" + weightText + "\t" + skillText
            + "\tT" + std::to_string(1 + w % 8) + "\t" + compositeValue(ageText, weightText, skillText) + "\tYes\t");
    }
    return meet;
}

double timedMatch(Meet& meet, const MatchValues& values, RestOrdering ordering)
{
    SilentDialogs dialogs;
    const auto entrants = collectEntrants(meet, dialogs);
    if (!entrants)
        std::exit(1);
    const auto start = std::chrono::steady_clock::now();
    autoMatch(meet, values, *entrants, dialogs, {}, ordering);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main()
{
    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "2";
    settings.limit(LimitBox::MaxBouts) = "3";
    settings.mats = "6";
    SilentDialogs dialogs;
    const auto values = readMatchValues(settings, dialogs);
    if (!values)
        return 1;

    std::printf("%10s %8s %12s %12s %8s\n", "wrestlers", "bouts", "fast s", "plain s", "ratio");
    bool allSame = true;
    for (int wrestlers : { 100, 250, 500, 1000, 2000 }) {
        Meet fast = inventMeet(wrestlers);
        const double fastSeconds = timedMatch(fast, *values, RestOrdering::Fast);
        const int bouts = fast.boutGrid.rowCount() - 1;
        if (wrestlers > 500) {
            std::printf("%10d %8d %12.4f %12s %8s\n", wrestlers, bouts, fastSeconds, "-", "-");
            continue;
        }
        Meet plain = inventMeet(wrestlers);
        const double plainSeconds = timedMatch(plain, *values, RestOrdering::Plain);
        const bool same = fast.boutGrid == plain.boutGrid && fast.roster == plain.roster;
        allSame = allSame && same;
        std::printf("%10d %8d %12.4f %12.4f %8.1f%s\n", wrestlers, bouts, fastSeconds, plainSeconds,
            plainSeconds / fastSeconds, same ? "" : "  DIFFERENT BOUT LISTS");
    }
    return allSame ? 0 : 1;
}
