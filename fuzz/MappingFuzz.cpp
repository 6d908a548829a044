// Quillon's "_current_meet_v2.txt" with anything in it: a file without two
// lines is reported and leaves the map as the earlier generation left it;
// otherwise the sample box lists exactly the mappings that were applied, in
// file order, and showing the sample or not makes no difference to the map.
#include "FuzzSupport.h"

#include "renumber/BoutLines.h"
#include "renumber/Generation.h"

#include <string>

using namespace quillon;

namespace {

constexpr std::string_view sampleSeparator = "        /       ";

// What an earlier generation of the same run may have left in the map.
BoutMap earlierMap()
{
    BoutMap map;
    for (int old = 0; old < BoutMap::size; old += 7)
        map.set(old, (old * 3) % BoutMap::size);
    return map;
}

bool sameMap(const BoutMap& a, const BoutMap& b)
{
    for (int old = 0; old < BoutMap::size; ++old)
        if (a.newNumber(old) != b.newNumber(old))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::placeInput(std::string(mappingFileName), data, size);
    const ProgramDirectory directory(fuzzsupport::scratchDirectory());
    BoutMap shownMap = earlierMap();
    BoutMap quietMap = earlierMap();
    const MappingReading shown = readMappingFile(directory, true, shownMap);
    const MappingReading quiet = readMappingFile(directory, false, quietMap);
    FUZZ_CHECK(shown.found == quiet.found && shown.failure == quiet.failure);
    FUZZ_CHECK(sameMap(shownMap, quietMap));
    FUZZ_CHECK(!quiet.sample && shown.sample);
    if (!shown.found) {
        FUZZ_CHECK(!shown.failure.empty());
        FUZZ_CHECK(sameMap(shownMap, earlierMap()));
        return 0;
    }
    FUZZ_CHECK(shown.failure.empty());

    BoutMap replayed = earlierMap();
    const auto lines = splitLines(shown.sample->mappings);
    FUZZ_CHECK(!lines.empty() && lines.front() == "KV Bout# / Python Bout#)");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto at = lines[i].find(sampleSeparator);
        FUZZ_CHECK(at != std::string::npos);
        const auto oldNumber = readBoutNumber(lines[i].substr(0, at));
        const auto newNumber = readBoutNumber(lines[i].substr(at + sampleSeparator.size()));
        FUZZ_CHECK(oldNumber && newNumber);
        replayed.set(*oldNumber, *newNumber);
    }
    FUZZ_CHECK(sameMap(replayed, shownMap));
    return 0;
}
