#include "meet/Meet.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"
#include "teams/TeamScreen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace korvanda;

class TeamScreenTest : public QObject {
    Q_OBJECT

    struct Fixture {
        TempDir dir;
        Meet meet;
        FakeDialogs dialogs;
        TableModels models{meet};
        TeamScreen screen{meet, models, dialogs};

        Fixture()
        {
            dir.write("Teams.Csv", "\"Tigers\",\"TIG\",\"Ann Loe\",\"Tigers\"\r\n\"Lions\",\"LIO\",\"Bo Kerr\",\"Lions\"\r\n");
            meet.directory = dir.path();
            screen.loadTeamList();
            screen.show();
        }

        QLineEdit* box(const char* name) { return screen.findChild<QLineEdit*>(QString::fromLatin1(name)); }
        void click(const char* name)
        {
            QTest::mouseClick(screen.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        }
        void clickRow(int row)
        {
            auto* view = screen.findChild<TableView*>(QStringLiteral("TeamList"));
            const QRect cell = view->visualRect(view->model()->index(row - 1, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        }
    };

private slots:
    void selectingARowFillsTheEditorAndReplaceWritesIt()
    {
        Fixture f;
        f.clickRow(2);
        QCOMPARE(f.box("TeamNameBox")->text(), QStringLiteral("Lions"));
        QCOMPARE(f.box("CoachBox")->text(), QStringLiteral("Bo Kerr"));
        f.box("CoachBox")->setText(QStringLiteral("Cy Dunn"));
        f.click("ReplaceButton");
        QCOMPARE(f.meet.teamList.cell(2, 2), std::string("Cy Dunn"));
        QVERIFY(f.meet.rostersChanged);
    }

    void addDeleteAndClear()
    {
        Fixture f;
        f.box("TeamNameBox")->setText(QStringLiteral("Bears"));
        f.box("AbbreviationBox")->setText(QStringLiteral("BEA"));
        f.click("AddButton");
        QCOMPARE(f.meet.teamList.rowCount(), 4);
        QCOMPARE(f.meet.teamList.cell(3, 1), std::string("BEA"));
        QCOMPARE(f.box("TeamNameBox")->text(), QStringLiteral("Bears"));
        f.clickRow(1);
        f.click("DeleteButton");
        QCOMPARE(f.meet.teamList.rowCount(), 3);
        QCOMPARE(f.meet.teamList.cell(1, 0), std::string("Lions"));
        f.click("ClearButton");
        QVERIFY(f.box("TeamNameBox")->text().isEmpty());
        QVERIFY(f.box("FileNameBox")->text().isEmpty());
    }

    void matsArrowsKeepOneToSix()
    {
        Fixture f;
        auto* mats = f.box("NumMatsBox");
        auto* upDown = f.screen.findChild<QWidget*>(QStringLiteral("NumMatsUpDn"));
        auto* up = upDown->findChild<QToolButton*>(QStringLiteral("up"));
        auto* down = upDown->findChild<QToolButton*>(QStringLiteral("down"));
        QCOMPARE(mats->text(), QStringLiteral("1"));
        QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(mats->text(), QStringLiteral("1"));
        for (int k = 0; k < 7; ++k)
            QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(mats->text(), QStringLiteral("6"));
        mats->setText(QStringLiteral("2.5"));
        QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(mats->text(), QStringLiteral("1"));
    }

    void loadRostersFillsTheRosterAndHandsOver()
    {
        Fixture f;
        f.dir.write("Tigers.Csv", "\"Kim Sorel\",\"9\",\"72.5\",\"3\"\r\n");
        f.dir.write("Lions.Csv", "\"Ada Brun\",\"10\",\"64\",\"2\"\r\n");
        f.meet.rostersChanged = true;
        QSignalSpy switched(&f.screen, &WorkingWindow::switchRequested);
        f.click("LoadRostersButton");
        QCOMPARE(f.meet.roster.rowCount(), 3);
        QCOMPARE(f.meet.roster.cell(1, 0), std::string("Kim Sorel"));
        QCOMPARE(f.meet.roster.cell(1, 2), std::string("72"));
        QCOMPARE(f.meet.roster.cell(2, 6), std::string("Yes"));
        QVERIFY(!f.meet.rostersChanged);
        QCOMPARE(switched.count(), 1);
        QCOMPARE(switched.at(0).at(0).value<WindowKind>(), WindowKind::Roster);
    }

    void saveListAndRestore()
    {
        Fixture f;
        f.meet.rostersChanged = true;
        f.meet.roster.setCell(1, 0, "Kim Sorel");
        f.meet.roster.setCell(1, 4, "TIG");
        f.click("SaveButton");
        QVERIFY(!f.meet.rostersChanged);
        QVERIFY(f.dir.exists("Teams.Bak"));
        QCOMPARE(f.dir.read("Tigers.Csv"), std::string("\"Kim Sorel\",\"\",\"\",\"\"\r\n"));
        QVERIFY(f.dir.exists("Restore.Csv"));

        f.meet.teamList.removeRow(1);
        f.meet.roster.setCell(1, 0, "Changed");
        f.click("RestoreButton");
        QCOMPARE(f.meet.teamList.cell(1, 0), std::string("Tigers"));
        QCOMPARE(f.meet.roster.cell(1, 0), std::string("Kim Sorel"));
        QVERIFY(f.dialogs.shown.empty());
    }
};

QTEST_MAIN(TeamScreenTest)
#include "TeamScreenTest.moc"
