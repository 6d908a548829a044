#include "meet/TextFile.h"

#include "platform/SafeSave.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace korvanda {

std::optional<std::string> readWholeFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = next;
    }
    return lines;
}

bool saveFileSafely(const std::filesystem::path& path, std::string_view bytes)
{
    return platform::saveReplacing(path, bytes);
}

bool saveFileWithBackup(const std::filesystem::path& path, const std::filesystem::path& backup, std::string_view bytes)
{
    if (!platform::writeTemporary(path, bytes))
        return false;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        // A copy rather than a rename, so the file itself is never missing.
        if (const auto previous = readWholeFile(path))
            saveFileSafely(backup, *previous);
    } else {
        std::filesystem::remove(backup, error);
    }
    return platform::replaceWithTemporary(path);
}

std::string withoutFileBreakers(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (c != '"' && c != '\t' && c != '\r' && c != '\n')
            kept += c;
    return kept;
}

} // namespace korvanda
