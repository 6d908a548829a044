#pragma once

// What every spreadsheet reader promises, whatever the file: a problem in
// words or a sheet within the limits; and every row the import would write
// carries a clean name and numbers in their stored forms, so the team file
// reads back without a message.
#include "FuzzSupport.h"

#include "meet/Numbers.h"
#include "sheets/RosterSheet.h"

inline void checkSheetReading(const korvanda::SheetReading& reading)
{
    using namespace korvanda;
    if (!reading.ok()) {
        FUZZ_CHECK(reading.sheet.rows.empty());
        return;
    }
    FUZZ_CHECK(reading.sheet.rows.size() <= SheetLimits::rows);
    for (const auto& row : reading.sheet.rows) {
        FUZZ_CHECK(row.size() <= SheetLimits::columns);
        for (const auto& cell : row)
            FUZZ_CHECK(cell.size() <= SheetLimits::cellBytes);
    }
    const auto columns = findSheetColumns(reading.sheet);
    if (!columns)
        return;
    for (const auto& row : rosterSheetRows(reading.sheet, *columns, dayNumber(2026, 12, 5))) {
        if (!row.problem.empty())
            continue;
        FUZZ_CHECK(!row.name.empty() && row.name == trimmed(row.name));
        FUZZ_CHECK(row.name.find_first_of("\"\t\r\n") == std::string::npos);
        FUZZ_CHECK(ageOrSkillText(row.age) == row.age);
        FUZZ_CHECK(weightText(row.weight) == row.weight);
        FUZZ_CHECK(ageOrSkillText(row.skill) == row.skill);
    }
}
