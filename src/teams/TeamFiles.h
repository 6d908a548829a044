#pragma once

#include "meet/Meet.h"

#include <string>
#include <string_view>

namespace korvanda {

class Dialogs;

inline constexpr const char* teamListFileName = "Teams.Csv";

// Fills the team list from "Teams.Csv" in the meet's directory, in file
// order. A missing or empty file leaves the list empty without a word.
void readTeamList(Meet& meet);

// The backup of a file: its name up to the first "." followed by ".Bak".
std::string backupName(std::string_view fileName);

// Roster rows whose Team cell is exactly `abbreviation`.
int countTeamWrestlers(const Table& roster, std::string_view abbreviation);

// A team's data file must stay inside the meet's directory.
bool isPlainFileName(std::string_view name);

// A data file named after one of the meet's own files ("Teams", "Restore",
// "KorvandaSettings", in any letter case, also before a ".") would overwrite
// that file or its backup when the teams are saved.
bool isMeetFileName(std::string_view name);

// Whether the wrestlers of a team whose Data File cell is `dataFile` can be
// saved: an empty name, one leading out of the meet's directory and one of
// the meet's own files are not written.
bool isUsableDataFile(std::string_view dataFile);

// Writes "Teams.Csv" and the data file of every team that has wrestlers,
// each keeping its previous version as the backup. A file that cannot be
// written is passed over and keeps its old contents. A team with wrestlers
// whose data file is not usable is named in a warning, after the files that
// could be written, so the director knows those wrestlers are in no file.
void savePermFiles(const Meet& meet, Dialogs& dialogs);

// The "Teams.Csv" line or team data line: quoted fields, trimmed.
std::string teamFileLine(const Table& table, int row, std::initializer_list<int> columns);

} // namespace korvanda
