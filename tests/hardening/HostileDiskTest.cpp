// The meet's directory turned hostile: a file replaced by a directory, a
// temporary's place taken, writes landing on a full device. Each operation
// names the file it could not write or read, changes nothing it could not
// finish, and the next save goes on as usual.
#include "HardeningMeets.h"

#include "renumber/Generation.h"

#include "support/HeldOpen.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

using Messages = std::vector<std::string>;
namespace fs = std::filesystem;

// The meet written twice, so every file and backup is there.
void meetSoFar(const fs::path& dir)
{
    FakeDialogs quiet;
    writeEverything(meetVersion(1, dir), quiet);
    writeEverything(meetVersion(1, dir), quiet);
}

// The next version saved, then the team list, rosters and restore file read
// back as the director would; what that showed.
Messages nextVersion(const fs::path& dir)
{
    FakeDialogs dialogs;
    const Meet meet = meetVersion(2, dir);
    writeEverything(meet, dialogs);
    Meet readBack;
    readBack.directory = dir;
    readTeamList(readBack);
    loadRosters(readBack, true, dialogs);
    Meet restored = meet;
    loadRestoreFile(restored, dialogs);
    return dialogs.shown;
}

// What the work shows when `broken` cannot be written (nor read, when
// `unreadable`). Team files are written silently; a backup that cannot be
// made leaves the earlier one.
Messages messagesWhenBroken(const std::string& broken, const fs::path& dir, bool unreadable)
{
    const std::string restore = (dir / restoreFileName).string();
    Messages shown;
    if (broken == restoreFileName)
        shown.push_back("Couldn't write " + restore + "; the previous restore file was kept.");
    if (broken == restoreFileName && unreadable)
        shown.push_back("Couldn't read " + restore + "; the meet was not changed.");
    if (broken.ends_with(".Txt"))
        shown.push_back("Couldn't write " + broken + "; file may be in use.");
    if (broken == "Tigers.Csv" && unreadable)
        shown.push_back("Couldn't read Tigers.Csv; that team's wrestlers were not loaded.");
    return shown;
}

// Every file of the meet, as the next version leaves them on a sound disk.
Files cleanFiles()
{
    TempDir dir;
    meetSoFar(dir.path());
    nextVersion(dir.path());
    return filesIn(dir.path());
}

const std::string everyFile[] = { "Restore.Csv", "Teams.Csv", "Teams.Bak", "Tigers.Csv", "Tigers.Bak", "Roster.Txt",
    "BoutList.Txt", "ScoreList.Txt", "BoutSheets.Txt", "ScoreTally.Txt" };

} // namespace

// Each file in turn replaced by a directory (which then cannot be read
// either), or its temporary leading to /dev/full where there is one.
TEST(HostileDiskTest, OneBrokenFileKeepsItsBytesAndTheNextSaveWorks)
{
#ifdef _WIN32
    const std::vector<bool> ways = { true };
#else
    ASSERT_TRUE(fs::exists("/dev/full"));
    const std::vector<bool> ways = { true, false };
#endif
    const Files clean = cleanFiles();
    for (const bool directory : ways)
        for (const std::string& broken : everyFile) {
            SCOPED_TRACE((directory ? "directory: " : "full device: ") + broken);
            TempDir dir;
            meetSoFar(dir.path());
            const Files before = filesIn(dir.path());
            const fs::path file = dir.path() / broken, temporary = file.string() + ".new";
            if (directory) {
                fs::remove(file);
                fs::create_directory(file);
                std::ofstream(file / "kept") << "somebody's file";
            } else {
                fs::create_symlink("/dev/full", temporary);
            }
            EXPECT_EQ(nextVersion(dir.path()), messagesWhenBroken(broken, dir.path(), directory));
            const Files after = filesIn(dir.path());
            for (const auto& [name, bytes] : clean) {
                if (name != broken) {
                    EXPECT_EQ(after.at(name), name == backupName(broken) ? before.at(name) : bytes) << name;
                }
            }
            if (directory) {
                EXPECT_EQ(filesIn(file).at("kept"), "somebody's file");
                fs::remove_all(file);
            } else {
                EXPECT_EQ(after.at(broken), before.at(broken));
                fs::remove(temporary);
            }
            EXPECT_TRUE(nextVersion(dir.path()).empty());
            // A backup made now holds the file the failed save wrote.
            EXPECT_EQ(filesIn(dir.path()).at(broken), clean.at(sourceOf(broken)));
        }
}

// Every file of the meet held open in turn, as an editor or a spreadsheet
// holds a printed list or the restore file on Windows: the save names the
// file, keeps its bytes and leaves no temporary; once it is closed the next
// save goes through.
TEST(HostileDiskTest, AFileHeldOpenByAnotherProgramKeepsItsBytes)
{
#ifndef _WIN32
    GTEST_SKIP() << "only Windows keeps another program from replacing a file it holds open";
#else
    const Files clean = cleanFiles();
    for (const std::string& held : everyFile) {
        SCOPED_TRACE("held open: " + held);
        TempDir dir;
        meetSoFar(dir.path());
        const Files before = filesIn(dir.path());
        {
            const HeldOpen open(dir.path() / held);
            EXPECT_EQ(nextVersion(dir.path()), messagesWhenBroken(held, dir.path(), false));
        }
        int temporaries = 0;
        const Files after = filesIn(dir.path(), &temporaries);
        EXPECT_EQ(temporaries, 0);
        for (const auto& [name, bytes] : clean) {
            EXPECT_EQ(after.at(name), name == held || name == backupName(held) ? before.at(name) : bytes) << name;
        }
        EXPECT_TRUE(nextVersion(dir.path()).empty());
        EXPECT_EQ(filesIn(dir.path()).at(held), clean.at(sourceOf(held)));
    }
#endif
}

// The renumbering program's own safe write, on a full device or, on
// Windows, with the renumbered sheets open in an editor.
TEST(HostileDiskTest, QuillonSaysWhichFileItCouldNotWrite)
{
    using namespace quillon;
    TempDir dir;
    dir.write("boutsheets.txt", "Team\r\n  Bout 12\r\n");
    const ProgramDirectory directory(dir.path());
    BoutMap map;
    map.set(12, 7);
    const std::string sheets = "_boutsheets_renumbered_v2.txt";
    dir.write(sheets, "earlier sheets");
    {
#ifdef _WIN32
        const HeldOpen open(dir.path() / sheets);
#else
        fs::create_symlink("/dev/full", dir.path() / (sheets + ".new"));
#endif
        const auto full = writeRenumberedSheets(directory, false, map);
        EXPECT_EQ(full.outcome, SheetsOutcome::WriteFailed);
        EXPECT_EQ(full.failure, "Couldn't write " + sheets + "; file may be in use.");
        EXPECT_EQ(dir.read(sheets), "earlier sheets");
    }
    EXPECT_EQ(writeRenumberedSheets(directory, false, map).outcome, SheetsOutcome::Written);
    EXPECT_EQ(dir.read(sheets), "  Bout 7  (KV#12)\r\n\r\n");
}
