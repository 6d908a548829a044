#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

// A fresh directory for one test, standing in for the program's own
// directory; removed with everything in it afterwards.
class ScratchDir {
public:
    ScratchDir()
        : path_(std::filesystem::temp_directory_path() / ("quillon-test-" + std::to_string(std::random_device()())))
    {
        std::filesystem::create_directory(path_);
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
    void write(const std::string& name, std::string_view bytes) const
    {
        std::ofstream(path_ / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path path_;
};
