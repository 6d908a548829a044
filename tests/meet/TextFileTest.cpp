// Backups of the team files. Replacing a file safely is tried in
// tests/platform, and on the meet's real files in tests/hardening.
#include "meet/TextFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

// In a folder whose name is more than plain ASCII, as a director's may be.
TEST(TextFileTest, BackupKeepsPreviousVersion)
{
    TempDir dir;
    const auto meet = dir.path() / std::filesystem::path(u8"Zoë's meet");
    std::filesystem::create_directory(meet);
    const auto file = meet / "Tigers.Csv";
    const auto backup = meet / "Tigers.Bak";
    ASSERT_TRUE(saveFileSafely(backup, "stale"));
    ASSERT_TRUE(saveFileWithBackup(file, backup, "first"));
    EXPECT_FALSE(std::filesystem::exists(backup)) << "no earlier version: the old backup goes";
    ASSERT_TRUE(saveFileWithBackup(file, backup, "second"));
    EXPECT_EQ(readWholeFile(file), "second");
    EXPECT_EQ(readWholeFile(backup), "first");
}
