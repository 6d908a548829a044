// Quillon's "boutsheets.txt" with anything in it: a file without two lines
// is reported and nothing is written; otherwise the renumbered file holds
// every line from the second on, each copied unchanged or, for a bout line,
// kept up to its "Bout " and ending in the new and the old number, and
// showing the sample or not makes no difference to the file.
#include "FuzzSupport.h"

#include "renumber/BoutLines.h"
#include "renumber/Generation.h"

#include <string>

using namespace quillon;

namespace {

BoutMap someMappings()
{
    BoutMap map;
    for (int old = 1; old < BoutMap::size; old += 3)
        map.set(old, BoutMap::size - old);
    return map;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string renumbered(renumberedFileName);
    fuzzsupport::placeInput(std::string(boutSheetsFileName), data, size);
    const ProgramDirectory directory(fuzzsupport::scratchDirectory());
    const BoutMap map = someMappings();

    fuzzsupport::removeFile(renumbered);
    const SheetsWriting quiet = writeRenumberedSheets(directory, false, map);
    const std::string quietFile = fuzzsupport::readFile(renumbered);
    fuzzsupport::removeFile(renumbered);
    const SheetsWriting shown = writeRenumberedSheets(directory, true, map);
    const std::string shownFile = fuzzsupport::readFile(renumbered);
    FUZZ_CHECK(quiet.outcome == shown.outcome && quiet.failure == shown.failure);

    const auto input = splitLines(std::string(reinterpret_cast<const char*>(data), size));
    if (input.size() < 2) {
        FUZZ_CHECK(shown.outcome == SheetsOutcome::SheetsMissing && !shown.failure.empty());
        FUZZ_CHECK(!std::filesystem::exists(fuzzsupport::scratchDirectory() / renumbered));
        return 0;
    }
    FUZZ_CHECK(shown.outcome == SheetsOutcome::Written);
    FUZZ_CHECK(quietFile == shownFile);
    const auto output = splitLines(shownFile);
    FUZZ_CHECK(output.size() == input.size() && output.back().empty());
    for (std::size_t i = 1; i < input.size(); ++i) {
        const std::string& in = input[i];
        const std::string& out = output[i - 1];
        if (out == in)
            continue;
        const auto at = in.find("Bout ");
        FUZZ_CHECK(at != std::string::npos);
        FUZZ_CHECK(out.compare(0, at + 5, in, 0, at + 5) == 0);
        const auto oldNumber = readBoutNumber(in.substr(in.rfind(' ') + 1));
        FUZZ_CHECK(oldNumber);
        FUZZ_CHECK(out.substr(at + 5)
            == std::to_string(map.newNumber(*oldNumber)) + "  (KV#" + std::to_string(*oldNumber) + ")");
    }
    return 0;
}
