#pragma once

// The soak's parts that need no window: its action lists, their shrinking,
// the meet folder under the program's feet, and the promises it checks.

#include "meet/Meet.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace korvanda::soak {

// Random picks, the same for the same seed.
inline std::size_t below(std::mt19937_64& rng, std::size_t n)
{
    return n == 0 ? 0 : static_cast<std::size_t>(rng() % n);
}
template <class Items> const auto& anyOf(std::mt19937_64& rng, const Items& items)
{
    return *std::next(std::begin(items), static_cast<std::ptrdiff_t>(below(rng, std::size(items))));
}

// One thing the director did, written down so that it can be done again
// exactly: a verb ("click", "type", "sabotage" ...), the control or file it
// went to, and the seed of the Yes and No answers given while it ran.
struct SoakAction {
    std::uint64_t answers = 0;
    std::string verb;
    std::vector<std::string> args;

    // One line: the answer seed in hex, the verb, then the arguments, each
    // with spaces, controls, '%' and non-ASCII bytes written as %XX.
    std::string line() const;
    // Nothing for a line that is not an action (blank, comment, no verb).
    static std::optional<SoakAction> parse(std::string_view line);
};

// A whole run: the seed of the scratch meet and the actions in order.
struct SoakCase {
    std::uint64_t meetSeed = 0;
    std::vector<SoakAction> actions;

    std::string text() const;
    // Nothing when the text names no meet seed.
    static std::optional<SoakCase> parse(std::string_view text);
};

// The indexes of a short list of actions that still fails, by delta
// debugging: drop ever smaller chunks while `stillFails` (a replay from
// scratch) says so; once `keepGoing` says no, the shortest list so far.
std::vector<std::size_t> shrinkFailingList(std::size_t count,
    const std::function<bool(const std::vector<std::size_t>&)>& stillFails, const std::function<bool()>& keepGoing);

// True when `text` is one of the messages the program shows, in full: its
// fixed words with names, numbers and file names filled in.
bool isKnownMessage(std::string_view text);

// What one name in the meet folder holds at a moment.
struct FolderEntry {
    bool directory = false;
    std::string bytes;
    std::filesystem::file_time_type written;

    bool operator==(const FolderEntry&) const = default;
};
using FolderState = std::map<std::string, FolderEntry>;

FolderState readFolder(const std::filesystem::path& folder);
// A small meet of a few teams, the same for the same seed: "Teams.Csv" and
// one data file per team.
void writeScratchMeet(const std::filesystem::path& folder, std::uint64_t seed);
// A change to the folder under the program's feet: a file deleted, cut
// short or filled with garbage, a directory in the place of a file, or
// ("mend") every such directory taken away again.
SoakAction pickSabotage(const FolderState& state, std::mt19937_64& rng);
void sabotage(const std::filesystem::path& folder, const SoakAction& action);

// What the program promises whatever the director did. Each check gives
// nothing when the promise holds, or what is wrong.
// Each table keeps its captions, its columns and at least one data row,
// and its current row lies among its data rows.
std::optional<std::string> tableShapeProblem(const Meet& meet);
// The restore file, read back, gives exactly the three tables.
std::optional<std::string> restoreFileProblem(const Meet& meet, std::string_view restoreFile);
// The files new or rewritten since `before` are whole: no temporary left
// behind, every line ends with CR LF (a backup may keep an old text).
std::optional<std::string> writtenFilesProblem(const FolderState& before, const FolderState& after);
// Bout n stands in row n; only a bout list without bouts has an empty row.
std::optional<std::string> boutNumberProblem(const Meet& meet);
// Every wrestler's Bouts cell lists exactly the bouts that name him.
std::optional<std::string> boutsCellProblem(const Meet& meet);
// The meet's own rules let Bouts cells and bouts disagree here: a bout
// names someone who is not (or not only once) in the roster, as after a
// rename or a hand match typed in for a stranger, or a wrestler has so many
// bouts that his cell cannot take one more in order.
bool boutsMayDisagree(const Meet& meet);

} // namespace korvanda::soak
