#include "meet/MeetHistory.h"

#include "meet/TextFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <limits>
#include <system_error>

namespace korvanda {

namespace {

constexpr std::string_view stateExtension = ".Kvs";
constexpr std::size_t headBytes = 1024;

// The number in a state file's name, or nothing for any other name (a
// temporary left by a crash, or something nobody of the meet put there).
std::optional<int> stateNumber(const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    if (name.size() <= stateExtension.size() || !name.ends_with(stateExtension))
        return std::nullopt;
    const std::string_view digits(name.data(), name.size() - stateExtension.size());
    int number = 0;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

std::string stateFileName(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "%06d", number);
    return name + std::string(stateExtension);
}

} // namespace

MeetHistory::MeetHistory(std::filesystem::path meetFolder)
    : folder_(std::move(meetFolder) / historyFolderName)
{
}

std::vector<std::pair<int, std::filesystem::path>> MeetHistory::stateFiles() const
{
    std::vector<std::pair<int, std::filesystem::path>> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error))
        if (const auto number = stateNumber(it->path()); number && it->is_regular_file(error))
            files.emplace_back(*number, it->path());
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    return files;
}

std::optional<KeptState> MeetHistory::readHeader(const std::filesystem::path& file) const
{
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    std::ifstream in(file, std::ios::binary);
    if (error || !in)
        return std::nullopt;
    std::string head(headBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    auto state = readStateHeader(head, size);
    if (state)
        state->file = file;
    return state;
}

bool MeetHistory::keep(
    std::string_view text, const StateCounts& counts, const std::string& cause, std::time_t time) const
{
    const auto files = stateFiles();
    // A name at the very end of the numbers, put there by something else, leaves no next one.
    if (!files.empty() && files.front().first == std::numeric_limits<int>::max())
        return false;
    const int number = files.empty() ? 1 : files.front().first + 1;
    if (!files.empty()) {
        // The newest state decides: an action that changed nothing, or a
        // second Write Files, adds no copy.
        const auto newest = readHeader(files.front().second);
        if (newest && newest->textSize == text.size() && newest->textChecksum == textChecksum(text)) {
            const auto bytes = readWholeFile(newest->file);
            if (bytes && unpackState(*newest, *bytes) == text)
                return true;
        }
    }
    KeptState state;
    state.time = time;
    state.cause = cause;
    state.counts = counts;
    const auto bytes = packState(state, text);
    std::error_code error;
    std::filesystem::create_directory(folder_, error);
    return bytes && saveFileSafely(folder_ / stateFileName(number), *bytes);
}

HistoryListing MeetHistory::list() const
{
    HistoryListing listing;
    for (const auto& [number, file] : stateFiles()) {
        if (auto state = readHeader(file)) {
            state->number = number;
            listing.states.push_back(std::move(*state));
        } else {
            listing.damaged.push_back(file.filename().string());
        }
    }
    return listing;
}

std::optional<std::string> MeetHistory::text(const KeptState& state) const
{
    const auto bytes = readWholeFile(state.file);
    if (!bytes)
        return std::nullopt;
    return unpackState(state, *bytes);
}

} // namespace korvanda
