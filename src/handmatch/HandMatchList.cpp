#include "handmatch/HandMatchList.h"

#include "handmatch/BoutNumbers.h"
#include "matching/PairingMeasures.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"
#include "meet/TextFile.h"

#include <optional>

namespace korvanda {

namespace {

enum ListColumn : int { Name, Age, Weight, Skill, Team, Comp, Count };

constexpr std::array<const char*, ListColumn::Count> listCaptions
    = { "Name", "Age", "Weight", "Skill", "Team", "Comp" };

// Where wrestler 1 and wrestler 2 of a bout begin in the bout table.
constexpr std::array<int, 2> boutNameColumn = { BoutColumn::Name1, BoutColumn::Name2 };

// The whole number of the "Max Bouts" box, when it holds one that fits a
// bout count.
std::optional<int> boutLimitOf(std::string_view text)
{
    const auto value = readSingle(text);
    if (!value)
        return std::nullopt;
    const double limit = roundHalfEven(*value);
    if (limit < -32768 || limit > 32767)
        return std::nullopt;
    return static_cast<int>(limit);
}

} // namespace

HandMatchList::HandMatchList()
    : grid_(3, ListColumn::Count)
{
    cancel();
}

void HandMatchList::selectRow(int row)
{
    if (row == 1 || row == 2)
        grid_.setCurrentRow(row);
}

std::string HandMatchList::editButtonCaption() const
{
    return editing_ ? "Replace >" : "Edit Bout >";
}

FaceColour HandMatchList::editButtonFace() const
{
    return editing_ ? FaceColour { 0, 255, 0 } : FaceColour { 192, 192, 255 };
}

PickResult HandMatchList::pickWrestler(
    const Meet& meet, const EditorWrestler& editor, const ProposalSettings& settings, Dialogs& dialogs)
{
    PickResult result;
    // Only a wrestler who is here can be paired.
    if (!editor.present)
        return result;
    const int row = grid_.currentRow();
    // The boxes may hold anything typed; what reaches a bout must fit the files.
    const std::string name = withoutFileBreakers(editor.name);
    const std::string age = withoutFileBreakers(editor.age);
    const std::string weight = withoutFileBreakers(editor.weight);
    const std::string skill = withoutFileBreakers(editor.skill);
    grid_.setCell(row, ListColumn::Name, name);
    grid_.setCell(row, ListColumn::Age, age);
    grid_.setCell(row, ListColumn::Weight, weight);
    grid_.setCell(row, ListColumn::Skill, skill);
    grid_.setCell(row, ListColumn::Team, withoutFileBreakers(editor.team));
    grid_.setCell(row, ListColumn::Comp, compositeValue(age, weight, skill));
    result.picked = true;

    if (!settings.findBest || row != 1 || !trimmed(grid_.cell(2, ListColumn::Name)).empty())
        return result;
    const auto limit = boutLimitOf(settings.maxBouts);
    if (!limit) {
        dialogs.inform("Bad value for maximum bouts.");
        return result;
    }
    result.searched = true;
    const int own = findRow(meet.roster, name);
    result.proposedRow = findBestOpponent(meet, own, handMatchCriteria(settings.criteria), *limit);
    if (result.proposedRow > 0) {
        const Table& roster = meet.roster;
        const int proposed = result.proposedRow;
        for (int c = ListColumn::Name; c <= ListColumn::Team; ++c)
            grid_.setCell(2, c, roster.cell(proposed, c));
        grid_.setCell(2, ListColumn::Comp,
            compositeValue(roster.cell(proposed, RosterColumn::Age), roster.cell(proposed, RosterColumn::Wgt),
                roster.cell(proposed, RosterColumn::Skill)));
    }
    return result;
}

bool HandMatchList::makeHandBout(Meet& meet, Dialogs& dialogs)
{
    if (!acceptablePair(dialogs))
        return false;
    Table& bouts = meet.boutGrid;
    // The empty row of a fresh bout list takes the first bout.
    const int last = bouts.rowCount() - 1;
    if (last < 1 || !trimmed(bouts.cell(last, BoutColumn::Bout)).empty())
        bouts.appendRow();
    const int bout = bouts.rowCount() - 1;
    writeBout(meet, bout);
    for (int listRow = 1; listRow <= 2; ++listRow) {
        const int wrestler = findRow(meet.roster, grid_.cell(listRow, ListColumn::Name));
        if (wrestler == 0)
            continue;
        const std::string held = trimmed(meet.roster.cell(wrestler, RosterColumn::Bouts));
        meet.roster.setCell(wrestler, RosterColumn::Bouts, held + (held.empty() ? "" : ",") + std::to_string(bout));
    }
    cancel();
    meet.handMatchesMade = true;
    saveRestoreFile(meet, dialogs, causes::handMatch(bout));
    return true;
}

void HandMatchList::cancel()
{
    grid_.clear();
    for (int c = 0; c < ListColumn::Count; ++c)
        grid_.setCell(0, c, listCaptions[static_cast<std::size_t>(c)]);
    editing_ = false;
    editedBoutRows_ = {};
}

bool HandMatchList::editOrReplaceBout(Meet& meet, const std::string& boutNumberText, Dialogs& dialogs)
{
    const int bout = boutRowOf(meet.boutGrid, boutNumberText);
    bool reset = false;
    if (bout == 0) {
        dialogs.inform("Bad bout number. Correct and retry.");
    } else if (!editing_) {
        loadBout(meet, bout);
    } else {
        if (acceptablePair(dialogs))
            replaceBout(meet, bout);
        cancel();
        reset = true;
    }
    saveRestoreFile(meet, dialogs, causes::editBout(bout));
    return reset;
}

bool HandMatchList::acceptablePair(Dialogs& dialogs) const
{
    const std::string first = trimmed(grid_.cell(1, ListColumn::Name));
    const std::string second = trimmed(grid_.cell(2, ListColumn::Name));
    if (!first.empty() && !second.empty() && first != second)
        return true;
    dialogs.inform("Unacceptable match");
    return false;
}

void HandMatchList::writeBout(Meet& meet, int bout) const
{
    Table& bouts = meet.boutGrid;
    bouts.setCell(bout, BoutColumn::Bout, std::to_string(bout));
    bouts.setCell(bout, BoutColumn::Mat, "1");
    for (int listRow = 1; listRow <= 2; ++listRow) {
        const int first = boutNameColumn[static_cast<std::size_t>(listRow - 1)];
        for (int c = ListColumn::Name; c <= ListColumn::Team; ++c)
            bouts.setCell(bout, first + c, grid_.cell(listRow, c));
    }
}

void HandMatchList::loadBout(const Meet& meet, int bout)
{
    editing_ = true;
    for (int listRow = 1; listRow <= 2; ++listRow) {
        const std::size_t i = static_cast<std::size_t>(listRow - 1);
        editedBoutRows_[i] = findRow(meet.roster, meet.boutGrid.cell(bout, boutNameColumn[i]));
        setRowFromRoster(listRow, meet.roster, editedBoutRows_[i]);
    }
}

void HandMatchList::replaceBout(Meet& meet, int bout)
{
    Table& roster = meet.roster;
    for (int listRow = 1; listRow <= 2; ++listRow) {
        const std::size_t i = static_cast<std::size_t>(listRow - 1);
        // Looked up again now: the roster may have been sorted or shortened
        // since the bout was loaded, and its rows moved.
        const int old = findRow(roster, meet.boutGrid.cell(bout, boutNameColumn[i]));
        if (old != 0)
            roster.setCell(old, RosterColumn::Bouts,
                updateBoutsList(roster.cell(old, RosterColumn::Bouts), bout, BoutsListChange::Remove));
        editedBoutRows_[i] = findRow(roster, grid_.cell(listRow, ListColumn::Name));
    }
    writeBout(meet, bout);
    meet.handMatchesMade = true;
    for (const int wrestler : editedBoutRows_)
        if (wrestler != 0)
            roster.setCell(wrestler, RosterColumn::Bouts,
                updateBoutsList(roster.cell(wrestler, RosterColumn::Bouts), bout, BoutsListChange::Add));
}

void HandMatchList::setRowFromRoster(int listRow, const Table& roster, int rosterRow)
{
    // A wrestler of the bout who is no longer in the roster leaves his row empty.
    for (int c = 0; c < ListColumn::Count; ++c)
        grid_.setCell(listRow, c, rosterRow == 0 ? std::string() : roster.cell(rosterRow, c));
}

} // namespace korvanda
