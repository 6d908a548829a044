#include "bouts/MatchScreen.h"
#include "bouts/ScheduleScreen.h"
#include "meet/Meet.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "shell/SpokenNames.h"
#include "support/FakeDialogs.h"
#include "support/FakePrintChoices.h"
#include "support/TempDir.h"
#include "teams/TeamScreen.h"

#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

using namespace korvanda;
using namespace Qt::StringLiterals;

class MatchScreenTest : public QObject {
    Q_OBJECT

    // Bout n pairs "Red n" (team R) with "Green n" (team G); wrestler 1
    // weighs 10 times n and wrestler 2 one more, so the later bouts are the
    // heavier ones.
    struct Fixture {
        TempDir dir;
        Meet meet;
        FakeDialogs dialogs;
        FakePrintChoices choices;
        TableModels models { meet };
        TeamScreen team { meet, models, dialogs };
        ScheduleScreen schedule;
        MatchScreen screen { meet, models, dialogs, team, schedule };

        explicit Fixture(int bouts)
        {
            meet.directory = dir.path();
            meet.boutGrid.setRowCount(1);
            for (int n = 1; n <= bouts; ++n) {
                const std::string number = std::to_string(n);
                meet.boutGrid.appendRow(number + "\t1\t\tRed " + number + "\t10.0\t" + std::to_string(10 * n)
                    + "\t1.0\tR\t\t\t\tGreen " + number + "\t10.0\t" + std::to_string(10 * n + 1) + "\t1.0\tG");
            }
            models.refresh();
            screen.setPrintChoices(choices);
            screen.show();
        }

        TableView* boutView() { return screen.findChild<TableView*>(u"BoutGrid"_s); }
        QLineEdit* box(const QString& name) { return screen.findChild<QLineEdit*>(name); }
        QRadioButton* option(const QString& name) { return screen.findChild<QRadioButton*>(name); }

