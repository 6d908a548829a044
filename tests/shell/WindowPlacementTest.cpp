#include "widgets/WindowPlacement.h"

#include <QScreen>
#include <QSettings>
#include <QtTest>

using namespace korvanda;

class WindowPlacementTest : public QObject {
    Q_OBJECT

    static std::unique_ptr<QWidget> window(const QString& name, QSize startSize)
    {
        auto w = std::make_unique<QWidget>();
        w->setObjectName(name);
        WindowPlacement::keep(*w, startSize);
        return w;
    }

    static QRect freeArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    void initTestCase() { QCoreApplication::setOrganizationName(QStringLiteral("Korvanda")); }
    void init() { QSettings().clear(); }

    void firstOpeningIsCentredAndNoLargerThanTheScreen_data()
    {
        QTest::addColumn<QSize>("startSize");
        QTest::addColumn<QSize>("opened");
        const QSize room = freeArea().size() - QSize(16, 40);
        QTest::newRow("small") << QSize(400, 300) << QSize(400, 300);
        QTest::newRow("too wide") << QSize(5000, 300) << QSize(room.width(), 300);
        QTest::newRow("too tall") << QSize(400, 5000) << QSize(400, room.height());
    }

    void firstOpeningIsCentredAndNoLargerThanTheScreen()
    {
        QFETCH(QSize, startSize);
        QFETCH(QSize, opened);
        auto w = window(QStringLiteral("Fresh"), startSize);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->size(), opened);
        QVERIFY(freeArea().contains(w->frameGeometry()));
        QVERIFY(qAbs(w->geometry().center().x() - freeArea().center().x()) <= 8);
    }

    void aWindowComesBackWhereItWasLeftWhileThatIsOnAScreen_data()
    {
        QTest::addColumn<QPoint>("leftAt");
        QTest::addColumn<bool>("restored");
        QTest::newRow("on the screen") << QPoint(60, 50) << true;
        QTest::newRow("on a screen now gone") << QPoint(freeArea().right() + 200, 50) << false;
        QTest::newRow("half off the bottom") << QPoint(60, freeArea().bottom() - 100) << false;
    }

    void aWindowComesBackWhereItWasLeftWhileThatIsOnAScreen()
    {
        QFETCH(QPoint, leftAt);
        QFETCH(bool, restored);
        const QSize startSize(400, 300);
        const QSize leftSize(520, 360);
        {
            auto first = window(QStringLiteral("Kept"), startSize);
            first->show();
            QVERIFY(QTest::qWaitForWindowExposed(first.get()));
            first->resize(leftSize);
            first->move(leftAt);
            QTRY_COMPARE(first->pos(), leftAt);
            first->hide();
        }
        auto again = window(QStringLiteral("Kept"), startSize);
        // Another window's place is its own.
        auto other = window(QStringLiteral("Other"), startSize);
        QCOMPARE(other->size(), startSize);
        if (restored) {
            QCOMPARE(again->size(), leftSize);
            QCOMPARE(again->pos(), leftAt);
        } else {
            QCOMPARE(again->size(), startSize);
            again->show();
            QVERIFY(QTest::qWaitForWindowExposed(again.get()));
            QVERIFY(freeArea().contains(again->frameGeometry()));
        }
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
