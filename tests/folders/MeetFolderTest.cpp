#include "folders/MeetFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using namespace korvanda;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> filesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

// Each refusal is found, its message names the folder, and the check
// leaves no file behind in a folder it accepts.
TEST(MeetFolderTest, refusedFoldersAreNamed)
{
    TempDir dir;
    dir.write("Notes.Txt", "x");
    fs::create_directory(dir.path() / "Spring");
    fs::create_directory(dir.path() / "Locked");
    fs::permissions(dir.path() / "Locked", fs::perms::owner_read | fs::perms::owner_exec);
    struct Case {
        fs::path folder;
        FolderProblem problem;
        std::string message;
    };
    std::vector<Case> cases = {
        { dir.path() / "Spring", FolderProblem::None, "" },
        { dir.path() / "Fall", FolderProblem::Missing, "does not exist" },
        { dir.path() / "Notes.Txt", FolderProblem::NotAFolder, "is a file, not a folder" },
        { dir.path() / "Notes.Txt" / "Spring", FolderProblem::Missing, "does not exist" },
    };
    // An administrator writes in any folder whatever its permissions, but
    // no one can make a file in /proc.
    if (!std::ofstream(dir.path() / "Locked" / "Try.Txt"))
        cases.push_back({ dir.path() / "Locked", FolderProblem::NotWritable, "cannot be written" });
    if (fs::is_directory("/proc"))
        cases.push_back({ "/proc", FolderProblem::NotWritable, "cannot be written" });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(checkMeetFolder(c.folder), c.problem);
        const std::string message = folderProblemMessage(c.problem, c.folder.string());
        if (c.problem == FolderProblem::None) {
            EXPECT_EQ(message, "");
        } else {
            EXPECT_NE(message.find("\"" + c.folder.string() + "\""), std::string::npos) << message;
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
        }
    }
    EXPECT_TRUE(fs::is_empty(dir.path() / "Spring"));
}

// A new meet never replaces a team list: an empty meet keeps the one there,
// and the demo meet's copy keeps every file the folder had.
TEST(MeetFolderTest, newMeetsOverwriteNothing)
{
    TempDir dir;
    const auto demo = dir.path() / "demo";
    fs::create_directory(demo);
    std::ofstream(demo / "Teams.Csv") << "\"Lynx\",\"CFL\",\"Dov\",\"Lynx\"\r\n";
    std::ofstream(demo / "Lynx.Csv") << "demo lynx";
    std::ofstream(demo / "Otters.Csv") << "demo otters";

    const auto copy = dir.path() / "Copy";
    fs::create_directory(copy);
    std::ofstream(copy / "Lynx.Csv") << "mine";
    EXPECT_TRUE(copyDemoMeet(demo, copy));
    EXPECT_EQ(filesIn(copy), (std::vector<std::string> { "Lynx.Csv", "Otters.Csv", "Teams.Csv" }));
    EXPECT_EQ(fs::file_size(copy / "Lynx.Csv"), 4u);
    EXPECT_EQ(fs::file_size(copy / "Teams.Csv"), fs::file_size(demo / "Teams.Csv"));

    // The empty meet started there later leaves the copied team list alone.
    EXPECT_TRUE(startEmptyMeet(copy));
    EXPECT_EQ(fs::file_size(copy / "Teams.Csv"), fs::file_size(demo / "Teams.Csv"));

    // Without a demo meet nothing is made.
    EXPECT_FALSE(copyDemoMeet(dir.path() / "nowhere", dir.path() / "Other"));
    EXPECT_FALSE(fs::exists(dir.path() / "Other"));
}
