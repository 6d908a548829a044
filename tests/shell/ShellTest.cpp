#include "bouts/MatchScreen.h"
#include "bouts/ScheduleScreen.h"
#include "meet/Meet.h"
#include "roster/WrestlerScreen.h"
#include "shell/Shell.h"
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

private:
    void trigger(QWidget& window, const char* entry)
    {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(entry));
        QVERIFY2(action, entry);
        action->trigger();
    }

    int visibleWorkingWindows(Shell& shell)
    {
        int visible = 0;
        for (auto kind : {WindowKind::Team, WindowKind::Roster, WindowKind::Bout, WindowKind::Mat})
            visible += shell.window(kind).isVisible() ? 1 : 0;
        return visible;
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
        QCOMPARE(visibleWorkingWindows(shell), 0);

        shell.showWindow(WindowKind::Team);
        trigger(shell.teamScreen(), "mnuRoster");
        QVERIFY(shell.wrestlerScreen().isVisible());
        trigger(shell.wrestlerScreen(), "mnuBout");
        QVERIFY(shell.matchScreen().isVisible());
        QCOMPARE(visibleWorkingWindows(shell), 1);
        trigger(shell.matchScreen(), "mnuMat");
        QVERIFY(shell.scheduleScreen().isVisible());
        QCOMPARE(visibleWorkingWindows(shell), 1);

        trigger(shell.scheduleScreen(), "mnuAbout");
        const auto topLevels = QApplication::topLevelWidgets();
        const bool aboutShown = std::any_of(topLevels.begin(), topLevels.end(), [](QWidget* w) {
            return w->objectName() == QStringLiteral("AboutScreen") && w->isVisible()
                   && w->windowTitle() == QStringLiteral("About Korvanda");
        });
        QVERIFY(aboutShown);
        QVERIFY(shell.scheduleScreen().isVisible());
        shell.exitAll();
    }

    void closingAskOnlyWhileRostersChanged()
    {
        TempDir dir;
        Meet meet;
        meet.directory = dir.path();
        FakeDialogs dialogs;
        Shell shell(meet, dialogs);
        shell.loadWindows();
        shell.showWindow(WindowKind::Roster);
        shell.wrestlerScreen().close();
        QVERIFY(dialogs.shown.empty());
        QVERIFY(meet.settingsSaved);
        QVERIFY(dir.exists("KorvandaSettings.Csv"));
        QCOMPARE(visibleWorkingWindows(shell), 0);
    }

    void limitsAndOptionsSurviveARestart()
    {
        TempDir dir;
        dir.write("KorvandaSettings.Csv", "2,\"TextBox\",\"MaxDiffWeightBox\",\"12\"\r\n"
                                          "1,\"CheckBox\",\"OmitAbsentsCheck\",0\r\n");
        Meet meet;
        meet.directory = dir.path();
        FakeDialogs dialogs;
        {
            Shell shell(meet, dialogs);
            shell.loadWindows();
            auto& roster = shell.wrestlerScreen();
            QCOMPARE(roster.findChild<QLineEdit*>(QStringLiteral("MaxDiffWeightBox"))->text(), QStringLiteral("12"));
            QCOMPARE(roster.findChild<QLineEdit*>(QStringLiteral("MaxDiffAgeBox"))->text(), QStringLiteral("1"));
            QVERIFY(!shell.teamScreen().omitAbsents());
            roster.findChild<QLineEdit*>(QStringLiteral("MinBoutsBox"))->setText(QStringLiteral("2"));
            roster.findChild<QCheckBox*>(QStringLiteral("SameTeamCheck"))->setChecked(false);
            shell.teamScreen().findChild<QLineEdit*>(QStringLiteral("NumMatsBox"))->setText(QStringLiteral("4"));
            shell.exitAll();
        }
        Meet next;
        next.directory = dir.path();
        Shell shell(next, dialogs);
        shell.loadWindows();
        auto& roster = shell.wrestlerScreen();
        QCOMPARE(roster.findChild<QLineEdit*>(QStringLiteral("MinBoutsBox"))->text(), QStringLiteral("2"));
        QCOMPARE(roster.findChild<QLineEdit*>(QStringLiteral("MaxDiffWeightBox"))->text(), QStringLiteral("12"));
        QVERIFY(!roster.findChild<QCheckBox*>(QStringLiteral("SameTeamCheck"))->isChecked());
        QCOMPARE(shell.teamScreen().matsText(), QStringLiteral("4"));
        QVERIFY(!shell.teamScreen().omitAbsents());
        QVERIFY(dialogs.shown.empty());
    }

    void settingsThatCannotBeWrittenAreTriedAtEveryClose()
    {
        TempDir dir;
        std::filesystem::create_directory(dir.path() / "KorvandaSettings.Csv");
        Meet meet;
        meet.directory = dir.path();
        FakeDialogs dialogs;
        Shell shell(meet, dialogs);
        shell.loadWindows();
        shell.showWindow(WindowKind::Team);
        shell.exitAll();
        QCOMPARE(dialogs.shown, std::vector<std::string>(4, "Unable to save settings."));
        QVERIFY(!meet.settingsSaved);
    }

    void answeringNoAsksAgainForEveryWindowAndYesOnce()
    {
        TempDir dir;
        Meet meet;
        meet.directory = dir.path();
        meet.teamList.setCell(1, 0, "Tigers");
        meet.teamList.setCell(1, 1, "TIG");
        FakeDialogs dialogs;
        Shell shell(meet, dialogs);
        shell.loadWindows();
        meet.rostersChanged = true;
        dialogs.queueAnswers({false, true});
        shell.showWindow(WindowKind::Team);
        trigger(shell.teamScreen(), "mnuExit");
        QCOMPARE(dialogs.questions.size(), std::size_t(2));
        QVERIFY(!meet.rostersChanged);
        QVERIFY(dir.exists("Teams.Csv"));
        QVERIFY2(!dir.exists("Teams.Bak"), "written once: no second save made a backup");
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
