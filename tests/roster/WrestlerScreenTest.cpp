#include "roster/WrestlerScreen.h"
#include "matching/PairingMeasures.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "support/ProgramFixture.h"

#include <QtTest>
#include <QtWidgets>

using namespace korvanda;

class WrestlerScreenTest : public QObject {
    Q_OBJECT

    // The roster window of the whole program, on the demo meet's rosters or
    // on two wrestlers of one team.
    struct Fixture : ProgramFixture {
        WrestlerScreen& screen = shell.wrestlerScreen();

        explicit Fixture(bool demoMeet = false)
            : ProgramFixture(demoMeet ? Demo : Empty)
        {
            if (demoMeet) {
                ProgramFixture::click(WindowKind::Team, QStringLiteral("LoadRostersButton"));
            } else {
                meet.teamList.setCell(1, 0, "Tigers");
                meet.teamList.setCell(1, 1, "TIG");
                meet.roster.setRowCount(1);
                meet.roster.appendRow("Kim Sorel\t9.0\t62\t2.0\tTIG\t50\tYes\t");
                meet.roster.appendRow("Ada Brun\t11.0\t80\t3.0\tTIG\t60\t\t");
                shell.models().refresh();
            }
            shell.showWindow(WindowKind::Roster);
            QApplication::setActiveWindow(&screen);
        }

        template <typename T = QLineEdit> T* find(const char* name)
        {
            return screen.findChild<T*>(QString::fromLatin1(name));
        }
        void click(const char* name) { clickButton(screen, QString::fromLatin1(name)); }
        void clickRow(const char* view, int row, Clicks clicks = Clicks::Once)
        {
            ::clickRow(screen, QString::fromLatin1(view), row, clicks);
        }
        // Typing into a box, which the next box or button then takes the focus from.
        void type(const char* box, const char* text)
        {
            auto* edit = find(box);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, QString::fromLatin1(text));
        }
        std::string cell(int row, int column) const { return meet.roster.cell(row, column); }
    };

private slots:
    void doubleClickTogglesAttendanceOnlyWhenAskedAndAddTakesTheBoxesInTheirStoredForms()
    {
        Fixture f;
        f.clickRow("Roster", 1, Clicks::Twice);
        QCOMPARE(f.cell(1, RosterColumn::Here), std::string("Yes"));
        f.find<QCheckBox>("AttendanceCheck")->setChecked(true);
        f.clickRow("Roster", 2, Clicks::Twice);
        QCOMPARE(f.cell(2, RosterColumn::Here), std::string("Yes"));
        QVERIFY(!f.meet.rostersChanged && f.dir.exists("Restore.Csv"));
        QVERIFY(f.find("NameBox")->text().isEmpty());

        f.clickRow("Roster", 1);
        QCOMPARE(f.find("NameBox")->text(), QStringLiteral("Kim Sorel"));
        QVERIFY(f.find<QCheckBox>("PresentCheck")->isChecked());
        f.type("AgeBox", "ten");
        f.type("NameBox", "Lu Pell");
        QCOMPARE(f.dialogs.shown, std::vector<std::string> { "Bad age value." });
        QCOMPARE(f.find("AgeBox")->text(), QStringLiteral("ten"));
        f.type("AgeBox", "9");
        f.type("WeightBox", "61.5");
        f.type("SkillBox", "2");
        f.click("EditAddButton");
        std::string row = f.cell(3, 0);
        for (int c = 1; c < RosterColumn::Count; ++c)
            row += "\t" + f.cell(3, c);
        QCOMPARE(row, "Lu Pell\t9.0\t62\t2.0\tTIG\t" + compositeValue("9.0", "62", "2.0") + "\tYes\t");
        QVERIFY(f.find("NameBox")->text().isEmpty());
    }

    void enterLoadsARowTheArrowsSortAndEditBoutShowsItsMode()
    {
        Fixture f;
        auto* roster = f.find<TableView>("Roster");
        roster->setFocus();
        roster->setCurrentIndex(roster->model()->index(1, 0));
        QTest::keyClick(roster, Qt::Key_Return);
        QCOMPARE(f.find("NameBox")->text(), QStringLiteral("Ada Brun"));
        QCOMPARE(f.meet.currentRow, 2);

        auto* weightArrows = f.find<QWidget>("RosterSortButton2");
        QTest::mouseClick(weightArrows->findChild<QToolButton*>(QStringLiteral("up")), Qt::LeftButton);
        QCOMPARE(f.cell(1, 0), std::string("Ada Brun"));
        QTest::mouseClick(weightArrows->findChild<QToolButton*>(QStringLiteral("down")), Qt::LeftButton);
        QCOMPARE(f.cell(1, 0), std::string("Kim Sorel"));
        QVERIFY(!f.dir.exists("Restore.Csv"));

        f.meet.boutGrid.removeRow(1);
        f.meet.boutGrid.appendRow("1\t1\t\tKim Sorel\t\t\t\t\t\t\t\tAda Brun");
        auto* edit = f.find<QPushButton>("HandMatchEditButton");
        QCOMPARE(edit->text(), QStringLiteral("Edit Bout >"));
        f.find("HandMatchEditBoutNumber")->setText(QStringLiteral("1"));
        f.click("HandMatchEditButton");
        QCOMPARE(edit->text(), QStringLiteral("Replace >"));
        QVERIFY(f.find("HandMatchEditBoutNumber")->isReadOnly());
        f.click("HandMatchCancelButton");
        QCOMPARE(edit->text(), QStringLiteral("Edit Bout >"));
        QVERIFY(!f.find("HandMatchEditBoutNumber")->isReadOnly());
    }

    // The wrestler clicked into the list's second row lands there, whether
    // or not the search already proposed an opponent for it.
    void aWrestlerClickedIntoTheSecondRowLandsThere_data()
    {
        QTest::addColumn<bool>("findBest");
        QTest::newRow("find best") << true;
        QTest::newRow("by hand only") << false;
    }

    void aWrestlerClickedIntoTheSecondRowLandsThere()
    {
        QFETCH(bool, findBest);
        Fixture f(true);
        f.find<QCheckBox>("FindBestCheck")->setChecked(findBest);
        f.clickRow("Roster", 1);
        f.clickRow("HandMatchGrid", 1);
        f.clickRow("Roster", 3);
        f.clickRow("HandMatchGrid", 2);
        const QAbstractItemModel& list = *f.find<TableView>("HandMatchGrid")->model();
        QCOMPARE(list.index(0, 0).data().toString().toStdString(), f.cell(1, RosterColumn::Name));
        QCOMPARE(list.index(1, 0).data().toString().toStdString(), f.cell(3, RosterColumn::Name));
    }

    // After a bout made by hand the match button asks first; Yes matches
    // with the limits in the boxes: at least two bouts each for the 82
    // wrestlers, where a minimum of one gives 50. (Find Best and Add in this
    // window are tried against the check window in CheckScreenTest.)
    void matchAsksAfterHandBoutsAndTakesTheBoxes()
    {
        Fixture f(true);
        f.meet.handMatchesMade = true;
        f.dialogs.queueAnswers({ false, true });
        f.click("AutoGoButton");
        QCOMPARE(f.dialogs.questions, std::vector<std::string> { "Hand matches will be deleted.  Proceed anyway?" });
        QCOMPARE(f.meet.boutGrid.rowCount(), 2);
        f.find("MinBoutsBox")->setText(QStringLiteral("2"));
        f.click("AutoGoButton");
        QVERIFY(f.meet.boutGrid.rowCount() > 80);
    }
};

QTEST_MAIN(WrestlerScreenTest)
#include "WrestlerScreenTest.moc"
