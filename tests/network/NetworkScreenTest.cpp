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
#include <QtTest>

#include <future>
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
    void servesTheMeetWhileStartedAndStoresAPhoneResult()
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
        // The phone waits for its answer while the window thread stores the result.
        auto sent = std::async(std::launch::async, [token = link.section(QStringLiteral("#t="), 1).toStdString()] {
            httplib::Client phone("127.0.0.1", freePort());
            const auto answer = phone.Post("/api/result", { { "X-Scorer-Token", token } },
                R"({"id":"window-test-01","bout":2,"red":"Cy","green":"Dee","winner":2,"type":1,"points1":"","points2":""})",
                "application/json");
            return answer ? answer->body : std::string("no answer");
        });
        QTRY_VERIFY(sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QCOMPARE(sent.get(), std::string(R"({"again":false,"stored":true})"));
        QCOMPARE(program.meet.boutGrid.cell(2, BoutColumn::Winner2), std::string("Fall"));
        // The estimated starts follow the Meet Check's minutes per bout.
        program.shell.window(WindowKind::Check).findChild<QSpinBox*>(QStringLiteral("MinutesPerBoutBox"))->setValue(7);
        QTRY_VERIFY(httplib::Client("127.0.0.1", freePort()).Get("/api/meet")->body.find(R"("start":"09:07")")
            != std::string::npos);

        QTest::mouseClick(program.child<QPushButton>(QStringLiteral("StopButton")), Qt::LeftButton);
        QVERIFY(!httplib::Client("127.0.0.1", freePort()).Get("/"));
        const std::string log = dir.read("NetworkLog.Txt");
        QVERIFY2(log.ends_with("  mat 1  bout 2  Fall, Green (Dee) wins  from 127.0.0.1  stored\r\n"), log.c_str());
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
