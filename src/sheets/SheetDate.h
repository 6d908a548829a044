#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvanda {

// A calendar day as a count of days since 1 January 1970.
using DayNumber = long;

DayNumber dayNumber(int year, int month, int day);

// A birth date as a sheet holds it: a spreadsheet's serial day number
// (day 1 is 1 January 1900, as Excel and LibreOffice count), an ISO date
// ("2014-05-03", also with a time after it) or a month/day/year date
// ("5/3/2014"). Nothing for anything else or a day that does not exist.
std::optional<DayNumber> readSheetDate(std::string_view text);

// The age in years on the meet's day in the roster's "#0.0" form; nothing
// when the birth date is not before the meet.
std::optional<std::string> ageOnDay(DayNumber birth, DayNumber meetDay);

} // namespace korvanda
