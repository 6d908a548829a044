#include "app/AboutScreen.h"
#include "app/SplashScreen.h"
#include "bouts/ListChooser.h"
#include "meetcheck/MatBoardScreen.h"
#include "renumber/Form1.h"
#include "support/ProgramFixture.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <QtTest>

using namespace korvanda;

// Run once on a 1366x768 laptop screen and once on 1920x1080 at 150 %, which
// leaves 1280x720 to lay windows out in; KORVANDA_FIT_SCREEN names the size.
class WindowFitTest : public QObject {
    Q_OBJECT

    // Why the window does not fit, or empty when it does: the whole frame on
    // the screen's free area, and every button shown whole, not cut off by
    // the frame or scroll area around it.
    static QString misfit(QWidget& window)
    {
        const QRect free = window.screen()->availableGeometry();
        if (!free.contains(window.frameGeometry()))
            return QStringLiteral("frame %1 outside %2").arg(toText(window.frameGeometry()), toText(free));
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (!button->isVisible())
                continue;
            const QString name = button->objectName() + u' ' + button->text();
            if (button->width() < button->minimumSizeHint().width() / 2 || button->height() < 8)
                return name + QStringLiteral(" squeezed to ") + toText(button->rect());
            for (QWidget* around = button->parentWidget(); around; around = around->parentWidget()) {
                const QRect inside(button->mapTo(around, QPoint(0, 0)), button->size());
                if (!around->rect().contains(inside))
                    return name + QStringLiteral(" cut off by ") + around->objectName() + u' '
                        + around->metaObject()->className();
                if (around == &window)
                    break;
            }
        }
        return {};
    }

    // Why a grid made to show all its rows does not, or empty when every row
    // is whole in the viewport, its centre not covered by a scroll bar, and
    // the header whole above them.
    static QString rowsCutOff(QWidget& window, const QString& name)
    {
        if (name.isEmpty())
            return {};
        auto* grid = window.findChild<QAbstractItemView*>(name);
        if (!grid)
            return name + QStringLiteral(" missing");
        auto* table = qobject_cast<QTableView*>(grid);
        if (table && !table->rect().contains(table->horizontalHeader()->geometry()))
            return name + QStringLiteral(" header cut off");
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            const QRect shown = grid->visualRect(grid->model()->index(row, 0));
            const QPoint centre = grid->viewport()->mapTo(&window, shown.center());
            if (shown.top() < 0 || shown.bottom() > grid->viewport()->rect().bottom()
                || window.childAt(centre) != grid->viewport())
                return QStringLiteral("%1 row %2 cut off: %3 in %4")
                    .arg(name)
                    .arg(row + 1)
                    .arg(toText(shown), toText(grid->viewport()->rect()));
        }
        return {};
    }

    static QString toText(const QRect& r)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }

private slots:
    void initTestCase()
    {
        const QList<QByteArray> wanted = qgetenv("KORVANDA_FIT_SCREEN").split('x');
        QCOMPARE(wanted.size(), 2);
        // The screen must be the one asked for, or the test proves nothing.
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(wanted[0].toInt(), wanted[1].toInt()));
        QCoreApplication::setOrganizationName(QStringLiteral("Korvanda"));
        QSettings().clear();
    }

    void workingWindowsFitAndGrowWithTheirGrids_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("grid");
        // A grid made to show a fixed number of rows, whole at every size.
        QTest::addColumn<QString>("fixedRows");
        QTest::newRow("team") << int(WindowKind::Team) << QStringLiteral("TeamList") << QString();
        QTest::newRow("roster") << int(WindowKind::Roster) << QStringLiteral("Roster")
                                << QStringLiteral("HandMatchGrid");
        QTest::newRow("bout") << int(WindowKind::Bout) << QStringLiteral("BoutGrid") << QString();
        QTest::newRow("mat") << int(WindowKind::Mat) << QStringLiteral("ScheduleGrid1") << QString();
        QTest::newRow("check") << int(WindowKind::Check) << QStringLiteral("ShortGrid") << QString();
    }

    void workingWindowsFitAndGrowWithTheirGrids()
    {
        QFETCH(int, shown);
        const auto kind = static_cast<WindowKind>(shown);
        QFETCH(QString, grid);
        QFETCH(QString, fixedRows);
        ProgramFixture run(ProgramFixture::Demo);
        run.shell.showWindow(kind);
        QWidget& window = run.shell.window(kind);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString why = misfit(window);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QCOMPARE(rowsCutOff(window, fixedRows), QString());

        // A larger window gives the room to the grid.
        auto* table = window.findChild<QTableView*>(grid);
        QVERIFY(table);
        const QSize before = table->size();
        window.resize(window.size() + QSize(300, 200));
        QTRY_VERIFY(table->width() > before.width() && table->height() > before.height());
        QCOMPARE(rowsCutOff(window, fixedRows), QString());
    }

    void otherWindowsFit()
    {
        ProgramFixture run(ProgramFixture::Demo);
        AboutScreen about;
        SplashScreen splash;
        Form1Services quiet;
        quiet.inform = [](QWidget*, const QString&) {};
        Form1 quillon(QString::fromStdString(run.dir.path().string()), quiet);
        ListChooser chooser(QStringLiteral("Print"));
        run.shell.showBoard();
        // Quillon at its fullest, with the sample boxes shown.
        quillon.findChild<QAbstractButton*>(QStringLiteral("Check1"))->click();
        for (QWidget* window : { static_cast<QWidget*>(&about), static_cast<QWidget*>(&splash),
                 static_cast<QWidget*>(&quillon), static_cast<QWidget*>(&run.shell.boardScreen()),
                 static_cast<QWidget*>(&chooser) }) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QString why = misfit(*window);
            QVERIFY2(why.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") + why));
        }
        QCOMPARE(rowsCutOff(chooser, QStringLiteral("ListChoice")), QString());
    }
};

QTEST_MAIN(WindowFitTest)
#include "WindowFitTest.moc"
