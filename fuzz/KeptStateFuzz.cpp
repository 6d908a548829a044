// A kept state of the meet's history with anything in it: listing the
// history either lists it or names it as damaged, never both; a listed one
// gives either nothing or a text that keeping again adds no copy of.
#include "FuzzSupport.h"

#include "meet/MeetHistory.h"

#include <string>

using namespace korvanda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto meetFolder = fuzzsupport::scratchDirectory() / "Meet";
    std::filesystem::remove_all(meetFolder);
    std::filesystem::create_directories(meetFolder / historyFolderName);
    fuzzsupport::placeInput("000001.Kvs", data, size);
    std::filesystem::rename(
        fuzzsupport::scratchDirectory() / "000001.Kvs", meetFolder / historyFolderName / "000001.Kvs");
    const MeetHistory history(meetFolder);
    const HistoryListing listing = history.list();
    FUZZ_CHECK(listing.states.size() + listing.damaged.size() == 1);
    if (listing.states.empty())
        return 0;
    const KeptState& state = listing.states.front();
    const auto text = history.text(state);
    if (!text)
        return 0;
    FUZZ_CHECK(text->size() == state.textSize);
    // The same text once more is no new state.
    FUZZ_CHECK(history.keep(*text, state.counts, state.cause, state.time));
    FUZZ_CHECK(history.list().states.size() == 1);
    return 0;
}
