#include "network/PhoneResults.h"

#include "bouts/ResultEntry.h"
#include "handmatch/BoutNumbers.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"
#include "meetcheck/MatOrder.h"

namespace korvanda {

namespace {

// The messages "Accept" would show in boxes, kept for the scorer instead.
class CollectedMessages : public Dialogs {
public:
    void inform(const std::string& text) override { messages.push_back(text); }
    void warn(const std::string& text) override { messages.push_back(text); }
    bool ask(const std::string& text) override
    {
        messages.push_back(text);
        return false;
    }
    std::vector<std::string> messages;
};

PhoneAnswer refused(std::string message, bool retry = false)
{
    PhoneAnswer answer;
    answer.retry = retry;
    answer.messages.push_back(std::move(message));
    return answer;
}

const char* notSaved = "The laptop could not save the result. Send it again, or tell the table.";

std::vector<std::string> rowCells(const Table& table, int row)
{
    std::vector<std::string> cells;
    for (int column = 0; row > 0 && column < table.columnCount(); ++column)
        cells.push_back(table.cell(row, column));
    return cells;
}

ResultEntry entryOf(const PhoneResult& result)
{
    ResultEntry entry;
    entry.boutNumber = std::to_string(result.bout);
    entry.points1 = result.points1;
    entry.points2 = result.points2;
    entry.winner = result.winner;
    entry.resultType = result.resultType;
    return entry;
}

// The bout holds exactly what storing `result` would write: a result whose
// answer was lost, sent again after the laptop restarted and forgot its id.
bool holdsAlready(const Table& bouts, int row, const PhoneResult& result)
{
    Table scratch = bouts;
    for (const int column : { BoutColumn::Points1, BoutColumn::Points2, BoutColumn::Winner1, BoutColumn::Winner2 })
        scratch.setCell(row, column, "");
    ResultEntry entry = entryOf(result);
    CollectedMessages quiet;
    bool stored = false;
    return enterResult(scratch, entry, quiet, stored) == row && stored
        && rowCells(scratch, row) == rowCells(bouts, row);
}

} // namespace

PhoneAnswer PhoneResults::store(Meet& meet, const PhoneResult& result)
{
    if (confirmed_.count(result.id)) {
        PhoneAnswer answer;
        answer.stored = answer.again = true;
        return answer;
    }
    const std::string bout = std::to_string(result.bout);
    const Table& bouts = meet.boutGrid;
    const int row = boutRowOf(bouts, bout);
    if (const auto unsaved = unsaved_.find(result.id); unsaved != unsaved_.end()) {
        // The table removed or changed the result meanwhile: it is no
        // longer this one to confirm.
        if (unsaved->second != rowCells(bouts, row)) {
            unsaved_.erase(unsaved);
            return store(meet, result);
        }
        CollectedMessages dialogs;
        if (!saveRestoreFile(meet, dialogs, causes::resultFromMat(result.mat, result.bout)))
            return refused(notSaved, true);
        unsaved_.erase(unsaved);
        confirmed_.insert(result.id);
        PhoneAnswer answer;
        answer.stored = answer.again = true;
        return answer;
    }
    const auto onMat = readSingle(row ? bouts.cell(row, BoutColumn::Mat) : std::string());
    if (row == 0 || !onMat || roundHalfEven(*onMat) != result.mat)
        return refused("Bout " + bout + " is not on mat " + std::to_string(result.mat) + ".");
    // A re-match or a removed bout gives the number to other wrestlers.
    if (bouts.cell(row, BoutColumn::Name1) != result.name1 || bouts.cell(row, BoutColumn::Name2) != result.name2)
        return refused("Bout " + bout + " has other wrestlers now. Reload the page and check the bout.");
    if (hasResult(bouts, row)) {
        if (!holdsAlready(bouts, row, result))
            return refused("Bout " + bout + " already has a result; the table can change it.");
        confirmed_.insert(result.id);
        PhoneAnswer answer;
        answer.stored = answer.again = true;
        return answer;
    }
    if (result.resultType < ResultType::Fall || result.resultType > ResultType::Scratch)
        return refused("Choose how the bout was won.");

    ResultEntry entry = entryOf(result);
    CollectedMessages dialogs;
    const AcceptOutcome outcome = storeResult(meet, entry, dialogs, causes::resultFromMat(result.mat, result.bout));
    PhoneAnswer answer;
    if (!outcome.stored) {
        answer.messages = dialogs.messages;
        return answer;
    }
    if (!outcome.saved) {
        unsaved_[result.id] = rowCells(bouts, row);
        return refused(notSaved, true);
    }
    confirmed_.insert(result.id);
    answer.stored = true;
    return answer;
}

} // namespace korvanda
