// The meet's directory turned hostile: a file replaced by a directory of the
// same name, writes that land on a full device, a full disk, a read-only
// directory. Every operation either works or says which file it could not
// write or read, changes nothing it could not finish, and the next
// operation goes on as usual.
#include "HardeningMeets.h"

#include "meet/RestoreFile.h"
#include "renumber/Generation.h"
#include "support/FakeDialogs.h"
#include "teams/RosterImport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/mount.h>
#endif

using namespace korvanda;

namespace {

using Messages = std::vector<std::string>;

const std::vector<std::string> meetFiles = {"Restore.Csv",    "Teams.Csv",     "Teams.Bak",    "Tigers.Csv",
                                            "Tigers.Bak",     "Roster.Txt",    "BoutList.Txt", "ScoreList.Txt",
                                            "BoutSheets.Txt", "ScoreTally.Txt"};
const std::vector<std::string> printedFiles = {"Roster.Txt", "BoutList.Txt", "ScoreList.Txt", "BoutSheets.Txt",
                                               "ScoreTally.Txt"};

// A meet under way in one directory.
class Meeting {
public:
    explicit Meeting(std::filesystem::path directory) : directory_(std::move(directory)) {}

    // The meet written twice, so every file and every backup is there.
    void soFar() const
    {
        SilentDialogs quiet;
        writeEverything(meetVersion(1, directory_), quiet);
        writeEverything(meetVersion(1, directory_), quiet);
    }

    // Saving the next version of the meet, then reading the team list, the
    // rosters and the restore file back, as the director would.
    void nextVersion()
    {
        const Meet meet = meetVersion(2, directory_);
        writeEverything(meet, dialogs);
        Meet readBack;
        readBack.directory = directory_;
        readTeamList(readBack);
        loadRosters(readBack, true, dialogs);
        Meet restored = meet;
        loadRestoreFile(restored, dialogs);
    }

    Files files() const { return filesIn(directory_); }
    std::string restorePath() const { return (directory_ / restoreFileName).string(); }

    FakeDialogs dialogs;

private:
    std::filesystem::path directory_;
};

// What a clean directory holds after the same work.
Files cleanResult()
{
    TempDir clean;
    Meeting meeting(clean.path());
    meeting.soFar();
    meeting.nextVersion();
    return meeting.files();
}

std::string printedFileMessage(const std::string& name)
{
    return "Couldn't write " + name + "; file may be in use.";
}

// What a meet's work shows when `broken` cannot be written (nor read, when
// `unreadable`). The team files are written without a word, and a backup
// that cannot be made leaves the earlier one.
Messages messagesWhenBroken(const std::string& broken, const Meeting& meeting, bool unreadable)
{
    if (broken == restoreFileName) {
        Messages messages = {"Couldn't write " + meeting.restorePath() + "; the previous restore file was kept."};
        if (unreadable)
            messages.push_back("Couldn't read " + meeting.restorePath() + "; the meet was not changed.");
        return messages;
    }
    if (broken.ends_with(".Txt"))
        return {printedFileMessage(broken)};
    if (broken == "Tigers.Csv" && unreadable)
        return {"Couldn't read Tigers.Csv; that team's wrestlers were not loaded."};
    return {};
}

// What every save shows when nothing at all can be written.
Messages messagesWhenNothingIsWritten(const Meeting& meeting)
{
    Messages messages = {"Couldn't write " + meeting.restorePath() + "; the previous restore file was kept."};
    for (const auto& name : printedFiles)
        messages.push_back(printedFileMessage(name));
    return messages;
}

// After a failed save the broken file keeps its bytes, so does a team
// file's backup, and every other file is what a clean directory holds.
void expectOnlyTheBrokenFileKept(const Files& before, const Files& after, const Files& clean, const std::string& broken)
{
    for (const auto& [name, bytes] : clean) {
        if (name == broken)
            continue;
        const bool keptBackup = name == backupName(broken);
        EXPECT_EQ(after.at(name), keptBackup ? before.at(name) : bytes) << name;
    }
}

} // namespace

TEST(HostileDiskTest, AFileReplacedByADirectory)
{
    const Files clean = cleanResult();
    for (const auto& broken : meetFiles) {
        SCOPED_TRACE(broken);
        TempDir dir;
        Meeting meeting(dir.path());
        meeting.soFar();
        const Files before = meeting.files();
        std::filesystem::remove(dir.path() / broken);
        std::filesystem::create_directory(dir.path() / broken);
        dir.write(broken + "/kept", "somebody's file");

        meeting.nextVersion();
        EXPECT_EQ(meeting.dialogs.shown, messagesWhenBroken(broken, meeting, true));
        EXPECT_EQ(dir.read(broken + "/kept"), "somebody's file");
        expectOnlyTheBrokenFileKept(before, meeting.files(), clean, broken);
    }
}

