#pragma once

#include <string_view>

namespace korvanda {

// A file of the phones' pages, compiled into the program.
struct PageFile {
    std::string_view contentType;
    std::string_view bytes;
};

// The file served at `path` ("/", "/scorer", "/style.css", ...); null when
// the pages have no such file. Nothing else is ever served from a path.
const PageFile* findPageFile(std::string_view path);

} // namespace korvanda
