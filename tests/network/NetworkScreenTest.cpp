#include "network/NetworkScreen.h"

#include "meetcheck/CheckMeets.h"
#include "network/NetworkServer.h"
#include "app/Shell.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <httplib.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <unistd.h>

using namespace korvanda;

class NetworkScreenTest : public QObject {
    Q_OBJECT

    struct Program {
        explicit Program(const std::filesystem::path& folder)
        {
            meet.directory = folder;
            shell.loadWindows();
            network().setAddressSource([] { return QStringList { QStringLiteral("192.168.7.20") }; });
        }
        NetworkScreen& network() { return shell.networkScreen(); }
        template <class T> T* child(const QString& name) { return network().findChild<T*>(name); }

        Meet meet
            = meetWith({}, { boutRow(1, 1, "Ann", "TIG", "Bo", "LIO"), boutRow(2, 1, "Cy", "LIO", "Dee", "TIG") });
        FakeDialogs dialogs;
        Shell shell { meet, dialogs };
    };

    static int freePort() { return 21000 + static_cast<int>(getpid() % 20000); }

private slots:
    void servesTheMeetOnlyWhileStarted()
    {
        TempDir dir;
        dir.write("Teams.Csv", "");
        Program program(dir.path());
        program.shell.window(WindowKind::Team).findChild<QAction*>(QStringLiteral("mnuNetwork"))->trigger();
        QVERIFY(program.network().isVisible());
        program.child<QSpinBox>(QStringLiteral("PortBox"))->setValue(freePort());
        const QString page = QStringLiteral("http://192.168.7.20:%1/").arg(freePort());
        auto* address = program.child<QLabel>(QStringLiteral("PageAddressLabel1"));
        QCOMPARE(address->text(), page);
        QVERIFY(address->textInteractionFlags() & Qt::TextSelectableByMouse);
        const QString link = program.child<QLabel>(QStringLiteral("ScorerLinkLabel1"))->text();
        QVERIFY(link.startsWith(page + QStringLiteral("scorer#t=")));
        QVERIFY(!program.child<QLabel>(QStringLiteral("PageCodeLabel1"))->pixmap().isNull());

        QTest::mouseClick(program.child<QPushButton>(QStringLiteral("StartButton")), Qt::LeftButton);
        QVERIFY(program.network().serving());
        const std::string token = link.section(QStringLiteral("#t="), 1).toStdString();
        QVERIFY(httplib::Client("127.0.0.1", freePort()).Get("/api/mat", { { "X-Scorer-Token", token } }));
        // The estimated starts follow the Meet Check's minutes per bout.
        program.shell.window(WindowKind::Check).findChild<QSpinBox*>(QStringLiteral("MinutesPerBoutBox"))->setValue(7);
        QTRY_VERIFY(httplib::Client("127.0.0.1", freePort()).Get("/api/meet")->body.find(R"("start":"09:07")")
            != std::string::npos);
        auto* stop = program.child<QPushButton>(QStringLiteral("StopButton"));
        QTest::mouseClick(stop, Qt::LeftButton);
        QVERIFY(!httplib::Client("127.0.0.1", freePort()).Get("/"));
        // Starting again keeps the codes, so the phone stays in the list.
        QTest::mouseClick(program.child<QPushButton>(QStringLiteral("StartButton")), Qt::LeftButton);
        QTest::mouseClick(stop, Qt::LeftButton);
        QCOMPARE(program.child<QTableWidget>(QStringLiteral("DeviceGrid"))->rowCount(), 1);
    }

    void aPortInUseIsNamedAndTheStartIsKeptPerMeet()
    {
        TempDir dir;
        dir.write("Teams.Csv", "");
        RequestHandler other([](const PhoneResult&) { return PhoneAnswer {}; });
        NetworkServer holder(other);
        std::string error;
        QVERIFY(holder.start(freePort() + 1, error));
        {
            Program program(dir.path());
            program.child<QSpinBox>(QStringLiteral("PortBox"))->setValue(freePort() + 1);
            QVERIFY(!program.network().startServing());
            QCOMPARE(program.dialogs.shown.back(),
                "Port " + std::to_string(freePort() + 1)
                    + " is in use by another program or not allowed. Choose another port and start again.");
            holder.stop();
            program.child<QCheckBox>(QStringLiteral("StartWhenOpenCheck"))->setChecked(true);
        }
        Program reopened(dir.path());
        QTRY_VERIFY(reopened.network().serving());
        TempDir another;
        another.write("Teams.Csv", "");
        reopened.shell.hideAll();
        QVERIFY(!reopened.network().serving());
        Program elsewhere(another.path());
        QTest::qWait(50);
        QVERIFY(!elsewhere.network().serving());
    }
};

QTEST_MAIN(NetworkScreenTest)
#include "NetworkScreenTest.moc"
