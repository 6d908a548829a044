// Times the whole automatic matching on invented meets and checks that the
// fast matching gives the same bout list as the plain one, which weighs
// every wrestler for every choice and rescans the block for every gap. The
// plain one is run only where it ends within a few minutes. Times are
// seconds of processor time, which a loaded machine disturbs least.
#include "Clocks.h"
#include "Dice.h"
#include "matching/AutoMatch.h"
#include "matching/MatchSettings.h"
#include "matching/PairingMeasures.h"
#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"

#include <array>
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

// A meet of this many wrestlers spread over `teams` teams in turn, so that
// as many teams as wrestlers gives teams of one.
Meet inventMeet(int wrestlers, int teams, std::uint32_t seed)
{
    Meet meet;
    meet.teamList.removeRow(1);
    meet.roster.removeRow(1);
    for (int t = 1; t <= teams; ++t)
        meet.teamList.appendRow(
            "Team " + std::to_string(t) + "\tT" + std::to_string(t) + "\tCoach\tteam" + std::to_string(t));
    Dice dice(seed);
    for (int w = 1; w <= wrestlers; ++w) {
        const int age = dice.roll(6, 14);
        const int weight = (40 + 8 * age) * dice.roll(85, 120) / 100;
        const int skill = dice.roll(1, 5);
        const std::string ageText = tenthsText(static_cast<float>(age));
        const std::string weightText = std::to_string(weight);
        const std::string skillText = tenthsText(static_cast<float>(skill));
        meet.roster.appendRow("Wrestler " + std::to_string(w) + "\t" + ageText + "\t" + weightText + "\t" + skillText
            + "\tT" + std::to_string(1 + w % teams) + "\t" + compositeValue(ageText, weightText, skillText)
            + "\tYes\t");
    }
    return meet;
}

// The processor time of each step the progress bar shows: the three
// pairing stages, the bout list, then both rest improvements of both blocks.
using Steps = std::array<double, 8>;

double timedMatch(Meet& meet, const MatchValues& values, RestOrdering ordering, Steps* steps = nullptr)
{
    SilentDialogs dialogs;
    const auto entrants = collectEntrants(meet, dialogs);
    if (!entrants)
        std::exit(1);
    const double start = cpuSeconds();
    double last = start;
    std::size_t step = 0;
    autoMatch(
        meet, values, *entrants, dialogs,
        [&](int value) {
            const double now = cpuSeconds();
            if (steps && value > 0 && step < steps->size())
                (*steps)[step++] = now - last;
            last = now;
        },
        ordering);
    return cpuSeconds() - start;
}

MatchValues valuesOf(const char* minBouts, const char* maxBouts, const char* mats)
{
    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = minBouts;
    settings.limit(LimitBox::MaxBouts) = maxBouts;
    settings.mats = mats;
    SilentDialogs dialogs;
    const auto values = readMatchValues(settings, dialogs);
    if (!values)
        std::exit(1);
    return *values;
}

} // namespace

int main()
{
    // Each line shows as soon as it is measured, even into a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("Eight teams, 2 to 3 bouts, 6 mats (processor seconds)\n");
    std::printf("%10s %8s %10s %10s %8s\n", "wrestlers", "bouts", "fast", "plain", "ratio");
    const MatchValues usual = valuesOf("2", "3", "6");
    bool allSame = true;
    for (int wrestlers : { 100, 250, 500, 1000, 2000, 3000 }) {
        Meet fast = inventMeet(wrestlers, 8, 12345);
        Steps steps {};
        const double fastSeconds = timedMatch(fast, usual, RestOrdering::Fast, &steps);
        const int bouts = fast.boutGrid.rowCount() - 1;
        if (wrestlers > 500) {
            std::printf("%10d %8d %10.4f %10s %8s\n", wrestlers, bouts, fastSeconds, "-", "-");
        } else {
            Meet plain = inventMeet(wrestlers, 8, 12345);
            const double plainSeconds = timedMatch(plain, usual, RestOrdering::Plain);
            const bool same = fast.boutGrid == plain.boutGrid && fast.roster == plain.roster;
            allSame = allSame && same;
            std::printf("%10d %8d %10.4f %10.4f %8.1f%s\n", wrestlers, bouts, fastSeconds, plainSeconds,
                plainSeconds / fastSeconds, same ? "" : "  DIFFERENT BOUT LISTS");
        }
        if (wrestlers == 2000)
            std::printf("%10s pairing %.4f %.4f %.4f, bout list %.4f, rest between teams %.4f %.4f, "
                        "within teams %.4f %.4f\n"
                        "%10s goal under 0.1; before (commit 3c02c52) 0.1135: pairing 0.0144, rest 0.0939\n",
                "", steps[0], steps[1], steps[2], steps[3], steps[4], steps[5], steps[6], steps[7], "");
    }

    // Random meets of the shapes the shortcuts skip most in, up to 3,000
    // wrestlers; the plain matching where it ends within a few minutes.
    const struct {
        const char* shape;
        int teams;
        MatchValues values;
        int plainUpTo;
    } shapes[] = {
        { "one bout each, 1 mat", 8, valuesOf("1", "1", "1"), 3000 },
        { "the maximum each, 6 mats", 8, valuesOf("3", "3", "6"), 1000 },
        { "teams of one, 2 mats", 0, valuesOf("2", "3", "2"), 1000 },
        { "two teams, 1 to 4 bouts, 3 mats", 2, valuesOf("1", "4", "3"), 1000 },
    };
    std::printf("\nRandom meets (processor seconds)\n");
    std::printf("%-32s %10s %8s %10s %10s\n", "shape", "wrestlers", "bouts", "fast", "plain");
    for (const auto& s : shapes) {
        for (int wrestlers : { 300, 1000, 3000 }) {
            const auto seed = static_cast<std::uint32_t>(wrestlers) * 7919U + static_cast<std::uint32_t>(s.teams);
            const int teams = s.teams > 0 ? s.teams : wrestlers;
            Meet fast = inventMeet(wrestlers, teams, seed);
            const double fastSeconds = timedMatch(fast, s.values, RestOrdering::Fast);
            const int bouts = fast.boutGrid.rowCount() - 1;
            if (wrestlers > s.plainUpTo) {
                std::printf("%-32s %10d %8d %10.4f %10s\n", s.shape, wrestlers, bouts, fastSeconds, "-");
                continue;
            }
            Meet plain = inventMeet(wrestlers, teams, seed);
            const double plainSeconds = timedMatch(plain, s.values, RestOrdering::Plain);
            const bool same = fast.boutGrid == plain.boutGrid && fast.roster == plain.roster;
            allSame = allSame && same;
            std::printf("%-32s %10d %8d %10.4f %10.4f%s\n", s.shape, wrestlers, bouts, fastSeconds, plainSeconds,
                same ? "" : "  DIFFERENT BOUT LISTS");
        }
    }
    return allSame ? 0 : 1;
}
