#include "folders/StartFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

// Which meet a start opens, from the strongest claim down.
TEST(StartFolderTest, argumentThenPortableThenLastThenDemo)
{
    TempDir portable, plain;
    portable.write("Teams.Csv", "");
    const std::filesystem::path named = "/meets/Named", last = "/meets/Last", documents = "/home/d/Documents";
    const struct {
        bool argument;
        const TempDir& program;
        bool recent;
        StartFolder expected;
    } cases[] = {
        { true, portable, true, { StartReason::Argument, named } },
        { false, portable, true, { StartReason::Portable, portable.path() } },
        { false, portable, false, { StartReason::Portable, portable.path() } },
        { false, plain, true, { StartReason::LastMeet, last } },
        { false, plain, false, { StartReason::FirstStart, documents / "Demo Meet" } },
    };
    for (const auto& c : cases) {
        StartPlaces places;
        if (c.argument)
            places.argument = named;
        places.programFolder = c.program.path();
        if (c.recent)
            places.lastMeet = last;
        places.documents = documents;
        EXPECT_EQ(chooseStartFolder(places), c.expected) << c.expected.folder;
    }
}
