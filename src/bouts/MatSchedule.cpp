#include "bouts/MatSchedule.h"

#include "matching/PairingMeasures.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"

#include <optional>
#include <vector>

namespace korvanda {

namespace {

constexpr std::array<const char*, 5> matCaptions = { "Bout", "Red", "Team", "Green", "Team" };
// The bout table's columns that fill the five columns of a mat table.
constexpr std::array<int, 5> shownBoutColumns
    = { BoutColumn::Bout, BoutColumn::Name1, BoutColumn::Team1, BoutColumn::Name2, BoutColumn::Team2 };
// The heaviest mat takes every bout up to a weight sum no two wrestlers reach.
constexpr float heaviestMatLimit = 10000.0f;

Table emptyMatTable()
{
    Table table(1, static_cast<int>(matCaptions.size()));
    for (int c = 0; c < table.columnCount(); ++c)
        table.setCell(0, c, matCaptions[static_cast<std::size_t>(c)]);
    return table;
}

std::optional<int> matCountOf(std::string_view text)
{
    const auto value = readSingle(text);
    if (!value)
        return std::nullopt;
    const double mats = roundHalfEven(*value);
    if (mats < 1 || mats > maxMats)
        return std::nullopt;
    return static_cast<int>(mats);
}

// The rows that hold a bout; the empty row of a fresh bout list holds none.
std::vector<int> boutRows(const Table& bouts)
{
    std::vector<int> rows;
    for (int row = 1; row < bouts.rowCount(); ++row)
        if (!trimmed(bouts.cell(row, BoutColumn::Bout)).empty())
            rows.push_back(row);
    return rows;
}

std::vector<int> matsInTurn(std::size_t boutCount, int mats)
{
    std::vector<int> chosen;
    for (std::size_t i = 0; i < boutCount; ++i)
        chosen.push_back(static_cast<int>(i % static_cast<std::size_t>(mats)) + 1);
    return chosen;
}

// Each mat k takes the bouts up to its limit, the weight sum of the bout
// k/M of the way up the sorted list, so the mats get about equal shares.
std::optional<std::vector<int>> matsByWeight(
    const Table& bouts, const std::vector<int>& rows, int mats, Dialogs& dialogs)
{
    if (rows.empty()) {
        dialogs.inform("There are no bouts to schedule.");
        return std::nullopt;
    }
    const int boutCount = static_cast<int>(rows.size());
    std::vector<float> keys;
    for (const int row : rows) {
        const auto weight1 = readSingle(bouts.cell(row, BoutColumn::Weight1));
        const auto weight2 = readSingle(bouts.cell(row, BoutColumn::Weight2));
        if (!weight1 || !weight2) {
            dialogs.inform("Bout " + trimmed(bouts.cell(row, BoutColumn::Bout))
                + " has a weight that is not a number; nothing was scheduled.");
            return std::nullopt;
        }
        keys.push_back(*weight1 + *weight2);
    }
    SingleRows sorted(boutCount, 1);
    for (int i = 1; i <= boutCount; ++i)
        sorted(i, 1) = keys[static_cast<std::size_t>(i - 1)];
    sortSingleRows(sorted, 1, true, 1, boutCount);

    std::vector<float> limits(static_cast<std::size_t>(mats) + 1);
    for (int k = 1; k < mats; ++k) {
        const double position = roundHalfEven(static_cast<double>(boutCount) / mats * k);
        if (position < 1) {
            dialogs.inform("Too few bouts to schedule by weight on " + std::to_string(mats) + " mats.");
            return std::nullopt;
        }
        limits[static_cast<std::size_t>(k)] = sorted(static_cast<int>(position), 1);
    }
    limits[static_cast<std::size_t>(mats)] = heaviestMatLimit;

    std::vector<int> chosen;
    int current = 0;
    for (const float key : keys) {
        for (int k = mats; k >= 1; --k)
            if (key <= limits[static_cast<std::size_t>(k)])
                current = k;
        // A bout heavier than every limit stays with the bout before it;
        // when it comes first, the heaviest mat takes it.
        if (current == 0)
            current = mats;
        chosen.push_back(current);
    }
    return chosen;
}

} // namespace

MatSchedule::MatSchedule()
{
    for (auto& table : mats)
        table = emptyMatTable();
}

std::string matCaption(int mat)
{
    return "Mat " + std::to_string(mat);
}

bool scheduleBouts(Meet& meet, const std::string& matsText, bool byWeight, Dialogs& dialogs, MatSchedule& schedule)
{
    const auto mats = matCountOf(matsText);
    if (!mats) {
        dialogs.inform("The number of mats must be from 1 to 6.");
        return false;
    }
    Table& bouts = meet.boutGrid;
    const std::vector<int> rows = boutRows(bouts);
    const auto chosen = byWeight ? matsByWeight(bouts, rows, *mats, dialogs) : matsInTurn(rows.size(), *mats);
    if (!chosen)
        return false;

    for (int m = 1; m <= *mats; ++m)
        schedule.mat(m) = emptyMatTable();
    schedule.visibleMats = *mats;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = rows[i];
        const int mat = (*chosen)[i];
        Table& table = schedule.mat(mat);
        table.appendRow();
        const int line = table.rowCount() - 1;
        for (std::size_t c = 0; c < shownBoutColumns.size(); ++c)
            table.setCell(line, static_cast<int>(c), bouts.cell(row, shownBoutColumns[c]));
        bouts.setCell(row, BoutColumn::Mat, std::to_string(mat));
    }
    saveRestoreFile(meet, dialogs, byWeight ? causes::scheduleByWeight : causes::schedule);
    return true;
}

} // namespace korvanda
