#include "meet/Meet.h"
#include "sheets/CsvSheet.h"
#include "sheets/RosterSheet.h"
#include "sheets/SheetCells.h"
#include "sheets/SheetDate.h"
#include "sheets/SheetFile.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

namespace {

const std::filesystem::path data = SHEETS_DATA;
const DayNumber meetDay = dayNumber(2026, 12, 5);

const std::string tigers = "\"J\xFCrgen M\xFCller\",\"11.7\",\"63\",\"3.0\"\r\n"
                           "\"Lukasz Nowak\",\"10.1\",\"55\",\"1.0\"\r\n"
                           "\"Ana Ruiz\",\"12.4\",\"73\",\"5.0\"\r\n"
                           "\"Sam Okafor\",\"9.9\",\"46\",\"2.0\"\r\n";
const std::string bears = "\"Eli Brandt\",\"10.3\",\"72\",\"3.0\"\r\n"
                          "\"Zo\xEB Adler\",\"8.3\",\"61\",\"1.0\"\r\n"
                          "\"Noah O'Neil\",\"12.0\",\"95\",\"4.5\"\r\n";
const std::string lions = "\"Karl Sch\xFCtz\",\"10.7\",\"58\",\"1.0\"\r\n"
                          "\"Tia Brown\",\"11.1\",\"66\",\"2.0\"\r\n"
                          "\"Ava Grey\",\"10.8\",\"70\",\"2.0\"\r\n";

Meet meetIn(const TempDir& dir)
{
    Meet meet;
    meet.directory = dir.path();
    meet.teamList.setRowCount(1);
    meet.teamList.appendRow("Tigers\tTIG\tAnn Loe\tTigers");
    meet.teamList.appendRow("Lost\tLOS\t\t../Lost");
    return meet;
}

std::vector<RosterSheetRow> rowsOf(const std::string& file)
{
    const SheetReading reading = readSheetFile(data / file);
    EXPECT_EQ(reading.problem, "") << file;
    const auto columns = findSheetColumns(reading.sheet);
    EXPECT_TRUE(columns) << file;
    return columns ? rosterSheetRows(reading.sheet, *columns, meetDay) : std::vector<RosterSheetRow> {};
}

} // namespace

TEST(SheetImportTest, coachSheetsBecomeTheTeamFileByteForByte)
{
    const std::pair<const char*, const std::string*> sheets[]
        = { { "lions.csv", &lions },
#if KORVANDA_WORKBOOKS
              { "tigers.xlsx", &tigers },
              { "tigers.ods", &tigers },
              { "bears.xlsx", &bears },
              { "bears.ods", &bears },
#endif
          };
    for (const auto& [file, expected] : sheets) {
        TempDir dir;
        dir.write("Tigers.Csv", "\"Old\",\"9.0\",\"50\",\"1.0\"\r\n");
        FakeDialogs dialogs;
        EXPECT_TRUE(importRosterSheet(meetIn(dir), 1, rowsOf(file), dialogs)) << file;
        EXPECT_EQ(dir.read("Tigers.Csv"), *expected) << file;
        EXPECT_EQ(dir.read("Tigers.Bak"), "\"Old\",\"9.0\",\"50\",\"1.0\"\r\n") << file;
        EXPECT_TRUE(dialogs.shown.empty()) << file;
    }
}

#if KORVANDA_WORKBOOKS
TEST(SheetImportTest, rowsLeftOutNameTheirProblem)
{
    const auto bearRows = rowsOf("bears.ods");
    std::vector<std::pair<std::size_t, std::string>> problems;
    for (const auto& row : bearRows)
        if (!row.problem.empty())
            problems.emplace_back(row.sheetRow, row.problem);
    const std::vector<std::pair<std::size_t, std::string>> expected
        = { { 3, "name twice in the sheet" }, { 9, "name twice in the sheet" }, { 10, "missing or unreadable skill" } };
    EXPECT_EQ(problems, expected);

    const auto tigerRows = rowsOf("tigers.xlsx");
    ASSERT_EQ(tigerRows.size(), 5u);
    EXPECT_TRUE(tigerRows[1].nameApproximated);
    EXPECT_FALSE(tigerRows[0].nameApproximated);
    EXPECT_EQ(tigerRows[3].sheetRow, 8u);
    EXPECT_EQ(tigerRows[3].problem, "missing or unreadable weight");
}

TEST(SheetImportTest, hostileWorkbooksAreRefusedByName)
{
    const std::pair<const char*, const char*> files[] = {
        { "bomb.xlsx", "xl/worksheets/sheet1.xml unpacks to more than 200 times its packed size" },
        { "bomb.ods", "content.xml unpacks to more than 200 times its packed size" },
        { "deep.xlsx", "nested deeper than 64" },
        { "laughs.xlsx", "document type declaration" },
        { "external.xlsx", "document type declaration" },
        { "repeated.ods", "more than 20000 rows" },
        { "lions.csv.xlsx", "cannot be read" },
    };
    for (const auto& [file, problem] : files)
        EXPECT_NE(readSheetFile(data / file).problem.find(problem), std::string::npos)
            << file << ": " << readSheetFile(data / file).problem;
}
#endif

