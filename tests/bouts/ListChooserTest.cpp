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
            { { Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter }, QDialog::Accepted, MeetList::ScoreList },
            { { Qt::Key_Down, Qt::Key_Escape }, QDialog::Rejected, MeetList::BoutList },
        };
        for (const Case& c : cases) {
            ListChooser chooser(u"Print"_s);
            chooser.open();
            QVERIFY(QTest::qWaitForWindowExposed(&chooser));
            for (Qt::Key key : c.keys)
                QTest::keyClick(chooser.findChild<QListWidget*>(u"ListChoice"_s), key);
            QCOMPARE(chooser.result(), c.result);
            QCOMPARE(chooser.chosen(), c.chosen);
        }
    }
};

QTEST_MAIN(ListChooserTest)
#include "ListChooserTest.moc"
