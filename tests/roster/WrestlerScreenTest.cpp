#include "meet/Meet.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "roster/WrestlerScreen.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"
#include "teams/RosterImport.h"
#include "teams/TeamFiles.h"
#include "teams/TeamScreen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <set>
#include <sstream>

using namespace korvanda;

class WrestlerScreenTest : public QObject {
    Q_OBJECT

    struct Fixture {
        TempDir dir;
        Meet meet;
        FakeDialogs dialogs;
        TableModels models{meet};
        TeamScreen teams{meet, models, dialogs};
        WrestlerScreen screen{meet, models, dialogs, teams};

        explicit Fixture(bool demoMeet = false)
        {
            meet.directory = dir.path();
            if (demoMeet) {
                for (const auto& file : std::filesystem::directory_iterator(KORVANDA_DEMO_MEET))
                    std::filesystem::copy_file(file.path(), dir.path() / file.path().filename());
                readTeamList(meet);
                loadRosters(meet, true, dialogs);
            } else {
                meet.teamList.setCell(1, 0, "Tigers");
                meet.teamList.setCell(1, 1, "TIG");
                meet.roster.setRowCount(1);
                meet.roster.appendRow("Kim Sorel\t9.0\t62\t2.0\tTIG\t50\tYes\t");
                meet.roster.appendRow("Ada Brun\t11.0\t80\t3.0\tTIG\t60\t\t");
            }
            models.refresh();
            screen.load();
            screen.show();
            QApplication::setActiveWindow(&screen);
        }

