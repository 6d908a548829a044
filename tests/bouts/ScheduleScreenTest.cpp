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

    struct Fixture {
        TempDir dir;
        Meet meet;
        FakeDialogs dialogs;
        ScheduleScreen screen;

        // Bout n pairs "Red n" of team Rn with "Green n" of team Gn.
        explicit Fixture(int bouts)
        {
            meet.directory = dir.path();
            meet.boutGrid.setRowCount(1);
            for (int n = 1; n <= bouts; ++n) {
                const std::string number = std::to_string(n);
                meet.boutGrid.appendRow(number + "\t1\t\tRed " + number + "\t\t50\t\tR" + number + "\t\t\t\tGreen "
                    + number + "\t\t50\t\tG" + number);
            }
            screen.show();
        }

        void schedule(int mats)
        {
            QVERIFY(scheduleBouts(meet, std::to_string(mats), false, dialogs, screen.schedule()));
            screen.showSchedule();
        }
        TableView* table(int mat) { return screen.findChild<TableView*>(u"ScheduleGrid%1"_s.arg(mat)); }
        QLabel* caption(int mat) { return screen.findChild<QLabel*>(u"MatLabel%1"_s.arg(mat)); }
    };

private slots:
    void beforeAnySchedulingEveryMatShowsItsHeaderOnly()
    {
        Fixture f(4);
        const QStringList headers = { u"Bout"_s, u"Red"_s, u"Team"_s, u"Green"_s, u"Team"_s };
        for (int mat = 1; mat <= 6; ++mat) {
            QAbstractItemModel* model = f.table(mat)->model();
            QCOMPARE(model->rowCount(), 0);
            QStringList shown;
            for (int c = 0; c < model->columnCount(); ++c)
                shown.append(model->headerData(c, Qt::Horizontal).toString());
            QCOMPARE(shown, headers);
            QVERIFY(f.table(mat)->isVisible());
            QCOMPARE(f.caption(mat)->text(), u"Mat %1"_s.arg(mat));
        }
    }

    void matsStandWhereTheirCountPutsThem()
    {
        // From six down to one, so each run also hides what the last one showed.
        Fixture f(9);
        for (int mats = 6; mats >= 1; --mats) {
            f.schedule(mats);
            QCOMPARE(f.table(1)->model()->rowCount(), (9 + mats - 1) / mats);
            QCOMPARE(f.table(1)->model()->index(0, 3).data().toString(), u"Green 1"_s);
            const QString run = u"%1 mats"_s.arg(mats);
            QWidget* canvas = f.table(1)->parentWidget();
            for (int mat = 1; mat <= 6; ++mat) {
                const QString where = run + u", mat %1"_s.arg(mat);
                TableView* table = f.table(mat);
                QLabel* caption = f.caption(mat);
                const auto place = matPlacement(mat, mats);
                QVERIFY2(table->isVisible() == place.has_value(), qPrintable(where));
                QVERIFY2(caption->isVisible() == place.has_value(), qPrintable(where));
                if (!place)
                    continue;
                const double dpiX = table->logicalDpiX();
                const double dpiY = table->logicalDpiY();
                const QRect designed(twipsToPixels(place->tableLeft, dpiX), twipsToPixels(place->tableTop, dpiY),
                    twipsToPixels(place->tableWidth, dpiX), twipsToPixels(place->tableHeight, dpiY));
                QVERIFY2(table->geometry() == designed, qPrintable(where));
                QVERIFY2(caption->pos()
                        == QPoint(twipsToPixels(place->captionLeft, dpiX), twipsToPixels(place->captionTop, dpiY)),
                    qPrintable(where));
                QVERIFY2(caption->geometry().bottom() < table->geometry().top(), qPrintable(where));
                QVERIFY2(canvas->rect().contains(table->geometry()), qPrintable(where));
                QVERIFY2(!table->selectionModel()->hasSelection(), qPrintable(where));
                // A mat's whole row reads without scrolling sideways, names wide.
                QVERIFY2(!table->horizontalScrollBar()->isVisible(), qPrintable(where));
                QVERIFY2(table->horizontalHeader()->sectionSize(1) > 2 * table->horizontalHeader()->sectionSize(2),
                    qPrintable(where));
                // Odd mats on the left, each even mat beside the odd one before it.
                if (mat % 2 == 0) {
                    const QRect partner = f.table(mat - 1)->geometry();
                    QVERIFY2(partner.right() < table->geometry().left(), qPrintable(where));
                    QVERIFY2(partner.top() == table->geometry().top(), qPrintable(where));
                } else if (mat > 1) {
                    QVERIFY2(f.table(mat - 2)->geometry().bottom() < caption->geometry().top(), qPrintable(where));
                }
            }
        }
    }
};

QTEST_MAIN(ScheduleScreenTest)
#include "ScheduleScreenTest.moc"
