#include "meetcheck/CheckReport.h"

#include "bouts/PrintedLists.h"
#include "bouts/TextPadding.h"
#include "meet/Dialogs.h"
#include "meet/Numbers.h"
#include "meet/TextFile.h"

namespace korvanda {

namespace {

constexpr int nameWidth = 28;
constexpr int teamWidth = 7;

std::string number(int value, int width)
{
    return rightJustify(std::to_string(value), width);
}

void appendShortList(std::string& text, const ShortList& list)
{
    appendLine(text, "Short of bouts: fewer than " + std::to_string(list.minBouts));
    if (!list.problem.empty())
        appendLine(text, list.problem);
    appendLine(text,
        leftJustify("Name", nameWidth) + leftJustify("Team", teamWidth) + " Age  Wgt Skill Bouts  "
            + leftJustify("Proposed opponent", nameWidth) + "Team");
    for (const ShortWrestler& w : list.wrestlers) {
        std::string line = leftJustify(trimmed(w.name), nameWidth) + leftJustify(trimmed(w.team), teamWidth)
            + rightJustify(trimmed(w.age), 4) + rightJustify(trimmed(w.weight), 5) + rightJustify(trimmed(w.skill), 6)
            + number(w.bouts, 6) + "  ";
        if (w.proposedRow == 0) {
            line += "nobody";
        } else {
            line += leftJustify(trimmed(w.proposedName), nameWidth) + leftJustify(trimmed(w.proposedTeam), teamWidth);
            if (w.outsideLimits)
                line += "outside Max. limits";
        }
        appendLine(text, trimmed(line));
    }
    if (list.wrestlers.empty())
        appendLine(text, "Nobody.");
}

void appendRests(std::string& text, const MeetCheck& check)
{
    appendLine(text, "Rest: fewer than " + std::to_string(check.values.minimumRest) + " bouts between");
    appendLine(text, leftJustify("Name", nameWidth) + leftJustify("Team", teamWidth) + "Rest  Bout Mat  Bout Mat");
    for (const RestGap& gap : check.shortRests)
        appendLine(text,
            leftJustify(gap.name, nameWidth) + leftJustify(gap.team, teamWidth) + number(gap.rest, 4)
                + number(gap.firstBout, 6) + number(gap.firstMat, 4) + number(gap.secondBout, 6)
                + number(gap.secondMat, 4));
    if (check.shortRests.empty())
        appendLine(text, "Nobody.");
}

void appendMats(std::string& text, const MeetCheck& check)
{
    appendLine(text,
        "Mats: start " + clockText(check.values.startMinutes) + ", " + std::to_string(check.values.minutesPerBout)
            + " minutes a bout");
    appendLine(text, "Mat  Bouts  Results  Ends");
    for (const MatFigure& mat : check.mats)
        appendLine(text,
            number(mat.mat, 3) + number(mat.bouts, 7) + number(mat.withResults, 9) + "  " + clockText(mat.endMinutes));
    if (check.mats.empty())
        appendLine(text, "No bouts.");
}

} // namespace

std::string meetCheckText(const MeetCheck& check)
{
    std::string text;
    appendLine(text, "Meet Check");
    appendLine(text, "");
    appendShortList(text, check.shortList);
    appendLine(text, "");
    appendRests(text, check);
    appendLine(text, "");
    appendMats(text, check);
    return text;
}

bool writeMeetCheck(const Meet& meet, const MeetCheck& check, Dialogs& dialogs)
{
    if (saveFileSafely(meet.directory / meetCheckFileName, meetCheckText(check)))
        return true;
    dialogs.inform(std::string("Couldn't write ") + meetCheckFileName + "; file may be in use.");
    return false;
}

} // namespace korvanda
