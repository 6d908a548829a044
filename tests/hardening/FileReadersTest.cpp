// Every file the two programs read, as other programs and people make them:
// lines ended by CR LF, by LF alone, the last line without an end, a line of
// a megabyte, binary bytes. Each reader takes the line ends alike and reads
// or refuses the odd lines without a crash.
#include "HardeningMeets.h"
#include "meet/SettingsFile.h"
#include "meet/TextFile.h"
#include "renumber/Generation.h"

#include <gtest/gtest.h>

#include <functional>

using namespace korvanda;

namespace {

// One reader: its file, the file as the program writes it, what the reader
// made of it as text, and a text standing for a good line in that outcome.
struct Reader {
    const char* file;
    std::string written;
    std::function<std::string(const TempDir&)> outcome;
    const char* goodLine;
    // Quillon copies the text after the last line end as a line of its own.
    bool copiesTheLastLineEnd = false;
};

std::vector<Reader> readers()
{
    return {
        { "Tigers.Csv", "\"Kim Sorel\",\"9.0\",\"62\",\"2.0\"\r\n\"Lu Pell\",\"9.5\",\"64\",\"2.5\"\r\n",
            [](const TempDir& dir) {
                Meet meet;
                meet.directory = dir.path();
                meet.teamList.setRowCount(1);
                meet.teamList.appendRow("Tigers\tTIG\tAnn Loe\tTigers");
                FakeDialogs dialogs;
                loadRosters(meet, true, dialogs);
                std::string text = tableBlockText(meet.roster);
                for (const auto& message : dialogs.shown)
                    text += message.substr(0, 80) + "\n";
                return text;
            },
            "Lu Pell" },
        { "KorvandaSettings.Csv", settingsFileText(savedControls()),
            [](const TempDir& dir) {
                return settingsFileText(parseSettingsFile(readWholeFile(dir.path() / settingsFileName).value_or("")));
            },
            "SameTeamCheck" },
        { "Restore.Csv", restoreFileText(meetVersion(2, {})),
            [](const TempDir& dir) {
                Meet meet;
                meet.directory = dir.path();
                FakeDialogs dialogs;
                loadRestoreFile(meet, dialogs);
                return restoreFileText(meet) + (dialogs.shown.empty() ? "" : "refused\n");
            },
            "Wrestler 2-80" },
        { "_current_meet_v2.txt", "Bout Mat KV\r\n7   2   12\r\n9   1    3\r\n",
            [](const TempDir& dir) {
                quillon::BoutMap map;
                const bool found = quillon::readMappingFile(quillon::ProgramDirectory(dir.path()), false, map).found;
                return std::to_string(found) + " 12>" + std::to_string(map.newNumber(12)) + " 3>"
                    + std::to_string(map.newNumber(3)) + " 5>" + std::to_string(map.newNumber(5));
            },
            "1 12>7 3>9" },
        { "boutsheets.txt", "Tigers\r\nLions\r\n  Bout 12\r\n  Mat 1\r\n\f\r\n  Bout 3\r\n",
            [](const TempDir& dir) -> std::string {
                quillon::BoutMap map;
                map.set(12, 7);
                const auto writing = quillon::writeRenumberedSheets(quillon::ProgramDirectory(dir.path()), false, map);
                return writing.outcome == quillon::SheetsOutcome::Written ? dir.read("_boutsheets_renumbered_v2.txt")
                                                                          : "missing";
            },
            "(KV#3)", true },
    };
}

} // namespace

// Each reader gets its file with every kind of line end, then with a
// megabyte line and binary bytes after and before the good lines.
TEST(FileReadersTest, EveryLineEndReadsAlikeAndOddLinesDoNoHarm)
{
    const auto lineFeeds = [](std::string text) { return std::erase(text, '\r'), text; };
    const auto noFinalEnd = [](std::string text) {
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        return text;
    };
    const std::string megabyte(1 << 20, 'A');
    std::string odd = megabyte + "\r\n";
    for (int c = 0; c < 256; ++c)
        odd += static_cast<char>(c);
    odd += "\r\n\"" + megabyte + "\",\"9\",\"70\",\"3\"\r\n";
    for (const auto& reader : readers()) {
        SCOPED_TRACE(reader.file);
        TempDir dir;
        dir.write(reader.file, reader.written);
        const std::string expected = reader.outcome(dir);
        EXPECT_NE(expected.find(reader.goodLine), std::string::npos);
        EXPECT_EQ(expected.find("refused"), std::string::npos);
        dir.write(reader.file, lineFeeds(reader.written));
        EXPECT_EQ(reader.outcome(dir), expected);
        const std::string lessOne = reader.copiesTheLastLineEnd ? expected.substr(0, expected.size() - 2) : expected;
        for (const std::string& variant : { noFinalEnd(reader.written), noFinalEnd(lineFeeds(reader.written)) }) {
            dir.write(reader.file, variant);
            EXPECT_EQ(reader.outcome(dir), lessOne);
        }
        // What odd lines do differs from file to file; they must not crash
        // the reader nor lose the good lines, and a damaged restore file
        // changes nothing.
        const char* kept = std::string(reader.file) == "Restore.Csv" ? "refused" : reader.goodLine;
        for (const std::string& text : { reader.written + odd, odd + reader.written }) {
            dir.write(reader.file, text);
            EXPECT_NE(reader.outcome(dir).find(kept), std::string::npos);
        }
    }
}
