#include "renumber/Viewer.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace quillon;

// WordPad only where there is a program file to start; a folder left by an
// uninstaller under its name is not one.
TEST(ViewerTest, WordPadOnlyWhereItsProgramIsThere)
{
    TempDir windows;
    windows.write("write.exe", "MZ");
    std::filesystem::create_directory(windows.path() / "removed");
    std::filesystem::create_directory(windows.path() / "removed" / "write.exe");
    EXPECT_EQ(chooseViewer(windows.path() / "write.exe"), Viewer::WordPad);
    EXPECT_EQ(chooseViewer(windows.path() / "gone" / "write.exe"), Viewer::SystemDefault);
    EXPECT_EQ(chooseViewer(windows.path() / "removed" / "write.exe"), Viewer::SystemDefault);
}
