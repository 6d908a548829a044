#include "soak/SoakChecks.h"

#include <algorithm>
#include <iterator>
#include <regex>

namespace korvanda::soak {

namespace {

// Every report and question of the program. A name or file name is any
// text on one line; a bout or line number is digits.
const char* const messagePatterns[] = {
    // Teams and the restore file
    R"(Save changes to rosters\?)",
    R"(New codes shut out every phone that uses the old ones; the mat cards must be printed again\. Make new codes\?)",
    R"(Port [0-9]+ is in use by another program or not allowed\. Choose another port and start again\.)",
    R"(Unable to save settings\.)",
    R"(Couldn't write .+; the previous restore file was kept\.)",
    R"(Couldn't read .+; the meet was not changed\.)",
    R"(.+ is damaged or incomplete \(line \d+\); the meet was not changed\.)",
    R"(Non-numeric data encountered for .* -- Record skipped\.)",
    R"(.* is duplicated and could not be added\. Continue\? )",
    R"(.+\.Csv is one of the meet's own files, not a team's data file; that team's wrestlers were not loaded\.)",
    R"(Couldn't read .+\.Csv; that team's wrestlers were not loaded\.)",
    // The meet's history
    R"(Couldn't keep this state of the meet in .+; the restore file was written\.)",
    R"(These kept states in .+ are damaged and were skipped: \d+\.Kvs(, \d+\.Kvs)*\.)",
    R"(Bring back the meet as it was at [-\d: ?]+ \(after .*\)\?)",
    R"(.+\.Kvs is damaged; the meet was not changed\.)",
    // Wrestler editor
    R"(Bad (age|weight|skill) value\.)",
    R"(Error in wrestler data; correct and retry\.)",
    R"(.* is already in the roster and cannot be added twice\.)",
    R"(No wrestler is selected; click the wrestler to replace first\.)",
    R"(The roster is empty\.)",
    R"(Wrestlers with bouts cannot be deleted\.)",
    R"(Really remove \S.*\?)",
    // Matching
    R"(Bad value for (ideal|maximum) (age|weight|skill) difference\.)",
    R"(Bad value for (minimum|maximum) bouts\.)",
    R"(Hand matches will be deleted\.  Proceed anyway\?)",
    R"(Can't match: the (age|weight|skill|composite value) of .* is not a number\.)",
    R"(Can't match: the weight of .* is not above 0\.)",
    R"(Can't match: no wrestler is marked present\.)",
    R"(Matching algorithm failed -- Relax limits and try again\.)",
    // Hand matching and bout removal
    R"(Unacceptable match)",
    R"(Bad bout number\. Correct and retry\.)",
    R"(There is no bout to remove\.)",
    R"(Really remove bout \d+)",
    // Results
    R"(Bout number is blank)",
    R"(Points out of range\.)",
    R"(Points should not be assigned to scratched bout\.)",
    R"(Points must be assigned)",
    R"(No winner was declared)",
    R"(Points inconsistent with winner)",
    R"(Result should be (Technical Fall|Superior Decision|Majority Decision|Decision))",
    // Scheduling and the printed files
    R"(There are no bouts to schedule\.)",
    R"(Bout \d+ has a weight that is not a number; nothing was scheduled\.)",
    R"(Too few bouts to schedule by weight on \d+ mats\.)",
    R"(The number of mats must be from 1 to 6\.)",
    R"(Couldn't write (Roster|BoutList|ScoreList|BoutSheets|ScoreTally|MeetCheck)\.Txt; file may be in use\.)",
    R"(Team .* has no usable data file, so its wrestlers were not saved to a team file\.)",
    // Printing the lists
    R"(The (Roster|Bout List|Score List|Bout Sheets|Score Tally) is empty; there is nothing to print\.)",
    R"(Couldn't write .+; the folder may be read-only or the disk full\.)",
    // Spreadsheets: what "Import Roster..." says before a file is chosen
    R"(Click the team the roster is for in the team list first\.)",
    R"(Team .* has no usable data file, so the roster was not imported\.)",
    // Meet folders
    R"((The meet folder ".+" does not exist\.|".+" is a file, not a folder\. A meet needs a folder of its own\.|)"
    R"(The meet folder ".+" cannot be written\. The meet's files could not be saved there; choose a folder you can )"
    R"(write to\.) (Choose another folder for the meet\.|The meet that is open stays open\.))",
    R"(The demo meet that comes with Korvanda was not found in ".+", so an empty meet was started in ".+"\.)",
    R"(".+" already holds a meet, and a new meet never replaces its team list\. Open it with "Open Meet\.\.\." )"
    R"(or choose another folder\.)",
    R"(Start the new meet with a copy of the demo meet's teams\? Yes copies the demo meet, No starts an empty meet\.)",
    R"(The new meet could not be made in ".+"\. The meet that is open stays open\.)",
    R"(".+" holds no meet yet\. Start a new, empty meet there\?)",
};

} // namespace

bool isKnownMessage(std::string_view text)
{
    static const std::vector<std::regex> patterns(std::begin(messagePatterns), std::end(messagePatterns));
    // A name fills a message's gap but never breaks its line.
    const std::string whole(text);
    return !text.empty() && text.find_first_of("\r\n") == std::string_view::npos
        && std::any_of(
            patterns.begin(), patterns.end(), [&](const std::regex& p) { return std::regex_match(whole, p); });
}

} // namespace korvanda::soak
