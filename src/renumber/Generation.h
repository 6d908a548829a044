#pragma once

#include "renumber/BoutMap.h"
#include "renumber/ProgramFiles.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quillon {

// What the sample boxes show of the mapping file.
struct MappingSample {
    std::string openedLabel; // which file was opened
    std::string mappings; // old and new number of every mapping, one a line
    std::string heading; // above the mappings
};

struct MappingReading {
    // False when the file is missing or has no line end; `failure` is then
    // the message after which the program ends, and the map is unchanged.
    bool found = false;
    std::string failure;
    std::optional<MappingSample> sample; // only with the sample shown
};

// Reads the mapping file of `directory` into `map`, over what earlier
// readings left there; its first line is never a mapping.
MappingReading readMappingFile(const ProgramDirectory& directory, bool sampleOn, BoutMap& map);

// What the sample boxes show of the bout sheets.
struct SheetsSample {
    std::string openedLabel;
    std::string inputLines; // lines 1 to 499 of the bout sheets
    std::string outputLines; // the same lines renumbered
    std::string inputHeading;
    std::string outputHeading;
};

enum class SheetsOutcome {
    Written,
    SheetsMissing, // the program ends after the failure message
    WriteFailed, // the window stays; nothing was written
};

struct SheetsWriting {
    SheetsOutcome outcome = SheetsOutcome::SheetsMissing;
    std::string failure;
    std::optional<SheetsSample> sample; // only when written with the sample shown
    std::string doneLabel; // where the renumbered sheets are
    std::string nextLabel; // how to print them
};

// Copies the bout sheets of `directory` from their second line on into the
// renumbered file, every bout line showing its new and old number.
SheetsWriting writeRenumberedSheets(const ProgramDirectory& directory, bool sampleOn, const BoutMap& map);

enum class ViewedFile { RenumberedSheets, Mappings };

// The file the viewer is to show, or nothing when it is not there.
std::optional<std::filesystem::path> viewedFile(const ProgramDirectory& directory, ViewedFile which);

// The message when the viewer cannot show the file.
std::string viewerFailureMessage(const ProgramDirectory& directory, ViewedFile which);

// The text of the About message.
std::string aboutMessage();

} // namespace quillon
