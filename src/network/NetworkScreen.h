#pragma once

#include "network/PhoneResults.h"
#include "network/RequestHandler.h"
#include "widgets/WorkingWindow.h"

#include <QStringList>

#include <atomic>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace korvanda {

class CheckScreen;
class Dialogs;
class NetworkServer;
class PrintChoices;
class SnapshotMaker;
class TableModels;
class TeamScreen;
struct Meet;

// "Meet Network": serves the spectator page and the mat scorers' pages to
// the phones in the gym while the director has started it. The meet stays
// on this window's thread: the server's threads read the snapshot
// published here after every change, and each result from a phone is
// stored here, through the same function as "Accept", before the phone is
// told.
class NetworkScreen : public WorkingWindow {
    Q_OBJECT
public:
    NetworkScreen(Meet& meet, TableModels& models, Dialogs& dialogs, const TeamScreen& teams, const CheckScreen& check,
        QWidget* parent = nullptr);
    ~NetworkScreen() override;

    // "Start" and "Stop". Starting reports a port in use by name.
    bool startServing();
    void stopServing();
    bool serving() const;
    int port() const;
    // The spectator page's address at each of the laptop's addresses.
    QStringList pageAddresses() const;
    // Where `addresses` comes from; tests give their own.
    void setAddressSource(std::function<QStringList()> source);
    // Takes in what the server's threads have seen: devices and log.
    void takeNews();
    // Where an exported card file goes is asked through these; tests answer.
    void setPrintChoices(PrintChoices& choices) { printChoices_ = &choices; }

private:
    PhoneAnswer storeFromPhone(const PhoneResult& result);
    void storeWaiting();
    void publish();
    void newCodes();
    void ensureCodes();
    void saveCodes();
    void showAddresses();
    void showCodes();
    void printCards();
    void exportCards();
    void appendLog(const std::vector<NetworkLogEntry>& entries);
    QString firstAddress() const;

    struct Waiting;

    Meet& meet_;
    TableModels& models_;
    Dialogs& dialogs_;
    const TeamScreen& teams_;
    const CheckScreen& check_;
    std::filesystem::path folder_;
    PhoneResults results_;
    std::unique_ptr<RequestHandler> handler_;
    std::unique_ptr<NetworkServer> server_;
    // Ends before the handler it publishes to.
    std::unique_ptr<SnapshotMaker> snapshots_;
    // Set while the server stops, so no server thread waits on this thread
    // while this thread waits for the server.
    std::atomic<bool> stopping_ = false;
    // Snapshots are made only while the phones may see them.
    bool publishing_ = false;
    // Results handed over by the server's threads, stored in turn.
    std::deque<std::shared_ptr<Waiting>> waiting_;
    std::function<QStringList()> addressSource_;
    QStringList addresses_;
    std::unique_ptr<PrintChoices> dialogChoices_;
    PrintChoices* printChoices_;

    QPushButton* start_;
    QPushButton* stop_;
    QSpinBox* portBox_;
    QCheckBox* startWhenOpen_;
    QLabel* status_;
    QGridLayout* addressGrid_;
    QGridLayout* codeGrid_;
    QTableWidget* devices_;
    QPlainTextEdit* log_;
    QTimer* newsTimer_;
};

} // namespace korvanda
