#include "sheets/ResultTables.h"

#include "bouts/ScoreTally.h"
#include "meet/Numbers.h"
#include "meet/Utf8Text.h"

namespace korvanda {

namespace {

bool isEmptyBout(const Table& bouts, int row)
{
    return trimmed(bouts.cell(row, BoutColumn::Name1)).empty() && trimmed(bouts.cell(row, BoutColumn::Name2)).empty();
}

std::string csvField(const std::string& latin1)
{
    const std::string text = utf8FromLatin1(latin1);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

} // namespace

TextRows boutResultRows(const Meet& meet)
{
    const Table& bouts = meet.boutGrid;
    TextRows rows { { "Bout", "Mat", "Name 1", "Team 1", "Age 1", "Weight 1", "Skill 1", "Points 1", "Name 2", "Team 2",
        "Age 2", "Weight 2", "Skill 2", "Points 2", "Winner", "Won By" } };
    for (int r = 1; r < bouts.rowCount(); ++r) {
        if (isEmptyBout(bouts, r))
            continue;
        const auto cell = [&](int column) { return trimmed(bouts.cell(r, column)); };
        const std::string won1 = cell(BoutColumn::Winner1);
        const std::string won2 = cell(BoutColumn::Winner2);
        // A draw and a scratch stand in both Winner cells and have no winner.
        const bool nobodyWon = won1 == "Draw" || won1 == "Scratch";
        const std::string winner = nobodyWon ? ""
            : !won1.empty()                  ? cell(BoutColumn::Name1)
            : !won2.empty()                  ? cell(BoutColumn::Name2)
                                             : "";
        rows.push_back(
            { cell(BoutColumn::Bout), cell(BoutColumn::Mat), cell(BoutColumn::Name1), cell(BoutColumn::Team1),
                cell(BoutColumn::Age1), cell(BoutColumn::Weight1), cell(BoutColumn::Skill1), cell(BoutColumn::Points1),
                cell(BoutColumn::Name2), cell(BoutColumn::Team2), cell(BoutColumn::Age2), cell(BoutColumn::Weight2),
                cell(BoutColumn::Skill2), cell(BoutColumn::Points2), winner, won1.empty() ? won2 : won1 });
    }
    return rows;
}

TextRows tallyResultRows(const Meet& meet)
{
    TextRows rows { { "Team", "Fall", "Tech Fall", "Sup Decsn", "Maj Decsn", "Decsn", "Draw", "Forft", "Scrat",
        "Total Win", "Total Loss", "Pct Pin", "Pct Win", "Pct Loss" } };
    for (auto& row : scoreTallyRows(meet.teamList, meet.boutGrid)) {
        row.front() = trimmed(row.front());
        rows.push_back(std::move(row));
    }
    return rows;
}

bool isNumberColumn(std::size_t column)
{
    constexpr bool numbers[]
        = { true, true, false, false, true, true, true, true, false, false, true, true, true, true, false, false };
    return column < std::size(numbers) && numbers[column];
}

std::string resultsCsvText(const TextRows& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c)
            text += (c > 0 ? "," : "") + csvField(row[c]);
        text += "\r\n";
    }
    return text;
}

} // namespace korvanda
