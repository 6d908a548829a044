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

namespace {

// The files one version leaves when it is written on its own.
Files filesOfVersion(int version)
{
    TempDir dir;
    SilentDialogs dialogs;
    writeEverything(meetVersion(version, dir.path()), dialogs);
    return filesIn(dir.path());
}

// A small generator of its own, so every run kills at the same moments.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    std::uint32_t roll(std::uint32_t below)
    {
        state_ = state_ * 1664525U + 1013904223U;
        return (state_ >> 8) % below;
    }

private:
    std::uint32_t state_;
};

} // namespace

TEST(CrashSafetyTest, EveryFileIsWholeAfterAKillAtAnyMoment)
{
    const Files first = filesOfVersion(1);
    const Files second = filesOfVersion(2);
    const std::set<std::string> written = {"Restore.Csv", "Teams.Csv",     "Tigers.Csv",     "Lions.Csv",
                                           "Roster.Txt",  "BoutList.Txt",  "ScoreList.Txt", "BoutSheets.Txt",
                                           "ScoreTally.Txt"};
    const std::map<std::string, std::string> backups = {
        {"Teams.Bak", "Teams.Csv"}, {"Tigers.Bak", "Tigers.Csv"}, {"Lions.Bak", "Lions.Csv"}};
    for (const auto& name : written)
        ASSERT_NE(first.at(name), second.at(name)) << name << " must differ between the versions";

    TempDir dir;
    const Meet versions[2] = {meetVersion(1, dir.path()), meetVersion(2, dir.path())};
    SilentDialogs dialogs;
    writeEverything(versions[0], dialogs);
    const auto started = std::chrono::steady_clock::now();
    writeEverything(versions[1], dialogs);
    const auto roundMicroseconds = static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count());

    Dice dice(20261205);
    int killedMidWrite = 0;
    std::set<std::string> restoreVersionsSeen;
    constexpr int kills = 220;
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            for (int round = kill;; ++round)
                writeEverything(versions[round % 2], dialogs);
        }
        // Anywhere within a round of writing; the rounds start with the
        // one version and the other in turn.
        ::usleep(dice.roll(roundMicroseconds + 1));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer stopped on its own";

        int temporaries = 0;
        const Files now = filesIn(dir.path(), &temporaries);
        killedMidWrite += temporaries > 0;
        for (const auto& name : written) {
            ASSERT_TRUE(now.contains(name)) << name << " is missing after kill " << kill;
            const std::string& bytes = now.at(name);
            ASSERT_TRUE(bytes == first.at(name) || bytes == second.at(name)) << name << " is torn after kill " << kill;
        }
        restoreVersionsSeen.insert(now.at("Restore.Csv"));
        for (const auto& [backup, file] : backups) {
            ASSERT_TRUE(now.contains(backup)) << backup << " is missing after kill " << kill;
            const std::string& bytes = now.at(backup);
            ASSERT_TRUE(bytes == first.at(file) || bytes == second.at(file))
                << backup << " is no complete earlier version after kill " << kill;
        }
    }
    EXPECT_GT(killedMidWrite, 0) << "no kill landed while a file was being written";
    EXPECT_EQ(restoreVersionsSeen.size(), 2u) << "the writer never got from one version to the other";

    // Whatever the kills left behind does not stand in the way of the next save.
    writeEverything(versions[0], dialogs);
    int temporaries = 0;
    const Files after = filesIn(dir.path(), &temporaries);
    EXPECT_EQ(temporaries, 0);
    for (const auto& name : written)
        EXPECT_EQ(after.at(name), first.at(name)) << name;
}
