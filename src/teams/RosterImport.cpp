#include "teams/RosterImport.h"

#include "matching/PairingMeasures.h"
#include "meet/CsvRecord.h"
#include "meet/Dialogs.h"
#include "meet/KeepMeetState.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/StateCauses.h"
#include "meet/TextFile.h"
#include "teams/TeamFiles.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace korvanda {

namespace {

enum class Outcome { Added, Skipped, Stop };

// One wrestler's record of a team file; `k` counts the rows this import has
// added so far, over all teams.
Outcome importRecord(Meet& meet, const std::vector<std::string>& fields, const std::string& team, bool assumePresent,
    int& k, Dialogs& dialogs)
{
    const std::string name = trimmed(withoutFileBreakers(fields.empty() ? std::string() : fields[0]));
    std::optional<std::string> age;
    std::optional<std::string> weight;
    std::optional<std::string> skill;
    if (fields.size() >= 4) {
        age = ageOrSkillText(fields[1]);
        weight = weightText(fields[2]);
        skill = ageOrSkillText(fields[3]);
    }
    if (!age || !weight || !skill) {
        dialogs.inform("Non-numeric data encountered for " + name + " -- Record skipped.");
        return Outcome::Skipped;
    }
    if (findRow(meet.roster, name) != 0) {
        if (dialogs.ask(name + " is duplicated and could not be added. Continue? "))
            return Outcome::Skipped;
        return Outcome::Stop;
    }
    Table& roster = meet.roster;
    roster.insertRow(++k);
    roster.setCell(k, RosterColumn::Name, name);
    roster.setCell(k, RosterColumn::Age, *age);
    roster.setCell(k, RosterColumn::Wgt, *weight);
    roster.setCell(k, RosterColumn::Skill, *skill);
    roster.setCell(k, RosterColumn::Team, team);
    roster.setCell(k, RosterColumn::Cmp, compositeValue(*age, *weight, *skill));
    roster.setCell(k, RosterColumn::Here, assumePresent ? "Yes" : "");
    return Outcome::Added;
}

} // namespace

bool loadRosters(Meet& meet, bool assumePresent, Dialogs& dialogs)
{
    int k = 0;
    const Table& teams = meet.teamList;
    for (int t = 1; t < teams.rowCount(); ++t) {
        const std::string dataFile = trimmed(teams.cell(t, TeamColumn::DataFile));
        const std::string team = trimmed(teams.cell(t, TeamColumn::Abbrev));
        if (dataFile.empty())
            continue;
        const std::string fileName = dataFile + ".Csv";
        if (isMeetFileName(dataFile)) {
            dialogs.warn(fileName
                + " is one of the meet's own files, not a team's data file; that team's "
                  "wrestlers were not loaded.");
            continue;
        }
        // A name that leads out of the meet's directory is not read either.
        const auto text = isPlainFileName(dataFile) ? readWholeFile(meet.directory / fileName) : std::nullopt;
        if (!text) {
            dialogs.warn("Couldn't read " + fileName + "; that team's wrestlers were not loaded.");
            continue;
        }
        for (const auto& line : splitLines(*text)) {
            const auto fields = splitRecord(line);
            if (fields.empty())
                continue;
            if (importRecord(meet, fields, team, assumePresent, k, dialogs) == Outcome::Stop)
                return false;
        }
    }
    // The empty row an empty roster starts with now stands last; it goes,
    // unless it is the only data row left, since the roster keeps one.
    Table& roster = meet.roster;
    const int last = roster.rowCount() - 1;
    if (last > 1 && trimmed(roster.cell(last, RosterColumn::Age)).empty()) {
        roster.removeRow(last);
        roster.setCurrentRow(std::min(roster.currentRow(), last - 1));
    }
    meet.rostersChanged = false;
    // The restore file waits for the next change; the history marks the
    // load now, so the state before it is easy to find and bring back.
    keepMeetState(meet, restoreFileText(meet), causes::loadRosters, dialogs);
    return true;
}

} // namespace korvanda
