#include "sheets/SheetFile.h"

#include "meet/TextFile.h"
#include "sheets/CsvSheet.h"

#include <algorithm>
#include <system_error>

#if KORVANDA_WORKBOOKS
#include "sheets/OdsSheet.h"
#include "sheets/XlsxSheet.h"
#endif

namespace korvanda {

SheetReading readSheetFile(const std::filesystem::path& path)
{
    std::string ending = path.extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
        [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    const bool workbook = ending == ".xlsx" || ending == ".ods";
    if (ending != ".csv" && ending != ".txt" && !workbook)
        return { {}, "Korvanda reads rosters from .csv, .txt, .xlsx and .ods files." };
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > SheetLimits::fileBytes)
        return oversizedSheet();
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return { {}, "The file cannot be read." };
#if KORVANDA_WORKBOOKS
    if (ending == ".xlsx")
        return readXlsxSheet(*bytes);
    if (ending == ".ods")
        return readOdsSheet(*bytes);
#else
    // The Windows build has no zip or XML library from Debian to read them.
    if (workbook)
        return { {}, "This build of Korvanda reads rosters from .csv and .txt files only." };
#endif
    return readCsvSheet(*bytes);
}

} // namespace korvanda
