#include "bouts/ResultEntry.h"

#include "handmatch/BoutNumbers.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"
#include "meet/TextFile.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace korvanda {

namespace {

int resultTypeOfCode(std::string_view code)
{
    for (int type = ResultType::Fall; type <= ResultType::Scratch; ++type)
        if (code == resultCodes[static_cast<std::size_t>(type)])
            return type;
    return ResultType::None;
}

std::string codeText(int type)
{
    return resultCodes[static_cast<std::size_t>(type)];
}

bool isOneOf(int type, std::initializer_list<int> types)
{
    for (const int t : types)
        if (t == type)
            return true;
    return false;
}

// The result type a winning margin calls for, with the message when the
// chosen type is another; nothing for a margin of 0.
struct RequiredType {
    int type;
    const char* message;
};

std::optional<RequiredType> requiredType(int absoluteMargin)
{
    if (absoluteMargin >= 15)
        return RequiredType { ResultType::TechFall, "Result should be Technical Fall" };
    if (absoluteMargin >= 12)
        return RequiredType { ResultType::SupDec, "Result should be Superior Decision" };
    if (absoluteMargin >= 8)
        return RequiredType { ResultType::MajDec, "Result should be Majority Decision" };
    if (absoluteMargin >= 1)
        return RequiredType { ResultType::Decision, "Result should be Decision" };
    return std::nullopt;
}

// Points 1 minus points 2 as a whole number; 0 when either is no number.
// Nothing when the margin is too large to be a score.
std::optional<int> pointsMargin(const std::string& points1, const std::string& points2)
{
    const auto first = readSingle(points1);
    const auto second = readSingle(points2);
    if (!first || !second)
        return 0;
    const float difference = *first - *second;
    const double margin = roundHalfEven(difference);
    if (!(margin >= -32768 && margin <= 32767))
        return std::nullopt;
    return static_cast<int>(margin);
}

} // namespace

ResultEntry selectBout(const Table& boutGrid, int row, ResultEntry shown)
{
    if (row < 1 || row >= boutGrid.rowCount())
        return shown;
    shown.boutNumber = std::to_string(row);
    shown.name1 = boutGrid.cell(row, BoutColumn::Name1);
    shown.name2 = boutGrid.cell(row, BoutColumn::Name2);
    shown.team1 = boutGrid.cell(row, BoutColumn::Team1);
    shown.team2 = boutGrid.cell(row, BoutColumn::Team2);
    shown.points1 = boutGrid.cell(row, BoutColumn::Points1);
    shown.points2 = boutGrid.cell(row, BoutColumn::Points2);
    std::string code = trimmed(boutGrid.cell(row, BoutColumn::Winner1));
    if (!code.empty()) {
        // A draw or a scratch is written on both sides and has no winner.
        shown.winner = code == "Scratch" || code == "Draw" ? 0 : 1;
    } else {
        code = trimmed(boutGrid.cell(row, BoutColumn::Winner2));
        shown.winner = code.empty() ? 0 : 2;
    }
    if (code.empty())
        shown.resultType = ResultType::None;
    else if (const int type = resultTypeOfCode(code); type != ResultType::None)
        shown.resultType = type;
    return shown;
}

int chooseTypedBout(const Table& boutGrid, const std::string& boutNumberText, Dialogs& dialogs)
{
    if (!isNumber(boutNumberText)) {
        dialogs.inform("Bout number is blank");
        return 0;
    }
    const int bout = boutRowOf(boutGrid, boutNumberText);
    if (bout == 0)
        dialogs.inform("Bad bout number. Correct and retry.");
    return bout;
}

bool acceptResult(Meet& meet, ResultEntry& entry, Dialogs& dialogs, const std::string& cause)
{
    return storeResult(meet, entry, dialogs, cause).stored;
}

int enterResult(Table& bouts, ResultEntry& entry, Dialogs& dialogs, bool& stored)
{
    stored = false;
    if (entry.winner != 1 && entry.winner != 2)
        entry.winner = 0;
    if (entry.resultType < ResultType::None || entry.resultType > ResultType::Scratch)
        entry.resultType = ResultType::None;
    // The points go into the bout list and its files as typed, less what no file can carry.
    entry.points1 = withoutFileBreakers(entry.points1);
    entry.points2 = withoutFileBreakers(entry.points2);
    const bool pointsBlank = trimmed(entry.points1).empty() && trimmed(entry.points2).empty();
    std::optional<int> margin = 0;
    if (!pointsBlank) {
        // One side left blank scored nothing.
        if (trimmed(entry.points1).empty())
            entry.points1 = "0";
        if (trimmed(entry.points2).empty())
            entry.points2 = "0";
        margin = pointsMargin(entry.points1, entry.points2);
    }
    if (!isNumber(entry.boutNumber)) {
        dialogs.inform("Bout number is blank");
        return 0;
    }
    const int bout = boutRowOf(bouts, entry.boutNumber);
    if (bout == 0) {
        dialogs.inform("Bad bout number. Correct and retry.");
        return 0;
    }

    bool rejected = false;
    auto reject = [&](const char* message) {
        dialogs.inform(message);
        rejected = true;
    };
    const int type = entry.resultType;
    if (!margin) {
        reject("Points out of range.");
    } else {
        if (type == ResultType::Scratch && !pointsBlank)
            reject("Points should not be assigned to scratched bout.");
        if (pointsBlank
            && isOneOf(type,
                { ResultType::TechFall, ResultType::SupDec, ResultType::MajDec, ResultType::Decision,
                    ResultType::Draw }))
            reject("Points must be assigned");
        if (!isOneOf(type, { ResultType::None, ResultType::Draw, ResultType::Scratch }) && entry.winner == 0)
            reject("No winner was declared");
        if (type == ResultType::Draw || type == ResultType::Scratch)
            entry.winner = 0;
        const bool inconsistent = (*margin < 0 && entry.winner == 1) || (*margin > 0 && entry.winner == 2);
        if (inconsistent) {
            // A fall ends the bout whatever the score stood at.
            if (type != ResultType::Fall)
                reject("Points inconsistent with winner");
        } else if (!isOneOf(type, { ResultType::Fall, ResultType::Forfeit, ResultType::Scratch })) {
            const auto required = requiredType(std::abs(*margin));
            if (required && required->type != type)
                reject(required->message);
        }
    }

    if (!rejected) {
        const std::string code = codeText(type);
        const bool bothSides = code == "Scratch" || code == "Draw";
        bouts.setCell(bout, BoutColumn::Points1, entry.points1);
        bouts.setCell(bout, BoutColumn::Points2, entry.points2);
        bouts.setCell(bout, BoutColumn::Winner1, entry.winner == 1 || bothSides ? code : std::string());
        bouts.setCell(bout, BoutColumn::Winner2, entry.winner == 2 || bothSides ? code : std::string());
        entry = ResultEntry {};
    }
    stored = !rejected;
    return bout;
}

AcceptOutcome storeResult(Meet& meet, ResultEntry& entry, Dialogs& dialogs, const std::string& cause)
{
    bool stored = false;
    const int bout = enterResult(meet.boutGrid, entry, dialogs, stored);
    if (bout == 0)
        return {};
    const bool saved = saveRestoreFile(meet, dialogs, cause.empty() ? causes::acceptBout(bout) : cause);
    return { stored, saved };
}

} // namespace korvanda
