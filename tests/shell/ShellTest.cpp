#include "app/Shell.h"
#include "meet/Meet.h"
#include "roster/WrestlerScreen.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"
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
        TempDir dir;
        dir.write("Teams.Csv", "\"Tigers\",\"TIG\",\"Ann\",\"Tigers\"\r\n");
        Meet meet;
        meet.directory = dir.path();
        FakeDialogs dialogs;
        Shell shell(meet, dialogs);
        shell.loadWindows();
        QCOMPARE(meet.teamList.cell(1, 0), std::string("Tigers"));
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
        FakeDialogs dialogs;
        {
            Meet meet;
            meet.directory = dir.path();
            Shell shell(meet, dialogs);
            shell.loadWindows();
            shell.showWindow(WindowKind::Roster);
            child<QLineEdit>(shell.wrestlerScreen(), "MinBoutsBox")->setText(QStringLiteral("1,5"));
            child<QCheckBox>(shell.wrestlerScreen(), "SameTeamCheck")->setChecked(false);
            child<QLineEdit>(shell.teamScreen(), "NumMatsBox")->setText(QStringLiteral("4"));
            child<QCheckBox>(shell.teamScreen(), "OmitAbsentsCheck")->setChecked(false);
            shell.wrestlerScreen().close();
        }
        Meet next;
        next.directory = dir.path();
        Shell shell(next, dialogs);
        shell.loadWindows();
        QCOMPARE(child<QLineEdit>(shell.wrestlerScreen(), "MinBoutsBox")->text(), QStringLiteral("1,5"));
        QVERIFY(!child<QCheckBox>(shell.wrestlerScreen(), "SameTeamCheck")->isChecked());
        QCOMPARE(shell.teamScreen().matsText(), QStringLiteral("4"));
        QVERIFY(!shell.teamScreen().omitAbsents());
        QVERIFY(dialogs.shown.empty());
    }

    // Closing one window closes the others: each close step tries the
    // settings again while they fail, and asks about changed rosters until
    // a Yes, which writes them once.
    void changedRostersAndUnwritableSettingsAtClose()
    {
        TempDir dir;
        std::filesystem::create_directory(dir.path() / "KorvandaSettings.Csv");
        Meet meet;
        meet.directory = dir.path();
        FakeDialogs dialogs;
        Shell shell(meet, dialogs);
        shell.loadWindows();
        meet.teamList.setCell(1, 0, "Tigers");
        meet.teamList.setCell(1, 1, "TIG");
        meet.roster.setCell(1, 0, "Kim");
        meet.roster.setCell(1, 4, "TIG");
        meet.rostersChanged = true;
        dialogs.queueAnswers({ false, true });
        shell.showWindow(WindowKind::Roster);
        shell.wrestlerScreen().close();
        const std::string unable = "Unable to save settings.", ask = "Save changes to rosters?";
        // The team has a wrestler and no data file: Yes names it.
        const std::string unsaved
            = "Team Tigers has no usable data file, so its wrestlers were not saved to a team file.";
        QCOMPARE(
            dialogs.shown, (std::vector<std::string> { unable, ask, unable, ask, unsaved, unable, unable, unable }));
        QVERIFY(dir.exists("Teams.Csv"));
        QVERIFY2(!dir.exists("Teams.Bak"), "No wrote nothing and Yes wrote once");
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
