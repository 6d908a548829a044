#include "renumber/Viewer.h"

#include <system_error>

namespace quillon {

Viewer chooseViewer(const std::filesystem::path& wordPad)
{
    std::error_code error;
    return std::filesystem::is_regular_file(wordPad, error) ? Viewer::WordPad : Viewer::SystemDefault;
}

} // namespace quillon
