#include "folders/MeetFolder.h"

#include "meet/TextFile.h"
#include "teams/TeamFiles.h"

#include <fstream>
#include <system_error>

namespace korvanda {

namespace {

// Only a real file proves that the meet's files can be written: permission
// bits say nothing for an administrator or on a read-only disk.
bool takesNewFiles(const std::filesystem::path& folder)
{
    const auto probe = folder / "KorvandaWriteCheck.Tmp";
    std::error_code error;
    if (std::filesystem::exists(probe, error))
        return std::filesystem::is_regular_file(probe, error) && std::ofstream(probe, std::ios::app).good();
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary);
        written = out.good() && out.put('\n').flush().good();
    }
    std::filesystem::remove(probe, error);
    return written;
}

} // namespace

FolderProblem checkMeetFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    const auto status = std::filesystem::status(folder, error);
    if (!std::filesystem::exists(status))
        return FolderProblem::Missing;
    if (!std::filesystem::is_directory(status))
        return FolderProblem::NotAFolder;
    return takesNewFiles(folder) ? FolderProblem::None : FolderProblem::NotWritable;
}

std::string folderProblemMessage(FolderProblem problem, std::string_view shownFolder)
{
    const std::string named = "\"" + std::string(shownFolder) + "\"";
    switch (problem) {
    case FolderProblem::None:
        break;
    case FolderProblem::Missing:
        return "The meet folder " + named + " does not exist.";
    case FolderProblem::NotAFolder:
        return named + " is a file, not a folder. A meet needs a folder of its own.";
    case FolderProblem::NotWritable:
        return "The meet folder " + named
            + " cannot be written. The meet's files could not be saved there; choose a folder you can write to.";
    }
    return {};
}

bool holdsMeet(const std::filesystem::path& folder)
{
    std::error_code error;
    return std::filesystem::exists(folder / teamListFileName, error);
}

bool startEmptyMeet(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (holdsMeet(folder))
        return true;
    return saveFileSafely(folder / teamListFileName, "");
}

bool copyDemoMeet(const std::filesystem::path& demoMeet, const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(demoMeet / teamListFileName, error))
        return false;
    std::filesystem::create_directories(folder, error);
    std::filesystem::directory_iterator files(demoMeet, error);
    bool allCopied = !error;
    for (; allCopied && files != std::filesystem::directory_iterator(); files.increment(error)) {
        const auto target = folder / files->path().filename();
        if (!files->is_regular_file(error) || std::filesystem::exists(target, error))
            continue;
        const auto bytes = readWholeFile(files->path());
        allCopied = bytes && saveFileSafely(target, *bytes);
    }
    return allCopied && !error;
}

} // namespace korvanda
