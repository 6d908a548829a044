#pragma once

#include "sheets/Sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace korvanda {

// What a column of a coach's sheet holds, as the preview offers it.
enum class ColumnKind { Ignore, Name, FirstName, LastName, Age, BirthDate, WeightLb, WeightKg, Skill, Team };

// Every kind in the order the preview lists them, and its caption there.
const std::vector<ColumnKind>& columnKinds();
const char* columnKindCaption(ColumnKind kind);

// The header row and what each of its columns is taken for.
struct SheetColumns {
    std::size_t headerRow = 0;
    std::vector<ColumnKind> kinds;

    ColumnKind kindOf(std::size_t column) const { return column < kinds.size() ? kinds[column] : ColumnKind::Ignore; }
    bool has(ColumnKind kind) const;
    // A name, or a first or last name.
    bool namesWrestlers() const;
};

// The kind a header cell names, in any letter case and the usual forms
// ("Last Name", "SURNAME", "DOB", "Weight (kg)", "Level").
ColumnKind kindOfHeader(const std::string& header);

// The first row, title and blank rows above it skipped, whose cells name a
// wrestler's name column and at least one other known column; a weight
// column whose first filled cells all say "kg" is taken for kilograms. Nothing when
// no such row stands among the first 50.
std::optional<SheetColumns> findSheetColumns(const Sheet& sheet);

// A sheet cell's text, empty past the end of its row.
const std::string& sheetCell(const Sheet& sheet, std::size_t row, std::size_t column);

} // namespace korvanda
