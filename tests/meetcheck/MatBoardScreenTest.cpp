#include "meetcheck/MatBoardScreen.h"

#include "CheckMeets.h"
#include "app/Shell.h"
#include "bouts/BoutResultsFrame.h"
#include "bouts/MatchScreen.h"
#include "meet/TableModels.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace korvanda;
using namespace Qt::StringLiterals;

class MatBoardScreenTest : public QObject {
    Q_OBJECT

    static QString matText(MatBoardScreen& board, int mat)
    {
        auto* label = board.findChild<QLabel*>(u"BoardMat%1"_s.arg(mat));
        if (!label)
            return {};
        QTextDocument text;
        text.setHtml(label->text());
        return text.toPlainText();
    }

private slots:
    // Opened from the Window menu beside the bout window, it follows
    // "Accept" and "Remove Last" at once, down to a meet without bouts.
    // Which bouts each step leaves on the board: MatBoardTest.
    void followsResultsAndRemovedBouts()
    {
        TempDir dir;
        Meet meet = meetWith({},
            { boutRow(1, 1, "Ann", "TIG", "Bo", "LIO"), boutRow(2, 2, "Cy", "LIO", "Dee", "TIG"),
                boutRow(3, 1, "Eve", "TIG", "Fay", "LIO") });
        meet.directory = dir.path();
        FakeDialogs dialogs;
        Shell shell(meet, dialogs);
        shell.loadWindows();
        shell.models().refresh();
        shell.showWindow(WindowKind::Bout);
        MatBoardScreen& board = shell.boardScreen();
        QVERIFY(!board.isVisible());
        shell.matchScreen().findChild<QAction*>(u"mnuBoard"_s)->trigger();
        QVERIFY(board.isVisible());
        QVERIFY(shell.matchScreen().isVisible());
        QCOMPARE(
            matText(board, 1), u"Mat 1\nNow: bout 1\nAnn (TIG)\nBo (LIO)\nOn deck: bout 3\nEve (TIG)\nFay (LIO)"_s);

        shell.matchScreen()
            .findChild<BoutResultsFrame*>(u"BoutResultsFrame"_s)
            ->show({ "2", "", "", "", "", "7", "0", 1, ResultType::Decision });
        QTest::mouseClick(shell.matchScreen().findChild<QPushButton*>(u"AcceptButton"_s), Qt::LeftButton);
        QCOMPARE(meet.boutGrid.cell(2, BoutColumn::Winner1), std::string("Decision"));
        QCOMPARE(matText(board, 2), u"Mat 2\nAll bouts done"_s);

        auto* removeLast = shell.matchScreen().findChild<QPushButton*>(u"RemoveLastButton"_s);
        dialogs.queueAnswers({ true, true, true });
        for (int bout = 3; bout >= 1; --bout)
            QTest::mouseClick(removeLast, Qt::LeftButton);
        QVERIFY(board.findChild<QLabel*>(u"BoardEmptyLabel"_s)->isVisible());
        QVERIFY(!board.findChild<QLabel*>(u"BoardMat1"_s));
    }

    // The type is sized by the window's height, whatever its pixels; F11
    // fills the screen and Esc gives the window back.
    void typeFollowsTheWindowHeight()
    {
        Meet meet = meetWith({}, {});
        meet.boutGrid.setRowCount(1);
        for (int bout = 1; bout <= 12; ++bout)
            meet.boutGrid.appendRow(boutRow(bout, (bout - 1) % 6 + 1, "Red", "TIG", "Green", "LIO"));
        TableModels models(meet);
        MatBoardScreen board(meet, models);
        board.show();
        auto* label = board.findChild<QLabel*>(u"BoardMat6"_s);
        QVERIFY(label);
        for (const int height : { 1080, 540 }) {
            board.resize(height * 16 / 9, height);
            QTRY_COMPARE(board.height(), height);
            const int pixels = label->font().pixelSize();
            QCOMPARE(pixels, board.textPixels());
            // Six mats of ten lines fit the height, and none is small print.
            QVERIFY2(pixels * 20 <= height && pixels * 30 >= height, qPrintable(QString::number(pixels)));
        }
        QTest::keyClick(&board, Qt::Key_F11);
        QVERIFY(board.isFullScreen());
        QTest::keyClick(&board, Qt::Key_Escape);
        QVERIFY(!board.isFullScreen());
    }
};

QTEST_MAIN(MatBoardScreenTest)
#include "MatBoardScreenTest.moc"
