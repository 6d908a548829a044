#include "meet/MeetHistory.h"
#include "bouts/ResultEntry.h"
#include "bouts/WriteFiles.h"
#include "handmatch/HandMatchList.h"
#include "history/BringBack.h"
#include "matching/MatchCommand.h"
#include "meet/RestoreFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"
#include "teams/RosterImport.h"
#include "teams/TeamFiles.h"

#include <gtest/gtest.h>

#include <csignal>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace korvanda;

namespace {

std::vector<std::string> causesOf(const HistoryListing& listing)
{
    std::vector<std::string> causes;
    for (const auto& state : listing.states)
        causes.push_back(state.cause);
    return causes;
}

} // namespace

TEST(MeetHistoryTest, BringsBackTheStateBeforeASecondMatchByteForByte)
{
    TempDir dir;
    std::filesystem::copy(KORVANDA_DEMO_MEET, dir.path());
    FakeDialogs dialogs;
    Meet meet;
    meet.directory = dir.path();
    readTeamList(meet);
    ASSERT_TRUE(loadRosters(meet, true, dialogs));
    ASSERT_TRUE(runMatch(meet, {}, dialogs, {}));
    HandMatchList list;
    for (int row : { 1, 2 }) {
        const Table& r = meet.roster;
        list.selectRow(row);
        list.pickWrestler(meet,
            { r.cell(row, 0), r.cell(row, 1), r.cell(row, 2), r.cell(row, 3), r.cell(row, 4), true }, {}, dialogs);
    }
    ASSERT_TRUE(list.makeHandBout(meet, dialogs));
    ResultEntry result;
    result.boutNumber = "2";
    result.points1 = "3";
    result.points2 = "1";
    result.winner = 1;
    result.resultType = ResultType::Decision;
    ASSERT_TRUE(acceptResult(meet, result, dialogs));
    const int bouts = meet.boutGrid.rowCount() - 1;
    // Write Files changes nothing, so no second copy of the same state.
    writeFiles(meet, {}, {}, dialogs);
    const std::string beforeMatch = dir.read(restoreFileName);
    dialogs.queueAnswers({ true });
    ASSERT_TRUE(runMatch(meet, {}, dialogs, {}));
    ASSERT_NE(dir.read(restoreFileName), beforeMatch);

    const MeetHistory history(dir.path());
    const HistoryListing listing = history.list();
    const std::vector<std::string> expected
        = { "Match", "Accept bout 2", "Hand match bout " + std::to_string(bouts), "Match", "Load Rosters" };
    EXPECT_EQ(causesOf(listing), expected);
    EXPECT_EQ(listing.states[1].counts.bouts, bouts);
    EXPECT_EQ(listing.states[1].counts.results, 1);

    dialogs.queueAnswers({ false, true });
    EXPECT_FALSE(bringBack(meet, history, listing.states[1], dialogs));
    EXPECT_TRUE(bringBack(meet, history, listing.states[1], dialogs));
    EXPECT_EQ(dir.read(restoreFileName), beforeMatch);
    EXPECT_EQ(restoreFileText(meet), beforeMatch);
    EXPECT_TRUE(dialogs.questions.back().starts_with("Bring back the meet as it was at "));
    EXPECT_TRUE(dialogs.questions.back().ends_with(" (after Accept bout 2)?"));
    EXPECT_TRUE(history.list().states.front().cause.starts_with("Bring Back "));
}

TEST(MeetHistoryTest, AKilledWriterATornStateAndGarbageLeaveTheRestUsable)
{
    TempDir dir;
    const MeetHistory history(dir.path());
    const auto text = [](int n) { return "state " + std::to_string(n) + std::string(5000, 'x') + "\r\n"; };
    for (int n = 1; n <= 4; ++n)
        ASSERT_TRUE(history.keep(text(n), { n, n, 0 }, "Accept bout " + std::to_string(n), 0));
#ifndef _WIN32
    // A writer killed at any moment leaves whole states, or a temporary
    // that is no state at all.
    for (int kill = 0; kill < 20; ++kill) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0)
            for (int n = 0;; ++n)
                history.keep(text(100 + n % 2), {}, "Remove Last", 0);
        ::usleep(1000 + 2000 * static_cast<unsigned>(kill));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        for (const auto& state : history.list().states)
            ASSERT_TRUE(history.text(state)) << state.file << " after kill " << kill;
    }
#endif
    const auto listing = history.list();
    ASSERT_TRUE(listing.damaged.empty());
    // A disk that lost the end of the newest state, and garbage among them.
    const auto newest = listing.states.front().file;
    std::filesystem::resize_file(newest, std::filesystem::file_size(newest) - 7);
    dir.write("History/000002.Kvs", "Korvanda kept state\t1\t0\t9\t9\t9\tgarbage\r\n\x01\x02");
    FakeDialogs dialogs;
    const HistoryListing after = history.list();
    reportDamaged(history, after.damaged, dialogs);
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_NE(dialogs.warnings[0].find(newest.filename().string() + ", 000002.Kvs."), std::string::npos);
    EXPECT_EQ(after.states.size(), listing.states.size() - 2);
    EXPECT_EQ(history.text(after.states.back()), text(1));
    const std::string bomb = "Korvanda kept state\t1\t0\t9\t9\t9\t4000000000\t0\t2\tMatch\r\n";
    EXPECT_FALSE(readStateHeader(bomb, bomb.size() + 2)) << "more text than two packed bytes can hold";
    // Keeping goes on after the damaged newest one.
    EXPECT_TRUE(history.keep(text(5), {}, "Match", 0));
    EXPECT_EQ(history.list().states.front().cause, "Match");
}
