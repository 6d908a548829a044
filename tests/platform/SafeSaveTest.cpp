// Replacing a file on the system the tests run on. The meet's own files on
// full and broken disks are tried in tests/hardening.
#include "platform/SafeSave.h"

#include "support/HeldOpen.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

// Meet folders are named by people: accents, other alphabets, spaces. The
// bytes go as they are, a NUL and a Latin-1 letter too.
TEST(SafeSaveTest, SavesInAFolderOfAnyName)
{
    TempDir dir;
    for (const auto* folder : { u8"Spring Open", u8"Zoë's meet", u8"Соревнования Ω" }) {
        SCOPED_TRACE(reinterpret_cast<const char*>(folder));
        const fs::path meet = dir.path() / fs::path(folder);
        ASSERT_TRUE(fs::create_directory(meet));
        const fs::path file = meet / "BoutList.Txt";
        ASSERT_TRUE(platform::saveReplacing(file, "first\r\n"));
        const std::string second("second\0\xe9\r\n", 10);
        ASSERT_TRUE(platform::saveReplacing(file, second));
        EXPECT_EQ(bytesOf(file), second);
        EXPECT_FALSE(fs::exists(platform::temporaryFor(file)));
    }
}

// Whatever stands in the way, the old file stays whole, no temporary of
// ours is left behind, and once the obstacle is gone the save goes through.
TEST(SafeSaveTest, AnObstacleKeepsTheOldFileWhole)
{
    using Holder = std::shared_ptr<void>;
    struct Obstacle {
        const char* what;
        std::function<Holder(const fs::path& file)> put;
        bool saved;
    };
    const Obstacle obstacles[] = {
        { "a directory where the temporary goes",
            [](const fs::path& file) {
                fs::create_directory(platform::temporaryFor(file));
                write(platform::temporaryFor(file) / "kept", "somebody's file");
                return Holder(nullptr, [file](void*) { fs::remove_all(platform::temporaryFor(file)); });
            },
            false },
#ifdef _WIN32
        { "the file held open by another program",
            [](const fs::path& file) { return Holder(std::make_shared<HeldOpen>(file)); }, false },
        { "the temporary held open by another program",
            [](const fs::path& file) {
                write(platform::temporaryFor(file), "someone else's");
                auto held = std::make_shared<HeldOpen>(platform::temporaryFor(file));
                return Holder(nullptr, [file, held](void*) mutable {
                    held.reset();
                    fs::remove(platform::temporaryFor(file));
                });
            },
            false },
        // Windows keeps a read-only file as it is; the director marked it so.
        { "the file marked read-only",
            [](const fs::path& file) {
                ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
                return Holder(nullptr, [file](void*) { ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL); });
            },
            false },
#else
        // A read-only file in a folder the director may write is replaced,
        // as every program on the system replaces it.
        { "the file marked read-only",
            [](const fs::path& file) {
                fs::permissions(file, fs::perms::owner_read);
                return Holder(nullptr);
            },
            true },
#endif
    };
    for (const auto& obstacle : obstacles) {
        SCOPED_TRACE(obstacle.what);
        TempDir dir;
        const fs::path file = dir.path() / "Restore.Csv";
        write(file, "old");
        {
            const Holder held = obstacle.put(file);
            EXPECT_EQ(platform::saveReplacing(file, "new"), obstacle.saved);
            EXPECT_EQ(bytesOf(file), obstacle.saved ? "new" : "old");
            if (fs::is_directory(platform::temporaryFor(file))) {
                EXPECT_EQ(bytesOf(platform::temporaryFor(file) / "kept"), "somebody's file");
            }
        }
        if (!obstacle.saved) {
            EXPECT_FALSE(fs::exists(platform::temporaryFor(file)));
            EXPECT_TRUE(platform::saveReplacing(file, "new"));
            EXPECT_EQ(bytesOf(file), "new");
        }
    }
}

// What a crash left where the temporary goes does not block the next save:
// half a file, one marked read-only, or a link that leads nowhere.
TEST(SafeSaveTest, ATemporaryLeftByACrashIsReplaced)
{
    TempDir dir;
    const fs::path file = dir.path() / "Restore.Csv", temporary = platform::temporaryFor(file);
    const std::function<void()> leftovers[] = {
        [&] { write(temporary, "half a file from before the crash"); },
        [&] {
            write(temporary, "half a file");
            fs::permissions(temporary, fs::perms::owner_read);
        },
#ifndef _WIN32
        // Windows lets only administrators make links.
        [&] { fs::create_symlink(dir.path() / "gone" / "x", temporary); },
#endif
    };
    for (const auto& leave : leftovers) {
        const std::string bytes = "save " + std::to_string(&leave - leftovers);
        SCOPED_TRACE(bytes);
        leave();
        ASSERT_TRUE(platform::saveReplacing(file, bytes));
        EXPECT_EQ(bytesOf(file), bytes);
        EXPECT_FALSE(fs::exists(fs::symlink_status(temporary)));
    }
    EXPECT_FALSE(platform::saveReplacing(dir.path() / "missing-dir" / "x.Csv", "new"));
}
