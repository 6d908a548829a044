// A coach's CSV or tab-separated sheet, whatever its bytes: read within the limits or
// refused with a problem, never a crash or a hang.
#include "SheetPromises.h"

#include "sheets/CsvSheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkSheetReading(korvanda::readCsvSheet(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
