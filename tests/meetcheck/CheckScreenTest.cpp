#include "meetcheck/CheckScreen.h"

#include "CheckMeets.h"
#include "app/Shell.h"
#include "bouts/MatchScreen.h"
#include "bouts/ScheduleScreen.h"
#include "handmatch/BoutNumbers.h"
#include "meet/TableView.h"
#include "meetcheck/RestCheck.h"
#include "roster/WrestlerScreen.h"
#include "support/ProgramFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimeEdit>
#include <QtTest>

using namespace korvanda;
using namespace Qt::StringLiterals;

class CheckScreenTest : public QObject {
    Q_OBJECT

    // The whole program on spreadMeet(), in a folder of its own.
    struct Program : ProgramFixture {
        Program()
            : ProgramFixture(Empty, [](ProgramFixture& p) {
                p.dir.write("Teams.Csv", "\"Tigers\",\"TIG\",\"Ann\",\"Tigers\"\r\n\"Lions\",\"LIO\",\"Bo\",\"Lions\"\r\n");
                p.meet = spreadMeet();
                p.meet.directory = p.dir.path();
            })
        {
        }

        // Match with limits that leave some wrestlers short of two bouts.
        void match(bool findBest)
        {
            const MatchSettings tight = tightSettings();
            const char* names[] = { "IdealDiffAgeBox", "MaxDiffAgeBox", "IdealDiffWeightBox", "MaxDiffWeightBox",
                "IdealDiffSkillBox", "MaxDiffSkillBox", "MinBoutsBox", "MaxBoutsBox" };
            for (int b = 0; b < limitBoxCount; ++b)
                child<QLineEdit>(WindowKind::Roster, QString::fromLatin1(names[b]))
                    ->setText(QString::fromStdString(tight.limits[static_cast<std::size_t>(b)]));
            child<QCheckBox>(WindowKind::Roster, u"FindBestCheck"_s)->setChecked(findBest);
            shell.showWindow(WindowKind::Roster);
            click(WindowKind::Roster, u"AutoGoButton"_s);
        }
    };

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    // The meet folders of these tests are gone; so are their values.
    void cleanupTestCase() { QSettings(u"Korvanda"_s, u"Korvanda"_s).remove(u"MeetCheck"_s); }

    // The check window's double-click and "Add" against the director's own
    // steps: his roster row, the hand-match list with "Find Best Hand Match".
    void doubleClickThenAddMakesTheBoutMadeByHand_data()
    {
        QTest::addColumn<bool>("findBest");
        QTest::newRow("find best off") << false;
        QTest::newRow("find best on") << true;
    }
    void doubleClickThenAddMakesTheBoutMadeByHand()
    {
        QFETCH(bool, findBest);
        Program checked;
        checked.match(findBest);
        Program byHand;
        byHand.match(true);
        QCOMPARE(checked.meet.boutGrid, byHand.meet.boutGrid);

        checked.shell.showWindow(WindowKind::Check);
        CheckScreen& check = checked.shell.checkScreen();
        const auto& shortList = check.check().shortList.wrestlers;
        QVERIFY(!shortList.empty());
        const int listRow = static_cast<int>(shortList.size());
        const ShortWrestler chosen = shortList.back();
        QVERIFY(chosen.proposedRow > 0);
        checked.scrollToRow(WindowKind::Check, u"ShortGrid"_s, listRow);
        checked.clickRow(WindowKind::Check, u"ShortGrid"_s, listRow, Clicks::Twice);
        QVERIFY(checked.shell.wrestlerScreen().isVisible());
        QVERIFY(!check.isVisible());
        checked.click(WindowKind::Roster, u"HandMatchAddButton"_s);

        byHand.scrollToRow(WindowKind::Roster, u"Roster"_s, chosen.rosterRow);
        byHand.clickRow(WindowKind::Roster, u"Roster"_s, chosen.rosterRow);
        byHand.clickRow(WindowKind::Roster, u"HandMatchGrid"_s, 1);
        byHand.click(WindowKind::Roster, u"HandMatchAddButton"_s);

        const int last = checked.meet.boutGrid.rowCount() - 1;
        QCOMPARE(checked.meet.boutGrid.cell(last, BoutColumn::Name1), chosen.name);
        QCOMPARE(checked.meet.boutGrid.cell(last, BoutColumn::Name2), chosen.proposedName);
        QCOMPARE(checked.meet.boutGrid, byHand.meet.boutGrid);
        QCOMPARE(checked.meet.roster, byHand.meet.roster);
        QVERIFY(checked.dialogs.shown.empty());
    }

