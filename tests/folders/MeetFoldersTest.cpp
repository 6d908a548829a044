#include "app/MeetFolders.h"
#include "folders/MeetPlaces.h"
#include "folders/RecentMeetList.h"
#include "meet/Meet.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QtTest>

#include <fstream>

using namespace korvanda;
namespace fs = std::filesystem;

namespace {

QString qt(const fs::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

std::string bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string tigers = "\"Tigers\",\"TIG\",\"Ann Loe\",\"Tigers\"\r\n";

// A meet folder under `parent` holding a team list of one team.
fs::path makeMeet(const fs::path& parent, const std::string& name, const std::string& teams = tigers)
{
    fs::create_directories(parent / name);
    std::ofstream(parent / name / "Teams.Csv", std::ios::binary) << teams;
    return parent / name;
}

// The visible working windows; the About box has no menu.
QList<QWidget*> visibleWindows()
{
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->findChild<QMenu*>(QStringLiteral("mnuFile")))
            shown << w;
    return shown;
}

QAction* entry(const char* name)
{
    auto* window = visibleWindows().value(0);
    return window ? window->findChild<QAction*>(QString::fromLatin1(name)) : nullptr;
}

bool names(const std::string& warning, const QString& folder, const char* problem)
{
    const QString text = QString::fromLatin1(warning);
    return text.contains('"' + folder + '"') && text.contains(QLatin1String(problem));
}

// The recent entries as the File menu of the visible window shows them.
QStringList recentEntries()
{
    auto* window = visibleWindows().value(0);
    emit window->findChild<QMenu*>(QStringLiteral("mnuFile"))->aboutToShow();
    QStringList texts;
    for (auto* action : window->findChild<QMenu*>(QStringLiteral("mnuOpenRecent"))->actions())
        texts << action->text();
    return texts;
}

// The program around one open meet: the director's answers and folder
// choices come from queues.
struct Program {
    FakeDialogs dialogs;
    QStringList choices;
    QStringList chooserTitles;
    MeetFolders folders;

    explicit Program(const fs::path& programFolder)
        : folders(dialogs,
            [this](QWidget*, const QString& title, const QString&) {
                chooserTitles << title;
                return choices.isEmpty() ? QString() : choices.takeFirst();
            },
            { qt(programFolder), documentsFolder(), QStringLiteral(DEMO_MEET) })
    {
    }

    // Starts as the program does; false when it would end instead.
    bool start(const QString& argument = {})
    {
        const QString folder = folders.startFolder(argument);
        if (folder.isEmpty())
            return false;
        folders.open(folder);
        folders.showTeamWindow();
        return true;
    }

    QString title() const { return visibleWindows().value(0) ? visibleWindows().value(0)->windowTitle() : QString(); }
};

} // namespace

class MeetFoldersTest : public QObject {
    Q_OBJECT

