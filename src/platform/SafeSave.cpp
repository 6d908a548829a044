#include "platform/SafeSave.h"

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

// A temporary left behind by a crash (read-only, or a link that leads
// nowhere) must not block every later save. True when it is gone.
bool clearStaleTemporary(const std::filesystem::path& temporary)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(temporary, error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_directory(status))
        return false;
#ifdef _WIN32
    // Windows refuses to delete a read-only file.
    ::SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
    return std::filesystem::remove(temporary, error);
}

// A temporary of ours that did not get complete or did not get in place.
void removeTemporary(const std::filesystem::path& temporary)
{
    std::error_code error;
    std::filesystem::remove(temporary, error);
}

#ifdef _WIN32

HANDLE createTemporary(const std::filesystem::path& temporary)
{
    // No sharing: nobody reads a file that is still being written.
    const auto create = [&temporary] {
        return ::CreateFileW(
            temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE file = create();
    if (file == INVALID_HANDLE_VALUE && clearStaleTemporary(temporary))
        file = create();
    return file;
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool writeFlushed(const std::filesystem::path& temporary, std::string_view bytes)
{
    HANDLE file = createTemporary(temporary);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = writeAll(file, bytes);
    written = ::FlushFileBuffers(file) && written;
    written = ::CloseHandle(file) && written;
    if (!written)
        removeTemporary(temporary);
    return written;
}

bool moveInPlace(const std::filesystem::path& temporary, const std::filesystem::path& path)
{
    // Windows keeps a read-only file as it is; asking first keeps the
    // program from replacing one where the system would not say so (Wine).
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    return ::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

#else

std::FILE* openTemporary(const std::filesystem::path& temporary)
{
    if (std::FILE* file = std::fopen(temporary.c_str(), "wb"))
        return file;
    if (!clearStaleTemporary(temporary))
        return nullptr;
    return std::fopen(temporary.c_str(), "wb");
}

bool writeFlushed(const std::filesystem::path& temporary, std::string_view bytes)
{
    std::FILE* file = openTemporary(temporary);
    if (!file)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
    written = ::fsync(::fileno(file)) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written)
        removeTemporary(temporary);
    return written;
}

// Makes the new name in the directory last through a power cut as well;
// where that cannot be done the file is in place all the same.
void syncDirectoryOf(const std::filesystem::path& path)
{
    const std::filesystem::path directory = path.has_parent_path() ? path.parent_path() : ".";
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

bool moveInPlace(const std::filesystem::path& temporary, const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error)
        return false;
    syncDirectoryOf(path);
    return true;
}

#endif

} // namespace

std::filesystem::path temporaryFor(const std::filesystem::path& path)
{
    std::filesystem::path temporary = path;
    temporary += ".new";
    return temporary;
}

bool writeTemporary(const std::filesystem::path& path, std::string_view bytes)
{
    return writeFlushed(temporaryFor(path), bytes);
}

bool replaceWithTemporary(const std::filesystem::path& path)
{
    const auto temporary = temporaryFor(path);
    if (moveInPlace(temporary, path))
        return true;
    removeTemporary(temporary);
    return false;
}

bool saveReplacing(const std::filesystem::path& path, std::string_view bytes)
{
    return writeTemporary(path, bytes) && replaceWithTemporary(path);
}

} // namespace platform
