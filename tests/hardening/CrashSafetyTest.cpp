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

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace korvanda;

TEST(CrashSafetyTest, EveryFileIsWholeAfterAKillAtAnyMoment)
{
#ifdef _WIN32
    GTEST_SKIP() << "killing a writer at a random moment needs fork and SIGKILL, which Windows does not have";
#else
    FakeDialogs dialogs;
    Files version[2];
    for (int v = 0; v < 2; ++v) {
        TempDir alone;
        writeEverything(meetVersion(v + 1, alone.path()), dialogs);
        version[v] = filesIn(alone.path());
    }
    const std::set<std::string> written = { "Restore.Csv", "Teams.Csv", "Tigers.Csv", "Lions.Csv", "Roster.Txt",
        "BoutList.Txt", "ScoreList.Txt", "BoutSheets.Txt", "ScoreTally.Txt", "Teams.Bak", "Tigers.Bak", "Lions.Bak" };

    TempDir dir;
    const Meet versions[2] = { meetVersion(1, dir.path()), meetVersion(2, dir.path()) };
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
        // Now and then the parent waits for a whole round first, so the files
        // move between the versions however slowly a loaded machine writes.
        int roundDone[2];
        ASSERT_EQ(::pipe(roundDone), 0);
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            ::close(roundDone[0]);
            for (int round = kill;; ++round) {
                writeEverything(versions[round % 2], dialogs);
                if (::write(roundDone[1], "r", 1) != 1)
                    ::_exit(1);
            }
        }
        ::close(roundDone[1]);
        if (kill % 11 == 0) {
            char round = 0;
            ASSERT_EQ(::read(roundDone[0], &round, 1), 1);
        }
        dice = dice * 1664525U + 1013904223U;
        ::usleep((dice >> 8) % (roundMicroseconds + 1));
        ::kill(child, SIGKILL);
        ::close(roundDone[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer stopped on its own";

        int temporaries = 0;
        const Files now = filesIn(dir.path(), &temporaries);
        killedMidWrite += temporaries > 0;
        for (const auto& name : written) {
            ASSERT_TRUE(now.contains(name)) << name << " is missing after kill " << kill;
            const std::string& bytes = now.at(name);
            ASSERT_TRUE(bytes == version[0].at(sourceOf(name)) || bytes == version[1].at(sourceOf(name)))
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
    for (const auto& name : written) {
        if (name == sourceOf(name)) {
            EXPECT_EQ(after.at(name), version[0].at(name)) << name;
        }
    }
#endif
}
