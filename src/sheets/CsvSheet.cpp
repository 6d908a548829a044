#include "sheets/CsvSheet.h"

#include "sheets/SheetCells.h"
#include "sheets/SheetText.h"

#include <array>
#include <string>

namespace korvanda {

namespace {

// Title rows carry few separators, so the first lines are counted together.
char detectSeparator(std::string_view text)
{
    constexpr std::array<char, 3> candidates = { ',', ';', '\t' };
    std::array<std::size_t, 3> counts {};
    bool quoted = false;
    int lines = 0;
    for (std::size_t i = 0; i < text.size() && lines < 20; ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '\n')
            ++lines;
        else if (!quoted)
            for (std::size_t k = 0; k < candidates.size(); ++k)
                if (c == candidates[k])
                    ++counts[k];
    }
    std::size_t best = 0;
    for (std::size_t k = 1; k < candidates.size(); ++k)
        if (counts[k] > counts[best])
            best = k;
    return candidates[best];
}

} // namespace

SheetReading readCsvSheet(std::string_view bytes)
{
    if (bytes.size() > SheetLimits::fileBytes)
        return oversizedSheet();
    const std::string text = sheetTextAsUtf8(bytes);
    const char separator = detectSeparator(text);
    SheetCells cells;
    std::size_t row = 0;
    std::size_t column = 0;
    std::string field;
    bool quoted = false;
    const auto endField = [&] {
        cells.put(row, column, std::move(field));
        field.clear();
        ++column;
    };
    const auto endRecord = [&] {
        endField();
        ++row;
        column = 0;
    };
    for (std::size_t i = 0; i < text.size() && !cells.failed(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRecord();
        } else {
            field += c;
        }
        if (field.size() > SheetLimits::cellBytes)
            cells.put(row, column, std::move(field));
    }
    if (quoted)
        cells.fail("A quoted field starting in row " + std::to_string(row + 1) + " is never closed.");
    else if (!field.empty() || column > 0)
        endRecord();
    return cells.finish();
}

} // namespace korvanda
