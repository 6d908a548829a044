// The meet network under a full gym: 300 spectators' phones asking for the
// meet every 2 seconds and 6 mat scorers sending a result a second (and
// every result once more, as a phone that lost the answer), for 60 seconds
// over loopback, against the real Meet Network window on the offscreen
// platform. Prints requests per second, the 50th and 99th percentile of
// the answer times, and the window thread's longest stall; fails when a
// result is lost or stored twice.
//   NetworkBench [seconds]
#include "app/MeetFolders.h"
#include "meet/Dialogs.h"
#include "meet/RestoreFile.h"
#include "meet/TableModels.h"
#include "meetcheck/MatOrder.h"
#include "network/NetworkScreen.h"
#include "app/Shell.h"
#include "teams/TeamScreen.h"

#include <httplib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <unistd.h>

using namespace korvanda;
using Clock = std::chrono::steady_clock;

namespace {

class SilentDialogs : public Dialogs {
public:
    void inform(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
    void warn(const std::string& text) override { inform(text); }
    bool ask(const std::string&) override { return true; }
};

// 600 bouts of 400 wrestlers of four teams on six mats.
void writeMeet(const std::filesystem::path& folder)
{
    Meet meet;
    meet.directory = folder;
    meet.teamList.setRowCount(1);
    const char* teams[] = { "TIG", "LIO", "BEA", "OWL" };
    for (const char* team : teams)
        meet.teamList.appendRow(std::string("Team ") + team + "\t" + team + "\tCoach\t" + team);
    meet.roster.setRowCount(1);
    for (int w = 0; w < 400; ++w)
        meet.roster.appendRow("Wrestler " + std::to_string(w) + "\t9.0\t60\t1.0\t" + teams[w % 4] + "\t\tYes\t");
    meet.boutGrid.setRowCount(1);
    for (int b = 1; b <= 600; ++b) {
        const int red = (b * 7) % 400, green = (b * 7 + 1) % 400;
        meet.boutGrid.appendRow(std::to_string(b) + "\t" + std::to_string((b - 1) % 6 + 1) + "\t\tWrestler "
            + std::to_string(red) + "\t9.0\t60\t1.0\t" + teams[red % 4] + "\t\t\t\tWrestler " + std::to_string(green)
            + "\t9.0\t60\t1.0\t" + teams[green % 4] + "\t\t");
    }
    std::ofstream(folder / restoreFileName, std::ios::binary) << restoreFileText(meet);
    std::ofstream(folder / "Teams.Csv", std::ios::binary) << "";
}

struct Tally {
    std::mutex mutex;
    std::vector<double> milliseconds;
    // The scorers' alone: each waits for the window thread and the disk.
    std::vector<double> resultMilliseconds;
    long refusedForLoad = 0;
    long failed = 0;
    long stored = 0;
    long storedAgain = 0;

    void add(const std::vector<double>& times, long load, long fail)
    {
        const std::lock_guard lock(mutex);
        milliseconds.insert(milliseconds.end(), times.begin(), times.end());
        refusedForLoad += load;
        failed += fail;
    }
};

void spectators(int port, int first, int count, int all, Clock::time_point end, Tally& tally)
{
    std::vector<std::string> tags(static_cast<std::size_t>(count));
    std::vector<double> times;
    long load = 0, fail = 0;
    const auto start = Clock::now();
    for (long round = 0; Clock::now() < end; ++round) {
        for (int k = 0; k < count; ++k) {
            const auto due = start + std::chrono::milliseconds(round * 2000 + (first + k) * 2000 / all);
            std::this_thread::sleep_until(due);
            if (Clock::now() >= end)
                break;
            httplib::Client phone("127.0.0.1", port);
            httplib::Headers headers;
            if (!tags[static_cast<std::size_t>(k)].empty())
                headers.emplace("If-None-Match", tags[static_cast<std::size_t>(k)]);
            const auto asked = Clock::now();
            const auto answer = phone.Get("/api/meet", headers);
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - asked).count());
            if (!answer)
                ++fail;
            else if (answer->status == 429)
                ++load;
            else if (answer->status == 200)
                tags[static_cast<std::size_t>(k)] = answer->get_header_value("ETag");
            else if (answer->status != 304)
                ++fail;
        }
    }
    tally.add(times, load, fail);
}

