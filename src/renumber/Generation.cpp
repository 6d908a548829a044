#include "renumber/Generation.h"

#include "renumber/BoutLines.h"

#include <vector>

namespace quillon {

namespace {

constexpr std::string_view lineEnd = "\r\n";

// The sample boxes show at most the lines at positions 1 to 499.
constexpr std::size_t sampleLines = 500;

std::string fileName(ViewedFile which)
{
    return std::string(which == ViewedFile::RenumberedSheets ? renumberedFileName : mappingFileName);
}

} // namespace

MappingReading readMappingFile(const ProgramDirectory& directory, bool sampleOn, BoutMap& map)
{
    MappingReading reading;
    const auto lines = splitLines(loadFile(findFile(directory.path(), mappingFileName)));
    if (sampleOn)
        reading.sample = MappingSample { "Opened File " + directory.shownFile(mappingFileName),
            "KV Bout# / Python Bout#)", "current_meet_v2 bouts" };
    if (lines.size() < 2) {
        reading.failure = "This program and _current_meet_v2.txt must both be in same directory (" + directory.shown()
            + "), but _current_meet_v2.txt cannot be found.  Reminder: did you run the batch file "
              "_2make_lists_current_meet_v2.bat which then runs MatList_v2.py and generates "
              "_current_meet_v2.txt?";
        return reading;
    }
    reading.found = true;
    // The first line is the list's heading, whatever it holds.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto mapping = readMappingLine(lines[i]);
        if (!mapping)
            continue;
        if (reading.sample) {
            reading.sample->mappings += lineEnd;
            reading.sample->mappings += mapping->oldText + "        /       " + mapping->newText;
        }
        map.set(mapping->oldNumber, mapping->newNumber);
    }
    return reading;
}

SheetsWriting writeRenumberedSheets(const ProgramDirectory& directory, bool sampleOn, const BoutMap& map)
{
    SheetsWriting writing;
    const auto lines = splitLines(loadFile(findFile(directory.path(), boutSheetsFileName)));
    if (lines.size() < 2) {
        writing.failure = "This program and boutsheets.txt must both be in same directory (" + directory.shown()
            + "), but boutsheets.txt cannot be found.  Reminder: did you 'Schedule by Weight' and then "
              "'Write Files' on Korvanda's Bouts page?";
        return writing;
    }
    SheetsSample sample;
    std::string output;
    // The first line (the first team name of the first sheet) is not copied.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string out = renumberedLine(lines[i], map);
        if (i < sampleLines) {
            sample.inputLines += lineEnd;
            sample.inputLines += lines[i];
            sample.outputLines += lineEnd;
            sample.outputLines += out;
        }
        // The empty text after the final line end is copied too, so the
        // output ends in an empty line.
        output += out;
        output += lineEnd;
    }
    if (!writeFileSafely(directory.path() / renumberedFileName, output)) {
        writing.outcome = SheetsOutcome::WriteFailed;
        writing.failure = "Couldn't write _boutsheets_renumbered_v2.txt; file may be in use.";
        return writing;
    }
    writing.outcome = SheetsOutcome::Written;
    if (sampleOn) {
        sample.openedLabel = "Opened File " + directory.shownFile(boutSheetsFileName) + " successfully.";
        sample.inputHeading = boutSheetsFileName;
        sample.outputHeading = renumberedFileName;
        writing.sample = std::move(sample);
    }
    writing.doneLabel = "All done.  New renumbered bout sheets are here: " + directory.shownFile(renumberedFileName);
    writing.nextLabel = "Next, you may open the file in Wordpad or similar, then do Page setup: Orientation = "
                        "Landscape, Margins = 0.5 and review before printing.";
    return writing;
}

std::optional<std::filesystem::path> viewedFile(const ProgramDirectory& directory, ViewedFile which)
{
    const auto path = findFile(directory.path(), fileName(which));
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    return path;
}

std::string viewerFailureMessage(const ProgramDirectory& directory, ViewedFile which)
{
    const std::string start = "Can't find either c:\\windows\\write.exe or the file to be opened ";
    if (which == ViewedFile::RenumberedSheets)
        return start + directory.shownFile(renumberedFileName) + ").  Open the file manually";
    return start + directory.shownFile(mappingFileName) + ".  Open the file manually";
}

std::string aboutMessage()
{
    return "Quillon gives the bout sheets that Korvanda writes the bout numbers of the meet's "
           "printed lists: it reads the new number of every Korvanda bout from _current_meet_v2.txt "
           "and writes the renumbered sheets to _boutsheets_renumbered_v2.txt, keeping each "
           "Korvanda bout number for reference. Quillon is free software: you may share and change it "
           "under the terms of the GNU General Public License, version 3 or (at your option) any later "
           "version. It comes without any warranty.";
}

} // namespace quillon
