#include "meet/TextFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#endif

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

namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& path)
{
    std::filesystem::path temporary = path;
    temporary += ".new";
    return temporary;
}

std::FILE* openTemporary(const std::filesystem::path& temporary)
{
    if (std::FILE* file = std::fopen(temporary.string().c_str(), "wb"))
        return file;
    // A temporary left behind by a crash (read-only, or a link that leads
    // nowhere) must not block every later save; a directory of that name
    // is somebody's data and stays.
    std::error_code error;
    const auto status = std::filesystem::symlink_status(temporary, error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_directory(status))
        return nullptr;
    if (!std::filesystem::remove(temporary, error))
        return nullptr;
    return std::fopen(temporary.string().c_str(), "wb");
}

// The bytes in a complete file beside `path`, or nothing when that failed.
std::optional<std::filesystem::path> writeTemporary(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path temporary = temporaryBeside(path);
    std::FILE* file = openTemporary(temporary);
    if (!file)
        return std::nullopt;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
#if defined(__unix__) || defined(__APPLE__)
    // The meet must survive the laptop's power going off, not only a crash.
    written = ::fsync(::fileno(file)) == 0 && written;
#endif
    written = std::fclose(file) == 0 && written;
    std::error_code error;
    if (!written) {
        std::filesystem::remove(temporary, error);
        return std::nullopt;
    }
    return temporary;
}

// Makes the new name in the directory last through a power cut as well;
// where that cannot be done the file is in place all the same.
void syncDirectoryOf(const std::filesystem::path& path)
{
#if defined(__unix__) || defined(__APPLE__)
    const std::filesystem::path directory = path.has_parent_path() ? path.parent_path() : ".";
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
#else
    (void)path;
#endif
}

bool putInPlace(const std::filesystem::path& temporary, const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    syncDirectoryOf(path);
    return true;
}

} // namespace

bool saveFileSafely(const std::filesystem::path& path, std::string_view bytes)
{
    const auto temporary = writeTemporary(path, bytes);
    return temporary && putInPlace(*temporary, path);
}

bool saveFileWithBackup(const std::filesystem::path& path, const std::filesystem::path& backup, std::string_view bytes)
{
    const auto temporary = writeTemporary(path, bytes);
    if (!temporary)
        return false;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        // A copy rather than a rename, so the file itself is never missing.
        if (const auto previous = readWholeFile(path))
            saveFileSafely(backup, *previous);
    } else {
        std::filesystem::remove(backup, error);
    }
    return putInPlace(*temporary, path);
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
