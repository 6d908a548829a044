// Walks through a meet on the demo teams with the real windows and saves a
// picture of each window at the point the README describes it.
//
//   KorvandaScreenshots DEMO_MEET_FOLDER OUTPUT_FOLDER

#include "app/Shell.h"
#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meetcheck/MatBoardScreen.h"
#include "renumber/Form1.h"
#include "sheets/RosterImportDialog.h"
#include "sheets/SheetFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace korvanda;

namespace {

// Messages go to the terminal instead of a box; every question is answered Yes.
class LoggedDialogs : public Dialogs {
public:
    void inform(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
    void warn(const std::string& text) override { std::fprintf(stderr, "warning: %s\n", text.c_str()); }
    bool ask(const std::string& text) override
    {
        std::fprintf(stderr, "question answered Yes: %s\n", text.c_str());
        return true;
    }
};

template <class T> T& find(QWidget& window, const char* name)
{
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(window.objectName().toStdString() + " has no " + name);
    return *found;
}

void click(QWidget& window, const char* name)
{
    find<QAbstractButton>(window, name).click();
}

void type(QWidget& window, const char* name, const QString& text)
{
    find<QLineEdit>(window, name).setText(text);
}

// A data row picked with the keyboard, as the director picks a bout or a
// wrestler: the arrows to it, then Enter.
void pickRow(QWidget& window, const char* table, int row)
{
    auto& view = find<QTableView>(window, table);
    view.setFocus();
    view.setCurrentIndex(view.model()->index(row - 1, 0));
    QTest::keyClick(&view, Qt::Key_Return);
}

// The bout on its row of the bout list, with its result.
struct Result {
    int bout;
    int winner;
    int winBy;
    const char* points1;
    const char* points2;
};

void enterResult(QWidget& boutWindow, const Result& result)
{
    pickRow(boutWindow, "BoutGrid", result.bout);
    if (result.winner > 0)
        click(boutWindow, result.winner == 1 ? "WinnerOption1" : "WinnerOption2");
    click(boutWindow, QStringLiteral("WinByOption%1").arg(result.winBy).toLatin1().constData());
    type(boutWindow, "ResultsPointsBox1", QString::fromLatin1(result.points1));
    type(boutWindow, "ResultsPointsBox2", QString::fromLatin1(result.points2));
    click(boutWindow, "AcceptButton");
}

// The list an outside script makes for Quillon: the bouts numbered anew mat
// by mat, the new number in the first three columns, the old in the last three.
void writeMapping(const Meet& meet, const QString& folder)
{
    QFile file(folder + QStringLiteral("/_current_meet_v2.txt"));
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the bout mapping");
    file.write("New  Korvanda bout\r\n");
    int next = 0;
    for (const std::string mat : { "1", "2", "3", "4", "5", "6" }) {
        for (int row = 1; row < meet.boutGrid.rowCount(); ++row) {
            if (meet.boutGrid.cell(row, BoutColumn::Mat) != mat)
                continue;
            file.write(QStringLiteral("%1  mat %2  %3\r\n")
                           .arg(++next, -3)
                           .arg(QString::fromStdString(mat))
                           .arg(row, 3)
                           .toLatin1());
        }
    }
}

void save(QWidget& window, const QDir& output, const char* fileName)
{
    window.show();
    window.raise();
    if (!QTest::qWaitForWindowExposed(&window))
        throw std::runtime_error(window.objectName().toStdString() + " never showed");
    QTest::qWait(200);
    if (!window.grab().save(output.filePath(QString::fromLatin1(fileName))))
        throw std::runtime_error(std::string("cannot save ") + fileName);
    std::printf("%s\n", qPrintable(output.filePath(QString::fromLatin1(fileName))));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvanda"));
    QApplication::setApplicationName(QStringLiteral("KorvandaScreenshots"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: KorvandaScreenshots DEMO_MEET_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    // Every picture shows a window at the size it first opens with.
    QSettings().clear();
    // The team window makes the meet folder the working directory.
    const QDir demo(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    const QDir output(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    QTemporaryDir temporary;
    const QDir scratch(temporary.filePath(QStringLiteral("Demo Meet")));
    const QDir quillonFolder(temporary.filePath(QStringLiteral("Quillon")));
    if (!temporary.isValid() || !scratch.mkpath(QStringLiteral(".")) || !quillonFolder.mkpath(QStringLiteral("."))
        || !output.exists()) {
        std::fprintf(stderr, "no scratch or output folder\n");
        return 1;
    }
    for (const QString& name : demo.entryList(QDir::Files))
        QFile::copy(demo.filePath(name), scratch.filePath(name));

    Meet meet;
    meet.directory = scratch.path().toStdString();
    LoggedDialogs dialogs;
    Shell shell(meet, dialogs);
    shell.loadWindows();
    QWidget& team = shell.window(WindowKind::Team);
    QWidget& roster = shell.window(WindowKind::Roster);
    QWidget& bouts = shell.window(WindowKind::Bout);
    QWidget& mats = shell.window(WindowKind::Mat);
    std::unique_ptr<Form1> quillon;
    std::unique_ptr<RosterImportDialog> importPreview;

    // One line a picture: what is done before it, and the window it shows.
    const std::vector<std::pair<const char*, std::function<QWidget&()>>> shots = {
        { "team-list.png",
            [&]() -> QWidget& {
                shell.showWindow(WindowKind::Team);
                type(team, "NumMatsBox", QStringLiteral("2"));
                return team;
            } },
        { "roster-import.png",
            [&]() -> QWidget& {
                // A coach's workbook from examples/, beside the demo meet.
                const QString workbook = demo.filePath(QStringLiteral("../coach-sheets/Tigers roster.xlsx"));
                SheetReading reading = readSheetFile(workbook.toStdString());
                const auto columns = findSheetColumns(reading.sheet);
                if (!reading.ok() || !columns)
                    throw std::runtime_error("the coach's workbook cannot be read");
                importPreview
                    = std::make_unique<RosterImportDialog>(meet, 1, std::move(reading.sheet), *columns, dialogs, &team);
                find<QDateEdit>(*importPreview, "MeetDateBox").setDate(QDate(2026, 12, 5));
                importPreview->show();
                return *importPreview;
            } },
        { "roster-loaded.png",
            [&]() -> QWidget& {
                importPreview.reset();
                click(team, "LoadRostersButton");
                return roster;
            } },
        { "roster-matched.png",
            [&]() -> QWidget& {
                click(roster, "AutoGoButton");
                if (meet.boutGrid.rowCount() < 2)
                    throw std::runtime_error("the demo meet gave no bouts");
                return roster;
            } },
        { "mat-schedule.png",
            [&]() -> QWidget& {
                shell.showWindow(WindowKind::Bout);
                click(bouts, "ScheduleButton");
                shell.showWindow(WindowKind::Mat);
                return mats;
            } },
        { "bout-list.png",
            [&]() -> QWidget& {
                shell.showWindow(WindowKind::Bout);
                for (const Result& result : { Result { 1, 1, 5, "6", "3" }, Result { 2, 1, 1, "", "" },
                         Result { 3, 1, 4, "12", "3" }, Result { 4, 0, 6, "4", "4" } })
                    enterResult(bouts, result);
                click(bouts, "WriteFilesButton");
                return bouts;
            } },
        { "meet-check.png",
            [&]() -> QWidget& {
                shell.showWindow(WindowKind::Check);
                return shell.window(WindowKind::Check);
            } },
        { "mat-board.png",
            [&]() -> QWidget& {
                shell.showBoard();
                return shell.boardScreen();
            } },
        { "history.png",
            [&]() -> QWidget& {
                shell.showWindow(WindowKind::Team);
                click(team, "HistoryButton");
                return *team.findChild<QWidget*>(QStringLiteral("HistoryScreen"));
            } },
        { "quillon.png",
            [&]() -> QWidget& {
                QFile::copy(scratch.filePath(QStringLiteral("BoutSheets.Txt")),
                    quillonFolder.filePath(QStringLiteral("boutsheets.txt")));
                writeMapping(meet, quillonFolder.path());
                Form1Services quiet = Form1Services::platform();
                quiet.inform
                    = [](QWidget*, const QString& text) { std::fprintf(stderr, "Quillon: %s\n", qPrintable(text)); };
                quillon = std::make_unique<Form1>(quillonFolder.path(), quiet);
                quillon->show();
                click(*quillon, "Check1");
                click(*quillon, "Command2");
                return *quillon;
            } },
    };

    try {
        for (const auto& [fileName, prepare] : shots)
            save(prepare(), output, fileName);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    // The pictures are made; nothing of the scratch meet is kept.
    quillon.reset();
    return 0;
}
