#include "meet/RestoreFile.h"

#include "meet/Dialogs.h"
#include "meet/KeepMeetState.h"
#include "meet/TextFile.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace korvanda {

namespace {

void appendQuotedLine(std::string& text, std::string_view content)
{
    text += '"';
    text += content;
    text += "\"\r\n";
}

class BlockReader {
public:
    explicit BlockReader(std::vector<std::string> lines)
        : lines_(std::move(lines))
    {
    }

    std::optional<Table> readTable(int expectedColumns)
    {
        const auto size = readSize();
        if (!size || size->second != expectedColumns)
            return std::nullopt;
        const auto [rows, columns] = *size;
        Table table(1, columns);
        for (int c = 0; c < columns; ++c) {
            const auto caption = readQuoted();
            if (!caption)
                return std::nullopt;
            // A caption is one cell: a tab in it cannot be written back.
            table.setCell(0, c, withoutFileBreakers(*caption));
        }
        for (int r = 1; r < rows; ++r) {
            const auto row = readQuoted();
            if (!row || static_cast<int>(splitTabs(*row).size()) > columns)
                return std::nullopt;
            table.appendRow(*row);
        }
        // Every table keeps a data row, empty when the meet has none yet.
        if (table.rowCount() == 1)
            table.appendRow();
        return table;
    }

    bool onlyBlankLinesLeft()
    {
        while (next_ < lines_.size() && lines_[next_].empty())
            ++next_;
        return next_ == lines_.size();
    }

    int lineNumber() const { return static_cast<int>(next_) + 1; }

private:
    std::optional<std::pair<int, int>> readSize()
    {
        if (next_ >= lines_.size())
            return std::nullopt;
        const std::string& line = lines_[next_];
        const auto comma = line.find(',');
        if (comma == std::string::npos)
            return std::nullopt;
        const auto rows = wholeNumber(std::string_view(line).substr(0, comma));
        const auto columns = wholeNumber(std::string_view(line).substr(comma + 1));
        if (!rows || !columns || *rows < 1)
            return std::nullopt;
        ++next_;
        return std::make_pair(*rows, *columns);
    }

    std::optional<std::string> readQuoted()
    {
        if (next_ >= lines_.size())
            return std::nullopt;
        const std::string& line = lines_[next_];
        if (line.size() < 2 || line.front() != '"' || line.back() != '"')
            return std::nullopt;
        std::string content = line.substr(1, line.size() - 2);
        if (content.find('"') != std::string::npos)
            return std::nullopt;
        ++next_;
        // A carriage return alone is no line end here, but no file of the
        // meet could carry it onwards, so it never reaches a cell.
        std::erase(content, '\r');
        return content;
    }

    static std::optional<int> wholeNumber(std::string_view digits)
    {
        int value = 0;
        if (digits.empty() || digits.front() < '0' || digits.front() > '9')
            return std::nullopt;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error != std::errc() || end != digits.data() + digits.size())
            return std::nullopt;
        return value;
    }

    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

// The selection in each window stays where it was, as far as the new rows reach.
void replaceKeepingCurrentRow(Table& table, Table&& restored)
{
    const int current = table.currentRow();
    table = std::move(restored);
    table.setCurrentRow(std::max(1, std::min(current, table.rowCount() - 1)));
}

std::string restorePathText(const Meet& meet)
{
    return (meet.directory / restoreFileName).string();
}

} // namespace

std::string tableBlockText(const Table& table)
{
    std::string text = std::to_string(table.rowCount()) + "," + std::to_string(table.columnCount()) + "\r\n";
    for (int c = 0; c < table.columnCount(); ++c)
        appendQuotedLine(text, withoutFileBreakers(table.cell(0, c)));
    for (int r = 1; r < table.rowCount(); ++r) {
        std::string row;
        for (int c = 0; c < table.columnCount(); ++c) {
            if (c > 0)
                row += '\t';
            // A quote, tab or line end inside a cell would break the block apart.
            row += withoutFileBreakers(table.cell(r, c));
        }
        appendQuotedLine(text, row);
    }
    return text;
}

std::string restoreFileText(const Meet& meet)
{
    return tableBlockText(meet.teamList) + tableBlockText(meet.roster) + tableBlockText(meet.boutGrid);
}

std::optional<RestoredTables> parseRestoreFile(std::string_view text, int* badLine)
{
    BlockReader reader(splitLines(text));
    auto fail = [&]() -> std::optional<RestoredTables> {
        if (badLine)
            *badLine = reader.lineNumber();
        return std::nullopt;
    };
    // Every later step indexes these columns, so a file with other widths
    // was not written by this program and is refused.
    auto teamList = reader.readTable(TeamColumn::Count);
    if (!teamList)
        return fail();
    auto roster = reader.readTable(RosterColumn::Count);
    if (!roster)
        return fail();
    auto boutGrid = reader.readTable(BoutColumn::Count);
    if (!boutGrid || !reader.onlyBlankLinesLeft())
        return fail();
    return RestoredTables { std::move(*teamList), std::move(*roster), std::move(*boutGrid) };
}

bool saveRestoreFile(const Meet& meet, Dialogs& dialogs, const std::string& cause)
{
    const std::string text = restoreFileText(meet);
    if (saveFileSafely(meet.directory / restoreFileName, text)) {
        keepMeetState(meet, text, cause, dialogs);
        return true;
    }
    dialogs.warn("Couldn't write " + restorePathText(meet) + "; the previous restore file was kept.");
    return false;
}

bool loadRestoreFile(Meet& meet, Dialogs& dialogs)
{
    const auto text = readWholeFile(meet.directory / restoreFileName);
    if (!text) {
        dialogs.warn("Couldn't read " + restorePathText(meet) + "; the meet was not changed.");
        return false;
    }
    return restoreFromText(meet, *text, restorePathText(meet), dialogs);
}

bool restoreFromText(Meet& meet, std::string_view text, const std::string& name, Dialogs& dialogs)
{
    int badLine = 0;
    auto tables = parseRestoreFile(text, &badLine);
    if (!tables) {
        dialogs.warn(
            name + " is damaged or incomplete (line " + std::to_string(badLine) + "); the meet was not changed.");
        return false;
    }
    replaceKeepingCurrentRow(meet.teamList, std::move(tables->teamList));
    replaceKeepingCurrentRow(meet.roster, std::move(tables->roster));
    replaceKeepingCurrentRow(meet.boutGrid, std::move(tables->boutGrid));
    return true;
}

} // namespace korvanda
