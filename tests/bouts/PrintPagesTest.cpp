#include "bouts/PrintPages.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace korvanda;

TEST(PrintPagesTest, EveryFormFeedStartsAPageAndTheLinesStayAsWritten)
{
    using Pages = std::vector<PrintPage>;
    struct Case {
        const char* name;
        std::string text;
        Pages pages;
    };
    const std::vector<Case> cases = {
        { "an empty list is one empty page", "", { {} } },
        { "the header again after the form feed", "H\r\nx\r\n\fH\r\ny\r\n", { { "H", "x" }, { "H", "y" } } },
        { "a line of only a form feed is no line", "T\r\n\f\r\nT\r\n", { { "T" }, { "T" } } },
        { "a final form feed leaves an empty page", "A\r\n\f", { { "A" }, {} } },
        { "a final form feed line leaves an empty page", "A\r\n\f\r\n", { { "A" }, {} } },
        { "two form feeds in a row", "A\r\n\f\f\r\nB\r\n", { { "A" }, {}, { "B" } } },
        { "a page that starts with a blank line", "A\r\n\f\r\n\r\nB\r\n", { { "A" }, { "", "B" } } },
        { "blanks and empty lines kept", "  A  \r\n\r\n\r\n B\r\n", { { "  A  ", "", "", " B" } } },
        { "bare line feeds", "A\nB\n\fC\n", { { "A", "B" }, { "C" } } },
        { "a form feed inside a line", "ab\fcd\r\n", { { "ab" }, { "cd" } } },
    };
    for (const Case& c : cases) {
        const Pages pages = printPages(c.text);
        EXPECT_EQ(pages, c.pages) << c.name;
        EXPECT_EQ(pages.size(), static_cast<std::size_t>(std::count(c.text.begin(), c.text.end(), '\f')) + 1) << c.name;
    }
}

TEST(PrintPagesTest, TheWidestLineAndTheLongestPageSizeThePrint)
{
    const std::vector<PrintPage> pages = printPages("abc\r\n\fabcdefg\r\nx\r\ny\r\n\f\r\n");
    EXPECT_EQ(widestLine(pages), 7);
    EXPECT_EQ(longestPage(pages), 3);
    // Nothing to print still needs a size to divide by.
    EXPECT_EQ(widestLine(printPages("")) * longestPage(printPages("")), 1);
}
