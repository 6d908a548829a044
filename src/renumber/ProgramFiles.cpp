#include "renumber/ProgramFiles.h"

#include "platform/SafeSave.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace quillon {

namespace {

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

} // namespace

ProgramDirectory::ProgramDirectory(std::filesystem::path path)
    : ProgramDirectory(path, std::filesystem::path(path).make_preferred().string())
{
}

ProgramDirectory::ProgramDirectory(std::filesystem::path path, std::string shown)
    : path_(std::move(path))
    , shown_(std::move(shown))
{
}

std::string folderProblem(const ProgramDirectory& directory)
{
    const std::string named = "\"" + directory.shown() + "\"";
    std::error_code error;
    const auto status = std::filesystem::status(directory.path(), error);
    if (!std::filesystem::exists(status))
        return "The folder " + named + " does not exist.";
    if (!std::filesystem::is_directory(status))
        return named + " is a file, not a folder.";
    // Only a real file proves the renumbered sheets can be written there,
    // whatever the permissions say to an administrator.
    const auto probe = directory.path() / "QuillonWriteCheck.tmp";
    if (std::filesystem::exists(probe, error))
        return {};
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary);
        written = out.good() && out.put('\n').flush().good();
    }
    std::filesystem::remove(probe, error);
    return written ? std::string() : "The folder " + named + " cannot be written.";
}

std::string ProgramDirectory::shownFile(std::string_view name) const
{
    std::string text = shown_;
    // A drive or file system root already ends in its separator.
    if (text.empty() || !isSeparator(text.back()))
        text += static_cast<char>(std::filesystem::path::preferred_separator);
    text += name;
    return text;
}

std::string loadFile(const std::filesystem::path& path)
{
    std::string text;
    std::ifstream in(path, std::ios::binary);
    // A read error (a directory by the name, say) ends the text there.
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    return text;
}

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            return lines;
        }
        auto line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
}

std::filesystem::path findFile(const std::filesystem::path& directory, std::string_view name)
{
    const auto exact = directory / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(exact, error))
        return exact;
    // Compared as the bytes of their names, so a file whose name the
    // system's code page cannot spell does not stop the search.
    std::vector<std::string> matches;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        const std::u8string filename = it->path().filename().u8string();
        const std::string candidate(filename.begin(), filename.end());
        std::error_code kindError;
        if (sameIgnoringCase(candidate, name) && it->is_regular_file(kindError))
            matches.push_back(candidate);
    }
    if (matches.empty())
        return exact;
    const std::string& first = *std::min_element(matches.begin(), matches.end());
    return directory / std::u8string(first.begin(), first.end());
}

bool writeFileSafely(const std::filesystem::path& path, std::string_view bytes)
{
    return platform::saveReplacing(path, bytes);
}

} // namespace quillon
