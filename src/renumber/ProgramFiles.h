#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The three files, all in the program's own directory.
inline constexpr std::string_view mappingFileName = "_current_meet_v2.txt";
inline constexpr std::string_view boutSheetsFileName = "boutsheets.txt";
inline constexpr std::string_view renumberedFileName = "_boutsheets_renumbered_v2.txt";

// The program's own directory, with the text that names it in messages.
class ProgramDirectory {
public:
    // Named in messages with the system's own separators.
    explicit ProgramDirectory(std::filesystem::path path);
    ProgramDirectory(std::filesystem::path path, std::string shown);

    const std::filesystem::path& path() const { return path_; }
    const std::string& shown() const { return shown_; }

    // A file of the directory as the messages name it.
    std::string shownFile(std::string_view name) const;

private:
    std::filesystem::path path_;
    std::string shown_;
};

// Why the files cannot be worked on in `directory` (it is missing, not a
// folder, or takes no new file), naming it; the empty text when they can.
std::string folderProblem(const ProgramDirectory& directory);

// The whole file; a file that cannot be read gives what was read of it,
// a missing file the empty text.
std::string loadFile(const std::filesystem::path& path);

// Lines ended by CR LF (or a bare LF, as files made on Linux have). The text
// after the last line end is a line too, empty when the text ends in a line
// end; the empty text has no lines.
std::vector<std::string> splitLines(std::string_view text);

// The file called `name` in `directory`; when there is none, one whose name
// differs only in letter case (the bout sheets are written as
// "BoutSheets.Txt"), the first by name if there are several. Without any
// match the path of `name` itself.
std::filesystem::path findFile(const std::filesystem::path& directory, std::string_view name);

// Writes the bytes to a temporary file beside `path` and then puts it in
// place, so a crash never leaves half a file; a temporary left over from a
// crash is replaced. False, with `path` untouched, when any step fails.
bool writeFileSafely(const std::filesystem::path& path, std::string_view bytes);

} // namespace quillon
