#include "meetcheck/CheckScreen.h"
#include "roster/WrestlerScreen.h"
#include "support/ProgramFixture.h"
#include "teams/TeamScreen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using namespace korvanda;

class ShellTest : public QObject {
    Q_OBJECT

    template <class T> static T* child(QWidget& window, const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }

    // The visible top-level windows by name, found apart from the shell's own bookkeeping.
    static QMap<QString, QWidget*> visibleWindows()
    {
        QMap<QString, QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                shown.insert(w->objectName(), w);
        return shown;
    }

private slots:
    void windowMenuShowsExactlyOneWindow()
    {
        ProgramFixture program(ProgramFixture::Empty,
            [](ProgramFixture& p) { p.dir.write("Teams.Csv", "\"Tigers\",\"TIG\",\"Ann\",\"Tigers\"\r\n"); });
        Shell& shell = program.shell;
        QCOMPARE(program.meet.teamList.cell(1, 0), std::string("Tigers"));
        QVERIFY(visibleWindows().isEmpty());

        shell.showWindow(WindowKind::Team);
        // Each entry is chosen on the window the step before showed.
        const std::pair<const char*, QString> steps[]
            = { { "mnuRoster", "WrestlerScreen" }, { "mnuBout", "MatchScreen" }, { "mnuCheck", "CheckScreen" },
                  { "mnuTeam", "TeamScreen" }, { "mnuMat", "ScheduleScreen" } };
        for (const auto& [entry, shown] : steps) {
            child<QAction>(*visibleWindows().first(), entry)->trigger();
            QCOMPARE(visibleWindows().keys(), QStringList { shown });
        }
        // About comes in front and the working window stays.
        child<QAction>(*visibleWindows().first(), "mnuAbout")->trigger();
        QCOMPARE(visibleWindows().keys(), (QStringList { "AboutScreen", "ScheduleScreen" }));
        child<QAction>(shell.window(WindowKind::Mat), "mnuExit")->trigger();
        QVERIFY(visibleWindows().isEmpty());
    }

    // With unchanged rosters closing asks nothing; the settings reach the
    // next run's real windows, a text with a comma whole.
    void settingsSurviveARestart()
    {
        TempDir dir;
        const auto inDir = [&dir](ProgramFixture& p) { p.meet.directory = dir.path(); };
        {
            ProgramFixture first(ProgramFixture::Empty, inDir);
            Shell& shell = first.shell;
            shell.showWindow(WindowKind::Roster);
            child<QLineEdit>(shell.wrestlerScreen(), "MinBoutsBox")->setText(QStringLiteral("1,5"));
            child<QCheckBox>(shell.wrestlerScreen(), "SameTeamCheck")->setChecked(false);
            child<QLineEdit>(shell.teamScreen(), "NumMatsBox")->setText(QStringLiteral("4"));
            child<QCheckBox>(shell.teamScreen(), "OmitAbsentsCheck")->setChecked(false);
            shell.wrestlerScreen().close();
            QVERIFY(first.dialogs.shown.empty());
        }
        ProgramFixture next(ProgramFixture::Empty, inDir);
        Shell& shell = next.shell;
        QCOMPARE(child<QLineEdit>(shell.wrestlerScreen(), "MinBoutsBox")->text(), QStringLiteral("1,5"));
        QVERIFY(!child<QCheckBox>(shell.wrestlerScreen(), "SameTeamCheck")->isChecked());
        QCOMPARE(shell.teamScreen().matsText(), QStringLiteral("4"));
        QVERIFY(!shell.teamScreen().omitAbsents());
        QVERIFY(next.dialogs.shown.empty());
    }

    // Closing asks about changed rosters once for each of the team, bout,
    // mat and roster windows until a Yes, which writes the team files once;
    // the check window, the mat board and About ask nothing, whichever
    // window is closed. Each close step tries the settings again while they fail.
    void closingAsksForTheFourWorkingWindowsOnly_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::newRow("No each time") << QList<bool> { false, false, false, false };
        QTest::newRow("No, then Yes") << QList<bool> { false, true };
        QTest::newRow("Yes") << QList<bool> { true };
    }

    void closingAsksForTheFourWorkingWindowsOnly()
    {
        QFETCH(QList<bool>, answers);
        ProgramFixture program(ProgramFixture::Demo, [](ProgramFixture& p) {
            std::filesystem::create_directory(p.dir.path() / "KorvandaSettings.Csv");
        });
        Shell& shell = program.shell;
        program.click(WindowKind::Team, "LoadRostersButton");
        program.meet.roster.setCell(1, RosterColumn::Name, "Renamed Wrestler");
        program.meet.rostersChanged = true;
        for (const auto kind : { WindowKind::Team, WindowKind::Roster, WindowKind::Bout, WindowKind::Mat })
            shell.showWindow(kind);
        shell.showBoard();
        shell.showAbout();
        shell.showWindow(WindowKind::Check);
        FakeDialogs& dialogs = program.dialogs;
        dialogs.answers.assign(answers.begin(), answers.end());
        shell.checkScreen().close();

        QCOMPARE(dialogs.questions, std::vector<std::string>(answers.size(), "Save changes to rosters?"));
        QCOMPARE(std::count(dialogs.shown.begin(), dialogs.shown.end(), "Unable to save settings."), 4);
        QCOMPARE(program.dir.exists("Teams.Bak"), answers.back());
        // A second write would leave the program's own first one in the copies.
        for (const auto& file : std::filesystem::directory_iterator(KORVANDA_DEMO_MEET)) {
            QFile original(file.path());
            QVERIFY(original.open(QIODevice::ReadOnly));
            if (answers.back())
                QCOMPARE(program.dir.read(file.path().stem().string() + ".Bak"), original.readAll().toStdString());
        }
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
