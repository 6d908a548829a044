#pragma once

// Shared by every harness: where the input file goes, and how a broken
// promise stops the run so that libFuzzer, or the corpus replay, sees it.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzzsupport::promiseBroken(__FILE__, __LINE__, #condition);                                                \
    } while (false)

namespace fuzzsupport {

[[noreturn]] void promiseBroken(const char* file, int line, const char* condition);

// A directory of this process's own, removed when the process ends; each
// harness overwrites the files it uses on every input.
const std::filesystem::path& scratchDirectory();

// Puts the input into `name` in the scratch directory, replacing any
// earlier one, exactly as a director's file would lie there.
void placeInput(const std::string& name, const std::uint8_t* data, std::size_t size);

// Removes a file of the scratch directory, when there is one.
void removeFile(const std::string& name);

// The bytes of a file of the scratch directory; empty when it is missing.
std::string readFile(const std::string& name);

} // namespace fuzzsupport

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
