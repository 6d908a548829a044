#include "sheets/ResultsExport.h"

#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/TextFile.h"
#include "meet/Utf8Text.h"
#include "platform/SafeSave.h"
#include "sheets/ResultTables.h"

#include <xlsxwriter.h>

namespace korvanda {

namespace {

std::filesystem::path besideWorkbook(const std::filesystem::path& workbook, const std::string& table)
{
    return workbook.parent_path() / (workbook.stem().string() + " " + table + ".csv");
}

// A number keeps the decimals the meet shows (9.0 stays 9.0); any other
// text is written as text.
void writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text, bool number,
    lxw_format* const (&decimals)[2])
{
    const auto point = text.find('.');
    const std::size_t places = point == std::string::npos ? 0 : text.size() - point - 1;
    const auto value = readDouble(text);
    if (number && value && places < 2 && text.find_first_of("eE+") == std::string::npos)
        worksheet_write_number(sheet, row, column, *value, decimals[places]);
    else if (!text.empty())
        worksheet_write_string(sheet, row, column, utf8FromLatin1(text).c_str(), nullptr);
}

void writeSheet(lxw_workbook* book, const char* name, const TextRows& rows, bool (*numberColumn)(std::size_t),
    lxw_format* const (&decimals)[2], lxw_format* bold)
{
    lxw_worksheet* sheet = workbook_add_worksheet(book, name);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const auto row = static_cast<lxw_row_t>(r);
            const auto column = static_cast<lxw_col_t>(c);
            if (r == 0)
                worksheet_write_string(sheet, row, column, rows[r][c].c_str(), bold);
            else
                writeCell(sheet, row, column, rows[r][c], numberColumn(c), decimals);
        }
    worksheet_freeze_panes(sheet, 1, 0);
}

bool isTallyNumber(std::size_t column)
{
    return column > 0;
}

bool writeWorkbook(const Meet& meet, const std::filesystem::path& path)
{
    const std::filesystem::path temporary = platform::temporaryFor(path);
    lxw_workbook* book = workbook_new(temporary.string().c_str());
    if (book == nullptr)
        return false;
    lxw_format* whole = workbook_add_format(book);
    format_set_num_format(whole, "0");
    lxw_format* tenths = workbook_add_format(book);
    format_set_num_format(tenths, "0.0");
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* const decimals[2] = { whole, tenths };
    writeSheet(book, "Bouts", boutResultRows(meet), isNumberColumn, decimals, bold);
    writeSheet(book, "Team Tally", tallyResultRows(meet), isTallyNumber, decimals, bold);
    const bool closed = workbook_close(book) == LXW_NO_ERROR;
    // The library writes a plain file; its bytes go through the safe save,
    // which flushes them to the disk before they replace the old workbook.
    const auto bytes = closed ? readWholeFile(temporary) : std::nullopt;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return bytes && platform::saveReplacing(path, *bytes);
}

} // namespace

std::filesystem::path boutsCsvPath(const std::filesystem::path& workbook)
{
    return besideWorkbook(workbook, "Bouts");
}

std::filesystem::path tallyCsvPath(const std::filesystem::path& workbook)
{
    return besideWorkbook(workbook, "Tally");
}

bool exportResults(const Meet& meet, const std::filesystem::path& workbook, Dialogs& dialogs)
{
    bool all = true;
    const auto report = [&](bool written, const std::filesystem::path& path) {
        if (!written)
            dialogs.warn("Couldn't write " + path.filename().string() + "; file may be in use.");
        all = all && written;
    };
    report(writeWorkbook(meet, workbook), workbook);
    report(saveFileSafely(boutsCsvPath(workbook), resultsCsvText(boutResultRows(meet))), boutsCsvPath(workbook));
    report(saveFileSafely(tallyCsvPath(workbook), resultsCsvText(tallyResultRows(meet))), tallyCsvPath(workbook));
    return all;
}

} // namespace korvanda
