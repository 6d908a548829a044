#pragma once

#include "meet/Table.h"

#include <string>
#include <string_view>

namespace korvanda {

inline constexpr const char* rosterListFileName = "Roster.Txt";
inline constexpr const char* boutListFileName = "BoutList.Txt";
inline constexpr const char* scoreListFileName = "ScoreList.Txt";

// The page break of every printed file, at the start of a line.
inline constexpr char formFeed = '\f';

// Adds one printed line with its CR LF.
void appendLine(std::string& text, std::string_view line);

// A row whose cells are all empty, such as the blank row of a fresh table,
// is no wrestler, bout or team and is never printed.
bool isEmptyRow(const Table& table, int row);

// "Roster.Txt": the wrestlers in the roster's current order, absentees left
// out when `omitAbsents`; 50 wrestlers a page.
std::string rosterListText(const Table& roster, bool omitAbsents);

// "BoutList.Txt": the bouts in order, with or without the skills; 50 bouts
// a page.
std::string boutListText(const Table& boutGrid, bool withSkills);

// "ScoreList.Txt": the bouts in order with skills, points and results; 40
// bouts a page.
std::string scoreListText(const Table& boutGrid);

} // namespace korvanda
