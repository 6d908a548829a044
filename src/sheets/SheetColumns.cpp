#include "sheets/SheetColumns.h"

#include "sheets/SheetText.h"

#include <algorithm>
#include <utility>

namespace korvanda {

namespace {

// Header words and the kind they name; the first match wins.
const std::pair<const char*, ColumnKind> headerForms[] = {
    { "first name", ColumnKind::FirstName },
    { "firstname", ColumnKind::FirstName },
    { "first", ColumnKind::FirstName },
    { "given name", ColumnKind::FirstName },
    { "forename", ColumnKind::FirstName },
    { "last name", ColumnKind::LastName },
    { "lastname", ColumnKind::LastName },
    { "last", ColumnKind::LastName },
    { "surname", ColumnKind::LastName },
    { "family name", ColumnKind::LastName },
    { "name", ColumnKind::Name },
    { "full name", ColumnKind::Name },
    { "wrestler", ColumnKind::Name },
    { "wrestler name", ColumnKind::Name },
    { "athlete", ColumnKind::Name },
    { "athlete name", ColumnKind::Name },
    { "age", ColumnKind::Age },
    { "birth date", ColumnKind::BirthDate },
    { "birthdate", ColumnKind::BirthDate },
    { "date of birth", ColumnKind::BirthDate },
    { "dob", ColumnKind::BirthDate },
    { "born", ColumnKind::BirthDate },
    { "birthday", ColumnKind::BirthDate },
    { "skill", ColumnKind::Skill },
    { "skill level", ColumnKind::Skill },
    { "level", ColumnKind::Skill },
    { "experience", ColumnKind::Skill },
    { "team", ColumnKind::Team },
    { "club", ColumnKind::Team },
    { "abbrev", ColumnKind::Team },
    { "abbreviation", ColumnKind::Team },
};

bool hasWord(const std::string& words, std::string_view word)
{
    const std::string padded = " " + words + " ";
    return padded.find(" " + std::string(word) + " ") != std::string::npos;
}

ColumnKind weightKind(const std::string& words)
{
    const bool weight = hasWord(words, "weight") || hasWord(words, "wgt") || hasWord(words, "wt");
    if (hasWord(words, "kg") || hasWord(words, "kgs") || hasWord(words, "kilograms"))
        return ColumnKind::WeightKg;
    if (weight || hasWord(words, "lb") || hasWord(words, "lbs") || hasWord(words, "pounds"))
        return ColumnKind::WeightLb;
    return ColumnKind::Ignore;
}

// A weight column without a unit in its header is in kilograms when its
// first filled cells all say so; a single cell saying "kg" is converted
// on its own.
bool cellsSayKilograms(const Sheet& sheet, std::size_t headerRow, std::size_t column)
{
    int looked = 0;
    for (std::size_t r = headerRow + 1; r < sheet.rows.size() && looked < 5; ++r) {
        const std::string words = headerWords(sheetCell(sheet, r, column));
        if (words.empty())
            continue;
        ++looked;
        if (!words.ends_with("kg"))
            return false;
    }
    return looked > 0;
}

} // namespace

const std::vector<ColumnKind>& columnKinds()
{
    static const std::vector<ColumnKind> kinds
        = { ColumnKind::Name, ColumnKind::FirstName, ColumnKind::LastName, ColumnKind::Age, ColumnKind::BirthDate,
              ColumnKind::WeightLb, ColumnKind::WeightKg, ColumnKind::Skill, ColumnKind::Team, ColumnKind::Ignore };
    return kinds;
}

const char* columnKindCaption(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Name:
        return "name";
    case ColumnKind::FirstName:
        return "first name";
    case ColumnKind::LastName:
        return "last name";
    case ColumnKind::Age:
        return "age";
    case ColumnKind::BirthDate:
        return "birth date";
    case ColumnKind::WeightLb:
        return "weight lb";
    case ColumnKind::WeightKg:
        return "weight kg";
    case ColumnKind::Skill:
        return "skill";
    case ColumnKind::Team:
        return "team";
    case ColumnKind::Ignore:
        break;
    }
    return "ignore";
}

bool SheetColumns::has(ColumnKind kind) const
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

bool SheetColumns::namesWrestlers() const
{
    return has(ColumnKind::Name) || has(ColumnKind::FirstName) || has(ColumnKind::LastName);
}

ColumnKind kindOfHeader(const std::string& header)
{
    const std::string words = headerWords(header);
    for (const auto& [form, kind] : headerForms)
        if (words == form)
            return kind;
    return weightKind(words);
}

const std::string& sheetCell(const Sheet& sheet, std::size_t row, std::size_t column)
{
    static const std::string empty;
    if (row >= sheet.rows.size() || column >= sheet.rows[row].size())
        return empty;
    return sheet.rows[row][column];
}

std::optional<SheetColumns> findSheetColumns(const Sheet& sheet)
{
    for (std::size_t r = 0; r < sheet.rows.size() && r < 50; ++r) {
        SheetColumns columns;
        columns.headerRow = r;
        int known = 0;
        for (const auto& cell : sheet.rows[r]) {
            columns.kinds.push_back(kindOfHeader(cell));
            known += columns.kinds.back() != ColumnKind::Ignore ? 1 : 0;
        }
        if (known < 2 || !columns.namesWrestlers())
            continue;
        for (std::size_t c = 0; c < columns.kinds.size(); ++c)
            if (columns.kinds[c] == ColumnKind::WeightLb && cellsSayKilograms(sheet, r, c))
                columns.kinds[c] = ColumnKind::WeightKg;
        return columns;
    }
    return std::nullopt;
}

} // namespace korvanda
