#include "soak/KnownMessages.h"

#include <gtest/gtest.h>

using korvanda::soak::isKnownMessage;

TEST(KnownMessagesTest, WholeMessagesWithTheirGapsFilledAreKnownAndNothingElse)
{
    const struct {
        const char* text;
        bool known;
    } cases[] = {
        { "Save changes to rosters?", true },
        { "Zo\xeb Ames is duplicated and could not be added. Continue? ", true },
        { "Couldn't write /tmp/meet/Restore.Csv; the previous restore file was kept.", true },
        { "/tmp/meet/Restore.Csv is damaged or incomplete (line 7); the meet was not changed.", true },
        { "Really remove bout 12", true },
        { "Result should be Majority Decision", true },
        { "Couldn't write BoutSheets.Txt; file may be in use.", true },
        { "Too few bouts to schedule by weight on 4 mats.", true },
        { "\"/proc/Meet\" is a file, not a folder. A meet needs a folder of its own. The meet that is open stays open.",
            true },
        { "The meet folder \"/tmp/Gone/Meet\" does not exist. Choose another folder for the meet.", true },
        { "The Score Tally is empty; there is nothing to print.", true },
        // Cut off, run on, empty, broken over lines, a bout that is no number.
        { "Save changes to rosters", false },
        { "Unacceptable match!", false },
        { "", false },
        { "Ben Cole is already in the roster\nand cannot be added twice.", false },
        { "Really remove bout x", false },
        { "Couldn't write Notes.Txt; file may be in use.", false },
        { "The meet folder \"/tmp/Gone/Meet\" does not exist.", false },
        { "The Notes is empty; there is nothing to print.", false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(isKnownMessage(c.text), c.known) << '"' << c.text << '"';
}
