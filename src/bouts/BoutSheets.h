#pragma once

#include "meet/Table.h"

#include <string>

namespace korvanda {

inline constexpr const char* boutSheetsFileName = "BoutSheets.Txt";

// Every sheet and every line of its score box is this wide.
inline constexpr int boutSheetWidth = 106;

// The day a sheet is printed, in the words of the director's language.
struct PrintDate {
    std::string dayName; // full name: "Saturday"
    std::string monthName; // short name: "Dec"
    int day = 1;
    int year = 2000;
};

// "Saturday, Dec 5 2026": day without a leading zero, four-digit year.
std::string dateText(const PrintDate& date);

// "BoutSheets.Txt": one score sheet per bout for the mat-side scorers,
// headed by the teams, the date and the bout and mat numbers; a form feed
// starts every sheet after the first. `withSkills` puts each wrestler's
// skill beside age and weight.
std::string boutSheetsText(const Table& boutGrid, const Table& teamList, bool withSkills, const PrintDate& date);

} // namespace korvanda
