#pragma once

#include <filesystem>

namespace quillon {

// The program that shows a file Quillon wrote.
enum class Viewer {
    WordPad, // "c:\windows\write.exe", maximised, as Quillon always used
    SystemDefault, // whatever the system opens text files with
};

// WordPad where Windows still has it at `wordPad` (recent Windows 11
// releases removed it), otherwise the system's own choice.
Viewer chooseViewer(const std::filesystem::path& wordPad);

} // namespace quillon