    // The list follows the bout list while shown, and the mat tables show
    // the short rests whether it is shown or not.
    void followsTheBoutsAndMarksTheMats()
    {
        Program program;
        program.match(false);
        program.shell.showWindow(WindowKind::Bout);
        program.click(WindowKind::Bout, u"ScheduleButton"_s);
        const Table& boutGrid = program.meet.boutGrid;
        QCOMPARE(program.shell.scheduleScreen().markedBouts(), shortRestBouts(boutGrid, 2));
        QVERIFY(!program.shell.scheduleScreen().markedBouts().empty());

        CheckScreen& check = program.shell.checkScreen();
        program.shell.showWindow(WindowKind::Check);
        auto* minimum = program.child<QSpinBox>(WindowKind::Check, u"MinimumRestBox"_s);
        QCOMPARE(minimum->value(), 2);
        minimum->setValue(0);
        QCOMPARE(program.shell.scheduleScreen().markedBouts(), shortRestBouts(boutGrid, 0));
        for (const RestGap& gap : check.check().shortRests)
            QVERIFY(gap.rest < 0);

        // "Remove Last" reaches the list while it is shown: the last bout's
        // Red wrestler is now short by one more bout.
        const auto before = check.check().shortList.wrestlers;
        const std::string red = boutGrid.cell(boutGrid.rowCount() - 1, BoutColumn::Name1);
        program.dialogs.queueAnswers({ true });
        program.child<QPushButton>(WindowKind::Bout, u"RemoveLastButton"_s)->click();
        const auto& after = check.check().shortList.wrestlers;
        QVERIFY(after != before);
        int redBouts = -1;
        for (const ShortWrestler& w : after)
            if (w.name == red)
                redBouts = w.bouts;
        const int redRow = findRow(program.meet.roster, red);
        QCOMPARE(redBouts, boutCountOf(program.meet.roster.cell(redRow, RosterColumn::Bouts)));
    }

    // Each meet folder keeps its own values; the settings file keeps its own.
    void valuesAreKeptForEachMeetFolder()
    {
        std::filesystem::path first;
        {
            Program program;
            first = program.dir.path();
            program.child<QSpinBox>(WindowKind::Check, u"MinimumRestBox"_s)->setValue(3);
            program.child<QSpinBox>(WindowKind::Check, u"MinutesPerBoutBox"_s)->setValue(4);
            program.child<QTimeEdit>(WindowKind::Check, u"StartTimeBox"_s)->setTime(QTime(10, 15));
            program.shell.exitAll();
            QVERIFY(!program.dir.read("KorvandaSettings.Csv").empty());
            QVERIFY(!QString::fromStdString(program.dir.read("KorvandaSettings.Csv")).contains(u"Rest"_s));
        }
        for (const bool same : { true, false }) {
            ProgramFixture next(ProgramFixture::Empty, [&](ProgramFixture& p) {
                if (same)
                    p.meet.directory = first;
            });
            QCOMPARE(next.child<QSpinBox>(WindowKind::Check, u"MinimumRestBox"_s)->value(), same ? 3 : 2);
            QCOMPARE(next.child<QSpinBox>(WindowKind::Check, u"MinutesPerBoutBox"_s)->value(), same ? 4 : 5);
            QCOMPARE(next.child<QTimeEdit>(WindowKind::Check, u"StartTimeBox"_s)->time(), same ? QTime(10, 15) : QTime(9, 0));
        }
    }
};

QTEST_MAIN(CheckScreenTest)
#include "CheckScreenTest.moc"