TEST(HostileDiskTest, WritesThatLandOnAFullDevice)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    const Files clean = cleanResult();
    for (const auto& broken : meetFiles) {
        SCOPED_TRACE(broken);
        TempDir dir;
        Meeting meeting(dir.path());
        meeting.soFar();
        const Files before = meeting.files();
        // The file's temporary copy leads to a device that is always full.
        std::filesystem::create_symlink("/dev/full", dir.path() / (broken + ".new"));

        meeting.nextVersion();
        EXPECT_EQ(meeting.dialogs.shown, messagesWhenBroken(broken, meeting, false));
        const Files after = meeting.files();
        EXPECT_EQ(after.at(broken), before.at(broken));
        expectOnlyTheBrokenFileKept(before, after, clean, broken);
    }
}

TEST(HostileDiskTest, AFullDiskThenRoomAgain)
{
#if defined(__linux__)
    TempDir dir;
    const auto stick = dir.path() / "stick";
    std::filesystem::create_directory(stick);
    if (::mount("korvanda-test", stick.c_str(), "tmpfs", 0, "size=4m") != 0)
        GTEST_SKIP() << "a small disk cannot be mounted here (needs root and mount rights)";
    struct Unmount {
        std::filesystem::path path;
        ~Unmount() { ::umount(path.c_str()); }
    } unmount{stick};

    Meeting meeting(stick);
    meeting.soFar();
    const Files before = meeting.files();
    // Whatever room is left goes to one more file.
    {
        std::ofstream filler(stick / "filler", std::ios::binary);
        const std::string block(64 * 1024, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
            ;
    }
    meeting.nextVersion();
    EXPECT_EQ(meeting.dialogs.shown, messagesWhenNothingIsWritten(meeting));
    Files after = meeting.files();
    after.erase("filler");
    EXPECT_EQ(after, before) << "a full disk changes no file";

    std::filesystem::remove(stick / "filler");
    meeting.dialogs = FakeDialogs();
    meeting.nextVersion();
    EXPECT_TRUE(meeting.dialogs.shown.empty());
    EXPECT_EQ(meeting.files(), cleanResult());
#else
    GTEST_SKIP() << "small disks are mounted on Linux only";
#endif
}

TEST(HostileDiskTest, AReadOnlyDirectory)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, whose writes a read-only directory does not stop";
    TempDir dir;
    Meeting meeting(dir.path());
    meeting.soFar();
    const Files before = meeting.files();
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    meeting.nextVersion();
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(meeting.dialogs.shown, messagesWhenNothingIsWritten(meeting));
    EXPECT_EQ(meeting.files(), before);
}

TEST(HostileDiskTest, QuillonSaysWhichFileItCouldNotWrite)
{
    using namespace quillon;
    TempDir dir;
    dir.write("_current_meet_v2.txt", "KV\r\n7   2   12\r\n");
    dir.write("boutsheets.txt", "Team\r\n  Bout 12\r\n");
    const ProgramDirectory directory(dir.path());
    BoutMap map;
    ASSERT_TRUE(readMappingFile(directory, false, map).found);

    dir.write("_boutsheets_renumbered_v2.txt", "earlier sheets");
    std::filesystem::create_directory(dir.path() / "_boutsheets_renumbered_v2.txt.new");
    const auto blocked = writeRenumberedSheets(directory, false, map);
    EXPECT_EQ(blocked.outcome, SheetsOutcome::WriteFailed);
    EXPECT_EQ(blocked.failure, "Couldn't write _boutsheets_renumbered_v2.txt; file may be in use.");
    EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), "earlier sheets");

    std::filesystem::remove(dir.path() / "_boutsheets_renumbered_v2.txt.new");
    if (std::filesystem::exists("/dev/full")) {
        std::filesystem::create_symlink("/dev/full", dir.path() / "_boutsheets_renumbered_v2.txt.new");
        EXPECT_EQ(writeRenumberedSheets(directory, false, map).outcome, SheetsOutcome::WriteFailed);
        EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), "earlier sheets");
    }
    EXPECT_EQ(writeRenumberedSheets(directory, false, map).outcome, SheetsOutcome::Written);
    EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), "  Bout 7  (KV#12)\r\n\r\n");
}