        template <typename T = QLineEdit>
        T* find(const char* name)
        {
            auto* widget = screen.findChild<T*>(QString::fromLatin1(name));
            if (!widget)
                qFatal("no control %s", name);
            return widget;
        }
        void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
        void clickRow(const char* view, int row, bool twice = false)
        {
            auto* table = find<TableView>(view);
            const QPoint centre = table->visualRect(table->model()->index(row - 1, 0)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
            if (twice)
                QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
        }
        // Typing into a box and moving on, as the director does with the mouse.
        void type(const char* box, const QString& text)
        {
            auto* edit = find(box);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
    };

private slots:
    void clickEditAndAdd()
    {
        Fixture f;
        f.clickRow("Roster", 1);
        QCOMPARE(f.find("NameBox")->text(), QStringLiteral("Kim Sorel"));
        QVERIFY(f.find<QCheckBox>("PresentCheck")->isChecked());
        f.type("NameBox", QStringLiteral("Lu Pell"));
        f.type("WeightBox", QStringLiteral("61.5"));
        f.click("EditAddButton");
        QCOMPARE(f.meet.roster.rowCount(), 4);
        QCOMPARE(f.meet.roster.cell(3, 0), std::string("Lu Pell"));
        QCOMPARE(f.meet.roster.cell(3, 2), std::string("62"));
        QCOMPARE(f.meet.roster.cell(3, 6), std::string("Yes"));
        QVERIFY(f.meet.rostersChanged);
        QVERIFY(f.find("NameBox")->text().isEmpty());
        QVERIFY(f.dir.exists("Restore.Csv"));
        QVERIFY(f.dialogs.shown.empty());
    }

    void enterOnARowLoadsItLikeAClick()
    {
        Fixture f;
        auto* roster = f.find<TableView>("Roster");
        roster->setFocus();
        roster->setCurrentIndex(roster->model()->index(1, 0));
        QTest::keyClick(roster, Qt::Key_Return);
        QCOMPARE(f.find("NameBox")->text(), QStringLiteral("Ada Brun"));
        QCOMPARE(f.meet.currentRow, 2);
    }

    void leavingABadAgeBoxIsReported()
    {
        Fixture f;
        f.type("AgeBox", QStringLiteral("ten"));
        f.find("WeightBox")->setFocus();
        QCOMPARE(f.dialogs.shown, std::vector<std::string>{"Bad age value."});
        QCOMPARE(f.find("AgeBox")->text(), QStringLiteral("ten"));
    }

    void doubleClickTogglesAttendanceOnlyWhenAsked()
    {
        Fixture f;
        f.clickRow("Roster", 1, true);
        QCOMPARE(f.meet.roster.cell(1, 6), std::string("Yes"));
        f.find<QCheckBox>("AttendanceCheck")->setChecked(true);
        f.clickRow("Roster", 1, true);
        QCOMPARE(f.meet.roster.cell(1, 6), std::string(""));
        QVERIFY(!f.meet.rostersChanged);
        QVERIFY(f.find("NameBox")->text().isEmpty());
    }

    void sortArrowsSortByTheirColumn()
    {
        Fixture f;
        auto* weightArrows = f.find<QWidget>("RosterSortButton2");
        QTest::mouseClick(weightArrows->findChild<QToolButton*>(QStringLiteral("up")), Qt::LeftButton);
        QCOMPARE(f.meet.roster.cell(1, 0), std::string("Ada Brun"));
        QTest::mouseClick(weightArrows->findChild<QToolButton*>(QStringLiteral("down")), Qt::LeftButton);
        QCOMPARE(f.meet.roster.cell(1, 0), std::string("Kim Sorel"));
        QVERIFY(!f.dir.exists("Restore.Csv"));
    }

    void matchGivesEveryPresentWrestlerHisBouts()
    {
        Fixture f(true);
        f.find("MinBoutsBox")->setText(QStringLiteral("2"));
        f.click("AutoGoButton");
        QVERIFY(f.dialogs.shown.empty());
        QVERIFY(f.meet.boutGrid.rowCount() > 20);
        QCOMPARE(f.find<QProgressBar>("AutoMatchProgressBar")->value(), 0);

        std::map<std::string, std::set<int>> boutsOf;
        for (int b = 1; b < f.meet.boutGrid.rowCount(); ++b) {
            QCOMPARE(f.meet.boutGrid.cell(b, 0), std::to_string(b));
            QCOMPARE(f.meet.boutGrid.cell(b, 1), std::string("1"));
            boutsOf[f.meet.boutGrid.cell(b, 3)].insert(b);
            boutsOf[f.meet.boutGrid.cell(b, 11)].insert(b);
        }
        for (int r = 1; r < f.meet.roster.rowCount(); ++r) {
            std::set<int> listed;
            std::stringstream cell(f.meet.roster.cell(r, 7));
            for (std::string item; std::getline(cell, item, ',');)
                listed.insert(std::stoi(item));
            QCOMPARE(listed, boutsOf[f.meet.roster.cell(r, 0)]);
            QVERIFY(listed.size() <= 3);
        }
        QVERIFY(f.dir.exists("Restore.Csv"));
    }

    void findBestHandMatchMakesABout()
    {
        Fixture f(true);
        f.clickRow("Roster", 1);
        f.find<QCheckBox>("FindBestCheck")->setChecked(true);
        f.clickRow("HandMatchGrid", 1);
        QCOMPARE(f.find<QProgressBar>("AutoMatchProgressBar")->value(), 0);
        const std::string first = f.meet.roster.cell(1, 0);
        auto* list = f.find<TableView>("HandMatchGrid");
        QCOMPARE(list->model()->index(0, 0).data().toString().toStdString(), first);
        const std::string proposed = list->model()->index(1, 0).data().toString().toStdString();
        QVERIFY(!proposed.empty());

        f.click("HandMatchAddButton");
        QCOMPARE(f.meet.boutGrid.cell(1, 3), first);
        QCOMPARE(f.meet.boutGrid.cell(1, 11), proposed);
        QCOMPARE(f.meet.roster.cell(1, 7), std::string("1"));
        QCOMPARE(f.meet.roster.cell(findRow(f.meet.roster, proposed), 7), std::string("1"));
        QVERIFY(f.meet.handMatchesMade);
        QVERIFY(f.find("NameBox")->text().isEmpty());

        f.dialogs.queueAnswers({false});
        f.click("AutoGoButton");
        QCOMPARE(f.dialogs.questions, std::vector<std::string>{"Hand matches will be deleted.  Proceed anyway?"});
        QCOMPARE(f.meet.boutGrid.rowCount(), 2);
    }

    void editBoutButtonShowsItsMode()
    {
        Fixture f;
        f.meet.boutGrid.setCell(1, 0, "1");
        f.meet.boutGrid.setCell(1, 3, "Kim Sorel");
        f.meet.boutGrid.setCell(1, 11, "Ada Brun");
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
};

QTEST_MAIN(WrestlerScreenTest)
#include "WrestlerScreenTest.moc"
