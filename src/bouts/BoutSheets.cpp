#include "bouts/BoutSheets.h"

#include "bouts/PrintedLists.h"
#include "bouts/TextPadding.h"
#include "meet/Meet.h"

#include <array>
#include <string_view>

namespace korvanda {

namespace {

// Six empty cells of the score box: three periods, two overtimes, total.
constexpr std::string_view scoreCells
    = "|            |            |            |            |            |            |";

constexpr std::array<std::string_view, 5> boxTop = {
    "                            _____________________________________________________________________________ ",
    "                           |            |            |            |            |            |            |",
    "                           |     P1     |     P2     |     P3     |    OT1     |    OT2     |   Total    |",
    "                           |   1 Min    |   1 Min    |   1 Min    |   1 Min    |   30 Sec   |   Score    |",
    " __________________________|____________|____________|____________|____________|____________|____________|",
};
constexpr std::string_view greenTitle
    = "|Wrestler 1 (Green)        |            |            |            |            |            |            |";
constexpr std::string_view redTitle
    = "|Wrestler 2 (Red)          |            |            |            |            |            |            |";
constexpr std::string_view wrestlerBottom
    = "|__________________________|____________|____________|____________|____________|____________|____________|";

constexpr int fieldWidth = 26;

std::string details(const Table& boutGrid, int bout, int ageColumn, int weightColumn, int skillColumn, bool withSkills)
{
    const std::string age = "Age " + rightJustify(boutGrid.cell(bout, ageColumn), 4);
    const std::string& weight = boutGrid.cell(bout, weightColumn);
    if (withSkills)
        return age + " Wgt " + rightJustify(weight, 3) + " Skil " + rightJustify(boutGrid.cell(bout, skillColumn), 4);
    return age + "   Weight " + rightJustify(weight, 3) + "     ";
}

// One wrestler's part of the box: the title row, then name, team and
// details, each with an empty writing row above it.
void appendWrestler(std::string& text, std::string_view title, const std::array<std::string, 3>& fields)
{
    const std::string emptyRow = "|" + std::string(fieldWidth, ' ') + std::string(scoreCells);
    appendLine(text, title);
    for (const auto& field : fields) {
        appendLine(text, emptyRow);
        appendLine(text, "|" + field + std::string(scoreCells));
    }
    appendLine(text, wrestlerBottom);
}

void appendSheet(std::string& text, const Table& boutGrid, const Table& teamList, bool withSkills, int bout,
    const std::string& dateLine)
{
    for (int team = 1; team < teamList.rowCount(); ++team)
        if (!isEmptyRow(teamList, team))
            appendLine(text, centerText(teamList.cell(team, TeamColumn::Name), boutSheetWidth));
    appendLine(text, "");
    appendLine(text, dateLine);
    appendLine(text, "");
    appendLine(text, "");
    appendLine(text, centerText("Bout " + boutGrid.cell(bout, BoutColumn::Bout), boutSheetWidth));
    appendLine(text, centerText("Mat " + boutGrid.cell(bout, BoutColumn::Mat), boutSheetWidth));
    appendLine(text, "");
    appendLine(text, "");
    for (const auto line : boxTop)
        appendLine(text, line);
    appendWrestler(text, greenTitle,
        { leftJustify(boutGrid.cell(bout, BoutColumn::Name1), fieldWidth),
            leftJustify(boutGrid.cell(bout, BoutColumn::Team1), fieldWidth),
            details(boutGrid, bout, BoutColumn::Age1, BoutColumn::Weight1, BoutColumn::Skill1, withSkills) });
    appendWrestler(text, redTitle,
        { leftJustify(boutGrid.cell(bout, BoutColumn::Name2), fieldWidth),
            leftJustify(boutGrid.cell(bout, BoutColumn::Team2), fieldWidth),
            details(boutGrid, bout, BoutColumn::Age2, BoutColumn::Weight2, BoutColumn::Skill2, withSkills) });
}

} // namespace

std::string dateText(const PrintDate& date)
{
    std::string year = std::to_string(date.year);
    if (year.size() < 4)
        year.insert(0, 4 - year.size(), '0');
    return date.dayName + ", " + date.monthName + " " + std::to_string(date.day) + " " + year;
}

std::string boutSheetsText(const Table& boutGrid, const Table& teamList, bool withSkills, const PrintDate& date)
{
    const std::string dateLine = centerText(dateText(date), boutSheetWidth);
    std::string text;
    bool first = true;
    for (int bout = 1; bout < boutGrid.rowCount(); ++bout) {
        if (isEmptyRow(boutGrid, bout))
            continue;
        if (!first)
            appendLine(text, std::string(1, formFeed));
        first = false;
        appendSheet(text, boutGrid, teamList, withSkills, bout, dateLine);
    }
    return text;
}

} // namespace korvanda
