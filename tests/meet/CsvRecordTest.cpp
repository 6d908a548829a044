#include "meet/CsvRecord.h"

#include <gtest/gtest.h>

using namespace korvanda;
using Fields = std::vector<std::string>;

TEST(CsvRecordTest, SplitsQuotedAndBareFields)
{
    EXPECT_EQ(splitRecord(R"("Tigers, North","TIG","Ann Loe","Tigers")"),
        (Fields { "Tigers, North", "TIG", "Ann Loe", "Tigers" }));
    EXPECT_EQ(splitRecord(R"( Kim , 9 ,"72", 3)"), (Fields { "Kim", "9", "72", "3" }));
    EXPECT_EQ(splitRecord(R"("  spaced  ",,"")"), (Fields { "  spaced  ", "", "" }));
    EXPECT_EQ(splitRecord(R"(2,"TextBox","Box","1,5")"), (Fields { "2", "TextBox", "Box", "1,5" }));
    EXPECT_EQ(splitRecord(R"("unclosed)"), (Fields { "unclosed" }));
    EXPECT_TRUE(splitRecord("   ").empty());
}
