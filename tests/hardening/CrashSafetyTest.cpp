// A laptop that dies mid-meet: a child process writes the restore file, the
// team files and the printed lists over and over, switching between two
// versions of a meet, and is killed at random moments. After every kill each
// file must be whole, the one version or the other, and every backup a
// complete earlier version.
#include "HardeningMeets.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <set>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

using namespace korvanda;

TEST(CrashSafetyTest, EveryFileIsWholeAfterAKillAtAnyMoment)
{
    FakeDialogs dialogs;
    Files version[2];
    for (int v = 0; v < 2; ++v) {
        TempDir alone;
        writeEverything(meetVersion(v + 1, alone.path()), dialogs);
        version[v] = filesIn(alone.path());
    }
    // Each backup with the file whose earlier version it holds.
    const std::map<std::string, std::string> written = {
        {"Restore.Csv", "Restore.Csv"}, {"Teams.Csv", "Teams.Csv"},   {"Tigers.Csv", "Tigers.Csv"},
        {"Lions.Csv", "Lions.Csv"},     {"Roster.Txt", "Roster.Txt"}, {"BoutList.Txt", "BoutList.Txt"},
        {"ScoreList.Txt", "ScoreList.Txt"}, {"BoutSheets.Txt", "BoutSheets.Txt"},
        {"ScoreTally.Txt", "ScoreTally.Txt"}, {"Teams.Bak", "Teams.Csv"}, {"Tigers.Bak", "Tigers.Csv"},
        {"Lions.Bak", "Lions.Csv"}};
    for (const auto& [name, file] : written)
        ASSERT_NE(version[0].at(file), version[1].at(file)) << file << " must differ between the versions";

    TempDir dir;
    const Meet versions[2] = {meetVersion(1, dir.path()), meetVersion(2, dir.path())};
    writeEverything(versions[0], dialogs);
    const auto started = std::chrono::steady_clock::now();
    writeEverything(versions[1], dialogs);
    const auto roundMicroseconds = static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count());

    // A generator of its own with a fixed seed, so every run kills at the same moments.
    std::uint32_t dice = 20261205;
    int killedMidWrite = 0;
    std::set<std::string> restoreVersionsSeen;
    for (int kill = 0; kill < 220; ++kill) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0)
            for (int round = kill;; ++round)
                writeEverything(versions[round % 2], dialogs);
        dice = dice * 1664525U + 1013904223U;
        ::usleep((dice >> 8) % (roundMicroseconds + 1));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer stopped on its own";

        int temporaries = 0;
        const Files now = filesIn(dir.path(), &temporaries);
        killedMidWrite += temporaries > 0;
        for (const auto& [name, file] : written) {
            ASSERT_TRUE(now.contains(name)) << name << " is missing after kill " << kill;
            ASSERT_TRUE(now.at(name) == version[0].at(file) || now.at(name) == version[1].at(file))
                << name << " is torn after kill " << kill;
        }
        restoreVersionsSeen.insert(now.at("Restore.Csv"));
    }
    EXPECT_GT(killedMidWrite, 0) << "no kill landed while a file was being written";
    EXPECT_EQ(restoreVersionsSeen.size(), 2u) << "the writer never got from one version to the other";

    // Whatever the kills left behind does not stand in the way of the next save.
    writeEverything(versions[0], dialogs);
    int temporaries = 0;
    const Files after = filesIn(dir.path(), &temporaries);
    EXPECT_EQ(temporaries, 0);
    for (const auto& [name, file] : written)
        if (name == file)
            EXPECT_EQ(after.at(name), version[0].at(name)) << name;
}