void scorer(
    int port, std::string token, std::vector<std::pair<int, std::string>> bouts, Clock::time_point end, Tally& tally)
{
    std::vector<double> times;
    long load = 0, fail = 0, stored = 0, again = 0;
    httplib::Client phone("127.0.0.1", port);
    const httplib::Headers headers { { "X-Scorer-Token", token } };
    for (std::size_t k = 0; k < bouts.size() && Clock::now() < end; ++k) {
        const auto next = Clock::now() + std::chrono::seconds(1);
        const std::string body = "{\"id\":\"bench-result-" + std::to_string(bouts[k].first)
            + "\",\"bout\":" + std::to_string(bouts[k].first) + "," + bouts[k].second
            + ",\"winner\":1,\"type\":5,\"points1\":\"5\",\"points2\":\"2\"}";
        for (int send = 0; send < 2; ++send) {
            const auto asked = Clock::now();
            const auto answer = phone.Post("/api/result", headers, body, "application/json");
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - asked).count());
            if (!answer || answer->status != 200) {
                std::fprintf(stderr, "scorer: %d %s\n", answer ? answer->status : -1,
                    answer ? answer->body.c_str() : "no answer");
                ++(answer && answer->status == 429 ? load : fail);
                continue;
            }
            ++(answer->body.find("\"again\":true") != std::string::npos ? again : stored);
        }
        std::this_thread::sleep_until(next);
    }
    tally.add(times, load, fail);
    const std::lock_guard lock(tally.mutex);
    tally.resultMilliseconds.insert(tally.resultMilliseconds.end(), times.begin(), times.end());
    tally.stored += stored;
    tally.storedAgain += again;
}

double percentile(std::vector<double>& values, double p)
{
    if (values.empty())
        return 0;
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at), values.end());
    return values[at];
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const auto folder = std::filesystem::temp_directory_path() / ("korvanda-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((folder / ".config").string()));
    writeMeet(folder);

    SilentDialogs dialogs;
    MeetFolders folders(
        dialogs, [](QWidget*, const QString&, const QString&) { return QString(); }, MeetLocations {});
    folders.open(QString::fromStdString(folder.string()));
    Shell& shell = folders.shell();
    loadRestoreFile(folders.meet(), dialogs);
    shell.teamScreen().findChild<QLineEdit*>(QStringLiteral("NumMatsBox"))->setText(QStringLiteral("6"));
    shell.models().refresh();
    NetworkScreen& network = shell.networkScreen();
    const int port = 40000 + static_cast<int>(getpid() % 20000);
    network.findChild<QSpinBox*>(QStringLiteral("PortBox"))->setValue(port);
    if (!network.startServing())
        return 1;

    std::vector<std::vector<std::pair<int, std::string>>> matBouts(6);
    const Table& bouts = folders.meet().boutGrid;
    for (const auto& [mat, rows] : boutsByMat(bouts))
        for (const int row : rows)
            matBouts[static_cast<std::size_t>(mat - 1)].push_back({ row,
                "\"red\":\"" + bouts.cell(row, BoutColumn::Name1) + "\",\"green\":\""
                    + bouts.cell(row, BoutColumn::Name2) + "\"" });

    // The window thread's stalls: how late a 5 ms tick comes.
    QElapsedTimer sinceTick;
    qint64 longestStall = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] { longestStall = std::max(longestStall, sinceTick.restart() - 5); });
    sinceTick.start();
    tick.start();

    Tally tally;
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    std::vector<std::thread> phones;
    constexpr int spectatorCount = 300, spectatorThreads = 30;
    for (int t = 0; t < spectatorThreads; ++t)
        phones.emplace_back(
            spectators, port, t * 10, spectatorCount / spectatorThreads, spectatorCount, end, std::ref(tally));
    for (int mat = 1; mat <= 6; ++mat) {
        const QString link = network.findChild<QLabel*>(QStringLiteral("ScorerLinkLabel%1").arg(mat))->text();
        phones.emplace_back(scorer, port, link.section(QStringLiteral("#t="), 1).toStdString(),
            matBouts[static_cast<std::size_t>(mat - 1)], end, std::ref(tally));
    }
    std::atomic<bool> done = false;
    std::thread waiter([&] {
        for (auto& phone : phones)
            phone.join();
        done = true;
    });
    // The tick wakes the loop; between events the window thread sleeps, as
    // the program's own loop does, and leaves the cores to the server.
    while (!done)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    waiter.join();
    tick.stop();
    network.stopServing();

    int withResults = 0;
    for (int row = 1; row < bouts.rowCount(); ++row)
        withResults += hasResult(bouts, row);
    const double requests = static_cast<double>(tally.milliseconds.size());
    std::printf("%d s, %.0f requests: %.1f per second\n", seconds, requests, requests / seconds);
    std::printf("answer time: p50 %.2f ms, p99 %.2f ms (results alone: p50 %.2f ms, p99 %.2f ms)\n",
        percentile(tally.milliseconds, 0.5), percentile(tally.milliseconds, 0.99),
        percentile(tally.resultMilliseconds, 0.5), percentile(tally.resultMilliseconds, 0.99));
    std::printf("window thread's longest stall: %lld ms\n", static_cast<long long>(longestStall));
    std::printf("results stored %ld, sent again and answered as stored %ld, in the bout list %d\n", tally.stored,
        tally.storedAgain, withResults);
    std::printf("refused for load %ld, failed %ld\n", tally.refusedForLoad, tally.failed);
    std::filesystem::remove_all(folder);
    return tally.stored == withResults && tally.storedAgain == tally.stored && tally.failed == 0 ? 0 : 1;
}
