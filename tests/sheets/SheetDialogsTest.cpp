#include "meet/Meet.h"
#include "sheets/RosterImportDialog.h"
#include "sheets/SheetFile.h"
#include "sheets/WeighInDialog.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QtTest>
#include <QtWidgets>

using namespace korvanda;

class SheetDialogsTest : public QObject {
    Q_OBJECT

    struct Fixture {
        TempDir dir;
        Meet meet;
        FakeDialogs dialogs;
        Sheet sheet = readSheetFile(SHEETS_DATA "/lions.csv").sheet;
        SheetColumns columns = *findSheetColumns(sheet);

        Fixture()
        {
            meet.directory = dir.path();
            meet.teamList.setRowCount(1);
            meet.teamList.appendRow("Cedar Flats Lynx\tCFL\t\tLynx");
        }
    };

    static QString cell(QTableWidget* table, int row, int column) { return table->item(row, column)->text(); }

private slots:
    void previewFollowsTheColumnsAndTheMeetDay()
    {
        Fixture f;
        RosterImportDialog dialog(f.meet, 1, f.sheet, f.columns, f.dialogs);
        auto* preview = dialog.findChild<QTableWidget*>("PreviewTable");
        auto* summary = dialog.findChild<QLabel*>("SummaryLabel");
        dialog.findChild<QDateEdit*>("MeetDateBox")->setDate(QDate(2026, 12, 5));
        QCOMPARE(preview->rowCount(), 3);
        QCOMPARE(cell(preview, 0, 1), QStringLiteral("Karl Sch\u00fctz"));
        QCOMPARE(cell(preview, 0, 2), QStringLiteral("10.7"));
        QCOMPARE(summary->text(), QStringLiteral("3 wrestlers will be written to Lynx.Csv; 0 left out."));

        dialog.findChild<QDateEdit*>("MeetDateBox")->setDate(QDate(2027, 12, 5));
        QCOMPARE(cell(preview, 0, 2), QStringLiteral("11.7"));
        auto* skill = dialog.findChild<QComboBox*>("ColumnChoice4");
        QCOMPARE(skill->currentText(), QStringLiteral("skill"));
        skill->setCurrentIndex(skill->findText(QStringLiteral("ignore")));
        QCOMPARE(cell(preview, 1, 5), QStringLiteral("missing or unreadable skill"));
        QCOMPARE(summary->text(), QStringLiteral("0 wrestlers will be written to Lynx.Csv; 3 left out."));

        QTest::mouseClick(dialog.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(std::filesystem::is_empty(f.dir.path()));
    }

    void importWritesTheTeamFile()
    {
        Fixture f;
        RosterImportDialog dialog(f.meet, 1, f.sheet, f.columns, f.dialogs);
        QTest::mouseClick(dialog.findChild<QPushButton*>("ImportButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.dir.read("Lynx.Csv").substr(0, 14), std::string("\"Karl Sch\xFCtz\","));
    }

    void weighInAppliesTheFoundRows()
    {
        Fixture f;
        f.meet.roster.setRowCount(1);
        f.meet.roster.appendRow("Tia Brown\t11.0\t60\t2.0\tCFL\t\tYes\t4");
        WeighInDialog dialog(f.meet, f.sheet, f.columns, f.dialogs);
        auto* table = dialog.findChild<QTableWidget*>("WeighInTable");
        QCOMPARE(cell(table, 1, 5), QStringLiteral("has bouts: they keep the weight they were matched with"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("ApplyButton"), Qt::LeftButton);
        QCOMPARE(f.meet.roster.cell(1, RosterColumn::Wgt), std::string("66"));
        QVERIFY(f.meet.rostersChanged);
    }
};

QTEST_MAIN(SheetDialogsTest)
#include "SheetDialogsTest.moc"
