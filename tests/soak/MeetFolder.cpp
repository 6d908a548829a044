#include "soak/SoakChecks.h"

#include <fstream>
#include <iterator>
#include <set>

namespace korvanda::soak {

namespace fs = std::filesystem;

namespace {

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Names that the program reads or writes, whether or not they are there now.
const char* const meetFileNames[] = { "Restore.Csv", "Teams.Csv", "KorvandaSettings.Csv", "Roster.Txt", "BoutList.Txt",
    "ScoreList.Txt", "BoutSheets.Txt", "ScoreTally.Txt", "Teams.Bak", "Restore.Csv.new", "Teams.Csv.new" };

} // namespace

FolderState readFolder(const fs::path& folder)
{
    FolderState state;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        FolderEntry item;
        item.directory = entry.is_directory(error);
        item.written = entry.last_write_time(error);
        if (!item.directory) {
            std::ifstream in(entry.path(), std::ios::binary);
            item.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        state[entry.path().filename().string()] = std::move(item);
    }
    return state;
}

void writeScratchMeet(const fs::path& folder, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    static const char* const teams[][2]
        = { { "Tigers", "TIG" }, { "Bears", "BRS" }, { "Hawks", "HWK" }, { "Otters", "OTR" } };
    static const char* const first[] = { "Al", "Ben", "Cal", "Dan", "Eli", "Finn", "Gus", "Hal", "Ike", "Jon", "Kai",
        "Leo", "Max", "Ned", "Zo\xeb" };
    static const char* const last[] = { "Ames", "Baker", "Cole", "Diaz", "Egan", "Ford", "Gray", "Hunt" };
    const std::size_t teamCount = 1 + below(rng, 4);
    std::string teamList;
    std::set<std::string> used;
    for (std::size_t t = 0; t < teamCount; ++t) {
        teamList += std::string("\"") + teams[t][0] + "\",\"" + teams[t][1] + "\",\"Coach " + teams[t][1] + "\",\""
            + teams[t][0] + "\"\r\n";
        std::string roster;
        const std::size_t wrestlers = 2 + below(rng, 7);
        for (std::size_t w = 0; w < wrestlers; ++w) {
            // Now and then the same name twice, or a record with a bad number.
            std::string name = std::string(anyOf(rng, first)) + " " + anyOf(rng, last);
            while (used.count(name) && below(rng, 10) != 0)
                name = std::string(anyOf(rng, first)) + " " + anyOf(rng, last);
            used.insert(name);
            const std::string age = std::to_string(6 + below(rng, 9)) + (below(rng, 3) == 0 ? ".5" : "");
            const std::string weight = below(rng, 25) == 0 ? "heavy" : std::to_string(45 + below(rng, 70));
            const std::string skill = std::to_string(below(rng, 5));
            roster += "\"" + name + "\",\"" + age + "\",\"" + weight + "\",\"" + skill + "\"\r\n";
        }
        writeBytes(folder / (std::string(teams[t][0]) + ".Csv"), roster);
    }
    writeBytes(folder / "Teams.Csv", teamList);
}

SoakAction pickSabotage(const FolderState& state, std::mt19937_64& rng)
{
    if (below(rng, 3) == 0)
        return { 0, "sabotage", { "mend" } };
    std::vector<std::string> names(std::begin(meetFileNames), std::end(meetFileNames));
    for (const auto& [name, entry] : state)
        names.push_back(name);
    const std::string name = names[below(rng, names.size())];
    const auto found = state.find(name);
    const std::size_t size = found == state.end() ? 0 : found->second.bytes.size();
    switch (below(rng, 4)) {
    case 0:
        return { 0, "sabotage", { "delete", name } };
    case 1:
        return { 0, "sabotage", { "truncate", name, std::to_string(below(rng, size + 1)) } };
    case 2:
        return { 0, "sabotage", { "garbage", name, std::to_string(rng() % 1000000) } };
    default:
        return { 0, "sabotage", { "directory", name } };
    }
}

void sabotage(const fs::path& folder, const SoakAction& action)
{
    std::error_code error;
    const auto& args = action.args;
    if (args.empty())
        return;
    if (args[0] == "mend") {
        for (const auto& entry : fs::directory_iterator(folder, error))
            if (entry.is_directory(error))
                fs::remove_all(entry.path(), error);
        return;
    }
    if (args.size() < 2 || args[1].find('/') != std::string::npos)
        return;
    const fs::path path = folder / args[1];
    if (args[0] == "delete") {
        fs::remove(path, error);
    } else if (args[0] == "truncate" && args.size() > 2 && fs::is_regular_file(path, error)) {
        fs::resize_file(path, std::stoull(args[2]), error);
    } else if (args[0] == "garbage" && args.size() > 2 && !fs::is_directory(path, error)) {
        std::mt19937_64 bytes(std::stoull(args[2]));
        static const char pieces[][12]
            = { "\"", ",", "\r\n", "\n", "\t", "3,4", "\"\"", "\xff\xfe", "12,8\r\n", "Bout", "\x0c", "x" };
        std::string text;
        const std::size_t count = below(bytes, 60);
        for (std::size_t i = 0; i < count; ++i)
            text += below(bytes, 3) == 0 ? std::string(1, static_cast<char>(bytes() & 0xff)) : anyOf(bytes, pieces);
        writeBytes(path, text);
    } else if (args[0] == "directory") {
        fs::remove(path, error);
        fs::create_directory(path, error);
        writeBytes(path / "in the way", "x");
    }
}

} // namespace korvanda::soak
