#include "sheets/ZipEntries.h"

#include "sheets/Sheet.h"

#include <zip.h>

#include <array>

namespace korvanda {

ZipEntries::ZipEntries(std::string_view bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source != nullptr) {
        archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (archive_ == nullptr)
            zip_source_free(source);
    }
    zip_error_fini(&error);
}

ZipEntries::~ZipEntries()
{
    if (archive_ != nullptr)
        zip_discard(archive_);
}

bool ZipEntries::has(const std::string& name) const
{
    return archive_ != nullptr && zip_name_locate(archive_, name.c_str(), 0) >= 0;
}

std::optional<std::string> ZipEntries::read(const std::string& name, std::string& problem) const
{
    zip_stat_t stat;
    if (archive_ == nullptr || zip_stat(archive_, name.c_str(), 0, &stat) != 0
        || (stat.valid & ZIP_STAT_COMP_SIZE) == 0) {
        problem = "The file has no part " + name + ".";
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen(archive_, name.c_str(), 0);
    if (file == nullptr) {
        problem = "The part " + name + " cannot be unpacked.";
        return std::nullopt;
    }
    // The sizes in the archive's directory may lie, so the bytes are
    // counted as they come out.
    const std::size_t packed = static_cast<std::size_t>(stat.comp_size);
    std::string text;
    std::array<char, 65536> chunk;
    for (;;) {
        const zip_int64_t got = zip_fread(file, chunk.data(), chunk.size());
        if (got < 0) {
            problem = "The part " + name + " is damaged.";
            break;
        }
        if (got == 0)
            break;
        text.append(chunk.data(), static_cast<std::size_t>(got));
        if (text.size() > SheetLimits::entryBytes) {
            problem = "The part " + name + " unpacks to more than " + std::to_string(SheetLimits::entryBytes >> 20)
                + " MB.";
            break;
        }
        if (text.size() > (1u << 20) && text.size() / SheetLimits::packRatio > packed) {
            problem = "The part " + name + " unpacks to more than " + std::to_string(SheetLimits::packRatio)
                + " times its packed size, as a zip bomb does.";
            break;
        }
    }
    zip_fclose(file);
    if (!problem.empty())
        return std::nullopt;
    return text;
}

} // namespace korvanda
