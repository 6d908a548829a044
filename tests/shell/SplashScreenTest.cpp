#include "shell/SplashScreen.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace korvanda;

class SplashScreenTest : public QObject {
    Q_OBJECT

private slots:
    void clicksOnTitleLinesLeaveAndOthersDoNot()
    {
        struct Case {
            const char* label;
            bool leaves;
        };
        for (const Case& c : {Case{"Label4", false}, Case{"Label5", false}, Case{"Label2", true},
                              Case{"Label1", true}, Case{"Label3", true}, Case{"Image1", true}}) {
            SplashScreen splash;
            splash.show();
            QSignalSpy finished(&splash, &SplashScreen::finished);
            auto* target = splash.findChild<QLabel*>(QString::fromLatin1(c.label));
            QVERIFY2(target, c.label);
            QTest::mouseClick(target, Qt::LeftButton);
            QCOMPARE(finished.count(), c.leaves ? 1 : 0);
            QCOMPARE(splash.isVisible(), !c.leaves);
        }
    }

    void timerLeavesOnceAfterThreeSeconds()
    {
        SplashScreen splash;
        splash.show();
        QSignalSpy finished(&splash, &SplashScreen::finished);
        QTest::qWait(2500);
        QCOMPARE(finished.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
        QVERIFY(!splash.isVisible());
        QTest::mouseClick(splash.findChild<QLabel*>(QStringLiteral("Label2")), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(SplashScreenTest)
#include "SplashScreenTest.moc"
