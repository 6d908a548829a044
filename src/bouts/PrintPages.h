#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvanda {

// One printed page: its lines as the list holds them, without line ends.
using PrintPage = std::vector<std::string>;

// The pages a line printer makes of a printed list: every form feed starts
// a new page, so there is always one page more than form feeds, and a
// form feed at the very end leaves an empty last page. The text after a
// form feed on its line is the first line of the new page; a line holding
// nothing but the form feed is no line at all, so every bout sheet starts
// on its team names just as the first one does. Lines end in CR LF or LF.
std::vector<PrintPage> printPages(std::string_view text);

// The most characters on any line of any page; at least 1.
int widestLine(const std::vector<PrintPage>& pages);

// The most lines on any page; at least 1.
int longestPage(const std::vector<PrintPage>& pages);

} // namespace korvanda
