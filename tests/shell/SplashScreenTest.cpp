#include "app/SplashScreen.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace korvanda;

class SplashScreenTest : public QObject {
    Q_OBJECT

private slots:
    void clicksOnTitleLinesLeaveAndOthersDoNot()
    {
        const std::pair<const char*, bool> cases[] = { { "Label4", false }, { "Label5", false }, { "Label1", true },
            { "Label2", true }, { "Label3", true }, { "Image1", true } };
        for (const auto& [label, leaves] : cases) {
            SplashScreen splash;
            splash.show();
            QSignalSpy finished(&splash, &SplashScreen::finished);
            QTest::mouseClick(splash.findChild<QLabel*>(QString::fromLatin1(label)), Qt::LeftButton);
            QVERIFY2(finished.count() == (leaves ? 1 : 0) && splash.isVisible() != leaves, label);
        }
    }

    // Leaves once, after about three seconds; a later click finds it gone.
    void timerLeavesOnce()
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