    // The home folder, with its documents folder and the program's settings.
    TempDir home;
    TempDir meets;
    // A program folder without a meet beside it, as an installation has.
    TempDir installed;

private slots:
    void initTestCase()
    {
        qputenv("HOME", QByteArray::fromStdString(home.path().string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home.path() / ".config").string()));
        qunsetenv("XDG_DOCUMENTS_DIR");
        QCoreApplication::setOrganizationName(QStringLiteral("Korvanda"));
        QCoreApplication::setApplicationName(QStringLiteral("Korvanda"));
        QCOMPARE(documentsFolder(), qt(home.path() / "Documents"));
    }

    void init() { QSettings().remove(QStringLiteral("RecentMeets")); }

    // The first start makes the demo meet in the documents folder; later
    // starts open the meet opened last, unless the program's own folder
    // holds a meet or a folder is named.
    void eachStartFindsItsMeet()
    {
        const fs::path demo = home.path() / "Documents" / "Demo Meet";
        {
            Program program(installed.path());
            QVERIFY(program.start());
            QCOMPARE(program.folders.folder(), qt(demo));
            QCOMPARE(program.title(), QStringLiteral("Team List - Demo Meet"));
            QCOMPARE(program.folders.meet().teamList.rowCount(), 5);
            QCOMPARE(bytesOf(demo / "Lynx.Csv"), bytesOf(fs::path(DEMO_MEET) / "Lynx.Csv"));
            QVERIFY(program.dialogs.shown.empty());
        }
        const fs::path spring = makeMeet(meets.path(), "Spring Duals");
        TempDir portable;
        portable.write("Teams.Csv", tigers);
        const struct {
            const TempDir& programFolder;
            QString argument;
            fs::path opened;
        } starts[] = {
            { installed, {}, demo },
            { installed, qt(spring), spring },
            { installed, {}, spring },
            // Whatever was opened before, a meet beside the program wins.
            { portable, {}, portable.path() },
            { portable, qt(demo), demo },
        };
        for (const auto& start : starts) {
            Program program(start.programFolder.path());
            QVERIFY(program.start(start.argument));
            QCOMPARE(program.folders.folder(), qt(start.opened));
            QCOMPARE(loadRecentMeets().value(0), qt(start.opened));
            QVERIFY(program.dialogs.shown.empty());
        }
        QCOMPARE(loadRecentMeets(), (QStringList { qt(demo), qt(portable.path()), qt(spring) }));
        QCOMPARE(QDir::currentPath(), qt(demo));
    }

    // A folder that cannot hold the meet is named in a message. At start
    // another may be chosen, or the demo meet is opened; later the open meet
    // stays as it was and a gone folder leaves the recent list.
    void refusedFolders()
    {
        TempDir scratch;
        scratch.write("Notes.Txt", "x");
        const QString missing = qt(scratch.path() / "Gone"), file = qt(scratch.path() / "Notes.Txt");
        const struct {
            QString folder;
            const char* message;
        } refused[] = {
            { missing, "does not exist" },
            { file, "is a file, not a folder" },
            { QStringLiteral("/proc"), "cannot be written" },
        };
        const fs::path spring = makeMeet(meets.path(), "Spring Duals");
        for (const auto& [folder, message] : refused) {
            Program program(installed.path());
            program.choices << qt(spring);
            QVERIFY(program.start(folder));
            QCOMPARE(program.folders.folder(), qt(spring));
            QCOMPARE(program.dialogs.warnings.size(), std::size_t(1));
            QVERIFY(names(program.dialogs.warnings[0], folder, message));
            QCOMPARE(program.chooserTitles, QStringList { "Choose a Meet Folder" });

            Meet* before = &program.folders.meet();
            program.choices << folder;
            entry("mnuOpenMeet")->trigger();
            QCOMPARE(program.dialogs.warnings.size(), std::size_t(2));
            QVERIFY(names(program.dialogs.warnings[1], folder, message));
            QCOMPARE(&program.folders.meet(), before);
            QCOMPARE(program.title(), QStringLiteral("Team List - Spring Duals"));
        }

        // Chosen from the recent list, a folder that is gone leaves it.
        const fs::path fall = makeMeet(scratch.path(), "Fall");
        Program program(installed.path());
        QVERIFY(program.start(qt(fall)));
        QVERIFY(program.start(qt(spring)));
        fs::remove_all(fall);
        QCOMPARE(recentEntries(), (QStringList { "&1 " + qt(spring), "&2 " + qt(fall) }));
        entry("mnuRecent2")->trigger();
        QCOMPARE(program.dialogs.warnings.size(), std::size_t(1));
        QCOMPARE(loadRecentMeets(), QStringList { qt(spring) });
        QCOMPARE(program.folders.folder(), qt(spring));

        // At start, turning down the choice opens the demo meet; when even
        // that cannot be, the program ends.
        Program cancelled(installed.path());
        QVERIFY(cancelled.start(missing));
        QCOMPARE(cancelled.folders.folder(), qt(home.path() / "Documents" / "Demo Meet"));
        TempDir noDocuments;
        noDocuments.write("Documents", "a file in the way");
        qputenv("HOME", QByteArray::fromStdString(noDocuments.path().string()));
        Program ends(installed.path());
        const bool started = ends.start(missing);
        qputenv("HOME", QByteArray::fromStdString(home.path().string()));
        QVERIFY(!started);
        QCOMPARE(ends.dialogs.warnings.size(), std::size_t(2));
    }

    // Before another meet opens, the open one closes as the program would
    // end: settings written and the save question, with Cancel keeping it.
    void closeStepBeforeSwitching()
    {
        const struct {
            bool changed;
            Answer answer;
            bool switched;
            bool teamsWritten;
        } cases[] = {
            { false, Answer::Cancel, true, false },
            { true, Answer::Yes, true, true },
            { true, Answer::No, true, false },
            { true, Answer::Cancel, false, false },
        };
        for (const auto& c : cases) {
            TempDir scratch;
            const fs::path spring = makeMeet(scratch.path(), "Spring Duals");
            const fs::path fall = makeMeet(scratch.path(), "Fall Classic", "");
            Program program(installed.path());
            QVERIFY(program.start(qt(spring)));
            program.folders.meet().teamList.setCell(1, TeamColumn::Coach, "Cy Dunn");
            program.folders.meet().rostersChanged = c.changed;
            program.dialogs.answersWithCancel.push_back(c.answer);
            program.choices << qt(fall);
            entry("mnuOpenMeet")->trigger();

            QCOMPARE(program.dialogs.questions.size(), std::size_t(c.changed ? 1 : 0));
            QCOMPARE(program.folders.folder(), qt(c.switched ? fall : spring));
            QCOMPARE(program.title(), "Team List - " + QDir(program.folders.folder()).dirName());
            QCOMPARE(loadRecentMeets().value(0), program.folders.folder());
            QCOMPARE(fs::exists(spring / "KorvandaSettings.Csv"), c.switched);
            QCOMPARE(fs::exists(spring / "Teams.Bak"), c.teamsWritten);
            QCOMPARE(bytesOf(spring / "Teams.Csv").find("Cy Dunn") != std::string::npos, c.teamsWritten);
            // A cancelled switch keeps the meet as it was, changes and all.
            QCOMPARE(program.folders.meet().rostersChanged, !c.switched);
            QCOMPARE(program.folders.meet().teamList.cell(1, TeamColumn::Coach) == "Cy Dunn", !c.switched);
        }
    }

    // A new meet starts empty or as a copy of the demo meet, never over a
    // team list that is there.
    void newMeet()
    {
        TempDir scratch;
        const fs::path spring = makeMeet(scratch.path(), "Spring Duals");
        Program program(installed.path());
        QVERIFY(program.start(qt(spring)));
        const struct {
            const char* folder;
            Answer answer;
            const char* opened;
            int teams;
        } steps[] = {
            { "Fall Classic", Answer::No, "Fall Classic", 0 },
            { "Demo Copy", Answer::Yes, "Demo Copy", 4 },
            { "Not Made", Answer::Cancel, "Demo Copy", 4 },
            { "Spring Duals", Answer::Yes, "Demo Copy", 4 },
        };
        for (const auto& step : steps) {
            program.dialogs.answersWithCancel.push_back(step.answer);
            program.choices << qt(scratch.path() / step.folder);
            entry("mnuNewMeet")->trigger();
            QCOMPARE(program.folders.folder(), qt(scratch.path() / step.opened));
            QCOMPARE(program.title(), "Team List - " + QLatin1String(step.opened));
            QCOMPARE(program.folders.meet().teamList.rowCount() - 1, std::max(step.teams, 1));
        }
        QCOMPARE(bytesOf(scratch.path() / "Fall Classic" / "Teams.Csv"), std::string());
        QCOMPARE(bytesOf(scratch.path() / "Demo Copy" / "Otters.Csv"), bytesOf(fs::path(DEMO_MEET) / "Otters.Csv"));
        QVERIFY(!fs::exists(scratch.path() / "Not Made"));
        QCOMPARE(bytesOf(spring / "Teams.Csv"), tigers);
        QCOMPARE(program.dialogs.warnings.size(), std::size_t(1));
        QVERIFY(program.dialogs.warnings[0].find("already holds a meet") != std::string::npos);
    }
};

QTEST_MAIN(MeetFoldersTest)
#include "MeetFoldersTest.moc"
