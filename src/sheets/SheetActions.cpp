#include "sheets/SheetActions.h"

#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "sheets/RosterImportDialog.h"
#include "sheets/SheetFile.h"
#include "sheets/WeighInDialog.h"

#if KORVANDA_WORKBOOKS
#include "sheets/ResultsExport.h"
#endif

#include <QDir>
#include <QFileDialog>

#include <optional>

namespace korvanda {

namespace {

// File names as the meet's messages carry them.
std::string shownName(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.filename().u16string()).toLatin1().toStdString();
}

// The sheet and its columns, or nothing after the director was told why.
std::optional<std::pair<Sheet, SheetColumns>> chosenSheet(QWidget* parent, const Meet& meet, Dialogs& dialogs)
{
    const QString path = QFileDialog::getOpenFileName(parent, QFileDialog::tr("Open Spreadsheet"),
        QString::fromStdString(meet.directory.string()),
        QFileDialog::tr("Spreadsheets (*.xlsx *.ods *.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    const std::filesystem::path file(path.toStdU16String());
    SheetReading reading = readSheetFile(file);
    if (!reading.ok()) {
        dialogs.warn(shownName(file) + ": " + reading.problem);
        return std::nullopt;
    }
    auto columns = findSheetColumns(reading.sheet);
    if (!columns) {
        dialogs.warn(shownName(file) + ": no header row with a name column was found among the first 50 rows.");
        return std::nullopt;
    }
    return std::make_pair(std::move(reading.sheet), std::move(*columns));
}

} // namespace

void importRosterFromSheet(QWidget* parent, const Meet& meet, int teamRow, Dialogs& dialogs)
{
    if (!canTakeRoster(meet, teamRow, dialogs))
        return;
    auto sheet = chosenSheet(parent, meet, dialogs);
    if (!sheet)
        return;
    RosterImportDialog preview(meet, teamRow, std::move(sheet->first), std::move(sheet->second), dialogs, parent);
    preview.exec();
}

bool updateWeightsFromSheet(QWidget* parent, Meet& meet, Dialogs& dialogs)
{
    const auto sheet = chosenSheet(parent, meet, dialogs);
    if (!sheet)
        return false;
    WeighInDialog preview(meet, sheet->first, sheet->second, dialogs, parent);
    return preview.exec() == QDialog::Accepted;
}

void exportResultsToWorkbook(QWidget* parent, const Meet& meet, Dialogs& dialogs)
{
#if KORVANDA_WORKBOOKS
    const QString start
        = QDir(QString::fromStdString(meet.directory.string())).filePath(QStringLiteral("Results.xlsx"));
    QString path = QFileDialog::getSaveFileName(
        parent, QFileDialog::tr("Export Results"), start, QFileDialog::tr("Excel workbooks (*.xlsx)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        path += QStringLiteral(".xlsx");
    const std::filesystem::path workbook(path.toStdU16String());
    if (exportResults(meet, workbook, dialogs))
        dialogs.inform("Results written to " + shownName(workbook) + ", " + shownName(boutsCsvPath(workbook)) + " and "
            + shownName(tallyCsvPath(workbook)) + ".");
#else
    (void)parent;
    (void)meet;
    dialogs.inform("This build of Korvanda cannot write workbooks.");
#endif
}

} // namespace korvanda
