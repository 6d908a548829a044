#include "bouts/ListChooser.h"

#include <QListWidget>
#include <QtTest>

using namespace korvanda;
using namespace Qt::StringLiterals;

class ListChooserTest : public QObject {
    Q_OBJECT

private slots:
    void theKeyboardAloneChoosesOrCancels()
    {
        struct Case {
            QList<Qt::Key> keys;
            QDialog::DialogCode result;
            MeetList chosen;
        };
        const QList<Case> cases = {
            { { Qt::Key_Return }, QDialog::Accepted, MeetList::Roster },
            { { Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter }, QDialog::Accepted, MeetList::ScoreList },
            { { Qt::Key_End, Qt::Key_Return }, QDialog::Accepted, MeetList::ScoreTally },
            { { Qt::Key_Down, Qt::Key_Escape }, QDialog::Rejected, MeetList::BoutList },
        };
        for (const Case& c : cases) {
            ListChooser chooser(u"Print"_s);
            chooser.open();
            QVERIFY(QTest::qWaitForWindowExposed(&chooser));
            auto* lists = chooser.findChild<QListWidget*>(u"ListChoice"_s);
            QCOMPARE(lists->count(), 5);
            QCOMPARE(lists->item(3)->text(), u"Bout Sheets"_s);
            for (Qt::Key key : c.keys)
                QTest::keyClick(lists, key);
            QCOMPARE(chooser.result(), c.result);
            QCOMPARE(chooser.chosen(), c.chosen);
        }
    }
};

QTEST_MAIN(ListChooserTest)
#include "ListChooserTest.moc"
