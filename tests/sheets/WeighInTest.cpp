#include "sheets/WeighIn.h"
#include "meet/Meet.h"
#include "meet/RestoreFile.h"
#include "roster/WrestlerEditor.h"
#include "sheets/CsvSheet.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"
#include "teams/RosterImport.h"
#include "teams/TeamFiles.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

struct DemoMeet {
    TempDir dir;
    Meet meet;
    FakeDialogs dialogs;

    DemoMeet()
    {
        for (const auto& file : std::filesystem::directory_iterator(DEMO_MEET))
            std::filesystem::copy_file(file.path(), dir.path() / file.path().filename());
        meet.directory = dir.path();
        readTeamList(meet);
        loadRosters(meet, true, dialogs);
        meet.roster.setCell(findRow(meet.roster, "Ivo Corvin"), RosterColumn::Bouts, "3");
    }
};

const char* const weighInSheet = "Weigh-in Saturday\n\n"
                                 "Name,Team,Weight\n"
                                 "Fen Farrow,,115.4\n"
                                 "Ivo Corvin,PHB,50 kg\n"
                                 "Juno Hask,CFL,91\n"
                                 "Juno Hask,PHB,89\n"
                                 "Nobody Here,,80\n"
                                 "Teodor Fenwick,,heavy\n";

} // namespace

TEST(WeighInTest, previewThenApplyWritesWhatReplaceWrites)
{
    DemoMeet applied;
    const Sheet sheet = readCsvSheet(weighInSheet).sheet;
    const auto columns = findSheetColumns(sheet);
    ASSERT_TRUE(columns);
    const auto rows = weighInRows(applied.meet, sheet, *columns);

    using Match = WeighInRow::Match;
    const std::vector<std::tuple<std::string, Match, std::string, std::string, bool>> expected = {
        { "Fen Farrow", Match::Found, "113", "115", false },
        { "Ivo Corvin", Match::Found, "104", "110", true },
        { "Juno Hask", Match::NotFound, "", "91", false },
        { "Juno Hask", Match::Found, "90", "89", false },
        { "Nobody Here", Match::NotFound, "", "80", false },
        { "Teodor Fenwick", Match::BadWeight, "92", "", false },
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(std::make_tuple(rows[k].name, rows[k].match, rows[k].oldWeight, rows[k].newWeight, rows[k].hasBouts),
            expected[k])
            << k;

    applied.meet.rostersChanged = false;
    EXPECT_EQ(applyWeighIn(applied.meet, rows, applied.dialogs), 3);
    EXPECT_TRUE(applied.meet.rostersChanged);

    DemoMeet replaced;
    Table& roster = replaced.meet.roster;
    const std::pair<int, const char*> typed[] = { { findRow(roster, "Fen Farrow"), "115" },
        { findRow(roster, "Ivo Corvin"), "110" }, { findRow(roster, "Juno Hask"), "89" } };
    for (const auto& [row, weight] : typed) {
        WrestlerEditor editor;
        roster.setCurrentRow(row);
        loadEditorFromRow(replaced.meet, editor, row);
        editor.weight = normalizeWeightBox(weight, replaced.dialogs);
        ASSERT_TRUE(replaceWrestler(replaced.meet, editor, replaced.dialogs));
    }
    EXPECT_EQ(applied.dir.read(restoreFileName), replaced.dir.read(restoreFileName));
    EXPECT_TRUE(applied.dialogs.shown.empty());
}

// Two wrestlers of one name, as an old restore file may hold them: only the
// sheet's team tells them apart.
TEST(WeighInTest, theTeamDecidesBetweenNamesakes)
{
    DemoMeet demo;
    demo.meet.roster.appendRow("Juno Hask\t9.0\t70\t1.0\tCFL\t\tYes\t");
    const Sheet sheet = readCsvSheet("Name,Team,Weight\nJuno Hask,,91\nJuno Hask,CFL,71\n").sheet;
    const auto rows = weighInRows(demo.meet, sheet, *findSheetColumns(sheet));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].match, WeighInRow::Match::TwoWrestlers);
    EXPECT_EQ(rows[1].match, WeighInRow::Match::Found);
    EXPECT_EQ(rows[1].rosterRow, demo.meet.roster.rowCount() - 1);
}
