#include "bouts/PrintPages.h"

#include "bouts/PrintedLists.h"
#include "meet/TextFile.h"

#include <algorithm>

namespace korvanda {

std::vector<PrintPage> printPages(std::string_view text)
{
    std::vector<PrintPage> pages(1);
    for (const std::string& line : splitLines(text)) {
        if (line.find(formFeed) == std::string::npos) {
            pages.back().push_back(line);
            continue;
        }
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = line.find(formFeed, start);
            const std::size_t stop = end == std::string::npos ? line.size() : end;
            if (stop > start)
                pages.back().push_back(line.substr(start, stop - start));
            if (end == std::string::npos)
                break;
            pages.emplace_back();
            start = end + 1;
        }
    }
    return pages;
}

int widestLine(const std::vector<PrintPage>& pages)
{
    std::size_t widest = 1;
    for (const PrintPage& page : pages)
        for (const std::string& line : page)
            widest = std::max(widest, line.size());
    return static_cast<int>(widest);
}

int longestPage(const std::vector<PrintPage>& pages)
{
    std::size_t longest = 1;
    for (const PrintPage& page : pages)
        longest = std::max(longest, page.size());
    return static_cast<int>(longest);
}

} // namespace korvanda
