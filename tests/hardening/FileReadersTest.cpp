// Every file the two programs read, as other programs and people make them:
// lines ended by CR LF, by LF alone, the last line without an end, a line of
// a megabyte, binary bytes. Each reader takes the line ends alike and reads
// or refuses the odd lines without a crash.
#include "matching/PairingMeasures.h"
#include "meet/Meet.h"
#include "meet/Numbers.h"
#include "meet/RestoreFile.h"
#include "meet/SettingsFile.h"
#include "meet/TextFile.h"
#include "renumber/Generation.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"
#include "teams/RosterImport.h"
#include "teams/TeamFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace korvanda;

namespace {

// One reader: the file it reads, a file as the program writes it, what the
// reader made of the file, as text to compare, and a text that stands for a
// good line of the file in that outcome.
struct Reader {
    const char* file;
    std::string written;
    std::function<std::string(const TempDir&)> outcome;
    const char* goodLine;
    // Quillon copies the empty text after the last line end as a line of
    // its own, so a file without that end gives one line less.
    bool copiesTheLastLineEnd = false;
};

std::string tableText(const Table& table)
{
    std::string text;
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < table.columnCount(); ++c)
            text += table.cell(r, c) + (c + 1 < table.columnCount() ? "|" : "\n");
    return text;
}

std::string messagesText(const FakeDialogs& dialogs)
{
    std::string text;
    for (const auto& message : dialogs.shown)
        text += message.substr(0, 80) + "\n";
    return text;
}

std::string teamListOutcome(const TempDir& dir)
{
    Meet meet;
    meet.directory = dir.path();
    readTeamList(meet);
    return tableText(meet.teamList);
}

std::string teamDataOutcome(const TempDir& dir)
{
    Meet meet;
    meet.directory = dir.path();
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG\tAnn Loe\tTigers");
    FakeDialogs dialogs;
    loadRosters(meet, true, dialogs);
    return tableText(meet.roster) + messagesText(dialogs);
}

std::string settingsOutcome(const TempDir& dir)
{
    std::string text;
    for (const auto& record : parseSettingsFile(readWholeFile(dir.path() / settingsFileName).value_or("")))
        text += std::to_string(record.window) + "|" + record.control + "|" + record.value + "\n";
    return text;
}

std::string restoreOutcome(const TempDir& dir)
{
    Meet meet;
    meet.directory = dir.path();
    FakeDialogs dialogs;
    loadRestoreFile(meet, dialogs);
    return tableText(meet.teamList) + tableText(meet.roster) + tableText(meet.boutGrid)
           + (dialogs.shown.empty() ? "" : "refused\n");
}

std::string mappingOutcome(const TempDir& dir)
{
    quillon::BoutMap map;
    const auto reading = quillon::readMappingFile(quillon::ProgramDirectory(dir.path()), false, map);
    std::string text = reading.found ? "found\n" : "missing\n";
    for (int old = 0; old < quillon::BoutMap::size; ++old)
        if (map.newNumber(old) != 0)
            text += std::to_string(old) + ">" + std::to_string(map.newNumber(old)) + "\n";
    return text;
}

std::string boutSheetsOutcome(const TempDir& dir)
{
    quillon::BoutMap map;
    map.set(12, 7);
    const auto writing = quillon::writeRenumberedSheets(quillon::ProgramDirectory(dir.path()), false, map);
    return writing.outcome == quillon::SheetsOutcome::Written ? dir.read("_boutsheets_renumbered_v2.txt") : "missing";
}

Meet smallMeet()
{
    Meet meet;
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG\tAnn Loe\tTigers");
    meet.roster.setRowCount(1);
    meet.roster.appendRow("Kim Sorel\t9.0\t62\t2.0\tTIG\t50\tYes\t1");
    meet.roster.appendRow("Lu Pell\t9.5\t64\t2.5\tTIG\t52\tYes\t1");
    meet.boutGrid.setRowCount(1);
    meet.boutGrid.appendRow("1\t1\t\tKim Sorel\t9.0\t62\t2.0\tTIG\t6\tDecision\t\tLu Pell\t9.5\t64\t2.5\tTIG\t2\t");
    return meet;
}

