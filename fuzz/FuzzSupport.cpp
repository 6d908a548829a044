#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace fuzzsupport {

namespace {

struct Scratch {
    std::filesystem::path path;

    Scratch()
    {
        std::random_device seed;
        for (int attempt = 0; attempt < 100; ++attempt) {
            auto candidate = std::filesystem::temp_directory_path() / ("korvanda-fuzz-" + std::to_string(seed()));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error)) {
                path = candidate;
                return;
            }
        }
        throw std::runtime_error("no scratch directory for the fuzz inputs");
    }

    ~Scratch()
    {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

} // namespace

void promiseBroken(const char* file, int line, const char* condition)
{
    std::fprintf(stderr, "%s:%d: promise broken: %s\n", file, line, condition);
    std::abort();
}

const std::filesystem::path& scratchDirectory()
{
    static const Scratch scratch;
    return scratch.path;
}

void placeInput(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(scratchDirectory() / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out)
        throw std::runtime_error("cannot place the fuzz input " + name);
}

void removeFile(const std::string& name)
{
    std::error_code error;
    std::filesystem::remove(scratchDirectory() / name, error);
}

std::string readFile(const std::string& name)
{
    std::ifstream in(scratchDirectory() / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace fuzzsupport
