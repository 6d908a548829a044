#pragma once

#include "matching/PairingMeasures.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"

#include <string>
#include <vector>

// Meets built straight into the tables, as the roster window would hold them.

// A meet whose team list holds exactly these abbreviations and whose roster
// is empty.
inline korvanda::Meet meetOfTeams(const std::vector<std::string>& abbreviations)
{
    korvanda::Meet meet;
    meet.teamList.removeRow(1);
    meet.roster.removeRow(1);
    for (const std::string& team : abbreviations)
        meet.teamList.appendRow("Team " + team + "\t" + team + "\tCoach\t" + team + "file");
    return meet;
}

inline void addWrestler(korvanda::Meet& meet, const std::string& name, float age, int weight, float skill,
                        const std::string& team, bool here = true, const std::string& bouts = "")
{
    const std::string ageText = korvanda::tenthsText(age);
    const std::string weightText = std::to_string(weight);
    const std::string skillText = korvanda::tenthsText(skill);
    meet.roster.appendRow(name + "\t" + ageText + "\t" + weightText + "\t" + skillText + "\t" + team + "\t"
                          + korvanda::compositeValue(ageText, weightText, skillText) + "\t" + (here ? "Yes" : "")
                          + "\t" + bouts);
}

// The names in one bout row: wrestler 1, then wrestler 2.
inline std::pair<std::string, std::string> boutNames(const korvanda::Meet& meet, int bout)
{
    return {meet.boutGrid.cell(bout, korvanda::BoutColumn::Name1),
            meet.boutGrid.cell(bout, korvanda::BoutColumn::Name2)};
}
