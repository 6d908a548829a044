# Turns the phones' pages into one C++ source, so the program serves them
# from memory and never from a path on the disk.
# Called with -DPAGES_DIR=... -DOUTPUT=...
file(GLOB pages RELATIVE ${PAGES_DIR} ${PAGES_DIR}/*)
list(SORT pages)
set(body "")
set(entries "")
set(index 0)
foreach(page ${pages})
  file(READ ${PAGES_DIR}/${page} hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND body "const char page${index}[] = { ${bytes} 0 };\n")
  get_filename_component(extension ${page} EXT)
  if(extension STREQUAL ".html")
    set(type "text/html; charset=utf-8")
  elseif(extension STREQUAL ".css")
    set(type "text/css; charset=utf-8")
  elseif(extension STREQUAL ".js")
    set(type "text/javascript; charset=utf-8")
  elseif(extension STREQUAL ".svg")
    set(type "image/svg+xml")
  else()
    message(FATAL_ERROR "No content type for page file ${page}")
  endif()
  # The spectator page answers at the root, the scorer page without its ending.
  if(page STREQUAL "spectator.html")
    set(path "/")
  elseif(page STREQUAL "scorer.html")
    set(path "/scorer")
  else()
    set(path "/${page}")
  endif()
  string(APPEND entries "        { \"${path}\", { \"${type}\", std::string_view(page${index}, ${size}) } },\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.new "// Made from the files of src/network/pages at build time.
#include \"network/PageFiles.h\"

#include <map>
#include <string_view>

namespace korvanda {

namespace {
${body}} // namespace

const PageFile* findPageFile(std::string_view path)
{
    static const std::map<std::string_view, PageFile> files {
${entries}    };
    const auto found = files.find(path);
    return found == files.end() ? nullptr : &found->second;
}

} // namespace korvanda
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
