#include "sheets/SheetWrestlers.h"

#include "meet/Numbers.h"
#include "sheets/SheetText.h"

#include <algorithm>

namespace korvanda {

namespace {

constexpr double poundsPerKilogram = 2.20462262185;

// Drops a unit word after the number: "28.5 kg", "61lbs".
std::string_view withoutUnit(std::string_view text, bool& kilograms)
{
    const std::string words = headerWords(text);
    for (const std::string_view unit : { "kgs", "kg", "lbs", "lb" }) {
        if (!words.ends_with(unit))
            continue;
        const auto at = text.find_last_of("0123456789.");
        if (at == std::string_view::npos)
            return text;
        kilograms = kilograms || unit[0] == 'k';
        return text.substr(0, at + 1);
    }
    return text;
}

} // namespace

std::string sheetWrestlerCell(const Sheet& sheet, const SheetColumns& columns, std::size_t row, ColumnKind kind)
{
    for (std::size_t c = 0; c < columns.kinds.size(); ++c)
        if (columns.kinds[c] == kind)
            return trimmed(sheetCell(sheet, row, c));
    return {};
}

std::string sheetWrestlerName(const Sheet& sheet, const SheetColumns& columns, std::size_t row)
{
    const std::string name = sheetWrestlerCell(sheet, columns, row, ColumnKind::Name);
    if (!name.empty())
        return name;
    const std::string first = sheetWrestlerCell(sheet, columns, row, ColumnKind::FirstName);
    const std::string last = sheetWrestlerCell(sheet, columns, row, ColumnKind::LastName);
    return first.empty() || last.empty() ? first + last : first + " " + last;
}

std::optional<std::string> sheetWrestlerWeight(const Sheet& sheet, const SheetColumns& columns, std::size_t row)
{
    bool kilograms = !columns.has(ColumnKind::WeightLb);
    std::string cell = sheetWrestlerCell(sheet, columns, row, kilograms ? ColumnKind::WeightKg : ColumnKind::WeightLb);
    const std::string number = trimmed(withoutUnit(cell, kilograms));
    if (!kilograms)
        return weightText(number);
    const auto value = readDouble(number);
    if (!value)
        return std::nullopt;
    return wholeText(roundHalfEven(*value * poundsPerKilogram));
}

std::vector<std::size_t> wrestlerRows(const Sheet& sheet, const SheetColumns& columns)
{
    std::vector<std::size_t> rows;
    for (std::size_t r = columns.headerRow + 1; r < sheet.rows.size(); ++r) {
        const auto& cells = sheet.rows[r];
        if (std::any_of(cells.begin(), cells.end(), [](const std::string& cell) { return !trimmed(cell).empty(); }))
            rows.push_back(r);
    }
    return rows;
}

} // namespace korvanda
