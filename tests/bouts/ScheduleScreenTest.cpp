#include "bouts/ScheduleScreen.h"
#include "bouts/MatSchedule.h"
#include "meet/Meet.h"
#include "meet/TableView.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

using namespace korvanda;
using namespace Qt::StringLiterals;

class ScheduleScreenTest : public QObject {
    Q_OBJECT

private slots:
    // Before any scheduling all six mats show, empty. Then from six mats
    // down to one, so each run also hides what the last one showed. The
    // window goes with its mats filled, as it does at the end of a meet.
    void matsStandWhereTheirCountPutsThem()
    {
        TempDir dir;
        Meet meet;
        meet.directory = dir.path();
        meet.boutGrid.setRowCount(1);
        for (int n = 1; n <= 9; ++n)
            meet.boutGrid.appendRow(std::to_string(n) + "\t1\t\tRed\t\t50\t\tR\t\t\t\tGreen " + std::to_string(n));
        FakeDialogs dialogs;
        ScheduleScreen screen;
        screen.show();
        auto table = [&screen](int mat) { return screen.findChild<TableView*>(u"ScheduleGrid%1"_s.arg(mat)); };
        for (int mat = 1; mat <= 6; ++mat)
            QVERIFY(table(mat)->isVisible() && table(mat)->model()->rowCount() == 0);

        // The mats' places in pixels at 96 dpi (15 twips a pixel), from the
        // twips of the design: tables 497 wide, odd mats at x 8, even at 512,
        // captions 24 above them. By the number of bands: the tables'
        // height, then each band's top.
        QCOMPARE(table(1)->logicalDpiX(), 96);
        const std::vector<int> bands[] = { { 673, 24 }, { 321, 24, 376 }, { 204, 24, 259, 493 } };
        const int captionLeft[] = { 232, 704, 232, 736, 232, 736 };
        for (int mats = 6; mats >= 1; --mats) {
            QVERIFY(scheduleBouts(meet, std::to_string(mats), false, dialogs, screen.schedule()));
            screen.showSchedule();
            QCOMPARE(table(1)->model()->rowCount(), (9 + mats - 1) / mats);
            QCOMPARE(table(1)->model()->index(0, 3).data().toString(), u"Green 1"_s);
            QWidget* canvas = table(1)->parentWidget();
            const std::vector<int>& band = bands[(mats - 1) / 2];
            for (int mat = 1; mat <= 6; ++mat) {
                const QByteArray where = u"%1 mats, mat %2"_s.arg(mats).arg(mat).toLatin1();
                TableView* view = table(mat);
                auto* caption = screen.findChild<QLabel*>(u"MatLabel%1"_s.arg(mat));
                QVERIFY2(view->isVisible() == (mat <= mats) && caption->isVisible() == (mat <= mats), where);
                if (mat > mats)
                    continue;
                const int top = band[static_cast<std::size_t>(1 + (mat - 1) / 2)];
                QCOMPARE(view->geometry(), QRect(mat % 2 ? 8 : 512, top, 497, band[0]));
                QCOMPARE(caption->pos(), QPoint(captionLeft[mat - 1], top - 24));
                QVERIFY2(caption->geometry().bottom() < view->geometry().top(), where);
                QVERIFY2(canvas->rect().contains(view->geometry()), where);
                QVERIFY2(!view->selectionModel()->hasSelection(), where);
                // A mat's whole row reads without scrolling sideways, names wide.
                QVERIFY2(!view->horizontalScrollBar()->isVisible(), where);
                QVERIFY2(
                    view->horizontalHeader()->sectionSize(1) > 2 * view->horizontalHeader()->sectionSize(2), where);
            }
        }
    }
};

QTEST_MAIN(ScheduleScreenTest)
#include "ScheduleScreenTest.moc"
