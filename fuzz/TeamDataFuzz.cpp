// A team's data file as a coach might hand it over: every wrestler the
// import takes has a clean, trimmed, unique name and his numbers in their
// stored forms, and the file Save List writes of the team imports again to
// the very same roster without a single message.
#include "FuzzMeet.h"
#include "QuietDialogs.h"

#include "matching/PairingMeasures.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"
#include "teams/RosterImport.h"
#include "teams/TeamFiles.h"

#include <set>
#include <string>

using namespace korvanda;

namespace {

Meet meetOfTigers()
{
    Meet meet = fuzzsupport::scratchMeet({ fuzzsupport::tigers });
    return meet;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::placeInput("Tigers.Csv", data, size);
    Meet meet = meetOfTigers();
    QuietDialogs dialogs;
    const bool assumePresent = size % 2 == 1;
    FUZZ_CHECK(loadRosters(meet, assumePresent, dialogs));

    const Table& roster = meet.roster;
    FUZZ_CHECK(roster.columnCount() == RosterColumn::Count);
    FUZZ_CHECK(roster.rowCount() >= 2);
    const bool nobody = roster.cell(1, RosterColumn::Name).empty() && roster.cell(1, RosterColumn::Age).empty();
    if (nobody) {
        FUZZ_CHECK(roster.rowCount() == 2);
        return 0;
    }
    std::set<std::string> names;
    for (int r = 1; r < roster.rowCount(); ++r) {
        const auto cell = [&](int c) -> const std::string& { return roster.cell(r, c); };
        const std::string& name = cell(RosterColumn::Name);
        FUZZ_CHECK(!name.empty() && name == trimmed(name));
        FUZZ_CHECK(name.find_first_of("\"\t\r\n") == std::string::npos);
        FUZZ_CHECK(names.insert(name).second);
        FUZZ_CHECK(ageOrSkillText(cell(RosterColumn::Age)) == cell(RosterColumn::Age));
        FUZZ_CHECK(weightText(cell(RosterColumn::Wgt)) == cell(RosterColumn::Wgt));
        FUZZ_CHECK(ageOrSkillText(cell(RosterColumn::Skill)) == cell(RosterColumn::Skill));
        FUZZ_CHECK(cell(RosterColumn::Team) == "TIG");
        FUZZ_CHECK(cell(RosterColumn::Cmp)
            == compositeValue(cell(RosterColumn::Age), cell(RosterColumn::Wgt), cell(RosterColumn::Skill)));
        FUZZ_CHECK(cell(RosterColumn::Here) == (assumePresent ? "Yes" : ""));
        FUZZ_CHECK(cell(RosterColumn::Bouts).empty());
    }

    QuietDialogs quiet;
    savePermFiles(meet, quiet);
    Meet again = meetOfTigers();
    FUZZ_CHECK(loadRosters(again, assumePresent, quiet));
    FUZZ_CHECK(quiet.shown.empty());
    FUZZ_CHECK(again.roster == meet.roster);
    return 0;
}
