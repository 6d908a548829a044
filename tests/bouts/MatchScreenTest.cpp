#include "bouts/MatchScreen.h"
#include "bouts/ScheduleScreen.h"
#include "meet/Meet.h"
#include "meet/TableModels.h"
#include "meet/TableView.h"
#include "support/FakeDialogs.h"
#include "support/FakePrintChoices.h"
#include "support/ProgramFixture.h"
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
    // weighs 10 times n, so the later bouts are the heavier ones.
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
        QString text(const QString& box) { return screen.findChild<QLineEdit*>(box)->text(); }
        void clickRow(int row) { ::clickRow(screen, u"BoutGrid"_s, row); }
        void click(const char* name)
        {
            QTest::mouseClick(screen.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        }
        // On the round mark itself: the button may be wider than its caption.
        void clickOption(const QString& name)
        {
            auto* button = screen.findChild<QRadioButton*>(name);
            QStyleOptionButton style;
            style.initFrom(button);
            const QRect mark = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, button);
            QTest::mouseClick(button, Qt::LeftButton, {}, mark.center());
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
    void writeFilesDatesTheBoutSheetsToday()
    {
        Fixture f(2);
        f.click("WriteFilesButton");
        const QDate today = QDate::currentDate();
        const QString sheets = QString::fromLatin1(f.dir.read("BoutSheets.Txt"));
        QVERIFY(sheets.contains(QLocale::system().dayName(today.dayOfWeek(), QLocale::LongFormat) + u", "_s));
        QVERIFY(sheets.contains(u" %1 %2\r\n"_s.arg(today.day()).arg(today.year())));
        QVERIFY(f.dialogs.shown.empty());
    }

    // A click on a bout shows it in the frame, its stored result too; the
    // options chosen with the mouse and Accept store a result the grid
    // shows, and the frame is empty for the next bout. Which entries are
    // refused, and what is stored, is pinned in ResultEntryTest.
    void resultsByMouse()
    {
        Fixture f(3);
        f.meet.boutGrid.setCell(1, BoutColumn::Points2, "10");
        f.meet.boutGrid.setCell(1, BoutColumn::Winner2, "MajDec");
        f.models.refresh();
        f.clickRow(1);
        QCOMPARE(f.chosen(), QStringList({ u"WinByOption4"_s, u"WinnerOption2"_s }));
        QCOMPARE(f.text(u"ResultsPointsBox2"_s), u"10"_s);
        f.click("ClearButton");
        QVERIFY(f.chosen().isEmpty());
        for (const char* name : { "BoutNumberBox", "ResultsNameBox1", "ResultsTeamBox2", "ResultsPointsBox2" })
            QVERIFY2(f.text(QString::fromLatin1(name)).isEmpty(), name);

        f.clickRow(1);
        f.clickRow(2);
        QVERIFY(f.chosen().isEmpty());
        QCOMPARE(f.text(u"ResultsNameBox1"_s), u"Red 2"_s);
        QCOMPARE(f.text(u"ResultsTeamBox2"_s), u"G"_s);
        QTest::keyClicks(f.screen.findChild<QLineEdit*>(u"ResultsPointsBox1"_s), u"7"_s);
        // The options choose one at a time, also after being switched off.
        f.clickOption(u"WinnerOption2"_s);
        f.clickOption(u"WinnerOption1"_s);
        f.clickOption(u"WinByOption5"_s);
        QCOMPARE(f.chosen(), QStringList({ u"WinByOption5"_s, u"WinnerOption1"_s }));
        f.click("AcceptButton");
        QCOMPARE(f.shownCell(2, BoutColumn::Winner1), u"Decision"_s);
        QVERIFY(f.text(u"BoutNumberBox"_s).isEmpty() && f.chosen().isEmpty());
        QVERIFY(f.dialogs.shown.empty());
    }

    // The number of mats comes from the team window; the mat window is
    // filled at once but waits for the Window menu. Where each bout goes is
    // pinned in MatScheduleTest.
    void schedulingUsesTheTeamWindowsMatsAndFillsTheMatWindow()
    {
        Fixture f(7);
        auto* mats = f.team.findChild<QLineEdit*>(u"NumMatsBox"_s);
        auto matTable = [&f](int mat) { return f.schedule.findChild<TableView*>(u"ScheduleGrid%1"_s.arg(mat)); };
        mats->setText(u"3"_s);
        f.click("ScheduleButton");
        QCOMPARE(f.shownCell(2, BoutColumn::Mat), u"2"_s);
        QCOMPARE(matTable(1)->model()->rowCount(), 3);
        QVERIFY(!f.schedule.isVisible());

        f.schedule.show();
        mats->setText(u"2"_s);
        f.click("ScheduleByWeightButton");
        QCOMPARE(f.shownCell(2, BoutColumn::Mat), u"1"_s);
        QVERIFY(matTable(2)->isVisible() && !matTable(3)->isVisible());
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

    // Arrows and Return in the grid choose a bout as a click does.
    void theGridChoosesABoutByKeyboard()
    {
        Fixture f(2);
        f.boutView()->setFocus();
        for (Qt::Key key : { Qt::Key_Down, Qt::Key_Down, Qt::Key_Return })
            QTest::keyClick(f.boutView(), key);
        QCOMPARE(f.text(u"BoutNumberBox"_s), u"2"_s);
    }
};

QTEST_MAIN(MatchScreenTest)
#include "MatchScreenTest.moc"
