// Opens a meet folder without a screen, takes its tables from the folder's
// restore file and serves it to browsers on the port given, so a browser
// test can play the phones. Lines on standard input play the director:
//   accept BOUT WINNER TYPE POINTS1 POINTS2   ("-" for a blank points box)
//   newcodes
//   hold, release      (a message box open at the laptop, and closed again:
//                       results from phones wait while it is open)
//   quit
// Every message box's text goes to standard output; questions get Yes.
#include "bouts/MatchScreen.h"
#include "app/MeetFolders.h"
#include "meet/Dialogs.h"
#include "meet/RestoreFile.h"
#include "meet/TableModels.h"
#include "network/NetworkScreen.h"
#include "network/RequestHandler.h"
#include "app/Shell.h"
#include "teams/TeamScreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSocketNotifier>
#include <QSpinBox>

#include <iostream>
#include <sstream>

using namespace korvanda;

namespace {

class PrintedDialogs : public Dialogs {
public:
    void inform(const std::string& text) override { std::cout << "message: " << text << std::endl; }
    void warn(const std::string& text) override { inform(text); }
    bool ask(const std::string& text) override
    {
        inform(text);
        return true;
    }
};

void accept(MatchScreen& bouts, std::istringstream& words)
{
    std::string bout, points1, points2;
    int winner = 0, type = 0;
    words >> bout >> winner >> type >> points1 >> points2;
    bouts.findChild<QLineEdit*>(QStringLiteral("BoutNumberBox"))->setText(QString::fromStdString(bout));
    bouts.findChild<QLineEdit*>(QStringLiteral("ResultsPointsBox1"))
        ->setText(points1 == "-" ? QString() : QString::fromStdString(points1));
    bouts.findChild<QLineEdit*>(QStringLiteral("ResultsPointsBox2"))
        ->setText(points2 == "-" ? QString() : QString::fromStdString(points2));
    if (winner)
        bouts.findChild<QAbstractButton*>(QStringLiteral("WinnerOption%1").arg(winner))->setChecked(true);
    bouts.findChild<QAbstractButton*>(QStringLiteral("WinByOption%1").arg(type))->setChecked(true);
    bouts.findChild<QAbstractButton*>(QStringLiteral("AcceptButton"))->click();
}

// "mat 1 LINK PIN 123456" for each mat, as its card shows it.
void printCodes(NetworkScreen& network)
{
    for (int mat = 1; mat <= 6; ++mat)
        if (auto* link = network.findChild<QLabel*>(QStringLiteral("ScorerLinkLabel%1").arg(mat)))
            std::cout << "mat " << mat << " " << link->text().toStdString() << " "
                      << network.findChild<QLabel*>(QStringLiteral("PinLabel%1").arg(mat))->text().toStdString()
                      << std::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // No window of the meet is shown; closing the held message must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setOrganizationName(QStringLiteral("Korvanda"));
    QApplication::setApplicationName(QStringLiteral("Korvanda"));
    if (argc != 4) {
        std::cerr << "usage: NetworkMeetDriver MEET_FOLDER PORT MATS" << std::endl;
        return 2;
    }
    PrintedDialogs dialogs;
    MeetFolders folders(
        dialogs, [](QWidget*, const QString&, const QString&) { return QString(); }, MeetLocations {});
    folders.open(QString::fromLocal8Bit(argv[1]));
    Shell& shell = folders.shell();
    if (!loadRestoreFile(folders.meet(), dialogs))
        return 1;
    shell.teamScreen().findChild<QLineEdit*>(QStringLiteral("NumMatsBox"))->setText(QString::fromLatin1(argv[3]));
    shell.models().refresh();
    NetworkScreen& network = shell.networkScreen();
    network.findChild<QSpinBox*>(QStringLiteral("PortBox"))->setValue(std::atoi(argv[2]));
    if (!network.startServing())
        return 1;
    printCodes(network);
    std::cout << "serving " << network.port() << std::endl;

    QPointer<QMessageBox> held;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line) || line == "quit") {
            network.stopServing();
            app.quit();
            return;
        }
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "accept")
            accept(shell.matchScreen(), words);
        else if (command == "hold") {
            held = new QMessageBox(QMessageBox::Information, QStringLiteral("Korvanda"), QStringLiteral("Held"));
            held->setWindowModality(Qt::ApplicationModal);
            held->show();
        } else if (command == "release" && held) {
            held->close();
            delete held;
        } else if (command == "newcodes") {
            network.findChild<QAbstractButton*>(QStringLiteral("NewCodesButton"))->click();
            printCodes(network);
        }
        std::cout << "done " << command << std::endl;
    });
    return app.exec();
}
