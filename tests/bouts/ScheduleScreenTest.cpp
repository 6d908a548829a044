#include "bouts/ScheduleScreen.h"
#include "bouts/MatLayout.h"
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

        for (int mats = 6; mats >= 1; --mats) {
            QVERIFY(scheduleBouts(meet, std::to_string(mats), false, dialogs, screen.schedule()));
            screen.showSchedule();
            QCOMPARE(table(1)->model()->rowCount(), (9 + mats - 1) / mats);
            QCOMPARE(table(1)->model()->index(0, 3).data().toString(), u"Green 1"_s);
            QWidget* canvas = table(1)->parentWidget();
            for (int mat = 1; mat <= 6; ++mat) {
                const QByteArray where = u"%1 mats, mat %2"_s.arg(mats).arg(mat).toLatin1();
                TableView* view = table(mat);
                auto* caption = screen.findChild<QLabel*>(u"MatLabel%1"_s.arg(mat));
                const auto place = matPlacement(mat, mats);
                QVERIFY2(view->isVisible() == place.has_value() && caption->isVisible() == place.has_value(), where);
                if (!place)
                    continue;
                auto pixelsX = [view](int twips) { return twipsToPixels(twips, view->logicalDpiX()); };
                auto pixelsY = [view](int twips) { return twipsToPixels(twips, view->logicalDpiY()); };
                QVERIFY2(view->geometry()
                        == QRect(pixelsX(place->tableLeft), pixelsY(place->tableTop), pixelsX(place->tableWidth),
                            pixelsY(place->tableHeight)),
                    where);
                QVERIFY2(caption->pos() == QPoint(pixelsX(place->captionLeft), pixelsY(place->captionTop)), where);
                QVERIFY2(caption->geometry().bottom() < view->geometry().top(), where);
                QVERIFY2(canvas->rect().contains(view->geometry()), where);
                QVERIFY2(!view->selectionModel()->hasSelection(), where);
                // A mat's whole row reads without scrolling sideways, names wide.
                QVERIFY2(!view->horizontalScrollBar()->isVisible(), where);
                QVERIFY2(
                    view->horizontalHeader()->sectionSize(1) > 2 * view->horizontalHeader()->sectionSize(2), where);
                // Odd mats on the left, each even mat beside the odd one before it.
                if (mat % 2 == 0) {
                    const QRect partner = table(mat - 1)->geometry();
                    QVERIFY2(
                        partner.right() < view->geometry().left() && partner.top() == view->geometry().top(), where);
                } else if (mat > 1) {
                    QVERIFY2(table(mat - 2)->geometry().bottom() < caption->geometry().top(), where);
                }
            }
        }
    }
};

QTEST_MAIN(ScheduleScreenTest)
#include "ScheduleScreenTest.moc"
