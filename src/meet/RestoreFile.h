#pragma once

#include "meet/Meet.h"

#include <optional>
#include <string>
#include <string_view>

namespace korvanda {

class Dialogs;

inline constexpr const char* restoreFileName = "Restore.Csv";

// The three tables as they would come back from a restore file.
struct RestoredTables {
    Table teamList;
    Table roster;
    Table boutGrid;
};

// The snapshot of the three tables, block after block, CR LF line ends.
std::string restoreFileText(const Meet& meet);

// One table block as the restore file holds it.
std::string tableBlockText(const Table& table);

// Reads a whole snapshot. Gives nothing and the number of the first line
// that does not fit (in `badLine`) when the text is damaged or incomplete.
// A table without data rows gets its one empty row, as every table has.
std::optional<RestoredTables> parseRestoreFile(std::string_view text, int* badLine = nullptr);

// Writes the snapshot of the meet and keeps it in the meet's history as
// caused by `cause`, the director's words for what changed the meet. On
// failure the director is told and the previous snapshot stays as it was.
bool saveRestoreFile(const Meet& meet, Dialogs& dialogs, const std::string& cause);

// Replaces the three tables from the snapshot. A missing, unreadable or
// damaged file is reported and leaves every table as it was.
bool loadRestoreFile(Meet& meet, Dialogs& dialogs);

// Replaces the three tables from a snapshot's text, as loadRestoreFile does
// with the file's; `name` names where the text came from in the message.
bool restoreFromText(Meet& meet, std::string_view text, const std::string& name, Dialogs& dialogs);

} // namespace korvanda
