#pragma once

#include <optional>
#include <string>
#include <string_view>

typedef struct zip zip_t;

namespace korvanda {

// The parts of an .xlsx or .ods file, which are zip archives. Each part is
// unpacked within the size and packing-ratio limits, so a zip bomb stops
// at the limit with a message instead of filling the memory.
class ZipEntries {
public:
    // `bytes` must outlive the object.
    explicit ZipEntries(std::string_view bytes);
    ~ZipEntries();
    ZipEntries(const ZipEntries&) = delete;
    ZipEntries& operator=(const ZipEntries&) = delete;

    bool opened() const { return archive_ != nullptr; }
    bool has(const std::string& name) const;
    // The unpacked part; nothing, with `problem` set, when it is missing,
    // damaged or over a limit.
    std::optional<std::string> read(const std::string& name, std::string& problem) const;

private:
    zip_t* archive_ = nullptr;
};

} // namespace korvanda
