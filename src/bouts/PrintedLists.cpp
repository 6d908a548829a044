#include "bouts/PrintedLists.h"

#include "bouts/TextPadding.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"

#include <string>

namespace korvanda {

namespace {

constexpr int rosterPageLength = 50;
constexpr int boutListPageLength = 50;
constexpr int scoreListPageLength = 40;

// Gathers the data lines of a list: the header goes on top, and again after
// a form feed at the head of every later page. The header ends in a line
// end of its own, so an empty line follows it.
class PagedList {
public:
    PagedList(std::string header, int pageLength)
        : header_(std::move(header) + "\r\n")
        , pageLength_(pageLength)
    {
    }

    // `lineCount` numbers the data line from 1 and decides its page.
    void add(int lineCount, std::string_view line)
    {
        if (!started_)
            appendLine(text_, header_);
        else if (lineCount % pageLength_ == 1)
            appendLine(text_, formFeed + header_);
        started_ = true;
        appendLine(text_, line);
    }

    const std::string& text() const { return text_; }

private:
    std::string header_;
    int pageLength_;
    bool started_ = false;
    std::string text_;
};

std::string rosterHeader()
{
    return leftJustify("Name", 20) + leftJustify("Age", 5) + leftJustify("Wgt", 4) + leftJustify("Team", 5)
        + leftJustify("Bouts", 10);
}

std::string rosterLine(const Table& roster, int row)
{
    const auto cell = [&](int column) -> const std::string& { return roster.cell(row, column); };
    return leftJustify(cell(RosterColumn::Name), 20) + rightJustify(cell(RosterColumn::Age), 4) + " "
        + rightJustify(cell(RosterColumn::Wgt), 3) + " " + leftJustify(cell(RosterColumn::Team), 5) + " "
        + leftJustify(cell(RosterColumn::Bouts), 15);
}

std::string boutListHeader(bool withSkills)
{
    if (withSkills)
        return leftJustify("Bout", 5) + leftJustify("Name", 18) + leftJustify("Age", 4) + leftJustify("Wgt", 4)
            + leftJustify("Skil", 5) + leftJustify("Team", 5) + "  " + leftJustify("Name", 19) + leftJustify("Age", 4)
            + leftJustify("Wgt", 4) + leftJustify("Skil", 5) + leftJustify("Team", 5);
    return leftJustify("Bout", 5) + leftJustify("Name", 21) + leftJustify("Age", 5) + leftJustify("Wgt", 5)
        + leftJustify("Team", 5) + "    " + leftJustify("Name", 21) + leftJustify("Age", 5) + leftJustify("Wgt", 5)
        + leftJustify("Team", 5);
}

// Wrestler 1's skill is set to the right of its field and wrestler 2's to
// the left, so the two skills face each other across the line.
std::string boutListLine(const Table& boutGrid, int bout, bool withSkills)
{
    const auto cell = [&](int column) -> const std::string& { return boutGrid.cell(bout, column); };
    const std::string number = rightJustify(std::to_string(bout), 3);
    if (withSkills)
        return number + " " + leftJustify(cell(BoutColumn::Name1), 18) + rightJustify(cell(BoutColumn::Age1), 4) + " "
            + rightJustify(cell(BoutColumn::Weight1), 3) + "  " + rightJustify(cell(BoutColumn::Skill1), 3) + " "
            + leftJustify(cell(BoutColumn::Team1), 5) + "  " + leftJustify(cell(BoutColumn::Name2), 18)
            + rightJustify(cell(BoutColumn::Age2), 4) + " " + rightJustify(cell(BoutColumn::Weight2), 3) + "  "
            + leftJustify(cell(BoutColumn::Skill2), 3) + " " + leftJustify(cell(BoutColumn::Team2), 5);
    return number + "  " + leftJustify(cell(BoutColumn::Name1), 20) + rightJustify(cell(BoutColumn::Age1), 4) + "  "
        + rightJustify(cell(BoutColumn::Weight1), 3) + "  " + leftJustify(cell(BoutColumn::Team1), 5) + "    "
        + leftJustify(cell(BoutColumn::Name2), 20) + rightJustify(cell(BoutColumn::Age2), 4) + "  "
        + rightJustify(cell(BoutColumn::Weight2), 3) + "  " + leftJustify(cell(BoutColumn::Team2), 5);
}

std::string scoreListHeader()
{
    const std::string side = leftJustify("Name", 19) + leftJustify("Age", 5) + leftJustify("Wgt", 4)
        + leftJustify("Skil", 5) + leftJustify("Team", 5) + leftJustify("Pts.", 5) + leftJustify("Result", 8);
    return leftJustify("Bout", 5) + side + " " + side;
}

std::string scoreListLine(const Table& boutGrid, int bout)
{
    const auto cell = [&](int column) -> const std::string& { return boutGrid.cell(bout, column); };
    return rightJustify(std::to_string(bout), 3) + "  " + leftJustify(cell(BoutColumn::Name1), 19)
        + rightJustify(cell(BoutColumn::Age1), 4) + " " + rightJustify(cell(BoutColumn::Weight1), 3) + "  "
        + rightJustify(cell(BoutColumn::Skill1), 3) + " " + leftJustify(cell(BoutColumn::Team1), 5)
        + rightJustify(cell(BoutColumn::Points1), 3) + " " + leftJustify(cell(BoutColumn::Winner1), 8) + "  "
        + leftJustify(cell(BoutColumn::Name2), 19) + rightJustify(cell(BoutColumn::Age2), 4) + " "
        + rightJustify(cell(BoutColumn::Weight2), 3) + "  " + leftJustify(cell(BoutColumn::Skill2), 3) + " "
        + leftJustify(cell(BoutColumn::Team2), 5) + rightJustify(cell(BoutColumn::Points2), 3) + " "
        + leftJustify(cell(BoutColumn::Winner2), 8);
}

} // namespace

void appendLine(std::string& text, std::string_view line)
{
    text += line;
    text += "\r\n";
}

bool isEmptyRow(const Table& table, int row)
{
    for (int column = 0; column < table.columnCount(); ++column)
        if (!table.cell(row, column).empty())
            return false;
    return true;
}

std::string rosterListText(const Table& roster, bool omitAbsents)
{
    PagedList list(rosterHeader(), rosterPageLength);
    int printed = 0;
    for (int row = 1; row < roster.rowCount(); ++row) {
        if (isEmptyRow(roster, row))
            continue;
        if (omitAbsents && trimmed(roster.cell(row, RosterColumn::Here)).empty())
            continue;
        list.add(++printed, rosterLine(roster, row));
    }
    return list.text();
}

std::string boutListText(const Table& boutGrid, bool withSkills)
{
    PagedList list(boutListHeader(withSkills), boutListPageLength);
    for (int bout = 1; bout < boutGrid.rowCount(); ++bout)
        if (!isEmptyRow(boutGrid, bout))
            list.add(bout, boutListLine(boutGrid, bout, withSkills));
    return list.text();
}

std::string scoreListText(const Table& boutGrid)
{
    PagedList list(scoreListHeader(), scoreListPageLength);
    for (int bout = 1; bout < boutGrid.rowCount(); ++bout)
        if (!isEmptyRow(boutGrid, bout))
            list.add(bout, scoreListLine(boutGrid, bout));
    return list.text();
}

} // namespace korvanda