        void clickRow(int row)
        {
            TableView* view = boutView();
            const QRect cell = view->visualRect(view->model()->index(row - 1, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        }
        void click(const char* name)
        {
            QTest::mouseClick(screen.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        }
        // On the round mark itself: the button may be wider than its caption.
        void clickOption(const QString& name)
        {
            QRadioButton* button = option(name);
            QStyleOptionButton style;
            style.initFrom(button);
            const QRect mark = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, button);
            QTest::mouseClick(button, Qt::LeftButton, {}, mark.center());
        }
        void type(const QString& name, const QString& text)
        {
            QLineEdit* edit = box(name);
            edit->clear();
            QTest::keyClicks(edit, text);
        }
        // The names of the checked winner and result-type options.
        QStringList chosen()
        {
            QStringList names;
            for (auto* o : screen.findChildren<QRadioButton*>())
                if (o->isChecked())
                    names.append(o->objectName());
            names.sort();
            return names;
        }
        QString shownCell(int row, int column) { return boutView()->model()->index(row - 1, column).data().toString(); }
    };

    static QString pathText(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

private slots:
    void writeFilesWritesEveryListWithTodaysDate()
    {
        Fixture f(2);
        f.meet.teamList.setCell(1, 0, "Riverbend Otters");
        f.click("WriteFilesButton");
        for (const char* name :
            { "Restore.Csv", "Roster.Txt", "BoutList.Txt", "ScoreList.Txt", "BoutSheets.Txt", "ScoreTally.Txt" })
            QVERIFY2(f.dir.exists(name), name);
        const QDate today = QDate::currentDate();
        const QString dayName = QLocale::system().dayName(today.dayOfWeek(), QLocale::LongFormat);
        const QString sheets = QString::fromLatin1(f.dir.read("BoutSheets.Txt"));
        QVERIFY(sheets.contains(dayName + u", "_s));
        QVERIFY(sheets.contains(u" %1 %2\r\n"_s.arg(today.day()).arg(today.year())));
        QVERIFY(f.dialogs.shown.empty());
    }

    void resultsEnteredWithTheMouseAreStoredAndShown()
    {
        Fixture f(3);
        f.clickRow(2);
        QCOMPARE(f.box(u"BoutNumberBox"_s)->text(), u"2"_s);
        QCOMPARE(f.box(u"ResultsNameBox1"_s)->text(), u"Red 2"_s);
        QCOMPARE(f.box(u"ResultsTeamBox2"_s)->text(), u"G"_s);

        f.type(u"ResultsPointsBox1"_s, u"7"_s);
        f.clickOption(u"WinnerOption2"_s);
        f.clickOption(u"WinnerOption1"_s);
        f.clickOption(u"WinByOption1"_s);
        f.clickOption(u"WinByOption5"_s);
        QCOMPARE(f.chosen(), QStringList({ u"WinByOption5"_s, u"WinnerOption1"_s }));
        f.click("AcceptButton");

        QVERIFY(f.dialogs.shown.empty());
        QCOMPARE(f.shownCell(2, BoutColumn::Points1), u"7"_s);
        QCOMPARE(f.shownCell(2, BoutColumn::Points2), u"0"_s);
        QCOMPARE(f.shownCell(2, BoutColumn::Winner1), u"Decision"_s);
        QCOMPARE(f.shownCell(2, BoutColumn::Winner2), QString());
        QVERIFY(f.dir.exists("Restore.Csv"));
        // A stored result leaves the frame empty for the next bout.
        QVERIFY(f.box(u"BoutNumberBox"_s)->text().isEmpty());
        QVERIFY(f.box(u"ResultsNameBox1"_s)->text().isEmpty());
        QVERIFY(f.chosen().isEmpty());
    }

    void aRefusedResultKeepsTheBoutAndShowsWhatTheCheckLeft()
    {
        Fixture f(2);
        const Table before = f.meet.boutGrid;
        f.clickRow(2);
        f.type(u"ResultsPointsBox1"_s, u"5"_s);
        f.clickOption(u"WinnerOption2"_s);
        f.clickOption(u"WinByOption5"_s);
        f.click("AcceptButton");
        QCOMPARE(f.dialogs.shown, std::vector<std::string> { "Points inconsistent with winner" });
        QVERIFY(f.meet.boutGrid == before);
        // The frame keeps the entry to mend, the blank points now "0".
        QCOMPARE(f.box(u"BoutNumberBox"_s)->text(), u"2"_s);
        QCOMPARE(f.box(u"ResultsPointsBox2"_s)->text(), u"0"_s);
        QCOMPARE(f.chosen(), QStringList({ u"WinByOption5"_s, u"WinnerOption2"_s }));
    }

    void clickingABoutShowsItsStoredResult()
    {
        Fixture f(3);
        f.meet.boutGrid.setCell(1, BoutColumn::Points1, "2");
        f.meet.boutGrid.setCell(1, BoutColumn::Points2, "10");
        f.meet.boutGrid.setCell(1, BoutColumn::Winner2, "MajDec");
        f.meet.boutGrid.setCell(2, BoutColumn::Winner1, "Draw");
        f.meet.boutGrid.setCell(2, BoutColumn::Winner2, "Draw");
        f.models.refresh();

        f.clickRow(1);
        QCOMPARE(f.chosen(), QStringList({ u"WinByOption4"_s, u"WinnerOption2"_s }));
        QCOMPARE(shownWords(f.option(u"WinByOption4"_s)->text()), u"Majority Decision"_s);
        QCOMPARE(f.box(u"ResultsPointsBox2"_s)->text(), u"10"_s);
        f.clickRow(2);
        QCOMPARE(f.chosen(), QStringList({ u"WinByOption6"_s }));
        // A bout without a result switches every choice off again.
        f.clickRow(3);
        QVERIFY(f.chosen().isEmpty());
        QCOMPARE(f.box(u"ResultsPointsBox1"_s)->text(), QString());

        f.clickRow(1);
        f.click("ClearButton");
        QVERIFY(f.chosen().isEmpty());
        for (const char* name : { "BoutNumberBox", "ResultsNameBox1", "ResultsTeamBox2", "ResultsPointsBox2" })
            QVERIFY2(f.box(QString::fromLatin1(name))->text().isEmpty(), name);
        // The options still choose one at a time after being switched off.
        f.clickOption(u"WinnerOption1"_s);
        f.clickOption(u"WinnerOption2"_s);
        QCOMPARE(f.chosen(), QStringList({ u"WinnerOption2"_s }));
    }

    void removeLastAsksAndLeavesTheFrameAlone()
    {
        Fixture f(3);
        f.meet.roster.setCell(1, RosterColumn::Name, "Red 3");
        f.meet.roster.setCell(1, RosterColumn::Bouts, "1,3");
        f.clickRow(1);
        f.dialogs.queueAnswers({ false, true });

        f.click("RemoveLastButton");
        QCOMPARE(f.meet.boutGrid.rowCount(), 4);
        f.click("RemoveLastButton");
        QCOMPARE(f.dialogs.questions, std::vector<std::string>(2, "Really remove bout 3"));
        QCOMPARE(f.meet.boutGrid.rowCount(), 3);
        QCOMPARE(f.boutView()->model()->rowCount(), 2);
        QCOMPARE(f.meet.roster.cell(1, RosterColumn::Bouts), std::string("1"));
        QVERIFY(f.dir.exists("Restore.Csv"));
        QCOMPARE(f.box(u"BoutNumberBox"_s)->text(), u"1"_s);
        QCOMPARE(f.box(u"ResultsNameBox1"_s)->text(), u"Red 1"_s);
    }

    void schedulingUsesTheTeamWindowsMatsAndFillsTheMatWindow()
    {
        Fixture f(7);
        auto* mats = f.team.findChild<QLineEdit*>(u"NumMatsBox"_s);
        auto matTable = [&f](int mat) { return f.schedule.findChild<TableView*>(u"ScheduleGrid%1"_s.arg(mat)); };
        auto boutsOn = [&](int mat) {
            QStringList bouts;
            for (int row = 0; row < matTable(mat)->model()->rowCount(); ++row)
                bouts.append(matTable(mat)->model()->index(row, 0).data().toString());
            return bouts;
        };
        auto matColumn = [&f] {
            QStringList shown;
            for (int row = 1; row <= 7; ++row)
                shown.append(f.shownCell(row, BoutColumn::Mat));
            return shown.join(QLatin1Char(' '));
        };

        mats->setText(u"3"_s);
        f.click("ScheduleButton");
        QCOMPARE(matColumn(), u"1 2 3 1 2 3 1"_s);
        QCOMPARE(boutsOn(1), QStringList({ u"1"_s, u"4"_s, u"7"_s }));
        QCOMPARE(matTable(2)->model()->index(1, 1).data().toString(), u"Red 5"_s);
        QCOMPARE(matTable(3)->model()->index(0, 4).data().toString(), u"G"_s);
        // The mat window is filled but waits for the Window menu.
        QVERIFY(!f.schedule.isVisible());
        f.schedule.show();
        for (int mat = 1; mat <= 6; ++mat)
            QVERIFY2(matTable(mat)->isVisible() == (mat <= 3), qPrintable(QString::number(mat)));

        // Seven bouts on two mats: the 4th lightest sum is mat 1's limit.
        mats->setText(u"2"_s);
        f.click("ScheduleByWeightButton");
        QCOMPARE(matColumn(), u"1 1 1 1 2 2 2"_s);
        QCOMPARE(boutsOn(2), QStringList({ u"5"_s, u"6"_s, u"7"_s }));
        for (int mat = 1; mat <= 6; ++mat)
            QVERIFY2(matTable(mat)->isVisible() == (mat <= 2), qPrintable(QString::number(mat)));
        const QRect left = matTable(1)->geometry();
        const QRect right = matTable(2)->geometry();
        QVERIFY(left.right() < right.left());
        QCOMPARE(left.top(), right.top());
        QVERIFY(f.dialogs.shown.empty());
    }

    void printPreviewsEveryPageOfTheChosenListAndNothingElse()
    {
        Fixture f(3);
        f.click("PrintButton");
        QVERIFY(!f.screen.findChild<QPrintPreviewDialog*>());
        f.choices.list = MeetList::BoutSheets;
        f.click("PrintButton");
        auto* preview = f.screen.findChild<QPrintPreviewDialog*>(u"PrintPreview"_s);
        QVERIFY(preview);
        QTRY_COMPARE(preview->findChild<QPrintPreviewWidget*>()->pageCount(), 3);
        preview->close();

        Fixture none(0);
        none.choices.list = MeetList::BoutList;
        none.click("PrintButton");
        none.click("ExportPdfButton");
        QCOMPARE(none.dialogs.shown, std::vector<std::string>(2, "The Bout List is empty; there is nothing to print."));
        QVERIFY(!none.screen.findChild<QPrintPreviewDialog*>());
        QVERIFY(none.choices.suggestedFiles.isEmpty());
    }

    void exportPdfOffersTheMeetsFolderAndKeepsTheOldPdfWhenWritingFails()
    {
        Fixture f(2);
        f.click("ExportPdfButton");
        QVERIFY(f.choices.suggestedFiles.isEmpty());
        f.choices.list = MeetList::BoutSheets;
        f.click("ExportPdfButton");
        QCOMPARE(f.choices.suggestedFiles, QStringList({ pathText(f.dir.path() / "BoutSheets.pdf") }));
        QVERIFY(!f.dir.exists("BoutSheets.pdf"));

        f.dir.write("Sheets.pdf", "old");
        // Something in the way of the PDF's temporary copy.
        std::filesystem::create_directory(f.dir.path() / "Sheets.pdf.new");
        f.choices.file = pathText(f.dir.path() / "Sheets.pdf");
        f.click("ExportPdfButton");
        QCOMPARE(f.dialogs.warnings,
            std::vector<std::string> { "Couldn't write " + (f.dir.path() / "Sheets.pdf").string()
                + "; the folder may be read-only or the disk full." });
        QCOMPARE(f.dir.read("Sheets.pdf"), std::string("old"));
        std::filesystem::remove(f.dir.path() / "Sheets.pdf.new");
        f.click("ExportPdfButton");
        QVERIFY(f.dir.read("Sheets.pdf").starts_with("%PDF-"));
        QCOMPARE(f.dialogs.shown.size(), std::size_t(1));
    }

    void aResultCanBeEnteredWithTheKeyboardAlone()
    {
        Fixture f(2);
        f.screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.screen));
        auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        auto focused = [] { return QApplication::focusWidget()->objectName(); };

        // Tab runs through the frame to the window's buttons and back round;
        // an option group is one stop, its arrows choose within it.
        f.box(u"BoutNumberBox"_s)->setFocus();
        QStringList visited;
        for (int k = 0; k < 15; ++k) {
            visited.append(focused());
            press(Qt::Key_Tab);
        }
        QCOMPARE(visited,
            QStringList({ u"BoutNumberBox"_s, u"ResultsPointsBox1"_s, u"ResultsPointsBox2"_s, u"WinnerOption1"_s,
                u"WinByOption1"_s, u"AcceptButton"_s, u"ClearButton"_s, u"RemoveLastButton"_s, u"ScheduleButton"_s,
                u"ScheduleByWeightButton"_s, u"WriteFilesButton"_s, u"PrintButton"_s, u"ExportPdfButton"_s,
                u"BoutGrid"_s, u"BoutNumberBox"_s }));

        f.boutView()->setFocus();
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        QCOMPARE(f.box(u"BoutNumberBox"_s)->text(), u"2"_s);
    }
};

QTEST_MAIN(MatchScreenTest)
#include "MatchScreenTest.moc"