std::vector<Reader> readers()
{
    std::vector<SettingRecord> settings = savedControls();
    for (auto& record : settings)
        record.value = "1";
    return {
        {"Teams.Csv", "\"Tigers\",\"TIG\",\"Ann Loe\",\"Tigers\"\r\n\"Lions\",\"LIO\",\"Bo Kerr\",\"Lions\"\r\n",
         teamListOutcome, "Lions"},
        {"Tigers.Csv", "\"Kim Sorel\",\"9.0\",\"62\",\"2.0\"\r\n\"Lu Pell\",\"9.5\",\"64\",\"2.5\"\r\n", teamDataOutcome,
         "Lu Pell"},
        {"KorvandaSettings.Csv", settingsFileText(settings), settingsOutcome, "SameTeamCheck"},
        {"Restore.Csv", restoreFileText(smallMeet()), restoreOutcome, "Lu Pell"},
        {"_current_meet_v2.txt", "Bout Mat KV\r\n7   2   12\r\n9   1    3\r\n", mappingOutcome, "12>7"},
        {"boutsheets.txt", "Tigers\r\nLions\r\n  Bout 12\r\n  Mat 1\r\n\f\r\n  Bout 3\r\n", boutSheetsOutcome,
         "(KV#3)", true},
    };
}

std::string withLineFeeds(std::string text)
{
    std::erase(text, '\r');
    return text;
}

std::string withoutFinalLineEnd(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

} // namespace

TEST(FileReadersTest, EveryLineEndReadsAlike)
{
    for (const auto& reader : readers()) {
        SCOPED_TRACE(reader.file);
        TempDir dir;
        dir.write(reader.file, reader.written);
        const std::string expected = reader.outcome(dir);
        EXPECT_NE(expected.find(reader.goodLine), std::string::npos);
        EXPECT_EQ(expected.find("refused"), std::string::npos);
        dir.write(reader.file, withLineFeeds(reader.written));
        EXPECT_EQ(reader.outcome(dir), expected);
        const std::string withoutLastLine = reader.copiesTheLastLineEnd ? expected.substr(0, expected.size() - 2) : expected;
        for (const std::string& variant : {withoutFinalLineEnd(reader.written),
                                           withoutFinalLineEnd(withLineFeeds(reader.written))}) {
            dir.write(reader.file, variant);
            EXPECT_EQ(reader.outcome(dir), withoutLastLine);
        }
    }
}

TEST(FileReadersTest, AMegabyteLineAndBinaryBytesAreReadOrRefused)
{
    const std::string megabyte(1 << 20, 'A');
    std::string binary;
    for (int c = 0; c < 256; ++c)
        binary += static_cast<char>(c);
    const std::string odd = megabyte + "\r\n" + binary + "\r\n\"" + megabyte + "\",\"9\",\"70\",\"3\"\r\n";
    for (const auto& reader : readers()) {
        SCOPED_TRACE(reader.file);
        TempDir dir;
        dir.write(reader.file, reader.written + odd);
        const std::string outcome = reader.outcome(dir);
        dir.write(reader.file, odd + reader.written);
        const std::string oddFirst = reader.outcome(dir);
        // What the odd lines do differs from file to file; that they neither
        // crash the reader nor lose the good lines is the point.
        if (std::string(reader.file) == "Restore.Csv") {
            EXPECT_NE(outcome.find("refused"), std::string::npos) << "a damaged restore file changes nothing";
            EXPECT_NE(oddFirst.find("refused"), std::string::npos);
        } else {
            EXPECT_NE(outcome.find(reader.goodLine), std::string::npos);
            EXPECT_NE(oddFirst.find(reader.goodLine), std::string::npos);
        }
    }
}

TEST(FileReadersTest, ATeamFileOfOddLinesAddsOnlyRealWrestlers)
{
    TempDir dir;
    const std::string megabyteName(1 << 20, 'A');
    // Every byte that can stand inside one quoted field of one line.
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        if (c != ',' && c != '"' && c != '\r' && c != '\n')
            bytes += static_cast<char>(c);
    dir.write("Tigers.Csv", "\"" + megabyteName + "\",\"9\",\"70\",\"3\"\r\n" + bytes + "\r\n\"" + bytes + "\",9,70,3\n");
    Meet meet;
    meet.directory = dir.path();
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG\tAnn Loe\tTigers");
    FakeDialogs dialogs;
    ASSERT_TRUE(loadRosters(meet, true, dialogs));
    ASSERT_EQ(meet.roster.rowCount(), 3);
    EXPECT_EQ(meet.roster.cell(1, RosterColumn::Name), megabyteName);
    EXPECT_EQ(meet.roster.cell(2, RosterColumn::Name), trimmed(withoutFileBreakers(bytes)));
    EXPECT_EQ(meet.roster.cell(2, RosterColumn::Wgt), "70");
    EXPECT_EQ(dialogs.shown.size(), 1u) << "the line of bytes alone has no numbers";
}
