#include "teams/TeamScreen.h"
#include "meet/TableModels.h"
#include "support/FakeDialogs.h"
#include "support/ProgramFixture.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace korvanda;

class TeamScreenTest : public QObject {
    Q_OBJECT

    // The team window over a list of two teams.
    struct Fixture {
        TempDir dir;
        Meet meet;
        FakeDialogs dialogs;
        TableModels models { meet };
        TeamScreen screen { meet, models, dialogs };

        Fixture()
        {
            dir.write("Teams.Csv",
                "\"Tigers\",\"TIG\",\"Ann Loe\",\"Tigers\"\r\n"
                "\"Lions\",\"LIO\",\"Bo Kerr\",\"Lions\"\r\n");
            meet.directory = dir.path();
            screen.loadTeamList();
            screen.show();
        }
        QLineEdit* box(const char* name) { return screen.findChild<QLineEdit*>(QString::fromLatin1(name)); }
        void click(const char* name)
        {
            QTest::mouseClick(screen.findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        }
        void clickRow(int row) { ::clickRow(screen, QStringLiteral("TeamList"), row); }
    };

private slots:
    // Every edit but Clear marks the rosters changed.
    void editingTheList()
    {
        Fixture f;
        Table& teams = f.meet.teamList;
        f.clickRow(2);
        QCOMPARE(f.box("CoachBox")->text(), QStringLiteral("Bo Kerr"));
        f.box("CoachBox")->setText(QStringLiteral("Cy \"Red\" Dunn"));
        f.click("ReplaceButton");
        QCOMPARE(teams.cell(2, TeamColumn::Coach), std::string("Cy Red Dunn")); // the team file cannot hold quotes
        QVERIFY(std::exchange(f.meet.rostersChanged, false));
        auto* hint = f.screen.findChild<QLabel*>(QStringLiteral("DataFileHint"));
        QVERIFY(!hint->isVisible());
        f.click("ClearButton");
        QVERIFY(f.box("TeamNameBox")->text().isEmpty() && f.box("FileNameBox")->text().isEmpty());
        // An empty editor describes no team; with a name typed, an empty
        // data file, one leading out of the meet or a meet file of its own
        // shows the hint.
        QVERIFY(!hint->isVisible());
        QTest::keyClicks(f.box("TeamNameBox"), QStringLiteral("Bears"));
        QVERIFY(hint->isVisible());
        for (const char* name : { "../Up", "restore", " Bears " }) {
            QTest::keyClicks(f.box("FileNameBox"), QString::fromLatin1(name));
            QCOMPARE(hint->isVisible(), name[0] != ' ');
            f.box("FileNameBox")->clear();
        }
        f.box("TeamNameBox")->setText(QStringLiteral(" Bears "));
        f.click("AddButton");
        QVERIFY(std::exchange(f.meet.rostersChanged, false));
        QCOMPARE(teams.cell(3, TeamColumn::Name), std::string(" Bears ")); // as typed

        // Delete takes the selected row; the only team left is emptied instead.
        f.click("DeleteButton");
        QCOMPARE(teams.cell(2, TeamColumn::Name), std::string(" Bears "));
        f.click("DeleteButton");
        f.click("DeleteButton");
        QCOMPARE(teams.rowCount(), 2);
        QCOMPARE(teams.cell(1, TeamColumn::Name) + teams.cell(1, TeamColumn::Abbrev), std::string());
        QVERIFY(f.meet.rostersChanged);
    }

    void matsArrowsKeepOneToSix()
    {
        Fixture f;
        const char* cases[][3] = { { "x", "down", "1" }, { "x", "up", "6" }, { "6", "up", "6" }, { "1", "down", "1" },
            { "2.5", "down", "1" }, { "3", "up", "4" }, { "3", "down", "2" }, { "-9", "up", "1" },
            { "40", "down", "6" } };
        for (const auto& [text, arrow, expected] : cases) {
            f.box("NumMatsBox")->setText(QString::fromLatin1(text));
            f.click(arrow);
            QVERIFY2(f.box("NumMatsBox")->text() == QLatin1String(expected), (std::string(text) + " " + arrow).c_str());
        }
    }

    // Load Rosters takes the Assume Present box and, run to its end only,
    // hands over to the roster window; Save List and Restore go round.
    void processCommands()
    {
        Fixture f;
        f.dir.write("Tigers.Csv", "\"Kim Sorel\",\"9\",\"72.5\",\"3\"\r\n");
        f.screen.findChild<QAbstractButton*>(QStringLiteral("AssumePresentCheck"))->setChecked(false);
        QSignalSpy switched(&f.screen, &WorkingWindow::switchRequested);
        f.click("LoadRostersButton");
        QCOMPARE(f.meet.roster.cell(1, RosterColumn::Here), std::string());
        f.click("LoadRostersButton"); // No to the duplicate
        QCOMPARE(switched.count(), 1);
        QCOMPARE(switched.at(0).at(0).value<WindowKind>(), WindowKind::Roster);

        f.meet.rostersChanged = true;
        f.click("SaveButton");
        QVERIFY(!f.meet.rostersChanged);
        QCOMPARE(f.dir.read("Tigers.Csv"), std::string("\"Kim Sorel\",\"9.0\",\"72\",\"3.0\"\r\n"));
        f.meet.roster.setCell(1, RosterColumn::Name, "Changed");
        f.click("RestoreButton");
        QCOMPARE(f.meet.roster.cell(1, RosterColumn::Name), std::string("Kim Sorel"));
    }
};

QTEST_MAIN(TeamScreenTest)
#include "TeamScreenTest.moc"
