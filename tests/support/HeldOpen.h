#pragma once

// A file kept open by "another program" the way an editor or a spreadsheet
// on Windows keeps it: others may read and write it, but not delete or
// replace it. Windows only; elsewhere an open file does not block a rename.
#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <filesystem>
#include <stdexcept>

class HeldOpen {
public:
    explicit HeldOpen(const std::filesystem::path& path)
        : handle_(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
            FILE_ATTRIBUTE_NORMAL, nullptr))
    {
        if (handle_ == INVALID_HANDLE_VALUE)
            throw std::runtime_error("cannot hold " + path.string() + " open");
    }
    ~HeldOpen() { ::CloseHandle(handle_); }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

private:
    HANDLE handle_;
};

#endif