TEST(SheetImportTest, unusableDataFileWritesNothing)
{
    TempDir dir;
    FakeDialogs dialogs;
    EXPECT_FALSE(importRosterSheet(meetIn(dir), 2, rowsOf("lions.csv"), dialogs));
    EXPECT_EQ(dialogs.warnings,
        std::vector<std::string> { "Team Lost has no usable data file, so the roster was not imported." });
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(SheetImportTest, csvFormsAndLimits)
{
    using Rows = std::vector<std::vector<std::string>>;
    const std::pair<std::string, Rows> texts[] = {
        { "\xEF\xBB\xBFName,Age\r\nB\xC3\xBC,9\r\n", { { "Name", "Age" }, { "B\xC3\xBC", "9" } } },
        { "Name\tAge\nB\xFC\x80\t9", { { "Name", "Age" }, { "B\xC3\xBC\xE2\x82\xAC", "9" } } },
        { "a,b;c\tx\ty\n", { { "a,b;c", "x", "y" } } },
        { "\"a\r\nb\",\"\"\"q\"\"\"\r\r\nc", { { "a\r\nb", "\"q\"" }, {}, { "c" } } },
    };
    for (const auto& [text, rows] : texts) {
        const SheetReading reading = readCsvSheet(text);
        EXPECT_EQ(reading.problem, "") << text;
        EXPECT_EQ(reading.sheet.rows, rows) << text;
    }
    EXPECT_EQ(readCsvSheet("a,\"b\n").problem, "A quoted field starting in row 1 is never closed.");
    EXPECT_EQ(readCsvSheet(std::string(5000, 'x')).problem, "A cell in row 1 holds more than 4096 characters.");
    std::string manyRows;
    for (int r = 0; r < 20001; ++r)
        manyRows += "x\n";
    EXPECT_EQ(readCsvSheet(manyRows).problem, "The sheet has more than 20000 rows.");
    EXPECT_EQ(readCsvSheet(std::string(300, ',') + "x").problem, "The sheet has more than 256 columns.");
    SheetCells cells;
    for (std::size_t k = 0; k < 5000 && cells.put(k / 200, k % 200, std::string(SheetLimits::cellBytes, 'x')); ++k) {
    }
    EXPECT_EQ(cells.problem(), "The sheet holds more than 16 MB of text.") << "repeated cells of a workbook";
}

TEST(SheetImportTest, birthDatesAndHeaders)
{
    const std::pair<const char*, std::optional<DayNumber>> dates[] = {
        { "42429", dayNumber(2016, 2, 29) },
        { "2016-02-29", dayNumber(2016, 2, 29) },
        { "2016-02-29T00:00:00", dayNumber(2016, 2, 29) },
        { " 2/29/2016 ", dayNumber(2016, 2, 29) },
        { "2/29/2015", std::nullopt },
        { "2015-13-01", std::nullopt },
        { "May 3", std::nullopt },
        { "0", std::nullopt },
    };
    for (const auto& [text, day] : dates)
        EXPECT_EQ(readSheetDate(text), day) << text;
    EXPECT_EQ(ageOnDay(dayNumber(2016, 12, 6), meetDay), "10.0");
    EXPECT_EQ(ageOnDay(meetDay, meetDay), std::nullopt);

    const std::pair<const char*, ColumnKind> headers[] = { { "SURNAME", ColumnKind::LastName },
        { "Given name", ColumnKind::FirstName }, { "D.O.B.", ColumnKind::BirthDate },
        { "Weight (kg)", ColumnKind::WeightKg }, { "Wgt", ColumnKind::WeightLb }, { "Lbs", ColumnKind::WeightLb },
        { "Level", ColumnKind::Skill }, { "Club", ColumnKind::Team }, { "Notes", ColumnKind::Ignore } };
    for (const auto& [header, kind] : headers)
        EXPECT_EQ(kindOfHeader(header), kind) << header;
    Sheet sheet { { { "Roster" }, {}, { "Name", "Weight" }, { "Al", "30 kg" } } };
    const auto columns = findSheetColumns(sheet);
    ASSERT_TRUE(columns);
    EXPECT_EQ(columns->headerRow, 2u);
    EXPECT_EQ(columns->kinds, (std::vector<ColumnKind> { ColumnKind::Name, ColumnKind::WeightKg }));
    EXPECT_FALSE(findSheetColumns(Sheet { { { "Name", "Notes" } } }));
}
