// The two costs of keeping the meet's history. A whole meet day of a
// 500-wrestler meet (load, Match, schedule, every result typed in, Write
// Files now and then, a few hand matches and removed bouts, a second Match)
// must leave a History folder under 50 MB; and keeping one state of a
// 2,000-wrestler meet must not make an action noticeably slower, so the
// milliseconds of "Accept" with the history and of writing the restore file
// alone are printed side by side.
#include "CountingDialogs.h"
#include "Dice.h"
#include "bouts/MatSchedule.h"
#include "bouts/ResultEntry.h"
#include "bouts/WriteFiles.h"
#include "handmatch/BoutRemoval.h"
#include "meet/MeetHistory.h"
#include "matching/MatchCommand.h"
#include "matching/MatchSettings.h"
#include "meet/Meet.h"
#include "meet/RestoreFile.h"
#include "meet/TextFile.h"
#include "teams/RosterImport.h"
#include "teams/TeamFiles.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace korvanda;

namespace {

void fail(const char* what)
{
    std::fprintf(stderr, "FAILED: %s\n", what);
    std::exit(1);
}

// Ten teams of real-looking names, so the packing is measured on text like a meet's.
void writeTeamFiles(const std::filesystem::path& directory, int wrestlers)
{
    static const char* const first[] = { "Aiden", "Ben", "Caleb", "Dylan", "Ethan", "Finn", "Gavin", "Henry", "Isaac",
        "Jack", "Kyle", "Liam", "Mason", "Noah", "Owen", "Parker", "Quinn", "Ryan", "Sam", "Tyler", "Wyatt", "Zach" };
    static const char* const last[] = { "Anderson", "Brooks", "Carter", "Dalton", "Evans", "Fischer", "Garcia",
        "Hughes", "Ingram", "Jensen", "Keller", "Lopez", "Miller", "Nolan", "Ortiz", "Porter", "Reyes", "Schmidt",
        "Turner", "Walsh", "Young", "Zimmerman" };
    Dice dice(20261207);
    std::string list;
    const int teams = 10;
    for (int t = 1; t <= teams; ++t) {
        const std::string name = "Club" + std::to_string(t);
        list += "\"" + name + " Wrestling Club\",\"C" + std::to_string(t) + "\",\"Coach " + std::to_string(t) + "\",\""
            + name + "\"\r\n";
        std::string roster;
        for (int w = 1; w <= wrestlers / teams; ++w) {
            const int age = dice.roll(6, 14);
            const int weight = (40 + 8 * age) * dice.roll(85, 120) / 100;
            roster += std::string("\"") + first[dice.roll(0, 21)] + " " + last[dice.roll(0, 21)] + " "
                + std::to_string(t) + "-" + std::to_string(w) + "\",\"" + std::to_string(age) + "\",\""
                + std::to_string(weight) + "\",\"" + std::to_string(dice.roll(1, 5)) + "\"\r\n";
        }
        if (!saveFileSafely(directory / (name + ".Csv"), roster))
            fail("writing a team file");
    }
    if (!saveFileSafely(directory / teamListFileName, list))
        fail("writing Teams.Csv");
}

// A decision for wrestler 1 or 2, as the bout window's Accept stores it.
bool typeResult(Meet& meet, int bout, CountingDialogs& dialogs)
{
    ResultEntry entry;
    entry.boutNumber = std::to_string(bout);
    entry.winner = 1 + bout % 2;
    entry.resultType = ResultType::Decision;
    entry.points1 = entry.winner == 1 ? "7" : "3";
    entry.points2 = entry.winner == 1 ? "3" : "7";
    return acceptResult(meet, entry, dialogs);
}

std::uintmax_t folderBytes(const std::filesystem::path& folder, int& files)
{
    std::uintmax_t bytes = 0;
    files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        bytes += entry.file_size();
        ++files;
    }
    return bytes;
}

// A meet of that many wrestlers in a folder of its own, loaded, matched
// and put on four mats.
Meet matchedMeet(const char* name, int wrestlers, CountingDialogs& dialogs)
{
    Meet meet;
    meet.directory = std::filesystem::temp_directory_path()
        / ("korvanda-history-" + std::string(name) + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(meet.directory);
    std::filesystem::create_directories(meet.directory);
    writeTeamFiles(meet.directory, wrestlers);
    readTeamList(meet);
    if (!loadRosters(meet, true, dialogs))
        fail("the import stopped");
    MatchSettings settings;
    settings.limit(LimitBox::MinBouts) = "2";
    settings.limit(LimitBox::MaxBouts) = "3";
    if (!runMatch(meet, settings, dialogs, {}))
        fail("the matching");
    MatSchedule schedule;
    if (!scheduleBouts(meet, "4", false, dialogs, schedule))
        fail("the scheduling");
    return meet;
}

void meetDay()
{
    CountingDialogs dialogs(true);
    Meet meet = matchedMeet("day", 500, dialogs);
    const auto directory = meet.directory;
    const ListOptions options { .omitAbsents = true, .skillsOnBLists = true, .skillsOnBSheets = true };
    const PrintDate today { "Monday", "Dec", 7, 2026 };
    // The day twice over: a second Match after the first round of results
    // throws them away, and the second round is scored again.
    for (int round = 0; round < 2; ++round) {
        for (int bout = 1; bout < meet.boutGrid.rowCount(); ++bout) {
            if (!typeResult(meet, bout, dialogs))
                fail("a result was refused");
            if (bout % 25 == 0)
                writeFiles(meet, options, today, dialogs);
            if (bout % 100 == 0)
                removeLastBout(meet, dialogs);
        }
        if (round == 0) {
            MatchSettings settings;
            if (!runMatch(meet, settings, dialogs, {}))
                fail("the second matching");
        }
    }
    int states = 0;
    const double megabytes = static_cast<double>(folderBytes(directory / historyFolderName, states)) / 1e6;
    std::printf("meet day of 500 wrestlers: %d states kept, History %.1f MB (limit 50 MB)\n", states, megabytes);
    std::filesystem::remove_all(directory);
    if (megabytes >= 50)
        fail("the history of a meet day is too large");
}

void largeMeet()
{
    CountingDialogs dialogs(true);
    Meet meet = matchedMeet("large", 2000, dialogs);
    const auto directory = meet.directory;
    const int results = 40;
    const auto accept = [&](int from) {
        const auto start = std::chrono::steady_clock::now();
        for (int bout = from; bout < from + results; ++bout)
            if (!typeResult(meet, bout, dialogs))
                fail("a result was refused");
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / results;
    };
    const double withHistory = accept(1);
    // What the same Accept cost before the history: the restore file alone.
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < results; ++k)
        if (!saveFileSafely(directory / restoreFileName, restoreFileText(meet)))
            fail("writing the restore file");
    const double restoreOnly
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / results;
    std::printf("2,000 wrestlers, %d bouts: Accept %.1f ms with the history, %.1f ms with the restore file alone\n",
        meet.boutGrid.rowCount() - 1, withHistory, restoreOnly);
    std::filesystem::remove_all(directory);
}

} // namespace

int main()
{
    meetDay();
    largeMeet();
    return 0;
}
